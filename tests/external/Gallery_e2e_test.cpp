#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "e2e/Driver_win.h"
#include "external/ThreeD_win.h"

namespace corvella::testing {
namespace {

struct Child {
    HWND window;
    std::string className;
    std::string text;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    reinterpret_cast<std::vector<Child>*>(param)->push_back({window, name, WindowText(window)});
    return TRUE;
}

TEST(ThreeDGallery, ShowsEveryStyleAndSavesItsScreenshot) {
    std::string exe = CORVELLA_GALLERY_EXE;
    std::vector<char> commandLine(exe.begin(), exe.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    HWND gallery = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (gallery = FindProcessWindow(process.dwProcessId, "CorvellaThreeDGallery")); },
                          30000));
    std::vector<Child> children;
    EnumChildWindows(gallery, CollectChild, reinterpret_cast<LPARAM>(&children));
    int buttons = 0, checks = 0, panels = 0;
    bool tipAsName = false;
    for (const auto& c : children) {
        buttons += c.className == threed::kButtonClass;
        checks += c.className == threed::kCheckClass;
        panels += c.className == threed::kPanelClass;
        tipAsName |= c.text == "icon only: the tool tip names it";
    }
    EXPECT_GE(buttons, 4 * 7 + 13 + 9);
    EXPECT_EQ(checks, 3);
    EXPECT_GE(panels, 4);
    EXPECT_TRUE(tipAsName);
    Sleep(300);
    EXPECT_TRUE(SaveScreenshot(gallery, "threed_gallery"));

    // The states a still picture does not show: the pointer over the style 4
    // button (its frame appears) and the style 1 button held down.
    std::vector<HWND> notepads;
    for (const auto& c : children)
        if (c.text == "Notepad") notepads.push_back(c.window);
    ASSERT_EQ(notepads.size(), 8u);  // two per style, created style by style
    auto centre = [](HWND w) {
        RECT r;
        GetWindowRect(w, &r);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    POINT hot = centre(notepads[6]);
    SetCursorPos(hot.x, hot.y);
    mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
    Sleep(300);
    EXPECT_TRUE(SaveScreenshot(gallery, "threed_gallery_hover"));
    POINT held = centre(notepads[0]);
    SetCursorPos(held.x, held.y);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    Sleep(300);
    EXPECT_TRUE(SaveScreenshot(gallery, "threed_gallery_pressed"));
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);

    PostMessageA(gallery, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
}  // namespace corvella::testing
