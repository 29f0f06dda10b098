#include "TourWindow_win.h"

#include "AuxWindows.h"

namespace corvella {

namespace {

// Ordinary fonts: a 516 x 396 pixel window, the picture above a strip that
// holds Back on the left, the labels and Next on the right.
constexpr int kWidthPx = 516, kHeightPx = 396;
constexpr int kStripTopPx = 330;
constexpr RECT kBackPx{8, 358, 88, 382};
constexpr RECT kNextPx{428, 358, 508, 382};
constexpr RECT kTitlePx{112, 336, 190, 352};
constexpr RECT kVersionPx{194, 336, 300, 352};

HWND CreateLabel(HWND parent, int id, const char* text, const RECT& r) {
    HWND label = CreateWindowExA(0, "STATIC", text, WS_CHILD | SS_LEFT, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 nullptr, nullptr);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return label;
}

void MoveKeepingSize(HWND control, const RECT& to) {
    RECT r;
    GetWindowRect(control, &r);
    MoveWindow(control, to.left, to.top, r.right - r.left, r.bottom - r.top, FALSE);
}

}  // namespace

TourWindow::~TourWindow() {
    Destroy();
    if (picture_) DeleteObject(picture_);
}

void TourWindow::Create(bool largeFonts) {
    if (!CreateAux(instance_, kClassName, kTourCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME,
                   nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return;
    next_ = CreatePushButton(Handle(), kNextId, "Next", kNextPx);
    back_ = CreatePushButton(Handle(), kBackId, "Back", kBackPx);
    title_ = CreateLabel(Handle(), kTitleId, kTourTitleText, kTitlePx);
    version_ = CreateLabel(Handle(), kVersionId, kVersionText, kVersionPx);
    pictureRect_ = RECT{0, 0, kWidthPx, kStripTopPx};
    CentreWithClientSize(Handle(), kWidthPx, kHeightPx);
    if (!largeFonts) return;
    for (const AuxPlacement& p : TourLargeFontLayout()) {
        const RECT r = PixelRectFromTwips(screen_, p.left, p.top, p.width, p.height);
        switch (p.control) {
            case AuxControl::Window:
                CentreWithClientSize(Handle(), r.right - r.left, r.bottom - r.top);
                pictureRect_ = RECT{0, 0, r.right - r.left, (r.bottom - r.top) * kStripTopPx / kHeightPx};
                break;
            case AuxControl::Command1: MoveKeepingSize(next_, r); break;
            case AuxControl::Command2: MoveKeepingSize(back_, r); break;
            case AuxControl::TitleLabel: MoveKeepingSize(title_, r); break;
            case AuxControl::VersionLabel: MoveKeepingSize(version_, r); break;
            default: break;
        }
    }
}

void TourWindow::ShowPage(int page) {
    const TourPage shown = TourPageFor(page);
    if (picture_) DeleteObject(picture_);
    const std::string file = ProgramFolderWithSlash(programFolder_) + shown.picture;
    picture_ = static_cast<HBITMAP>(LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    ShowWindow(next_, shown.nextVisible ? SW_SHOW : SW_HIDE);
    ShowWindow(back_, shown.backVisible ? SW_SHOW : SW_HIDE);
    ShowWindow(title_, shown.labelsVisible ? SW_SHOW : SW_HIDE);
    ShowWindow(version_, shown.labelsVisible ? SW_SHOW : SW_HIDE);
    SetFocus(shown.nextVisible ? next_ : back_);
    InvalidateRect(Handle(), &pictureRect_, FALSE);
}

void TourWindow::ShowModal(HWND owner, bool largeFonts) {
    if (Exists()) return;
    Create(largeFonts);
    if (!Exists()) return;
    ShowPage(1);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    RunModal(Handle(), owner);
}

void TourWindow::Paint(HDC dc) {
    if (!picture_) {
        FillRect(dc, &pictureRect_, reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
        return;
    }
    DrawPicture(dc, picture_, pictureRect_);
}

bool TourWindow::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT&) {
    if (PaintMessage(message, wParam)) return true;
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kNextId) ShowPage(2);
            if (LOWORD(wParam) == kBackId) ShowPage(1);
            if (LOWORD(wParam) == IDCANCEL) DestroyWindow(Handle());
            return true;
        case WM_CLOSE:
            DestroyWindow(Handle());
            return true;
        default:
            return false;
    }
}

}  // namespace corvella
