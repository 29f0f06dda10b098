// The appearance dialogs on the running launcher: the theme dialog opened
// from the options menu, a colour picked in the platform's own colour
// chooser and a tab font, both shown by the main window after Close and
// written to Corvella.ini; the button sizes dialog's four pages, and a new
// button size taking effect on the main window's buttons.
#include <windows.h>
#include <colordlg.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "e2e/Driver_win.h"

namespace corvella {
namespace {

using testing::WaitUntil;
using testing::kButton;
using testing::kOptionsButton;
using testing::kTab;

constexpr char kSep = '\xFF';

// The dialogs' control ids.
constexpr int kSecFSize = 102, kSectionFont = 101, kButtonColour = 300, kThemeClose = 504;
constexpr int kTabStrip = 600, kSlider = 700, kSizesClose = 760;

struct LooksScene {
    explicit LooksScene(const std::string& sections = "") {
        probe = folder.File("Probe.exe");
        CopyFileA(CORVELLA_PROBE_EXE, probe.c_str(), FALSE);
        folder.WriteFile("Corvella.ini",
                         "[Options]\r\nWindowLeft=1500\r\nWindowTop=0\r\nWindowWidth=3600\r\nWindowHeight=8000\r\n"
                         "EnableSound=0\r\nSection1Name=Work\r\nSection1Size=1\r\nSection2Name=Games\r\n"
                         "[Buttons]\r\nButton1=" + probe + kSep + "1" + kSep + kSep + "Probe" + kSep + "\r\n" +
                             "Button2=" + probe + kSep + "1" + kSep + kSep + "Second" + kSep + "\r\n" + sections);
    }
    ~LooksScene() {
        if (!window) return;
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(launcher.WaitForExit(30000));
    }
    bool Start() {
        if (!launcher.Start()) return false;
        window = launcher.WaitForMainWindow();
        return window != nullptr;
    }
    HWND Control(int id) const { return GetDlgItem(window, id); }
    std::string Ini() const { return testing::FileBytes(folder.File("Corvella.ini")); }
    std::string Value(const std::string& key) const {
        char text[256] = {};
        GetPrivateProfileStringA(key.rfind("Color", 0) == 0 ? "Sections" : "Options", key.c_str(), "<absent>", text,
                                 sizeof text, folder.File("Corvella.ini").c_str());
        return text;
    }

    testing::TempFolder folder;
    testing::LauncherProcess launcher{folder};
    std::string probe;
    HWND window = nullptr;
};

struct DialogSearch {
    DWORD process;
    const char* title;  // nullptr: any title but `except`'s
    HWND except;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
    auto& s = *reinterpret_cast<DialogSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (process != s.process || !IsWindowVisible(window) || strcmp(cls, "#32770") != 0 || window == s.except)
        return TRUE;
    if (s.title && testing::WindowText(window) != s.title) return TRUE;
    s.found = window;
    return FALSE;
}

// A visible dialog of the launcher: the one titled `title`, or (with no
// title) any but `except`.
HWND WaitForDialog(const LooksScene& s, const char* title, HWND except = nullptr) {
    DialogSearch search{s.launcher.ProcessId(), title, except, nullptr};
    WaitUntil([&] {
        search.found = nullptr;
        EnumWindows(&MatchDialog, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, 15000);
    return search.found;
}

// Opens the options menu from its button and chooses an item by its key.
void ChooseOption(const LooksScene& s, char key) {
    HWND options = s.Control(kOptionsButton);
    PostMessageA(options, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6));
    PostMessageA(options, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = testing::FindProcessWindow(s.launcher.ProcessId(), "#32768")) != nullptr; },
                          10000));
    PostMessageA(menu, WM_CHAR, static_cast<WPARAM>(key), 0);
}

// A 3-D control clicked: a press and a release, posted (a click may open a
// modal window that holds the launcher's thread).
void PostClick(HWND control) {
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

COLORREF ScreenColourAt(POINT point) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// The chosen green as a control's face shows it: the soft look shades the
// face lighter towards its top, so the hue is checked, not the exact value.
bool IsGreen(COLORREF c) {
    return GetGValue(c) > GetRValue(c) + 40 && GetGValue(c) > GetBValue(c) + 20;
}

bool IsRed(COLORREF c) { return GetRValue(c) > GetGValue(c) + 60 && GetRValue(c) > GetBValue(c) + 60; }

// A point inside a control's face, beside its bevel and away from its text.
POINT FacePoint(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    return {r.left + 5, r.bottom - 5};
}

// The number of pixel rows of a control that hold its text colour (black):
// the height of its caption as drawn.
int TextRows(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    HDC screen = GetDC(nullptr);
    int rows = 0;
    for (int y = r.top + 3; y < r.bottom - 3; ++y) {
        for (int x = r.left + 3; x < r.right - 3; ++x) {
            if (GetPixel(screen, x, y) == RGB(0, 0, 0)) {
                ++rows;
                break;
            }
        }
    }
    ReleaseDC(nullptr, screen);
    return rows;
}

void Settle(HWND window) {
    Sleep(200);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
}

TEST(ThemeDialog, AColourFromTheColourChooserAndATabFontReachTheMainWindow) {
    LooksScene s;
    ASSERT_TRUE(s.Start());
    Settle(s.window);
    EXPECT_TRUE(testing::SaveScreenshot(s.window, "looks-main-before"));
    const int rowsBefore = TextRows(s.Control(kTab));

    ChooseOption(s, 'c');
    HWND theme = WaitForDialog(s, "Corvella Looks");
    ASSERT_NE(theme, nullptr) << "the theme dialog did not open";
    EXPECT_EQ(testing::WindowText(GetDlgItem(theme, 200)), "Work");
    EXPECT_EQ(testing::WindowText(GetDlgItem(theme, 202)), "Section 3");
    EXPECT_TRUE(testing::SaveScreenshot(theme, "theme-dialog"));

    // A bigger tab font: the size typed, a family picked from the list.
    HWND size = GetDlgItem(theme, kSecFSize);
    SendMessageA(size, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("15"));
    HWND fonts = GetDlgItem(theme, kSectionFont);
    ASSERT_GT(SendMessageA(fonts, CB_GETCOUNT, 0, 0), 0) << "no font families listed";
    const LRESULT tahoma =
        SendMessageA(fonts, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Tahoma"));
    ASSERT_NE(tahoma, CB_ERR) << "Tahoma is not among the font families";
    SendMessageA(fonts, CB_SETCURSEL, static_cast<WPARAM>(tahoma), 0);
    SendMessageA(theme, WM_COMMAND, MAKEWPARAM(kSectionFont, CBN_SELCHANGE), reinterpret_cast<LPARAM>(fonts));

    // Section 1's colour through the platform's colour chooser.
    PostClick(GetDlgItem(theme, kButtonColour));
    HWND chooser = WaitForDialog(s, nullptr, theme);
    ASSERT_NE(chooser, nullptr) << "the colour chooser did not open";
    const int edits[] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};
    const char* values[] = {"30", "144", "90"};
    for (int i = 0; i < 3; ++i) {
        HWND edit = GetDlgItem(chooser, edits[i]);
        ASSERT_NE(edit, nullptr);
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(values[i]));
    }
    EXPECT_TRUE(testing::SaveScreenshot(chooser, "theme-colour-chooser"));
    PostMessageA(chooser, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(chooser); }, 10000));
    Settle(theme);
    EXPECT_TRUE(testing::SaveScreenshot(theme, "theme-dialog-changed"));

    PostClick(GetDlgItem(theme, kThemeClose));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(theme); }, 10000)) << "Close left the dialog open";
    Settle(s.window);
    const COLORREF chosen = RGB(30, 144, 90);
    EXPECT_EQ(s.Value("Color1"), std::to_string(chosen));
    EXPECT_EQ(s.Value("sFontName"), "Tahoma");
    EXPECT_EQ(s.Value("sFontSize"), "15");
    EXPECT_TRUE(WaitUntil([&] { return IsGreen(ScreenColourAt(FacePoint(s.Control(kTab)))); }, 5000))
        << std::hex << ScreenColourAt(FacePoint(s.Control(kTab)));
    EXPECT_TRUE(WaitUntil([&] { return IsGreen(ScreenColourAt(FacePoint(s.Control(kButton)))); }, 5000))
        << std::hex << ScreenColourAt(FacePoint(s.Control(kButton)));
    // The other section's tab keeps the button face.
    EXPECT_FALSE(IsGreen(ScreenColourAt(FacePoint(s.Control(kTab + 1)))));
    EXPECT_GT(TextRows(s.Control(kTab)), rowsBefore + 3) << "the tab's caption did not grow";
    EXPECT_TRUE(testing::SaveScreenshot(s.window, "looks-main-after"));
}

// The bottom bar's three buttons show the current section's colour from the
// start, the options button among them.
TEST(Looks, TheBottomBarShowsTheSectionColourFromTheStart) {
    LooksScene s("[Sections]\r\nColor1=200\r\n");
    ASSERT_TRUE(s.Start());
    Settle(s.window);
    EXPECT_TRUE(testing::SaveScreenshot(s.window, "looks-bottom-bar"));
    // The eject button's caption (the test prefix's CD-ROM drive) covers
    // most of its face: its corner beside the bevel shows the colour.
    auto faceCorner = [](HWND bar) {
        RECT r;
        GetWindowRect(bar, &r);
        return POINT{r.right - 4, r.bottom - 4};
    };
    for (int id : {kOptionsButton, 3006, 3007}) {
        HWND bar = s.Control(id);
        const POINT at = id == 3006 ? faceCorner(bar) : FacePoint(bar);
        EXPECT_TRUE(WaitUntil([&] { return IsRed(ScreenColourAt(at)); }, 5000))
            << id << " " << std::hex << ScreenColourAt(at);
    }
}

TEST(ButtonSizesDialog, EachPageShowsAndANewHeightResizesTheButtonsAfterClose) {
    LooksScene s;
    ASSERT_TRUE(s.Start());
    Settle(s.window);
    RECT before;
    GetWindowRect(s.Control(kButton), &before);
    ChooseOption(s, 'b');
    HWND sizes = WaitForDialog(s, "Customize Button Sizes");
    ASSERT_NE(sizes, nullptr) << "the button sizes dialog did not open";
    HWND tabs = GetDlgItem(sizes, kTabStrip);
    ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
    const char* shots[] = {"button-sizes-small", "button-sizes-large", "button-sizes-full", "button-sizes-text"};
    for (int page = 0; page < 4; ++page) {
        SendMessageA(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(page), 0);
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(GetDlgItem(sizes, 741 + page)) != FALSE; }, 5000)) << page;
        for (int other = 0; other < 4; ++other) {
            if (other != page) {
                EXPECT_FALSE(IsWindowVisible(GetDlgItem(sizes, 741 + other))) << page << other;
            }
        }
        Settle(sizes);
        EXPECT_TRUE(testing::SaveScreenshot(sizes, shots[page]));
    }
    // The large buttons' height (Slider4) to 80 pixels, as the keyboard moves it.
    HWND height = GetDlgItem(sizes, kSlider + 4);
    SendMessageA(height, TBM_SETPOS, TRUE, 80);
    SendMessageA(sizes, WM_VSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 80), reinterpret_cast<LPARAM>(height));
    RECT sample;
    GetWindowRect(GetDlgItem(sizes, 742), &sample);
    EXPECT_EQ(sample.bottom - sample.top, 80);
    GetWindowRect(s.Control(kButton), &before);
    EXPECT_NE(before.bottom - before.top, 80) << "resized before Close";

    PostClick(GetDlgItem(sizes, kSizesClose));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(sizes); }, 10000));
    EXPECT_EQ(s.Value("b2h"), "80");
    EXPECT_TRUE(WaitUntil([&] {
        RECT r;
        GetWindowRect(s.Control(kButton), &r);
        return r.bottom - r.top == 80;
    }, 5000));
    Settle(s.window);
    EXPECT_TRUE(testing::SaveScreenshot(s.window, "button-sizes-main-after"));
}

}  // namespace
}  // namespace corvella
