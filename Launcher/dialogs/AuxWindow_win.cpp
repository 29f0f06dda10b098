#include "AuxWindow_win.h"

namespace corvella {

AuxWindow::~AuxWindow() { Destroy(); }

void AuxWindow::Destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool AuxWindow::CreateAux(HINSTANCE instance, const char* className, const char* title, DWORD style, DWORD exStyle,
                          HWND owner, HBRUSH background) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(instance, className, &wc)) {
        wc = WNDCLASSEXA{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &AuxWindow::Procedure;
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = background;
        wc.lpszClassName = className;
        RegisterClassExA(&wc);
    }
    CreateWindowExA(exStyle, className, title, style, 0, 0, 100, 100, owner, nullptr, instance, this);
    return hwnd_ != nullptr;
}

bool AuxWindow::PaintMessage(UINT message, WPARAM wParam) {
    if (message == WM_PRINTCLIENT) {
        Paint(reinterpret_cast<HDC>(wParam));
        return true;
    }
    if (message != WM_PAINT) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    Paint(dc);
    EndPaint(hwnd_, &ps);
    return true;
}

LRESULT CALLBACK AuxWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<AuxWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<AuxWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_DESTROY) self->OnDestroyed();
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    try {
        LRESULT result = 0;
        if (self->OnMessage(message, wParam, lParam, result)) return result;
    } catch (...) {
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void RunModal(HWND window, HWND owner) {
    const bool disabledOwner = owner && IsWindowEnabled(owner) && EnableWindow(owner, FALSE) == FALSE;
    MSG msg;
    while (IsWindow(window)) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // Leave the quit request for the main loop.
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            DestroyWindow(window);
            break;
        }
        if (IsDialogMessageA(window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (disabledOwner) {
        EnableWindow(owner, TRUE);
        SetForegroundWindow(owner);
    }
}

RECT PixelRectFromTwips(const Screen& screen, int left, int top, int width, int height) {
    const int tx = screen.TwipsPerPixelX(), ty = screen.TwipsPerPixelY();
    const int x = PixelsFromTwips(left, tx), y = PixelsFromTwips(top, ty);
    return RECT{x, y, x + PixelsFromTwips(width, tx), y + PixelsFromTwips(height, ty)};
}

void DrawPicture(HDC dc, HBITMAP picture, const RECT& to) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture);
    BITMAP info{};
    GetObjectA(picture, sizeof info, &info);
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, memory, 0, 0, info.bmWidth,
               info.bmHeight, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

HWND CreatePushButton(HWND parent, int id, const char* caption, const RECT& r) {
    HWND button = CreateWindowExA(0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, r.left,
                                  r.top, r.right - r.left, r.bottom - r.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return button;
}

void CentreWithClientSize(HWND window, int width, int height) {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int w = r.right - r.left, h = r.bottom - r.top;
    SetWindowPos(window, nullptr, work.left + (work.right - work.left - w) / 2,
                 work.top + (work.bottom - work.top - h) / 2, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace corvella
