// The welcome window and the tour: shown while the launcher starts, again
// from the About command with the main window waiting, and the tour's two
// pages behind its Help button.
#include <windows.h>

#include <gtest/gtest.h>

#include "e2e/DisplayDpi_win.h"
#include "e2e/Driver_win.h"

namespace corvella {
namespace {

using testing::DisplayDpi;
using testing::LauncherProcess;
using testing::TempFolder;
using testing::WaitUntil;

constexpr int kNext = 101, kBack = 102;
constexpr char kIni[] =
    "[Options]\r\nWindowLeft=1500\r\nWindowTop=750\r\nWindowWidth=3000\r\nWindowHeight=6000\r\nEnableSound=0\r\n";

HWND Wait(DWORD process, const char* className) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = testing::FindProcessWindow(process, className)) != nullptr; }, 10000);
    return found;
}

bool Shown(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }

void Press(HWND dialog, int id) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

TEST(Welcome, ShowsWhileTheLauncherStartsAndClosesBeforeTheMainWindowShows) {
    TempFolder folder;
    folder.WriteFile("Corvella.ini", kIni);
    LauncherProcess launcher(folder);
    ASSERT_TRUE(launcher.Start());
    // Watch closely: the welcome window is up only while the settings load.
    HWND splash = nullptr;
    WaitUntil(
        [&] {
            for (int i = 0; i < 200 && !splash; ++i) {
                splash = testing::FindProcessWindow(launcher.ProcessId(), "CorvellaSplash");
                if (!splash) Sleep(0);
            }
            return splash != nullptr;
        },
        30000);
    ASSERT_NE(splash, nullptr) << "no welcome window at start";
    EXPECT_EQ(testing::WindowText(splash), "Welcome to...");
    HWND window = launcher.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(splash); }, 10000)) << "the welcome window stayed";
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(30000));
}

TEST(Welcome, AboutShowsItModallyAndHelpOpensTheTwoPageTour) {
    TempFolder folder;
    folder.WriteFile("Corvella.ini", kIni);
    LauncherProcess launcher(folder);
    ASSERT_TRUE(launcher.Start());
    HWND window = launcher.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const DWORD pid = launcher.ProcessId();

    HWND options = GetDlgItem(window, testing::kOptionsButton);
    PostMessageA(options, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6));
    PostMessageA(options, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
    HWND menu = Wait(pid, "#32768");
    ASSERT_NE(menu, nullptr) << "no options menu";
    PostMessageA(menu, WM_CHAR, 'a', 0);  // "&About Corvella && Help"

    HWND splash = Wait(pid, "CorvellaSplash");
    ASSERT_NE(splash, nullptr) << "About showed no welcome window";
    EXPECT_EQ(testing::WindowText(splash), "Welcome to...");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(window); }, 5000)) << "the main window does not wait";
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(splash, 4)));
    EXPECT_TRUE(testing::SaveScreenshot(splash, "welcome"));

    Press(splash, 4);  // Help
    HWND tour = Wait(pid, "CorvellaTour");
    ASSERT_NE(tour, nullptr) << "Help showed no tour";
    EXPECT_EQ(testing::WindowText(tour), "Corvella Tour");
    EXPECT_TRUE(Shown(tour, kNext));
    EXPECT_FALSE(Shown(tour, kBack));
    EXPECT_FALSE(Shown(tour, 10));
    EXPECT_TRUE(testing::SaveScreenshot(tour, "tour-page-1"));

    Press(tour, kNext);  // Next
    EXPECT_TRUE(WaitUntil([&] { return Shown(tour, kBack) && !Shown(tour, kNext); }, 5000));
    EXPECT_TRUE(Shown(tour, 10));
    EXPECT_EQ(testing::WindowText(GetDlgItem(tour, 10)), "Corvella");
    EXPECT_EQ(testing::WindowText(GetDlgItem(tour, 11)), "Version 1.74");
    EXPECT_TRUE(testing::SaveScreenshot(tour, "tour-page-2"));

    Press(tour, kBack);  // Back
    EXPECT_TRUE(WaitUntil([&] { return Shown(tour, kNext) && !Shown(tour, 10); }, 5000));

    PostMessageA(tour, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(tour); }, 5000));
    Press(splash, 3);  // Close
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(splash) && IsWindowEnabled(window); }, 5000));

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(30000));
}

TEST(LargeFonts, TheMainWindowAt120Dpi) {
    DisplayDpi dpi(120);
    TempFolder folder;
    folder.WriteFile("Corvella.ini", kIni);
    LauncherProcess launcher(folder);
    ASSERT_TRUE(launcher.Start());
    HWND window = launcher.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    RECT r{};
    GetWindowRect(window, &r);
    // 3000 twips are 250 pixels at 120 dpi (200 at 96).
    EXPECT_EQ(r.right - r.left, 250);
    EXPECT_TRUE(testing::SaveScreenshot(window, "main-window-large-fonts"));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(30000));
}

}  // namespace
}  // namespace corvella
