#pragma once
// A test host window with one control embedded in it through our container
// site, and a message pump that waits for the control's work to show.
#include <windows.h>

#include "ControlHarness_win.h"
#include "ControlSite_win.h"
#include "PanorellIds_win.h"

namespace panorell::testing {

class EmbeddedControl : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ControlTestHost";
        RegisterClassA(&wc);
        host = CreateWindowExA(0, "ControlTestHost", "host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 10,
                               10, 500, 360, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(host, nullptr);
    }
    void TearDown() override {
        site.Destroy();
        DestroyWindow(host);
        ControlTest::TearDown();
    }
    // Runs the thread's messages until `done` holds or `ms` have passed.
    template <typename Done>
    bool PumpUntil(Done done, DWORD ms = 10000) {
        const DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > ms) return false;
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            Sleep(5);
        }
        return true;
    }
    HRESULT Embed(bool userMode) {
        const RECT rect{0, 0, 480, 320};
        return site.Create(CLSID_PanorellListView, host, rect, userMode);
    }

    HWND host = nullptr;
    ControlSite site;
};

}  // namespace panorell::testing
