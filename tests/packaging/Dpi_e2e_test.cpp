// The launcher at the three usual screen resolutions. Its manifest declares it
// DPI aware, so the system does not stretch its window: the layout's twips
// become real pixels at each resolution, and fonts, icons and the bottom bar
// must grow with them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <vector>

#include "e2e/DisplayDpi_win.h"
#include "e2e/Driver_win.h"

namespace corvella {
namespace {

using testing::DisplayDpi;
using testing::LauncherProcess;
using testing::TempFolder;

// Large icons in the section on show, so the icon size shows too.
constexpr char kIni[] =
    "[Options]\r\nWindowLeft=1500\r\nWindowTop=750\r\nWindowWidth=3000\r\nWindowHeight=6000\r\nEnableSound=0\r\n"
    "Section1Name=Programs\r\nSection1Size=1\r\nSection2Name=Documents\r\n[Buttons]\r\n"
    "Button1=C:\\windows\\system32\\notepad.exe\xFF" "1\xFFNotepad\xFFNotepad\xFF\r\n"
    "Button2=C:\\windows\\system32\\cmd.exe\xFF" "1\xFF\xFF\xFF\r\n";

struct Resolution {
    UINT dpi;
    int twipsPerPixel;
};

// The window's DPI awareness, asked the way the system would (loaded by name:
// older headers do not declare it). The window's DPI is not asked for: for
// another process's window Wine answers with the resolution the asking
// process read at its own start (96 here while the launcher ran at 120).
int WindowAwareness(HWND window) {
    using Context = HANDLE(WINAPI*)(HWND);
    using Awareness = int(WINAPI*)(HANDLE);
    HMODULE user = GetModuleHandleA("user32.dll");
    auto context = reinterpret_cast<Context>(
        reinterpret_cast<void*>(GetProcAddress(user, "GetWindowDpiAwarenessContext")));
    auto awareness = reinterpret_cast<Awareness>(
        reinterpret_cast<void*>(GetProcAddress(user, "GetAwarenessFromDpiAwarenessContext")));
    return context && awareness ? awareness(context(window)) : -1;
}

// The bottom bar's drive button beside the Options button, and the area the
// launch buttons lie on above the bar.
constexpr int kEjectButton = 3006;
constexpr int kButtonArea = 3002;

RECT ClientRectOf(HWND control, HWND window) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// A control's pixels as they are on screen, siblings over it included.
class Shot {
public:
    explicit Shot(HWND control) {
        RECT r{};
        GetWindowRect(control, &r);
        width = r.right - r.left;
        height = r.bottom - r.top;
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
        GdiFlush();
        const auto* first = static_cast<const uint32_t*>(bits);
        pixels.assign(first, first + static_cast<size_t>(width) * height);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    int Channel(int x, int y, int shift) const { return (pixels[static_cast<size_t>(y) * width + x] >> shift) & 0xFF; }
    // Differs from the face at column `fx` of the same row (the face is
    // shaded from top to bottom).
    bool Differs(int x, int y, int fx) const {
        for (int shift : {0, 8, 16})
            if (std::abs(Channel(x, y, shift) - Channel(fx, y, shift)) > 24) return true;
        return false;
    }
    bool Dark(int x, int y) const { return Channel(x, y, 0) + Channel(x, y, 8) + Channel(x, y, 16) < 300; }
    // Whether anything but the face shows in row y, inside the bevel.
    bool RowInked(int y, int inset) const {
        for (int x = inset; x < width - inset; ++x)
            if (Differs(x, y, inset)) return true;
        return false;
    }

    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
};

// The size of the picture on a launch button without a caption: the box
// around the pixels on screen that differ from the face beside them on the
// same row, inside the bevel.
SIZE PictureExtent(HWND button, int inset) {
    const Shot shot(button);
    RECT box{shot.width, shot.height, -1, -1};
    for (int y = inset; y < shot.height - inset; ++y)
        for (int x = inset; x < shot.width - inset; ++x)
            if (shot.Differs(x, y, inset)) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box.right < 0 ? SIZE{0, 0} : SIZE{box.right - box.left, box.bottom - box.top};
}

// The runs of rows of a button that show more than its face, top to bottom:
// a picture and the caption under it make two runs, unless one is laid over
// the other.
int InkedRuns(HWND button, int inset) {
    const Shot shot(button);
    int runs = 0;
    bool inRun = false;
    for (int y = inset; y < shot.height - inset; ++y) {
        const bool inked = shot.RowInked(y, inset);
        if (inked && !inRun) ++runs;
        inRun = inked;
    }
    return runs;
}

// The first row of a bar button that holds a dark (caption) pixel, left of
// and above the dark edges of its frame; -1 when none does.
int FirstCaptionRow(HWND button) {
    const Shot shot(button);
    constexpr int kFrame = 2;
    for (int y = 0; y < shot.height - kFrame; ++y)
        for (int x = kFrame; x < shot.width - kFrame; ++x)
            if (shot.Dark(x, y)) return y;
    return -1;
}

class AtResolution : public ::testing::TestWithParam<Resolution> {};

TEST_P(AtResolution, TheWindowIsLaidOutInRealPixels) {
    const Resolution setting = GetParam();
    DisplayDpi dpi(setting.dpi);
    TempFolder folder;
    folder.WriteFile("Corvella.ini", kIni);
    LauncherProcess launcher(folder);
    ASSERT_TRUE(launcher.Start());
    HWND window = launcher.WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    constexpr int kUnaware = 0;
    // Windows says system aware (1); Wine reports every window as per-monitor
    // aware (2). Unaware (0) would mean a stretched bitmap of a 96-dpi window.
    EXPECT_NE(WindowAwareness(window), kUnaware);

    // The launcher measured the resolution itself: its twips became pixels
    // at this resolution's rate.
    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 3000 / setting.twipsPerPixel);
    EXPECT_EQ(r.bottom - r.top, 6000 / setting.twipsPerPixel);

    // The bottom bar and its captions in view: the Options button lies
    // wholly inside the client area and is tall enough for its font.
    RECT client{}, options{};
    GetClientRect(window, &client);
    HWND optionsButton = GetDlgItem(window, testing::kOptionsButton);
    ASSERT_NE(optionsButton, nullptr);
    GetWindowRect(optionsButton, &options);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&options), 2);
    EXPECT_LE(options.bottom, client.bottom);
    EXPECT_GE(options.bottom - options.top, 16 * static_cast<int>(setting.dpi) / 96);

    // The drive button at the left and the move switch at the right edge
    // lie wholly inside the client area, however wide the window's frame,
    // and grow with their captions' font from 37 x 14 px at 96 dpi.
    for (int id : {kEjectButton, testing::kMoveSwitch}) {
        HWND button = GetDlgItem(window, id);
        ASSERT_NE(button, nullptr) << id;
        const RECT r = ClientRectOf(button, window);
        EXPECT_GE(r.left, 0) << id;
        EXPECT_LE(r.right, client.right) << id;
        EXPECT_LE(r.bottom, client.bottom) << id;
        EXPECT_GE(r.right - r.left, 37 * static_cast<int>(setting.dpi) / 96) << id;
        EXPECT_GE(r.bottom - r.top, 14 * static_cast<int>(setting.dpi) / 96) << id;
    }

    const std::string name = "dpi-" + std::to_string(setting.dpi) + "-main-window";
    EXPECT_TRUE(testing::SaveScreenshot(window, name));

    // Large icons grow with the resolution (32 px at 96 dpi, 48 at 144),
    // seen once the window has painted. The icon's own transparent margin
    // takes about a fifth of its cell, so the picture on the button without
    // a caption covers more than 70 % of the cell at this resolution (a
    // 32-px icon at 120 or 144 dpi covers less) and never more than all.
    const int dpiScaled = static_cast<int>(setting.dpi);
    const int icon = 32 * dpiScaled / 96;
    const SIZE picture = PictureExtent(GetDlgItem(window, testing::kButton + 1), 3 * dpiScaled / 96);
    EXPECT_GT(picture.cx * 10, icon * 7) << picture.cx << " of " << icon;
    EXPECT_GT(picture.cy * 10, icon * 7) << picture.cy << " of " << icon;
    EXPECT_LE(picture.cx, icon);
    EXPECT_LE(picture.cy, icon);

    // The bottom bar's captions stay whole: the button area above, which
    // lies over the bar where the two meet, hides no more than the bar
    // buttons' top frame row, and each caption's ink starts below it.
    const RECT area = ClientRectOf(GetDlgItem(window, kButtonArea), window);
    for (int id : {kEjectButton, testing::kMoveSwitch}) {
        HWND button = GetDlgItem(window, id);
        const int hidden = std::max(0, static_cast<int>(area.bottom - ClientRectOf(button, window).top));
        EXPECT_LE(hidden, 1) << id << ": the button area lies over the caption";
        EXPECT_GT(FirstCaptionRow(button), hidden) << id << ": the caption's top is cut";
    }

    // The captioned button shows the same picture with its caption apart
    // under it: one run of rows more than the picture alone.
    const int inset = 3 * dpiScaled / 96;
    EXPECT_EQ(InkedRuns(GetDlgItem(window, testing::kButton), inset),
              InkedRuns(GetDlgItem(window, testing::kButton + 1), inset) + 1)
        << "the caption is written over the picture";
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(30000));
}

INSTANTIATE_TEST_SUITE_P(ScreenResolution, AtResolution,
                         ::testing::Values(Resolution{96, 15}, Resolution{120, 12}, Resolution{144, 10}),
                         [](const ::testing::TestParamInfo<Resolution>& info) {
                             return "Dpi" + std::to_string(info.param.dpi);
                         });

}  // namespace
}  // namespace corvella
