#include "MainWindow_win.h"

#include "CorvellaResources.h"

namespace corvella {

COLORREF ColourFromOle(int32_t colour) {
    auto bits = static_cast<uint32_t>(colour);
    if (bits & 0x80000000u) return GetSysColor(static_cast<int>(bits & 0xFFu));
    return static_cast<COLORREF>(bits & 0x00FFFFFFu);
}

MainWindow::~MainWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
    if (background_) DeleteObject(background_);
}

bool MainWindow::Create(HINSTANCE instance, const char* title) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &MainWindow::WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    // The program's own icon (absent from test programs that host the window).
    wc.hIcon = LoadIcon(instance, MAKEINTRESOURCE(CORVELLA_PROGRAM_ICON));
    if (!wc.hIcon) wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.lpszClassName = kClassName;
    RegisterClassExA(&wc);
    hwnd_ = CreateWindowExA(WS_EX_APPWINDOW, kClassName, title,
                            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX,
                            0, 0, 200, 400, nullptr, nullptr, instance, this);
    return hwnd_ != nullptr;
}

void MainWindow::Show(int showCommand) {
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            OnEndSession(wParam != FALSE);
            return 0;
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush = onControlColour ? onControlColour(reinterpret_cast<HWND>(lParam)) : nullptr)
                return reinterpret_cast<LRESULT>(brush);
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && onActivate) onActivate();
            break;
        case WM_ERASEBKGND:
            if (OnEraseBackground(reinterpret_cast<HDC>(wParam))) return 1;
            break;
        case WM_HSCROLL:
            if (lParam && onScroll) onScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
            return 0;
        case WM_SIZE:
            if (onResize) onResize();
            break;
        case WM_LBUTTONUP:
            if (onClick) onClick();
            return 0;
        case WM_TIMER:
            if (onTimer) onTimer(wParam);
            return 0;
        case WM_DISPLAYCHANGE:
            if (onDisplayChange) onDisplayChange();
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void MainWindow::OnClose() {
    RunCloseRequest();
    DestroyWindow(hwnd_);
}

// The system ends the process soon after this message returns, without a
// close request: what a close saves is saved now.
void MainWindow::OnEndSession(bool ending) {
    if (ending) RunCloseRequest();
}

void MainWindow::RunCloseRequest() {
    if (closeRequestRan_) return;
    closeRequestRan_ = true;
    if (onCloseRequest) onCloseRequest();
}

bool MainWindow::OnEraseBackground(HDC dc) {
    if (!background_) return false;
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, background_);
    return true;
}

RECT MainWindow::PixelRect() const {
    RECT r{};
    if (hwnd_) GetWindowRect(hwnd_, &r);
    return r;
}

// A minimised window sits far off the screen; its restored place is the one
// that counts (and is saved). The placement's normal position is in
// work-area coordinates.
RECT MainWindow::RestoredPixelRect() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!hwnd_ || !IsIconic(hwnd_) || !GetWindowPlacement(hwnd_, &placement)) return PixelRect();
    RECT r = placement.rcNormalPosition;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if ((GetWindowLongA(hwnd_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0 &&
        GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor))
        OffsetRect(&r, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
    return r;
}

Placement MainWindow::CurrentPlacement() const {
    RECT r = RestoredPixelRect();
    if (EqualRect(&r, &setPixels_)) return setTwips_;
    int tx = screen_.TwipsPerPixelX(), ty = screen_.TwipsPerPixelY();
    return Placement{r.left * tx, r.top * ty, (r.right - r.left) * tx, (r.bottom - r.top) * ty};
}

// The frame is measured on the real window, since its size depends on the
// styles, the system's metrics and the resolution together.
std::optional<SIZE> MainWindow::FramePixels() const {
    RECT outer{}, client{};
    if (!GetWindowRect(hwnd_, &outer) || !GetClientRect(hwnd_, &client) || IsIconic(hwnd_)) return std::nullopt;
    return SIZE{(outer.right - outer.left) - (client.right - client.left),
                (outer.bottom - outer.top) - (client.bottom - client.top)};
}

int32_t MainWindow::FrameHeight() const {
    const std::optional<SIZE> frame = FramePixels();
    return frame ? frame->cy * screen_.TwipsPerPixelY() : -1;
}

int32_t MainWindow::FrameWidth() const {
    const std::optional<SIZE> frame = FramePixels();
    return frame ? frame->cx * screen_.TwipsPerPixelX() : -1;
}

void MainWindow::Place(const Placement& twips) {
    int tx = screen_.TwipsPerPixelX(), ty = screen_.TwipsPerPixelY();
    const int left = PixelsFromTwips(twips.left, tx), top = PixelsFromTwips(twips.top, ty);
    const RECT wanted{left, top, left + PixelsFromTwips(twips.width, tx), top + PixelsFromTwips(twips.height, ty)};
    // A window already there is not moved again: a move of the shown window
    // repaints it (the start-up places it once hidden and once shown).
    const RECT now = PixelRect();
    if (!EqualRect(&now, &wanted))
        SetWindowPos(hwnd_, nullptr, wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    setTwips_ = twips;
    setPixels_ = PixelRect();
}

void MainWindow::SetLeft(int32_t twips) {
    Placement p = CurrentPlacement();
    p.left = twips;
    Place(p);
}

void MainWindow::SetTop(int32_t twips) {
    Placement p = CurrentPlacement();
    p.top = twips;
    Place(p);
}

void MainWindow::SetWidth(int32_t twips) {
    Placement p = CurrentPlacement();
    p.width = twips;
    Place(p);
}

void MainWindow::SetHeight(int32_t twips) {
    Placement p = CurrentPlacement();
    p.height = twips;
    Place(p);
}

void MainWindow::SetBackColor(int32_t colour) {
    HBRUSH brush = CreateSolidBrush(ColourFromOle(colour));
    if (!brush) return;
    if (background_) DeleteObject(background_);
    background_ = brush;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void MainWindow::SetTopMost(bool onTop) {
    SetWindowPos(hwnd_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool MainWindow::IsMinimised() const { return hwnd_ && IsIconic(hwnd_); }

std::string MainWindow::Title() const {
    char text[256] = {};
    if (hwnd_) GetWindowTextA(hwnd_, text, sizeof text);
    return text;
}

void MainWindow::SetTitle(const std::string& title) {
    if (hwnd_) SetWindowTextA(hwnd_, title.c_str());
}

bool MainWindow::IsVisible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void MainWindow::RestoreNormal() {
    if (hwnd_ && (IsIconic(hwnd_) || IsZoomed(hwnd_))) ShowWindow(hwnd_, SW_RESTORE);
}

void MainWindow::Show() {
    if (!hwnd_) return;
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
}

void MainWindow::MakeVisible() {
    if (hwnd_) ShowWindow(hwnd_, SW_SHOW);
}

void MainWindow::Minimise() {
    if (hwnd_) ShowWindow(hwnd_, SW_MINIMIZE);
}

void MainWindow::Hide() {
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

}  // namespace corvella
