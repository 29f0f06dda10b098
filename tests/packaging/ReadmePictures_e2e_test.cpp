// The pictures of the README: the launcher as a user sets it up, with real
// programs on its buttons. tools/readme-pictures.sh runs these and copies the
// screenshots into docs/pictures/.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/Driver_win.h"

namespace corvella {
namespace {

using testing::LauncherProcess;
using testing::TempFolder;

struct Item {
    const char* program;
    const char* text;
};

// Programs every Windows (and Wine) has, on the first section's buttons.
const Item kPrograms[] = {
    {"C:\\windows\\system32\\notepad.exe", "Notepad"}, {"C:\\windows\\system32\\wordpad.exe", "WordPad"},
    {"C:\\windows\\system32\\cmd.exe", "Command"},     {"C:\\windows\\system32\\taskmgr.exe", "Tasks"},
    {"C:\\windows\\system32\\regedit.exe", "Registry"}, {"C:\\windows\\system32\\control.exe", "Control"},
    {"C:\\windows\\system32\\winemine.exe", "Mines"},   {"C:\\windows\\system32\\clock.exe", "Clock"},
    {"C:\\windows\\explorer.exe", "Explorer"},
};

std::string Ini() {
    std::string ini =
        "[Options]\r\nWindowLeft=1500\r\nWindowTop=750\r\nWindowWidth=4500\r\nWindowHeight=6300\r\nEnableSound=0\r\n"
        "Section1Name=Programs\r\nSection1Size=1\r\nSection2Name=Documents\r\nSection2Size=2\r\n"
        "Section3Name=Web\r\nSection3Size=0\r\n[Sections]\r\nColor1=12225600\r\nFGColor1=16777215\r\n[Buttons]\r\n";
    int n = 0;
    for (const Item& item : kPrograms)
        ini += "Button" + std::to_string(++n) + "=" + item.program + "\xFF" "1\xFF" + item.text + "\xFF" + item.text +
               "\xFF\r\n";
    return ini;
}

int VisibleButtons(HWND window) {
    int shown = 0;
    for (int s = 0; s < 40; ++s) {
        HWND button = GetDlgItem(window, testing::kButton + s);
        if (button && IsWindowVisible(button)) ++shown;
    }
    return shown;
}

TEST(ReadmePictures, TheMainWindowWithRealButtons) {
    TempFolder folder;
    folder.WriteFile("Corvella.ini", Ini());
    LauncherProcess launcher(folder);
    ASSERT_TRUE(launcher.Start());
    HWND window = launcher.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(testing::WaitUntil([&] { return VisibleButtons(window) >= 6; }, 10000))
        << VisibleButtons(window) << " buttons on show";
    EXPECT_TRUE(testing::SaveScreenshot(window, "readme-main-window"));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(30000));
}

}  // namespace
}  // namespace corvella
