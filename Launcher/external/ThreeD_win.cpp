// The owner's calls on a 3-D control: properties, caption, pictures, colours,
// font, tool tip and drag mode.
#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <map>
#include <memory>
#include <mutex>
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

// A tip window that exists already takes the new text; one that does not
// yet is made when the pointer first comes over the control.
void UpdateTip(Control& c) {
    if (!c.tip) return;
    TTTOOLINFOA tool = ToolFor(c);
    SendMessageA(c.tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(c.tip, TTM_ACTIVATE, c.toolTip.empty() ? FALSE : TRUE, 0);
}

// The icons made from image-list entries, by list and index. Fifty buttons
// show a handful of distinct icons, and making an icon from a list is a good
// part of what a button's first picture costs.
using ListEntry = std::pair<HIMAGELIST, int>;
std::mutex gListIconsLock;
std::map<ListEntry, std::weak_ptr<void>> gListIcons;

std::shared_ptr<void> ListIcon(HIMAGELIST list, int index) {
    std::lock_guard<std::mutex> hold(gListIconsLock);
    std::weak_ptr<void>& known = gListIcons[{list, index}];
    if (std::shared_ptr<void> icon = known.lock()) return icon;
    HICON icon = ImageList_GetIcon(list, index, ILD_TRANSPARENT);
    if (!icon) return nullptr;
    std::shared_ptr<void> shared(icon, [](void* made) { DestroyIcon(static_cast<HICON>(made)); });
    known = shared;
    return shared;
}

}  // namespace

void FreePicture(Control& c) {
    if (c.icon && !c.sharedIcon) DestroyIcon(c.icon);
    if (c.bitmap) DeleteObject(c.bitmap);
    c.sharedIcon.reset();
    c.icon = nullptr;
    c.bitmap = nullptr;
    c.pictureSize = {};
}

// Fifty launch buttons with a tip window each cost a good part of the
// start-up, and most tips are never asked for: the window is made at the
// first hover, and the move that brought the pointer is passed on so that the
// tip's delay starts at once.
void MakeTipOnHover(Control& c, LPARAM mouseMove) {
    if (c.tip || c.toolTip.empty()) return;
    c.tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, c.window, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (!c.tip) return;
    TTTOOLINFOA tool = ToolFor(c);
    SendMessageA(c.tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    MSG move{};
    move.hwnd = c.window;
    move.message = WM_MOUSEMOVE;
    move.lParam = mouseMove;
    move.time = static_cast<DWORD>(GetMessageTime());
    GetCursorPos(&move.pt);
    SendMessageA(c.tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

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

// The setters below leave a control alone when the value does not change:
// the layout sets every property of every control each time it runs, and a
// needless repaint of 70 controls is what the user would wait for.
bool SetProperty(HWND control, int dispatchId, int32_t value) {
    Control* c = ControlOf(control);
    if (!c) return false;
    const Look before = c->look;
    if (!ApplyProperty(c->look, c->kind, dispatchId, value)) return false;
    if (ReadProperty(before, c->kind, dispatchId) != value) Redraw(*c);
    return true;
}

int32_t Property(HWND control, int dispatchId) {
    Control* c = ControlOf(control);
    return c ? ReadProperty(c->look, c->kind, dispatchId) : -1;
}

void SetCaption(HWND control, std::string_view caption) {
    Control* c = ControlOf(control);
    if (!c || c->caption == caption) return;
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

bool SetPicture(HWND control, HIMAGELIST list, int index) {
    Control* c = ControlOf(control);
    if (!c || !list) return false;
    // The size comes from the list rather than from the icon's bitmaps.
    int width = 0, height = 0;
    std::shared_ptr<void> icon = ListIcon(list, index);
    if (!icon || !ImageList_GetIconSize(list, &width, &height)) return false;
    FreePicture(*c);
    c->sharedIcon = std::move(icon);
    c->icon = static_cast<HICON>(c->sharedIcon.get());
    c->pictureSize = {width, height};
    Redraw(*c);
    return true;
}

// Controls that show an old entry keep its icon; the entry's next user gets
// a new one.
void ForgetListIcons(HIMAGELIST list) {
    std::lock_guard<std::mutex> hold(gListIconsLock);
    for (auto entry = gListIcons.begin(); entry != gListIcons.end();)
        entry = entry->first.first == list ? gListIcons.erase(entry) : std::next(entry);
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
    Control* c = ControlOf(control);
    if (!c || c->backColour == oleColour) return;
    c->backColour = oleColour;
    Redraw(*c);
}

void SetForeColor(HWND control, int32_t oleColour) {
    Control* c = ControlOf(control);
    if (!c || c->foreColour == oleColour) return;
    c->foreColour = oleColour;
    Redraw(*c);
}

void SetFont(HWND control, const FontSpec& font) {
    Control* c = ControlOf(control);
    if (!c) return;
    const FontSpec& now = c->fontSpec;
    if (c->font && now.name == font.name && now.points == font.points && now.bold == font.bold &&
        now.italic == font.italic)
        return;
    c->fontSpec = font;
    RebuildFont(*c);
    Redraw(*c);
}

void SetToolTip(HWND control, std::string_view text) {
    Control* c = ControlOf(control);
    if (!c || c->toolTip == text) return;
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
