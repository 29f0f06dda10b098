#include "ClipboardViewer_win.h"

namespace panorell {

namespace {

// A viewer in another program that stopped answering must not stop this
// window's thread with it; one that still works answers well within this.
constexpr UINT kPassOnTimeoutMs = 2000;

}  // namespace

void ClipboardViewer::Join(HWND window) {
    if (window_ != nullptr || window == nullptr) return;
    window_ = window;
    forwarding_ = false;
    next_ = SetClipboardViewer(window);
    // A window that is already in the chain would come back as its own
    // next viewer and pass every notice to itself for ever.
    if (next_ == window) next_ = nullptr;
    forwarding_ = true;
}

void ClipboardViewer::Leave() {
    if (window_ == nullptr) return;
    // A next viewer that is gone cannot take our place: the system would
    // refuse the hand-over and keep pointing at this window.
    const HWND successor = next_ != nullptr && IsWindow(next_) ? next_ : nullptr;
    ChangeClipboardChain(window_, successor);
    window_ = nullptr;
    next_ = nullptr;
    forwarding_ = false;
}

void ClipboardViewer::PassOnChange(WPARAM wParam, LPARAM lParam) {
    PassOn(WM_DRAWCLIPBOARD, wParam, lParam, passingChange_);
}

void ClipboardViewer::OnChainChange(WPARAM wParam, LPARAM lParam) {
    const auto leaving = reinterpret_cast<HWND>(wParam);
    const auto successor = reinterpret_cast<HWND>(lParam);
    if (leaving == next_) {
        next_ = successor == window_ ? nullptr : successor;
        return;
    }
    PassOn(WM_CHANGECBCHAIN, wParam, lParam, passingChainChange_);
}

void ClipboardViewer::PassOn(UINT message, WPARAM wParam, LPARAM lParam, bool& passing) {
    if (!forwarding_ || next_ == nullptr || passing) return;
    // A next viewer destroyed without leaving the chain: its handle may
    // come back as some other window, which must not get our notices.
    if (!IsWindow(next_)) {
        next_ = nullptr;
        return;
    }
    // A chain that loops back here would bring the same notice round again
    // while we still wait for it: it stops here instead of going round.
    passing = true;
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(next_, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kPassOnTimeoutMs, &answer);
    passing = false;
}

}  // namespace panorell
