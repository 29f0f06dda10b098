// Log-off from the options menu. Ending the session ends every program of
// the Wine prefix, so this runs only inside logoff_e2e.sh, which gives it a
// prefix of its own with the launcher already started there and checks the
// file and the launcher's end afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e/Driver_win.h"

namespace corvella {
namespace {

using testing::WaitUntil;

TEST(LogOff, ChosenFromTheOptionsMenu) {
    if (!std::getenv("CORVELLA_LOGOFF_PREFIX"))
        GTEST_SKIP() << "log-off would end every program of the shared test prefix; logoff_e2e.sh runs this case "
                        "in a private prefix";
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        window = FindWindowA("CorvellaMainWindow", nullptr);
        return window && IsWindowVisible(window);
    }, 60000)) << "the launcher's main window never showed";
    HWND options = GetDlgItem(window, testing::kOptionsButton);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    PostMessageA(options, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6));
    PostMessageA(options, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = testing::FindProcessWindow(process, "#32768")) != nullptr; }, 10000));
    // Options, Corvella Looks, Button Looks, (separator), Logoff User.
    for (int i = 0; i < 4; ++i) PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    Sleep(300);
    EXPECT_TRUE(testing::SaveScreenshot(menu, "logoff-menu"));
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }, 10000));
}

}  // namespace
}  // namespace corvella
