// The owner's calls on a 3-D control: properties, caption, pictures, colours,
// font, tool tip and drag mode.
#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <map>
#include <string>

#include "external/ThreeDControl_win.h"
#include "external/ThreeDLayout.h"

namespace corvella::threed {

namespace {

void Redraw(Control& c) { InvalidateRect(c.window, nullptr, FALSE); }

// Shows the caption, or the tool tip when there is no caption, as window text.
void RefreshWindowText(Control& c) {
    const std::string& shown = c.caption.empty() ? c.toolTip : c.caption;
    DefWindowProcA(c.window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown.c_str()));
}

int CALLBACK NoteFamily(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// True when the system has a font family of this name. Answers are kept:
// every control asks again each time its font changes.
bool FamilyInstalled(const std::string& name) {
    static std::map<std::string, bool> known;
    if (auto it = known.find(name); it != known.end()) return it->second;
    bool found = false;
    if (!name.empty() && name.size() < LF_FACESIZE) {
        LOGFONTA wanted{};
        wanted.lfCharSet = DEFAULT_CHARSET;
        lstrcpynA(wanted.lfFaceName, name.c_str(), LF_FACESIZE);
        HDC screen = GetDC(nullptr);
        EnumFontFamiliesExA(screen, &wanted, &NoteFamily, reinterpret_cast<LPARAM>(&found), 0);
        ReleaseDC(nullptr, screen);
    }
    return known[name] = found;
}

// The face of a font name: the system's default face for a name it lacks,
// rather than whatever the font mapper finds nearest.
std::string FaceFor(const std::string& name) {
    if (FamilyInstalled(name)) return name;
    LOGFONTA standard{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof standard, &standard);
    return standard.lfFaceName;
}

void FreePicture(Control& c) {
    if (c.icon) DestroyIcon(c.icon);
    if (c.bitmap) DeleteObject(c.bitmap);
    c.icon = nullptr;
    c.bitmap = nullptr;
    c.pictureSize = {};
}

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    SIZE size{};
    if (!GetIconInfo(icon, &info)) return size;
    BITMAP bm{};
    HBITMAP measured = info.hbmColor ? info.hbmColor : info.hbmMask;
    if (GetObjectA(measured, sizeof bm, &bm)) {
        size.cx = bm.bmWidth;
        // A monochrome icon keeps its AND and XOR masks in one bitmap.
        size.cy = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return size;
}

TTTOOLINFOA ToolFor(Control& c) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = c.window;
    tool.uId = reinterpret_cast<UINT_PTR>(c.window);
    tool.lpszText = const_cast<char*>(c.toolTip.c_str());
    return tool;
}

void UpdateTip(Control& c) {
    if (!c.tip && c.toolTip.empty()) return;
    if (!c.tip) {
        c.tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, c.window, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        if (!c.tip) return;
        TTTOOLINFOA tool = ToolFor(c);
        SendMessageA(c.tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    TTTOOLINFOA tool = ToolFor(c);
    SendMessageA(c.tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(c.tip, TTM_ACTIVATE, c.toolTip.empty() ? FALSE : TRUE, 0);
}

}  // namespace

int ScreenDpi() {
    static int dpi = [] {
        HDC screen = GetDC(nullptr);
        int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
        if (screen) ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

int ShiftState() {
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= kShiftMask;
    if (GetKeyState(VK_CONTROL) < 0) shift |= kControlMask;
    if (GetKeyState(VK_MENU) < 0) shift |= kAltMask;
    return shift;
}

POINT ClientTwips(HWND, POINT clientPixels) {
    int dpi = ScreenDpi();
    return {PixelsToTwips(clientPixels.x, dpi), PixelsToTwips(clientPixels.y, dpi)};
}

void RebuildFont(Control& c) {
    LOGFONTA lf{};
    double points = c.fontSpec.points > 0 ? c.fontSpec.points : 8;
    lf.lfHeight = -static_cast<LONG>(std::lround(points * ScreenDpi() / 72.0));
    lf.lfWeight = c.fontSpec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = c.fontSpec.italic ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, FaceFor(c.fontSpec.name).c_str(), LF_FACESIZE);
    HFONT font = CreateFontIndirectA(&lf);
    if (!font) return;
    if (c.font) DeleteObject(c.font);
    c.font = font;
}

bool IsThreeDControl(HWND window) { return ControlOf(window) != nullptr; }

int ControlId(HWND window) {
    Control* c = ControlOf(window);
    return c ? c->id : -1;
}

bool SetProperty(HWND control, int dispatchId, int32_t value) {
    Control* c = ControlOf(control);
    if (!c || !ApplyProperty(c->look, c->kind, dispatchId, value)) return false;
    Redraw(*c);
    return true;
}

int32_t Property(HWND control, int dispatchId) {
    Control* c = ControlOf(control);
    return c ? ReadProperty(c->look, c->kind, dispatchId) : -1;
}

void SetCaption(HWND control, std::string_view caption) {
    if (!ControlOf(control)) return;
    std::string text(caption);
    SetWindowTextA(control, text.c_str());
}

std::string Caption(HWND control) {
    Control* c = ControlOf(control);
    return c ? c->caption : std::string();
}

void SetPicture(HWND control, HICON icon) {
    Control* c = ControlOf(control);
    if (!c) return;
    HICON copy = icon ? CopyIcon(icon) : nullptr;
    FreePicture(*c);
    c->icon = copy;
    if (copy) c->pictureSize = IconSize(copy);
    Redraw(*c);
}

void SetPicture(HWND control, HBITMAP bitmap) {
    Control* c = ControlOf(control);
    if (!c) return;
    auto copy = bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr;
    FreePicture(*c);
    c->bitmap = copy;
    BITMAP bm{};
    if (copy && GetObjectA(copy, sizeof bm, &bm)) c->pictureSize = {bm.bmWidth, bm.bmHeight};
    Redraw(*c);
}

void ClearPicture(HWND control) {
    Control* c = ControlOf(control);
    if (!c) return;
    FreePicture(*c);
    Redraw(*c);
}

void SetBackColor(HWND control, int32_t oleColour) {
    if (Control* c = ControlOf(control)) {
        c->backColour = oleColour;
        Redraw(*c);
    }
}

void SetForeColor(HWND control, int32_t oleColour) {
    if (Control* c = ControlOf(control)) {
        c->foreColour = oleColour;
        Redraw(*c);
    }
}

void SetFont(HWND control, const FontSpec& font) {
    Control* c = ControlOf(control);
    if (!c) return;
    c->fontSpec = font;
    RebuildFont(*c);
    Redraw(*c);
}

void SetToolTip(HWND control, std::string_view text) {
    Control* c = ControlOf(control);
    if (!c) return;
    c->toolTip.assign(text);
    UpdateTip(*c);
    RefreshWindowText(*c);
}

void SetAutomaticDrag(HWND control, bool automatic) {
    Control* c = ControlOf(control);
    if (!c) return;
    if (!automatic && c->drag.active) EndDrag(*c, false);
    c->automaticDrag = automatic;
}

}  // namespace corvella::threed
