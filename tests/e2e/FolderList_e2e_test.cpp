// The launcher's main window carries the registered folder list control,
// out of sight, and closes it cleanly with the window.
#include <gtest/gtest.h>

#include "e2e/Driver_win.h"
#include "win/RegisterControl_win.h"

namespace corvella {
namespace {

using testing::LauncherProcess;
using testing::TempFolder;

TEST(FolderListControl, TheMainWindowCarriesOneOutOfSight) {
    ASSERT_TRUE(testing::RegisterFolderListControl());
    TempFolder folder;
    folder.WriteFile("Corvella.ini", "[Options]\r\nEnableSound=0\r\nEnableTrayIcon=0\r\n");
    LauncherProcess launcher(folder);
    ASSERT_TRUE(launcher.Start());
    HWND window = launcher.WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    HWND control = nullptr;
    ASSERT_TRUE(testing::WaitUntil(
        [&] { return (control = FindWindowExA(window, nullptr, "PanorellListViewControl", nullptr)) != nullptr; },
        10000))
        << "the main window holds no folder list control";
    EXPECT_FALSE(IsWindowVisible(control));
    EXPECT_TRUE(testing::SaveScreenshot(window, "main-window-with-folder-list-control"));

    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(launcher.WaitForExit(30000, &code));
    EXPECT_EQ(code, 0u);
}

}  // namespace
}  // namespace corvella
