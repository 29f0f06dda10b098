#pragma once
// The end-to-end test driver: installs dist/ into a temp program folder,
// starts the launcher there, finds its windows, talks to them with real
// window messages and takes screenshots of them.
#include <windows.h>

#include <string>
#include <vector>

#include "win/TempFolder_win.h"

namespace corvella::testing {

// The launcher's controls by child-window id: tab i, launch button s, and
// the bottom bar's Options button and move switch.
inline constexpr int kTab = 1000;
inline constexpr int kButton = 2000;
inline constexpr int kOptionsButton = 3005;
inline constexpr int kMoveSwitch = 3007;

class LauncherProcess {
public:
    // Copies corvella.exe and the data files of dist/ into `folder` (unless
    // `install` is false: a second copy started from the same folder).
    explicit LauncherProcess(const TempFolder& folder, bool install = true);
    ~LauncherProcess();

    // Starts the launcher in its folder; `environment` entries ("NAME=value")
    // are added to (or replace) this process's environment.
    bool Start(const std::vector<std::string>& environment = {});
    DWORD ProcessId() const { return process_.dwProcessId; }
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

// The message box (standard dialog) that `processId` shows, if any.
HWND FindMessageBox(DWORD processId);
// The text of a message box: its static text control's.
std::string MessageBoxText(HWND box);

// The whole text of a file, or nothing when it cannot be read.
std::string FileBytes(const std::string& path);

// Saves what `window` shows as a 24-bit BMP in the screenshot
// folder (the test run turns them into PNG files), once the window and its
// children have painted: its thread has gone idle and two captures a moment
// apart are the same. False, with the reason on the error output, when the
// window never settles or shows one flat colour (nothing painted).
[[nodiscard]] bool SaveScreenshot(HWND window, const std::string& name);

// Saves what the screen shows in `area` (for windows that lie partly off the
// screen), once two captures a moment apart are the same.
[[nodiscard]] bool SaveScreenAreaScreenshot(const RECT& area, const std::string& name);

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
