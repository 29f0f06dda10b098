#pragma once
// A window's place in the system's clipboard-viewer chain: joining it,
// passing its notices on to the next viewer, following the chain as other
// viewers leave, and leaving it. The window's procedure hands the two chain
// messages here and does its own work on a change.
#include <windows.h>

namespace panorell {

class ClipboardViewer {
public:
    ClipboardViewer() = default;
    ~ClipboardViewer() { Leave(); }
    ClipboardViewer(const ClipboardViewer&) = delete;
    ClipboardViewer& operator=(const ClipboardViewer&) = delete;

    // Joins the chain as its first viewer. The system tells the new viewer
    // of the clipboard at once, from inside the join: that notice is the
    // window's own and is not passed on.
    void Join(HWND window);
    // Leaves the chain; nothing when not in it.
    void Leave();
    bool Joined() const { return window_ != nullptr; }
    HWND Next() const { return next_; }

    // WM_DRAWCLIPBOARD, after the window has done its own work.
    void PassOnChange(WPARAM wParam, LPARAM lParam);
    // WM_CHANGECBCHAIN: viewer wParam leaves, viewer lParam follows it.
    void OnChainChange(WPARAM wParam, LPARAM lParam);

private:
    void PassOn(UINT message, WPARAM wParam, LPARAM lParam, bool& passing);

    HWND window_ = nullptr;
    HWND next_ = nullptr;
    bool forwarding_ = false;
    // A notice of each kind on its way down the chain.
    bool passingChange_ = false;
    bool passingChainChange_ = false;
};

}  // namespace panorell
