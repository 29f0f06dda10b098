// The window shade as a user meets it: a click on the window's background
// rolls it off the top or slides it to the nearer side, the strip left at the
// edge (or the hot key) brings it back, the minimise mode hides it behind the
// tray icon, and a window saved where no monitor is opens on the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include "e2e/Driver_win.h"

namespace corvella {
namespace {

using testing::LauncherProcess;
using testing::TempFolder;
using testing::WaitUntil;

constexpr char kStripClass[] = "CorvellaEdgeStrip";
constexpr int kTwipsPerPixel = 15;  // the test display runs at 96 dpi

std::string Ini(int mode, int left, int top, const char* extra = "") {
    return "[Options]\r\nWindowLeft=" + std::to_string(left) + "\r\nWindowTop=" + std::to_string(top) +
           "\r\nWindowWidth=3000\r\nWindowHeight=6000\r\nEnableSound=0\r\nWindowShadeMode=" + std::to_string(mode) +
           "\r\n" + extra;
}

// A launcher started from a prepared settings file, closed at the end.
struct Running {
    TempFolder folder;
    LauncherProcess launcher{folder};
    HWND window = nullptr;

    explicit Running(const std::string& ini) {
        folder.WriteFile("Corvella.ini", ini);
        if (launcher.Start()) window = launcher.WaitForMainWindow();
    }
    ~Running() {
        if (window) PostMessageA(window, WM_CLOSE, 0, 0);
        launcher.WaitForExit(30000);
    }
    HWND Strip() const { return testing::FindProcessWindow(launcher.ProcessId(), kStripClass); }
};

RECT RectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// The window's background takes the click; the shade runs before this returns.
void ClickBackground(HWND window) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 2), SMTO_NORMAL, 20000, &ignored);
}

void ClickStrip(HWND strip) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(strip, WM_MOUSEMOVE, 0, 0, SMTO_NORMAL, 5000, &ignored);
    SendMessageTimeoutA(strip, WM_LBUTTONUP, 0, 0, SMTO_NORMAL, 20000, &ignored);
}

// A real press of the hot key (Scroll Lock, the default).
void PressHotKey() {
    INPUT keys[2]{};
    for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = VK_SCROLL;
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &keys[0], sizeof(INPUT));
    Sleep(120);
    SendInput(1, &keys[1], sizeof(INPUT));
}

TEST(Shade, RollsUpOffTheTopAndAClickOnTheBarBringsItBack) {
    Running r(Ini(0, 1500, 750));
    ASSERT_NE(r.window, nullptr);
    ClickBackground(r.window);
    const RECT up = RectOf(r.window);
    EXPECT_EQ(up.bottom, 0) << "top " << up.top;
    EXPECT_EQ(up.bottom - up.top, 6000 / kTwipsPerPixel);

    HWND strip = r.Strip();
    ASSERT_NE(strip, nullptr) << "no shade bar";
    const RECT bar = RectOf(strip);
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.top, -9);
    EXPECT_EQ(bar.bottom, 1);
    EXPECT_EQ(bar.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_TRUE(testing::SaveScreenAreaScreenshot(RECT{200, 0, 520, 24}, "shade-rolled-up-bar"));

    ClickStrip(strip);
    EXPECT_TRUE(WaitUntil([&] { return RectOf(r.window).top == 0; }, 10000)) << "top " << RectOf(r.window).top;
    EXPECT_FALSE(IsWindowVisible(strip));
    EXPECT_TRUE(testing::SaveScreenshot(r.window, "shade-rolled-down"));
}

struct SideCase {
    const char* name;
    int left;         // twips, as saved
    int expectLeft;   // pixels, once slid away
    int stripLeft;    // pixels
};

TEST(Shade, SlidesToTheNearerEdgeAndTheHotKeyBringsItBack) {
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    const int screenTwips = screen * kTwipsPerPixel;
    const SideCase cases[] = {
        {"left", 1500, -197, -6},
        {"right", screenTwips - 4500, screen - 3, screen - 1},
    };
    for (const SideCase& c : cases) {
        SCOPED_TRACE(c.name);
        Running r(Ini(1, c.left, 750));
        ASSERT_NE(r.window, nullptr);
        ClickBackground(r.window);
        EXPECT_EQ(RectOf(r.window).left, c.expectLeft);
        HWND strip = r.Strip();
        ASSERT_NE(strip, nullptr) << "no edge strip";
        const RECT s = RectOf(strip);
        EXPECT_EQ(s.left, c.stripLeft);
        EXPECT_EQ(s.top, 0);
        EXPECT_EQ(s.bottom, GetSystemMetrics(SM_CYSCREEN));
        // Below the corner where Wine keeps its notification area.
        const RECT edge = c.left == 1500 ? RECT{0, 150, 48, 350} : RECT{screen - 48, 150, screen, 350};
        EXPECT_TRUE(testing::SaveScreenAreaScreenshot(edge, std::string("shade-slid-") + c.name));

        PressHotKey();
        const int home = c.left == 1500 ? 0 : screen - 3000 / kTwipsPerPixel;
        EXPECT_TRUE(WaitUntil([&] { return RectOf(r.window).left == home; }, 10000))
            << "left " << RectOf(r.window).left;
        EXPECT_FALSE(IsWindowVisible(strip));
        PressHotKey();  // Scroll Lock toggles its light: leave it as it was
    }
}

TEST(Shade, AClickOnTheSideStripBringsTheWindowBack) {
    Running r(Ini(1, 1500, 750));
    ASSERT_NE(r.window, nullptr);
    ClickBackground(r.window);
    HWND strip = r.Strip();
    ASSERT_NE(strip, nullptr);
    ClickStrip(strip);
    EXPECT_TRUE(WaitUntil([&] { return RectOf(r.window).left == 0; }, 10000)) << "left " << RectOf(r.window).left;
}

TEST(Shade, MinimiseModeHidesBehindTheTrayIconWhoseClicksRestoreAndRollAway) {
    Running r(Ini(2, 1500, 750));
    ASSERT_NE(r.window, nullptr);
    HWND tray = FindWindowA("CorvellaTray", "Tray");
    ASSERT_NE(tray, nullptr) << "the tray window is not loaded";
    ClickBackground(r.window);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(r.window) && !IsWindowVisible(r.window); }, 10000));

    // Wine shows notification icons in a small window of its own: a real
    // click on ours brings the window back.
    HWND icons = FindWindowA(nullptr, "Wine System Tray");
    ASSERT_NE(icons, nullptr) << "no notification area";
    EXPECT_TRUE(testing::SaveScreenshot(icons, "tray-icon"));
    POINT icon{GetSystemMetrics(SM_CXSMICON) / 2 + 2, GetSystemMetrics(SM_CYSMICON) / 2 + 2};
    ClientToScreen(icons, &icon);
    SetCursorPos(icon.x, icon.y);
    mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
    Sleep(300);
    EXPECT_FALSE(IsWindowVisible(r.window)) << "moving over the icon must do nothing";
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(r.window) && IsWindowVisible(r.window); }, 10000));
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);

    // The shell reports a click on the icon as the callback message with the
    // mouse message in place of X.
    DWORD_PTR ignored = 0;

    // Until the restore has finished the tray window ignores clicks, so the
    // right click is repeated until one is taken.
    EXPECT_TRUE(WaitUntil(
        [&] {
            SendMessageTimeoutA(tray, WM_MOUSEMOVE, 0, WM_RBUTTONUP, SMTO_NORMAL, 10000, &ignored);
            return IsIconic(r.window) != FALSE;
        },
        10000))
        << "a right click rolls it away too";
}

TEST(Shade, AWindowSavedShadedStartsShaded) {
    Running r(Ini(0, 1500, 750, "WindowShade=1\r\n"));
    ASSERT_NE(r.window, nullptr);
    EXPECT_EQ(RectOf(r.window).bottom, 0);
    HWND strip = r.Strip();
    ASSERT_NE(strip, nullptr);
    ClickStrip(strip);
    EXPECT_TRUE(WaitUntil([&] { return RectOf(r.window).top == 0; }, 10000));
}

TEST(Placement, AWindowSavedWhereNoMonitorIsOpensOnTheScreen) {
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    for (int left : {5000 * kTwipsPerPixel, -2000 * kTwipsPerPixel}) {
        SCOPED_TRACE(left);
        Running r(Ini(1, left, 750));
        ASSERT_NE(r.window, nullptr);
        const RECT w = RectOf(r.window);
        EXPECT_GE(w.left, 0);
        EXPECT_LE(w.right, screen);
        EXPECT_GE(w.top, 0);
    }
}

}  // namespace
}  // namespace corvella
