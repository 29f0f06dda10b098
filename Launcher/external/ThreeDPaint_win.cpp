// Draws a 3-D control: fill, frame, picture, caption with its text effect and
// the focus mark, all into an off-screen bitmap first so nothing flickers.
// The shades of the frame are derived from the control's back colour, so a
// coloured section keeps coherent bevels.
#include "external/ThreeDControl_win.h"
#include "external/ThreeDLayout.h"

namespace corvella::threed {

namespace {

COLORREF ColourOf(int32_t ole) {
    OleColour decoded = DecodeOleColour(ole);
    if (decoded.system) return GetSysColor(decoded.systemIndex);
    return RGB(decoded.red, decoded.green, decoded.blue);
}

COLORREF Tinted(COLORREF colour, int amount) {
    Rgb tinted = Tint({GetRValue(colour), GetGValue(colour), GetBValue(colour)}, amount);
    return RGB(tinted.red, tinted.green, tinted.blue);
}

struct Palette {
    COLORREF back, fore, highlight, light, shadow, dark;
};

Palette PaletteFor(const Control& c) {
    Palette p;
    p.back = ColourOf(c.backColour);
    p.fore = ColourOf(c.foreColour);
    p.highlight = Tinted(p.back, 200);
    p.light = Tinted(p.back, 90);
    p.shadow = Tinted(p.back, -100);
    p.dark = Tinted(p.back, -190);
    return p;
}

void Solid(HDC dc, const RECT& r, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

// Light at the top, the back colour itself from the middle of the lower half,
// and a little darker at the very bottom, so the shading shows on pale faces
// as well as on dark ones.
void FillShaded(HDC dc, const RECT& r, COLORREF back) {
    int height = r.bottom - r.top;
    if (height <= 0) return;
    for (int y = 0; y < height; ++y) {
        int at = 256 * y / height;  // 0 at the top .. 255 at the bottom
        int amount = at < 160 ? 110 * (160 - at) / 160 : -36 * (at - 160) / 96;
        RECT line{r.left, r.top + y, r.right, r.top + y + 1};
        Solid(dc, line, Tinted(back, amount));
    }
}

void FillBody(HDC dc, const RECT& r, Fill fill, COLORREF back) {
    switch (fill) {
    case Fill::Plain: Solid(dc, r, back); break;
    case Fill::Lighter: Solid(dc, r, Tinted(back, 60)); break;
    case Fill::Darker: Solid(dc, r, Tinted(back, -30)); break;
    case Fill::ShadedTop: FillShaded(dc, r, back); break;
    }
}

// One ring of a bevel: top and left edges in `topLeft`, the others in `bottomRight`.
void Ring(HDC dc, RECT r, int inset, COLORREF topLeft, COLORREF bottomRight) {
    InflateRect(&r, -inset, -inset);
    if (r.right - r.left < 2 || r.bottom - r.top < 2) return;
    RECT top{r.left, r.top, r.right - 1, r.top + 1}, left{r.left, r.top, r.left + 1, r.bottom - 1};
    RECT bottom{r.left, r.bottom - 1, r.right, r.bottom}, right{r.right - 1, r.top, r.right, r.bottom};
    Solid(dc, top, topLeft);
    Solid(dc, left, topLeft);
    Solid(dc, bottom, bottomRight);
    Solid(dc, right, bottomRight);
}

void DrawFrame(HDC dc, const RECT& r, Frame frame, const Palette& p) {
    switch (frame) {
    case Frame::None: break;
    case Frame::RaisedThin: Ring(dc, r, 0, p.highlight, p.shadow); break;
    case Frame::SunkenThin: Ring(dc, r, 0, p.shadow, p.highlight); break;
    case Frame::RaisedThick:
        Ring(dc, r, 0, p.light, p.dark);
        Ring(dc, r, 1, p.highlight, p.shadow);
        break;
    case Frame::SunkenThick:
        Ring(dc, r, 0, p.shadow, p.highlight);
        Ring(dc, r, 1, p.dark, p.light);
        break;
    case Frame::Outline: Ring(dc, r, 0, p.dark, p.dark); break;
    }
}

UINT TextFlags(const Control& c) {
    UINT flags = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL;
    int code = c.look.captionPosition;
    if (c.kind == Kind::Button && c.look.picturePosition >= 9) return flags | DT_CENTER;
    if (code >= 6) return flags | DT_CENTER;
    return flags | (code >= 3 ? DT_RIGHT : DT_LEFT);
}

Size Measure(HDC dc, const Control& c, int maxWidth) {
    if (c.caption.empty() || maxWidth <= 0) return {};
    RECT r{0, 0, maxWidth, 0};
    DrawTextA(dc, c.caption.c_str(), -1, &r, TextFlags(c) | DT_CALCRECT);
    // Room for the effect's offset copies.
    int extra = c.look.textEffect ? 2 : 0;
    return {std::min<int>(r.right - r.left + extra, maxWidth), r.bottom - r.top + extra};
}

void DrawCaption(HDC dc, const Control& c, const Rect& at, const Palette& p, bool enabled) {
    if (c.caption.empty() || at.Empty()) return;
    RECT r{at.left, at.top, at.right, at.bottom};
    if (c.look.textEffect) InflateRect(&r, -1, -1);
    SetBkMode(dc, TRANSPARENT);
    UINT flags = TextFlags(c);
    TEXTMETRICA metrics{};
    // Room for one line only: keep it on one line, centred and cut by the
    // edges, rather than wrapped out of sight.
    if (GetTextMetricsA(dc, &metrics) && r.bottom - r.top < 2 * metrics.tmHeight)
        flags = (flags & ~static_cast<UINT>(DT_WORDBREAK)) | DT_SINGLELINE | DT_VCENTER;
    TextCopy copies[3];
    int count = enabled ? TextEffectCopies(c.look.textEffect, copies) : 0;
    for (int i = 0; i < count; ++i) {
        RECT shifted = r;
        OffsetRect(&shifted, copies[i].dx, copies[i].dy);
        SetTextColor(dc, copies[i].light ? p.highlight : p.shadow);
        DrawTextA(dc, c.caption.c_str(), -1, &shifted, flags);
    }
    if (!enabled) {
        RECT etched = r;
        OffsetRect(&etched, 1, 1);
        SetTextColor(dc, p.highlight);
        DrawTextA(dc, c.caption.c_str(), -1, &etched, flags);
    }
    SetTextColor(dc, enabled ? p.fore : p.shadow);
    DrawTextA(dc, c.caption.c_str(), -1, &r, flags);
}

// A disabled control's icon: drawn over the face, turned grey and faded
// halfway into the face colour.
void DrawGreyedIcon(HDC dc, HICON icon, const Rect& at, COLORREF back) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), at.Width(), -at.Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section) return;
    HDC scratch = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(scratch, section);
    BitBlt(scratch, 0, 0, at.Width(), at.Height(), dc, at.left, at.top, SRCCOPY);
    DrawIconEx(scratch, 0, 0, icon, at.Width(), at.Height(), 0, nullptr, DI_NORMAL);
    GdiFlush();
    auto* px = static_cast<uint32_t*>(bits);
    const int count = at.Width() * at.Height();
    for (int i = 0; i < count; ++i) {
        uint32_t v = px[i];
        int grey = (static_cast<int>((v >> 16) & 0xFF) * 30 + static_cast<int>((v >> 8) & 0xFF) * 59 +
                    static_cast<int>(v & 0xFF) * 11) / 100;
        uint32_t r = (grey + GetRValue(back)) / 2, g = (grey + GetGValue(back)) / 2, b = (grey + GetBValue(back)) / 2;
        px[i] = (r << 16) | (g << 8) | b;
    }
    BitBlt(dc, at.left, at.top, at.Width(), at.Height(), scratch, 0, 0, SRCCOPY);
    SelectObject(scratch, old);
    DeleteDC(scratch);
    DeleteObject(section);
}

// The picture at `at`, drawn at `size` (smaller than its own where the
// layout made it give way to the caption).
void DrawPicture(HDC dc, const Control& c, const Rect& at, Size size, bool enabled, COLORREF back) {
    if (at.Empty()) return;
    if (c.icon) {
        if (enabled)
            DrawIconEx(dc, at.left, at.top, c.icon, size.width, size.height, 0, nullptr, DI_NORMAL);
        else
            DrawGreyedIcon(dc, c.icon, at, back);
        return;
    }
    if (!c.bitmap) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, c.bitmap);
    if (size.width == c.pictureSize.cx && size.height == c.pictureSize.cy) {
        BitBlt(dc, at.left, at.top, at.Width(), at.Height(), source, 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, at.left, at.top, size.width, size.height, source, 0, 0, c.pictureSize.cx, c.pictureSize.cy,
                   SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
}

void DrawCheckSquare(HDC dc, const Rect& at, bool checked, bool enabled, const Palette& p) {
    RECT box{at.left, at.top, at.right, at.bottom};
    Solid(dc, box, enabled ? GetSysColor(COLOR_WINDOW) : p.back);
    Ring(dc, box, 0, p.shadow, p.highlight);
    Ring(dc, box, 1, p.dark, p.light);
    if (!checked) return;
    // A tick scaled to the square: down from the left third, up to the top right.
    int s = at.Width();
    int thick = s >= 15 ? 2 : 1;
    HPEN pen = CreatePen(PS_SOLID, thick + 1, enabled ? GetSysColor(COLOR_WINDOWTEXT) : p.shadow);
    HGDIOBJ old = SelectObject(dc, pen);
    POINT tick[3] = {{at.left + s * 3 / 13, at.top + s * 6 / 13},
                     {at.left + s * 5 / 13, at.top + s * 9 / 13},
                     {at.left + s * 10 / 13, at.top + s * 4 / 13}};
    Polyline(dc, tick, 3);
    SelectObject(dc, old);
    DeleteObject(pen);
}

Layout LayOut(HDC dc, const Control& c, const Rect& bounds, const Appearance& a, const Metrics& m) {
    auto measure = [&](int maxWidth) { return Measure(dc, c, maxWidth); };
    if (c.kind == Kind::Check) return ComputeCheckLayout(bounds, m, c.look.captionPosition, measure);
    LayoutRequest request;
    request.bounds = bounds;
    request.metrics = m;
    if (c.kind == Kind::Button && (c.icon || c.bitmap))
        request.picture = {static_cast<int>(c.pictureSize.cx), static_cast<int>(c.pictureSize.cy)};
    request.picturePosition = c.kind == Kind::Button ? c.look.picturePosition : 7;
    request.captionPosition = c.look.captionPosition;
    request.pressed = a.contentPressed;
    return ComputeLayout(request, measure);
}

void DrawFocus(HDC dc, const Layout& layout, const Metrics& m, Kind kind) {
    RECT r;
    if (kind == Kind::Check) {
        r = {layout.caption.left - 1, layout.caption.top, layout.caption.right + 1, layout.caption.bottom};
        if (layout.caption.Empty()) return;
    } else {
        r = {layout.bevel.left + m.bevel + 1, layout.bevel.top + m.bevel + 1, layout.bevel.right - m.bevel - 1,
             layout.bevel.bottom - m.bevel - 1};
    }
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &r);
}

void PaintInto(Control& c, HDC dc, const RECT& client) {
    Palette p = PaletteFor(c);
    bool enabled = IsWindowEnabled(c.window) != FALSE;
    State state = enabled ? c.state : State{};
    Appearance a = AppearanceOf(c.kind, c.look, state);
    Metrics m = MetricsFor(GetDeviceCaps(dc, LOGPIXELSY));
    Rect bounds{client.left, client.top, client.right, client.bottom};

    FillBody(dc, client, a.fill, p.back);
    DrawFrame(dc, client, a.frame, p);
    HGDIOBJ oldFont = SelectObject(dc, c.font ? static_cast<HGDIOBJ>(c.font) : GetStockObject(DEFAULT_GUI_FONT));
    Layout layout = LayOut(dc, c, bounds, a, m);
    if (c.kind == Kind::Check)
        DrawCheckSquare(dc, layout.picture, c.look.value != 0, enabled, p);
    else
        DrawPicture(dc, c, layout.picture, layout.pictureSize, enabled, p.back);
    DrawCaption(dc, c, layout.caption, p, enabled);
    // The focus mark follows the system's keyboard cues: hidden until the
    // user works the window with the keyboard, where the window asks for that.
    bool cues = !(SendMessageA(c.window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    if (cues && GetFocus() == c.window && c.kind != Kind::Panel) DrawFocus(dc, layout, m, c.kind);
    SelectObject(dc, oldFont);
}

}  // namespace

void PaintControl(Control& c, HDC target) {
    RECT client;
    GetClientRect(c.window, &client);
    int width = client.right - client.left, height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return;
    HDC buffer = CreateCompatibleDC(target);
    HBITMAP bits = buffer ? CreateCompatibleBitmap(target, width, height) : nullptr;
    if (!bits) {
        // No memory for a buffer: draw straight to the target rather than not at all.
        if (buffer) DeleteDC(buffer);
        PaintInto(c, target, client);
        return;
    }
    HGDIOBJ old = SelectObject(buffer, bits);
    PaintInto(c, buffer, client);
    BitBlt(target, 0, 0, width, height, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, old);
    DeleteObject(bits);
    DeleteDC(buffer);
}

}  // namespace corvella::threed
