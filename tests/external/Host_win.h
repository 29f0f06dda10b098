#pragma once
// A visible top-level window to hold 3-D controls in a test, an event
// recorder, and synthesised input through SendInput.
#include <windows.h>

#include <string>
#include <vector>

#include "external/ThreeD_win.h"

namespace corvella::testing {

class Host {
public:
    Host(int width = 420, int height = 260);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;
    HWND Window() const { return window_; }

private:
    HWND window_ = nullptr;
};

// Records every event as one line of text, in order.
struct Recorder : threed::Events {
    std::vector<std::string> lines;
    std::vector<std::string> droppedPaths;
    void OnClick(int id) override;
    void OnMouseDown(int id, int button, int shift, int x, int y) override;
    void OnMouseUp(int id, int button, int shift, int x, int y) override;
    void OnKeyDown(int id, int key, int shift) override;
    void OnKeyUp(int id, int key, int shift) override;
    void OnDragOver(int id, int sourceId, int x, int y, int state) override;
    void OnDragDrop(int id, int sourceId, int x, int y) override;
    void OnFilesDragOver(int id) override;
    void OnFilesDropped(int id, const std::vector<std::string>& paths, int x, int y) override;
    // The recorded lines that start with `prefix`.
    std::vector<std::string> Starting(const std::string& prefix) const;
};

// Handles whatever the thread's queue holds, for `ms` milliseconds.
void Pump(DWORD ms);
template <typename Condition>
bool PumpUntil(Condition condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Pump(10);
    }
    return true;
}

// Input as the user gives it, through the system's input queue.
void MoveMouseTo(POINT screen);
void MouseButton(int button, bool down);
void Key(WORD virtualKey, bool down);
// The screen point `dx`, `dy` pixels into `window`'s client area.
POINT ScreenPointIn(HWND window, int dx, int dy);

std::string WindowTextOf(HWND window);

}  // namespace corvella::testing
