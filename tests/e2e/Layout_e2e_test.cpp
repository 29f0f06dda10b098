// A prepared Corvella.ini shown by the real launcher: its tabs carry the
// section names and the current section's buttons appear in the button area.
#include <gtest/gtest.h>

#include "e2e/Driver_win.h"

namespace corvella {
namespace {

using testing::LauncherProcess;
using testing::TempFolder;

std::string PreparedIni(const char* style) {
    std::string ini = "[Options]\r\nWindowLeft=1500\r\nWindowTop=0\r\nWindowWidth=3000\r\nWindowHeight=9000\r\n"
                      "EnableSound=0\r\nSection1Name=Work\r\nSection2Name=Games\r\nSection3Name=Tools\r\n";
    ini += std::string("Section1Size=") + style + "\r\n[Buttons]\r\n";
    const char* items[] = {"C:\\windows\\notepad.exe", "C:\\windows\\regedit.exe", "C:\\windows",
                           "C:\\windows\\system32\\winemine.exe", "C:\\windows\\winhlp32.exe"};
    int n = 0;
    for (const char* item : items) {
        ++n;
        ini += "Button" + std::to_string(n) + "=" + item + "\xFF" "1\xFFTip " + std::to_string(n) + "\xFF" "Item " +
               std::to_string(n) + "\xFF\r\n";
    }
    ini += "Button6=C:\\windows\\notepad.exe\xFF" "2\xFF\xFF" "Other\xFF\r\n";
    return ini;
}

TEST(Layout, APreparedFileShowsItsSectionsAndButtons) {
    for (const char* style : {"-1", "0", "2", "3"}) {
        TempFolder folder;
        folder.WriteFile("Corvella.ini", PreparedIni(style));
        LauncherProcess launcher(folder);
        ASSERT_TRUE(launcher.Start());
        HWND window = launcher.WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        const char* names[] = {"Work", "Games", "Tools"};
        for (int i = 0; i < 3; ++i) {
            HWND tab = GetDlgItem(window, 1000 + i);
            ASSERT_NE(tab, nullptr);
            EXPECT_EQ(testing::WindowText(tab), names[i]);
            EXPECT_TRUE(IsWindowVisible(tab)) << names[i];
        }
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, 1003)));
        int visible = 0;
        for (int s = 0; s < 50; ++s) visible += IsWindowVisible(GetDlgItem(window, 2000 + s)) ? 1 : 0;
        EXPECT_EQ(visible, 5) << "style " << style;
        // Small buttons show no caption: their window text is the tool tip.
        EXPECT_EQ(testing::WindowText(GetDlgItem(window, 2000)), std::string(style) == "0" ? "Tip 1" : "Item 1");
        testing::SaveScreenshot(window, std::string("layout-style-") + (style[0] == '-' ? "1" : style));
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(launcher.WaitForExit(30000));
    }
}

}  // namespace
}  // namespace corvella

namespace corvella {
namespace {

TEST(Layout, TheScrollBarPagesThroughTheButtons) {
    testing::TempFolder folder;
    std::string ini = "[Options]\r\nWindowLeft=1500\r\nWindowTop=0\r\nWindowWidth=3000\r\nWindowHeight=6000\r\n"
                      "EnableSound=0\r\nSection1Name=Many\r\n[Buttons]\r\n";
    for (int n = 1; n <= 30; ++n)
        ini += "Button" + std::to_string(n) + "=C:\\windows\\notepad.exe\xFF" "1\xFF\xFFItem " + std::to_string(n) + "\xFF\r\n";
    folder.WriteFile("Corvella.ini", ini);
    testing::LauncherProcess launcher(folder);
    ASSERT_TRUE(launcher.Start());
    HWND window = launcher.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    HWND scroll = GetDlgItem(window, 3000 + 3);  // HScroll1
    ASSERT_NE(scroll, nullptr);
    EXPECT_TRUE(IsWindowVisible(scroll));
    auto visibleSlots = [&] {
        std::vector<int> slots;
        for (int s = 0; s < 50; ++s)
            if (IsWindowVisible(GetDlgItem(window, 2000 + s))) slots.push_back(s);
        return slots;
    };
    const std::vector<int> first = visibleSlots();
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.front(), 0);
    SendMessageA(window, WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(scroll));
    const std::vector<int> second = visibleSlots();
    ASSERT_EQ(second.size(), first.size());
    EXPECT_EQ(second.front(), static_cast<int>(first.size()));  // the next page, in record order
    EXPECT_EQ(GetScrollPos(scroll, SB_CTL), 1);
    testing::SaveScreenshot(window, "layout-page-2");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(30000));
}

}  // namespace
}  // namespace corvella
