#include "EdgeStripWindow_win.h"

#include "EdgeStrip.h"

namespace corvella {

namespace {
constexpr UINT_PTR kFlashTimer = 1;
}

EdgeStripWindow::~EdgeStripWindow() { Destroy(); }

bool EdgeStripWindow::Create(HINSTANCE instance) {
    if (!CreateAux(instance, kClassName, "", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, nullptr, nullptr))
        return false;
    SetTimer(Handle(), kFlashTimer, kStripTimerIntervalMs, nullptr);
    return true;
}

void EdgeStripWindow::ShowAt(const Placement& twips) {
    const RECT r = PixelRectFromTwips(screen_, twips.left, twips.top, twips.width, twips.height);
    SetWindowPos(Handle(), HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void EdgeStripWindow::Hide() {
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

void EdgeStripWindow::SetBackColor(int32_t colour) {
    colour_ = colour;
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void EdgeStripWindow::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    const auto bits = static_cast<uint32_t>(colour_);
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(bits & 0x00FFFFFFu));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
}

bool EdgeStripWindow::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
        case WM_MOUSEMOVE:
            OnStripMouseMove(*this);
            return true;
        case WM_TIMER:
            if (wParam == kFlashTimer) OnStripTimer(*this);
            return true;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            if (onMouseUp) onMouseUp();
            return true;
        case WM_ERASEBKGND:
            Paint(reinterpret_cast<HDC>(wParam));
            result = 1;
            return true;
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return true;
        case WM_MOUSEACTIVATE:
            // A click on the strip leaves the activation where it is.
            result = MA_NOACTIVATE;
            return true;
        default:
            return false;
    }
}

}  // namespace corvella
