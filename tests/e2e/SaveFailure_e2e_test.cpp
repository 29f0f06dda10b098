// A settings file that cannot be replaced (another program holds it open, as
// a backup tool or an editor may): the launcher says so once, keeps working,
// ends normally and leaves the file as it was.
#include <gtest/gtest.h>

#include "e2e/Driver_win.h"

namespace corvella {
namespace {

using testing::LauncherProcess;
using testing::TempFolder;
using testing::WaitUntil;

TEST(LauncherSaveFailure, SaysOnceThatItCannotSaveAndLeavesTheFileAsItWas) {
    TempFolder folder;
    const std::string original =
        "[Options]\r\nEnableSound=0\r\nHotKey=112\r\nSection1Name=Work\r\n[Buttons]\r\n";
    folder.WriteFile("Corvella.ini", original);
    HANDLE holder = CreateFileA(folder.File("Corvella.ini").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    LauncherProcess launcher(folder);
    ASSERT_TRUE(launcher.Start());
    HWND window = launcher.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    // Closing saves the settings and then the switches: two failed saves.
    PostMessageA(window, WM_CLOSE, 0, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = testing::FindMessageBox(launcher.ProcessId())) != nullptr; }, 15000))
        << "no message";
    const std::string text = testing::MessageBoxText(box);
    EXPECT_NE(text.find("Corvella cannot save its settings in"), std::string::npos) << text;
    EXPECT_NE(text.find(folder.Path()), std::string::npos) << text;
    EXPECT_TRUE(testing::SaveScreenshot(box, "settings-cannot-be-saved"));
    PostMessageA(box, WM_COMMAND, IDOK, 0);

    DWORD code = 99;
    ASSERT_TRUE(launcher.WaitForExit(30000, &code)) << "still running: a second message may be showing";
    EXPECT_EQ(code, 0u);
    CloseHandle(holder);
    EXPECT_EQ(testing::FileBytes(folder.File("Corvella.ini")), original);
    EXPECT_EQ(GetFileAttributesA(folder.File("Corvella.ini.new").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace corvella
