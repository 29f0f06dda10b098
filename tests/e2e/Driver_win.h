#pragma once
// The end-to-end test driver: installs dist/ into a temp program folder,
// starts the launcher there, finds its windows, talks to them with real
// window messages and takes screenshots of them.
#include <windows.h>

#include <string>

#include "win/TempFolder_win.h"

namespace corvella::testing {

class LauncherProcess {
public:
    // Copies corvella.exe and the data files of dist/ into `folder`.
    explicit LauncherProcess(const TempFolder& folder);
    ~LauncherProcess();

    bool Start();
    // The launcher's main window once it is visible, or nullptr after the timeout.
    HWND WaitForMainWindow(DWORD timeoutMs = 30000);
    // True when the process ended within the timeout; its exit code in `code`.
    bool WaitForExit(DWORD timeoutMs, DWORD* code = nullptr);

private:
    const TempFolder& folder_;
    PROCESS_INFORMATION process_{};
};

// The visible top-level window of `processId` with the given class, if any.
HWND FindProcessWindow(DWORD processId, const char* className);

std::string WindowText(HWND window);

// Saves what the screen shows of `window` as a 24-bit BMP in the screenshot
// folder (the test run turns them into PNG files).
bool SaveScreenshot(HWND window, const std::string& name);

// Polls `condition` every 20 ms until it holds or the timeout passes.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
}

}  // namespace corvella::testing
