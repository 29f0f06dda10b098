// The launcher started from a program folder without Corvella.ini: closed
// through its window, it leaves the file holding the default settings.
#include <gtest/gtest.h>

#include "e2e/Driver_win.h"

namespace corvella {
namespace {

using testing::LauncherProcess;
using testing::TempFolder;

std::string IniValue(const TempFolder& folder, const char* key) {
    char value[128] = {};
    GetPrivateProfileStringA("Options", key, "<absent>", value, sizeof value,
                             folder.File("Corvella.ini").c_str());
    return value;
}

TEST(LauncherSettings, FirstRunWritesTheDefaultsOnClose) {
    TempFolder folder;
    LauncherProcess launcher(folder);
    ASSERT_TRUE(launcher.Start());
    HWND window = launcher.WaitForMainWindow();
    ASSERT_NE(window, nullptr) << "the main window never appeared";
    EXPECT_EQ(testing::WindowText(window), " Corvella");
    // Before the close only the new file's one section has been written.
    EXPECT_EQ(IniValue(folder, "Section1Name"), "Section 1");
    EXPECT_EQ(IniValue(folder, "EnableSound"), "<absent>");
    HWND hint = GetDlgItem(window, 3004);
    EXPECT_TRUE(IsWindowVisible(hint));
    EXPECT_EQ(testing::WindowText(hint), "Drop stuff here to make buttons");
    EXPECT_TRUE(testing::SaveScreenshot(window, "main-window-first-run"));

    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(launcher.WaitForExit(30000, &code));
    EXPECT_EQ(code, 0u);

    HDC screen = GetDC(nullptr);
    const int tppx = 1440 / GetDeviceCaps(screen, LOGPIXELSX);
    const int tppy = 1440 / GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const int screenW = GetSystemMetrics(SM_CXSCREEN) * tppx;
    const int screenH = GetSystemMetrics(SM_CYSCREEN) * tppy;

    EXPECT_EQ(IniValue(folder, "WindowWidth"), "2500");
    EXPECT_EQ(IniValue(folder, "WindowLeft"), std::to_string(screenW - 2500));
    EXPECT_EQ(IniValue(folder, "WindowTop"), "0");
    EXPECT_EQ(IniValue(folder, "WindowHeight"), std::to_string(screenH - 425));
    const std::pair<const char*, const char*> defaults[] = {
        {"EnableSound", "1"}, {"EnableColors", "1"}, {"EnableOnTop", "0"}, {"EnableShade", "0"},
        {"EnableSystemButtons", "1"}, {"EnableTrayIcon", "1"}, {"HotKey", "145"},
        {"HotKeyShift", "0"}, {"HotKeyControl", "0"}, {"gSen", "1"}, {"gCaption", "1"},
        {"enableDocPath", "1"}, {"BackColor", "-2147483633"}, {"WindowShade", "0"},
        {"WindowShadeMode", "1"}, {"LastSection", "1"}, {"HomeSection", "1"},
        {"UseHomeSection", "0"}, {"gLocked", "0"}, {"gPassword", ""}, {"EjectAll", "0"}};
    for (auto [key, value] : defaults) EXPECT_EQ(IniValue(folder, key), value) << key;
}

// Closed from the task bar while minimised, the window saves where it comes
// back to, not where the system parks minimised windows.
TEST(LauncherSettings, ASavedPlacementComesBackAtTheNextStartAlsoAfterAMinimisedClose) {
    TempFolder folder;
    folder.WriteFile("Corvella.ini",
                     "[Options]\r\nWindowLeft=1500\r\nWindowTop=750\r\nWindowWidth=3000\r\n"
                     "WindowHeight=6000\r\nEnableSound=0\r\nHotKey=112\r\n");
    LauncherProcess launcher(folder);
    ASSERT_TRUE(launcher.Start());
    HWND window = launcher.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    RECT r;
    GetWindowRect(window, &r);
    HDC screen = GetDC(nullptr);
    const int tpp = 1440 / GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(r.left, 1500 / tpp);
    EXPECT_EQ(r.top, 750 / tpp);
    EXPECT_EQ(r.right - r.left, 3000 / tpp);
    EXPECT_EQ(r.bottom - r.top, 6000 / tpp);

    PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(testing::WaitUntil([&] { return IsIconic(window) != FALSE; }, 10000));
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(launcher.WaitForExit(30000));
    EXPECT_EQ(IniValue(folder, "WindowLeft"), "1500");
    EXPECT_EQ(IniValue(folder, "WindowHeight"), "6000");
    EXPECT_EQ(IniValue(folder, "EnableSound"), "0");
    EXPECT_EQ(IniValue(folder, "HotKey"), "112");
}

// Log-off and shut-down end the launcher without a close request; it saves
// what a close would save as the session ends.
TEST(LauncherSettings, SavesTheSettingsWhenTheWindowsSessionEnds) {
    TempFolder folder;
    LauncherProcess launcher(folder);
    ASSERT_TRUE(launcher.Start());
    HWND window = launcher.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(IniValue(folder, "EnableSound"), "<absent>");
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 10000, &answer));
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
    ASSERT_TRUE(SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 10000, &answer));
    EXPECT_EQ(IniValue(folder, "EnableSound"), "1");
    EXPECT_EQ(IniValue(folder, "LastSection"), "1");
    EXPECT_EQ(IniValue(folder, "WindowWidth"), "2500");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(30000));
}

}  // namespace
}  // namespace corvella
