// The control's picture for its container: at design time (and whenever
// no list is shown) a rectangle in the ambient back colour with a 3-D
// border and the toolbox icon at the top-left corner.
#include "Control_win.h"

namespace panorell {

void Control::Paint(HDC dc, const RECT& bounds) const {
    HBRUSH back = CreateSolidBrush(AmbientBackColor());
    FillRect(dc, &bounds, back);
    DeleteObject(back);
    // Black along the top and left, white along the bottom and right.
    HPEN black = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HPEN white = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    HGDIOBJ old = SelectObject(dc, black);
    MoveToEx(dc, bounds.left, bounds.bottom - 1, nullptr);
    LineTo(dc, bounds.left, bounds.top);
    LineTo(dc, bounds.right - 1, bounds.top);
    SelectObject(dc, white);
    LineTo(dc, bounds.right - 1, bounds.bottom - 1);
    LineTo(dc, bounds.left, bounds.bottom - 1);
    SelectObject(dc, old);
    DeleteObject(black);
    DeleteObject(white);
    auto icon = static_cast<HICON>(LoadImageA(ControlModule(), MAKEINTRESOURCEA(kToolboxIcon), IMAGE_ICON, 16, 16, 0));
    if (icon != nullptr) {
        DrawIconEx(dc, bounds.left + 2, bounds.top + 2, icon, 16, 16, 0, nullptr, DI_NORMAL);
        DestroyIcon(icon);
    }
}

HRESULT Control::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC target, LPCRECTL bounds, LPCRECTL,
                      BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (target == nullptr || bounds == nullptr) return E_INVALIDARG;
    const RECT rect{bounds->left, bounds->top, bounds->right, bounds->bottom};
    // A window of our own paints itself; otherwise (design time, or no
    // window yet) the container gets the picture.
    if (window_ != nullptr && frame_) {
        PrintWindow(window_, target, 0);
        return S_OK;
    }
    Paint(target, rect);
    return S_OK;
}

HRESULT Control::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
    viewAspects_ = aspects;
    viewFlags_ = flags;
    viewSink_.Share(sink);
    return S_OK;
}

HRESULT Control::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
    if (aspects != nullptr) *aspects = viewAspects_;
    if (flags != nullptr) *flags = viewFlags_;
    if (sink != nullptr) {
        *sink = viewSink_.Get();
        if (*sink != nullptr) (*sink)->AddRef();
    }
    return S_OK;
}

HRESULT Control::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) { return GetExtent(aspect, size); }

}  // namespace panorell
