// The launcher at the three usual screen resolutions. Its manifest declares it
// DPI aware, so the system does not stretch its window: the layout's twips
// become real pixels at each resolution, and fonts, icons and the bottom bar
// must grow with them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

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

// What the program itself sees, asked the way it would: the window's DPI and
// its awareness (loaded by name: older headers do not declare them).
UINT WindowDpi(HWND window) {
    using Query = UINT(WINAPI*)(HWND);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    return query ? query(window) : 0;
}

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

    EXPECT_EQ(WindowDpi(window), setting.dpi);
    constexpr int kUnaware = 0;
    // Windows says system aware (1); Wine reports every window as per-monitor
    // aware (2). Unaware (0) would mean a stretched bitmap of a 96-dpi window.
    EXPECT_NE(WindowAwareness(window), kUnaware);

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
    const std::string name = "dpi-" + std::to_string(setting.dpi) + "-main-window";
    EXPECT_TRUE(testing::SaveScreenshot(window, name));
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
