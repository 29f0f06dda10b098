#include "SplashWindow_win.h"

#include "../CorvellaResources.h"
#include "AuxWindows.h"

namespace corvella {

namespace {

// The picture is 300 x 300 pixels; with ordinary fonts the window shows it
// at that size, with the version under the name and the two buttons stacked
// in the lower left corner.
constexpr int kPicturePx = 300;
constexpr RECT kVersionPx{81, 92, 0, 0};
constexpr RECT kClosePx{6, 250, 80, 270};
constexpr RECT kHelpPx{6, 274, 80, 294};
constexpr int kButtonWidthPx = 74, kButtonHeightPx = 20;

}  // namespace

SplashWindow::~SplashWindow() {
    Destroy();
    if (picture_) DeleteObject(picture_);
}

bool SplashWindow::Load(bool largeFonts) {
    if (Exists()) return true;
    if (!picture_)
        picture_ = static_cast<HBITMAP>(
            LoadImageA(instance_, MAKEINTRESOURCEA(CORVELLA_SPLASH_PICTURE), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    if (!CreateAux(instance_, kClassName, kSplashCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                   WS_EX_DLGMODALFRAME, nullptr, nullptr))
        return false;
    close_ = CreatePushButton(Handle(), kCloseId, "Close", kClosePx);
    help_ = CreatePushButton(Handle(), kHelpId, "Help", kHelpPx);
    Layout(largeFonts);
    EnableWindow(close_, FALSE);
    EnableWindow(help_, FALSE);
    return true;
}

void SplashWindow::Layout(bool largeFonts) {
    pictureRect_ = RECT{0, 0, kPicturePx, kPicturePx};
    versionAt_ = POINT{kVersionPx.left, kVersionPx.top};
    CentreWithClientSize(Handle(), kPicturePx, kPicturePx);
    if (!largeFonts) return;
    for (const AuxPlacement& p : SplashLargeFontLayout()) {
        const RECT r = PixelRectFromTwips(screen_, p.left, p.top, p.width, p.height);
        switch (p.control) {
            case AuxControl::Window: CentreWithClientSize(Handle(), r.right - r.left, r.bottom - r.top); break;
            case AuxControl::Shape: pictureRect_ = r; break;
            case AuxControl::VersionLabel: versionAt_ = POINT{r.left, r.top}; break;
            case AuxControl::Command3:
                MoveWindow(close_, r.left, r.top, kButtonWidthPx * 5 / 4, kButtonHeightPx * 5 / 4, FALSE);
                break;
            case AuxControl::Command4:
                MoveWindow(help_, r.left, r.top, kButtonWidthPx * 5 / 4, kButtonHeightPx * 5 / 4, FALSE);
                break;
            default: break;
        }
    }
}

void SplashWindow::ShowWithoutWaiting() {
    if (!Exists()) return;
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(Handle());
}

void SplashWindow::ShowModal(HWND owner, bool largeFonts) {
    if (!Load(largeFonts)) return;
    EnableWindow(close_, TRUE);
    EnableWindow(help_, TRUE);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    SetFocus(close_);
    RunModal(Handle(), owner);
}

void SplashWindow::Paint(HDC dc) {
    if (picture_)
        DrawPicture(dc, picture_, pictureRect_);
    else
        FillRect(dc, &pictureRect_, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0xE8, 0xF1, 0xFF));
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TextOutA(dc, versionAt_.x, versionAt_.y, kVersionText, static_cast<int>(sizeof kVersionText - 1));
    SelectObject(dc, oldFont);
}

void SplashWindow::OnDestroyed() {
    if (setHotKeyEnabled) setHotKeyEnabled(true);
}

bool SplashWindow::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (PaintMessage(message, wParam)) return true;
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && setHotKeyEnabled) setHotKeyEnabled(false);
            return false;
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_COMMAND:
            if (LOWORD(wParam) == kCloseId || LOWORD(wParam) == IDCANCEL) {
                DestroyWindow(Handle());
            } else if (LOWORD(wParam) == kHelpId && showTour) {
                showTour(Handle());
            }
            return true;
        case WM_CLOSE:
            DestroyWindow(Handle());
            return true;
        default:
            return false;
    }
}

}  // namespace corvella
