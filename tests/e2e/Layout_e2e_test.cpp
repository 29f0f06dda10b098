// A prepared Corvella.ini shown by the real launcher: its tabs carry the
// section names and the current section's buttons appear in the button area.
#include <gtest/gtest.h>

#include "e2e/Driver_win.h"

namespace corvella {
namespace {

using testing::LauncherProcess;
using testing::TempFolder;

// Five sections of six buttons each (30 in all), the first section in `style`.
std::string PreparedIni(const char* style) {
    std::string ini = "[Options]\r\nWindowLeft=1500\r\nWindowTop=0\r\nWindowWidth=3000\r\nWindowHeight=9000\r\n"
                      "EnableSound=0\r\nSection1Name=Work\r\nSection2Name=Games\r\nSection3Name=Tools\r\n"
                      "Section4Name=Music\r\nSection5Name=Web\r\n";
    ini += std::string("Section1Size=") + style + "\r\n[Buttons]\r\n";
    const char* items[] = {"C:\\windows\\notepad.exe", "C:\\windows\\regedit.exe", "C:\\windows",
                           "C:\\windows\\system32\\winemine.exe", "C:\\windows\\winhlp32.exe",
                           "C:\\windows\\system32\\wordpad.exe"};
    int n = 0;
    for (int section = 1; section <= 5; ++section) {
        for (const char* item : items) {
            ++n;
            const std::string text = section == 1 ? "Item " + std::to_string(n) : "S" + std::to_string(section);
            ini += "Button" + std::to_string(n) + "=" + item + "\xFF" + std::to_string(section) + "\xFFTip " +
                   std::to_string(n) + "\xFF" + text + "\xFF\r\n";
        }
    }
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
        const char* names[] = {"Work", "Games", "Tools", "Music", "Web"};
        for (int i = 0; i < 5; ++i) {
            HWND tab = GetDlgItem(window, 1000 + i);
            ASSERT_NE(tab, nullptr);
            EXPECT_EQ(testing::WindowText(tab), names[i]);
            EXPECT_TRUE(IsWindowVisible(tab)) << names[i];
        }
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, 1005)));
        int visible = 0;
        for (int s = 0; s < 50; ++s) visible += IsWindowVisible(GetDlgItem(window, 2000 + s)) ? 1 : 0;
        // Large and full-width buttons: five fit, the sixth is on page 2.
        const bool large = std::string(style) == "-1" || std::string(style) == "2";
        EXPECT_EQ(visible, large ? 5 : 6) << "style " << style;
        EXPECT_EQ(IsWindowVisible(GetDlgItem(window, 3003)) != FALSE, large) << "style " << style;
        // Small buttons show no caption: their window text is the tool tip.
        EXPECT_EQ(testing::WindowText(GetDlgItem(window, 2000)), std::string(style) == "0" ? "Tip 1" : "Item 1");
        EXPECT_TRUE(testing::SaveScreenshot(window, std::string("layout-style-") + (style[0] == '-' ? "1" : style)));
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
    EXPECT_TRUE(testing::SaveScreenshot(window, "layout-page-2"));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(30000));
}

}  // namespace
}  // namespace corvella

namespace corvella {
namespace {

// The tabs' rectangles on the screen, for the sections of a prepared file
// with `sections` tabs shown in a window `widthTwips` wide.
std::vector<RECT> TabsOf(int sections, int widthTwips, const char* screenshot) {
    testing::TempFolder folder;
    std::string ini = "[Options]\r\nWindowLeft=1500\r\nWindowTop=0\r\nWindowWidth=" + std::to_string(widthTwips) +
                      "\r\nWindowHeight=9000\r\nEnableSound=0\r\n";
    for (int i = 1; i <= sections; ++i) ini += "Section" + std::to_string(i) + "Name=Tab " + std::to_string(i) + "\r\n";
    ini += "[Buttons]\r\nButton1=C:\\windows\\notepad.exe\xFF" "1\xFF\xFFNotes\xFF\r\n";
    folder.WriteFile("Corvella.ini", ini);
    testing::LauncherProcess launcher(folder);
    std::vector<RECT> tabs;
    if (!launcher.Start()) return tabs;
    HWND window = launcher.WaitForMainWindow();
    if (!window) return tabs;
    // The layout's last step names the move switch.
    testing::WaitUntil([&] { return testing::WindowText(GetDlgItem(window, 3007)) == "Glued"; }, 10000);
    for (int i = 0; i < sections; ++i) {
        HWND tab = GetDlgItem(window, 1000 + i);
        RECT r{};
        if (tab && IsWindowVisible(tab) && GetWindowRect(tab, &r)) tabs.push_back(r);
    }
    EXPECT_TRUE(testing::SaveScreenshot(window, screenshot));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(30000));
    return tabs;
}

TEST(Layout, ANarrowWindowStacksItsTabsAndAWideOneMakesAGridOfTwenty) {
    const std::vector<RECT> narrow = TabsOf(5, 3000, "layout-narrow-tabs");
    ASSERT_EQ(narrow.size(), 5u);
    for (const RECT& r : narrow) EXPECT_EQ(r.left, narrow[0].left);
    for (std::size_t i = 1; i < narrow.size(); ++i) EXPECT_GT(narrow[i].top, narrow[i - 1].top);

    const std::vector<RECT> grid = TabsOf(20, 9000, "layout-20-sections-grid");
    ASSERT_EQ(grid.size(), 20u);
    int firstRow = 0;
    for (const RECT& r : grid) firstRow += r.top == grid[0].top ? 1 : 0;
    EXPECT_GT(firstRow, 1);   // several tabs side by side
    EXPECT_LT(firstRow, 20);  // and more than one row
}

}  // namespace
}  // namespace corvella
