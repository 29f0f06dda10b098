#include "MainWindowControls_win.h"

#include <algorithm>
#include <cmath>

#include "MainWindow_win.h"


namespace corvella {

namespace {

// 3-D control numbers: tabs 1000 + i, launch buttons 2000 + s, the single
// controls 3000 + their name's value.
constexpr int kTabIds = 1000;
constexpr int kButtonIds = 2000;
constexpr int kSingleIds = 3000;

// Design sizes in twips (60 x 16 and 140 x 40 pixels at 96 dpi).
constexpr SIZE kOptionsDesign{900, 240};
constexpr SIZE kMessageDesign{2100, 600};
// The drive button and the move switch: the layout places the bottom bar by
// their height before it sizes them, so they start at their size.
constexpr SIZE kBarButtonDesign{555, 210};

// Plain child windows start outside the visible area; the layout places the
// ones that belong on view.
HWND PlainChild(HWND parent, HINSTANCE instance, const char* cls, const char* text, DWORD style) {
    return CreateWindowExA(0, cls, text, WS_CHILD | style, -100, -100, 10, 10, parent, nullptr,
                           instance, nullptr);
}

bool IsIndexed(ControlName name) {
    return name == ControlName::sectionButton || name == ControlName::buttonObj;
}

bool HasStyle(HWND control, LONG_PTR style) { return (GetWindowLongPtrA(control, GWL_STYLE) & style) != 0; }

}  // namespace

MainWindowControls::~MainWindowControls() {
    for (HIMAGELIST list : imageLists_) {
        threed::ForgetListIcons(list);
        if (list) ImageList_Destroy(list);
    }
    if (buttonAreaBrush_) DeleteObject(buttonAreaBrush_);
}

bool MainWindowControls::Create(HWND window, HINSTANCE instance, threed::Events* events) {
    window_ = window;
    if (!threed::RegisterClasses(instance)) return false;
    for (int i = 0; i < kSectionTabs; ++i)
        tabs_[i] = threed::CreateButton(window, ControlId({ControlName::sectionButton, i}), events);
    for (int s = 0; s < kLaunchButtons; ++s)
        buttons_[s] = threed::CreateButton(window, ControlId({ControlName::buttonObj, s}), events);
    // The launch buttons lie over the button area: it must not paint over
    // them when it is repainted after them (a new window background).
    buttonBG_ = PlainChild(window, instance, "STATIC", "", SS_NOTIFY | WS_VISIBLE | WS_CLIPSIBLINGS);
    hScroll_ = PlainChild(window, instance, "SCROLLBAR", "", SBS_HORZ);
    message_ = threed::CreatePanel(window, ControlId({ControlName::message}), events);
    oButton_ = threed::CreateButton(window, ControlId({ControlName::oButton}), events);
    minBut_ = threed::CreateButton(window, ControlId({ControlName::MinBut}), events);
    reOrgBut_ = threed::CreateButton(window, ControlId({ControlName::reOrgBut}), events);
    hider_ = PlainChild(window, instance, "BUTTON", "", BS_PUSHBUTTON | WS_VISIBLE);
    tempButton_ = PlainChild(window, instance, "BUTTON", "", BS_PUSHBUTTON | WS_VISIBLE);
    tempButton2_ = PlainChild(window, instance, "BUTTON", "", BS_PUSHBUTTON | WS_VISIBLE);
    imageLists_[0] = ImageList_Create(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                                      ILC_COLOR32 | ILC_MASK, 16, 16);
    imageLists_[1] = ImageList_Create(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                      ILC_COLOR32 | ILC_MASK, 16, 16);

    // Sizes from the window's design, which the layout keeps (it places
    // these controls but takes their size as it finds it). The design is in
    // twips, so the captions keep fitting when the fonts grow with the
    // screen's resolution.
    const int tx = screen_.TwipsPerPixelX(), ty = screen_.TwipsPerPixelY();
    SetWindowPos(oButton_, nullptr, 0, 0, PixelsFromTwips(kOptionsDesign.cx, tx), PixelsFromTwips(kOptionsDesign.cy, ty),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(message_, nullptr, 0, 0, PixelsFromTwips(kMessageDesign.cx, tx), PixelsFromTwips(kMessageDesign.cy, ty),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND bar : {minBut_, reOrgBut_})
        SetWindowPos(bar, nullptr, 0, 0, PixelsFromTwips(kBarButtonDesign.cx, tx), PixelsFromTwips(kBarButtonDesign.cy, ty),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(hScroll_, nullptr, 0, 0, 100, GetSystemMetrics(SM_CYHSCROLL), SWP_NOZORDER | SWP_NOACTIVATE);
    // The bottom bar is always on view; the layout places it.
    threed::SetCaption(oButton_, "Options");
    for (HWND bar : {oButton_, minBut_, reOrgBut_}) ShowWindow(bar, SW_SHOWNA);

    SetTimer(window, kTimer1, 3000, nullptr);
    for (HWND control : tabs_) tabOrder_.push_back(control);
    for (HWND control : buttons_) tabOrder_.push_back(control);
    // The hint panel and the scroll bar lie over the button area.
    for (HWND control : {message_, hScroll_, buttonBG_, oButton_, minBut_, reOrgBut_, hider_,
                         tempButton_, tempButton2_})
        tabOrder_.push_back(control);
    if (std::find(tabOrder_.begin(), tabOrder_.end(), nullptr) != tabOrder_.end()) return false;
    // Each control's child-window id is its control number, so that test
    // tools and accessibility clients can find it (GetDlgItem).
    for (HWND control : tabOrder_) {
        int id = threed::IsThreeDControl(control) ? threed::ControlId(control) : 0;
        if (id > 0) SetWindowLongPtrA(control, GWLP_ID, id);
    }
    auto single = [](ControlName n) { return ControlId({n, 0}); };
    SetWindowLongPtrA(buttonBG_, GWLP_ID, single(ControlName::buttonBG));
    SetWindowLongPtrA(hScroll_, GWLP_ID, single(ControlName::HScroll1));
    SetWindowLongPtrA(hider_, GWLP_ID, single(ControlName::hider));
    SetWindowLongPtrA(tempButton_, GWLP_ID, single(ControlName::tempbutton));
    SetWindowLongPtrA(tempButton2_, GWLP_ID, single(ControlName::tempbutton2));
    for (HWND control : tabOrder_)
        if (threed::IsThreeDControl(control)) fonts_[control] = ControlFont{};
    ApplyTabOrder();
    return true;
}

int MainWindowControls::ControlId(ControlRef c) {
    switch (c.name) {
        case ControlName::sectionButton: return kTabIds + c.index;
        case ControlName::buttonObj: return kButtonIds + c.index;
        default: return kSingleIds + static_cast<int>(c.name);
    }
}

std::optional<ControlRef> MainWindowControls::FromControlId(int id) {
    if (id >= kTabIds && id < kTabIds + kSectionTabs) return ControlRef{ControlName::sectionButton, id - kTabIds};
    if (id >= kButtonIds && id < kButtonIds + kLaunchButtons) return ControlRef{ControlName::buttonObj, id - kButtonIds};
    int single = id - kSingleIds;
    if (single >= static_cast<int>(ControlName::buttonBG) && single <= static_cast<int>(ControlName::tempbutton2))
        return ControlRef{static_cast<ControlName>(single), 0};
    return std::nullopt;
}

HWND MainWindowControls::Handle(ControlRef c) const {
    if (!IsIndexed(c.name) && c.index != 0) return nullptr;
    switch (c.name) {
        case ControlName::sectionButton:
            return c.index >= 0 && c.index < kSectionTabs ? tabs_[c.index] : nullptr;
        case ControlName::buttonObj:
            return c.index >= 0 && c.index < kLaunchButtons ? buttons_[c.index] : nullptr;
        case ControlName::buttonBG: return buttonBG_;
        case ControlName::HScroll1: return hScroll_;
        case ControlName::message: return message_;
        case ControlName::oButton: return oButton_;
        case ControlName::MinBut: return minBut_;
        case ControlName::reOrgBut: return reOrgBut_;
        case ControlName::hider: return hider_;
        case ControlName::tempbutton: return tempButton_;
        case ControlName::tempbutton2: return tempButton2_;
    }
    return nullptr;
}

HWND MainWindowControls::ThreeD(ControlRef c) const {
    HWND control = Handle(c);
    return control && threed::IsThreeDControl(control) ? control : nullptr;
}

std::optional<RECT> MainWindowControls::PlaceOf(HWND control) const {
    if (!control) return std::nullopt;
    if (auto known = places_.find(control); known != places_.end()) return known->second;
    RECT r;
    if (!GetWindowRect(control, &r)) return std::nullopt;
    MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&r), 2);
    places_[control] = r;
    return r;
}

std::optional<ControlGeometry> MainWindowControls::Geometry(ControlRef c) const {
    const std::optional<RECT> place = PlaceOf(Handle(c));
    if (!place) return std::nullopt;
    const RECT& r = *place;
    const int tx = screen_.TwipsPerPixelX(), ty = screen_.TwipsPerPixelY();
    return ControlGeometry{r.left * tx, r.top * ty, (r.right - r.left) * tx, (r.bottom - r.top) * ty};
}

bool MainWindowControls::SetGeometry(ControlRef c, const ControlGeometry& g) {
    HWND control = Handle(c);
    if (!control || g.width < 0 || g.height < 0) return false;
    const int tx = screen_.TwipsPerPixelX(), ty = screen_.TwipsPerPixelY();
    const int left = PixelsFromTwips(g.left, tx), top = PixelsFromTwips(g.top, ty);
    const int width = PixelsFromTwips(g.width, tx), height = PixelsFromTwips(g.height, ty);
    // A control already in place is not moved again: each move repaints it,
    // and the layout places every control each time it runs.
    const RECT wanted{left, top, left + width, top + height};
    if (const std::optional<RECT> now = PlaceOf(control); now && EqualRect(&*now, &wanted)) return true;
    // Most launch buttons wait hidden for their page: a hidden one is moved
    // when it is shown, and one that stays hidden costs no move at all.
    if (c.name == ControlName::buttonObj && !HasStyle(control, WS_VISIBLE)) {
        places_[control] = wanted;
        pendingMoves_.insert(control);
        return true;
    }
    places_.erase(control);
    pendingMoves_.erase(control);
    return SetWindowPos(control, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

void MainWindowControls::MoveIfPending(HWND control) {
    if (pendingMoves_.erase(control) == 0) return;
    const RECT& r = places_[control];
    SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool MainWindowControls::SetVisible(ControlRef c, bool visible) {
    HWND control = Handle(c);
    if (!control) return false;
    if (visible) MoveIfPending(control);
    // The layout shows or hides every control each time it runs; a window
    // shown again still goes through a full move.
    if (HasStyle(control, WS_VISIBLE) != visible) ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
    return true;
}

bool MainWindowControls::SetEnabled(ControlRef c, bool enabled) {
    HWND control = Handle(c);
    if (!control) return false;
    EnableWindow(control, enabled);
    return true;
}

bool MainWindowControls::SetCaption(ControlRef c, const std::string& caption) {
    HWND control = Handle(c);
    if (!control) return false;
    if (threed::IsThreeDControl(control))
        threed::SetCaption(control, caption);
    else
        SetWindowTextA(control, caption.c_str());
    return true;
}

std::string MainWindowControls::Caption(ControlRef c) const {
    HWND control = Handle(c);
    if (!control) return {};
    if (threed::IsThreeDControl(control)) return threed::Caption(control);
    char text[512] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

bool MainWindowControls::SetBackColor(ControlRef c, int32_t oleColour) {
    if (c == ControlRef{ControlName::buttonBG}) return SetButtonAreaColour(oleColour);
    HWND control = ThreeD(c);
    if (!control) return false;
    threed::SetBackColor(control, oleColour);
    return true;
}

// The button area is a plain picture area; its parent paints its background
// with this brush.
bool MainWindowControls::SetButtonAreaColour(int32_t oleColour) {
    HBRUSH brush = CreateSolidBrush(ColourFromOle(oleColour));
    if (!brush) return false;
    if (buttonAreaBrush_) DeleteObject(buttonAreaBrush_);
    buttonAreaBrush_ = brush;
    InvalidateRect(buttonBG_, nullptr, TRUE);
    return true;
}

HBRUSH MainWindowControls::BackgroundBrush(HWND control) const {
    return control && control == buttonBG_ ? buttonAreaBrush_ : nullptr;
}

bool MainWindowControls::SetForeColor(ControlRef c, int32_t oleColour) {
    HWND control = ThreeD(c);
    if (!control) return false;
    threed::SetForeColor(control, oleColour);
    return true;
}

bool MainWindowControls::SetThreeDProperty(ControlRef c, int dispatchId, int32_t value) {
    HWND control = ThreeD(c);
    return control && threed::SetProperty(control, dispatchId, value);
}

bool MainWindowControls::SetFont(ControlRef c, const ControlFont& font) {
    HWND control = ThreeD(c);
    if (!control || font.size <= 0) return false;
    fonts_[control] = font;
    threed::SetFont(control, threed::FontSpec{font.name, static_cast<double>(font.size), font.bold, font.italic});
    return true;
}

bool MainWindowControls::SetFontBold(ControlRef c, bool bold) {
    HWND control = ThreeD(c);
    if (!control) return false;
    ControlFont font = fonts_[control];
    font.bold = bold;
    return SetFont(c, font);
}

bool MainWindowControls::SetToolTip(ControlRef c, const std::string& text) {
    HWND control = ThreeD(c);
    if (!control) return false;
    threed::SetToolTip(control, text);
    return true;
}

bool MainWindowControls::SetTabIndex(ControlRef c, int position) {
    HWND control = Handle(c);
    if (!control || position < 0) return false;
    auto current = std::find(tabOrder_.begin(), tabOrder_.end(), control);
    position = std::min(position, static_cast<int>(tabOrder_.size()) - 1);
    if (current - tabOrder_.begin() == position) return true;
    tabOrder_.erase(current);
    tabOrder_.insert(tabOrder_.begin() + position, control);
    // The keyboard moves through child windows in their z-order: the control
    // goes right behind the one before it.
    HWND before = position == 0 ? HWND_TOP : tabOrder_[static_cast<size_t>(position) - 1];
    SetWindowPos(control, before, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

// Controls are made in their tab order, and a new child window goes below
// its elder siblings: most are in place already.
void MainWindowControls::ApplyTabOrder() {
    HWND previous = nullptr;
    for (HWND control : tabOrder_) {
        if (GetWindow(control, GW_HWNDPREV) != previous)
            SetWindowPos(control, previous ? previous : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = control;
    }
}

bool MainWindowControls::SetTabStop(ControlRef c, bool stop) {
    HWND control = Handle(c);
    if (!control) return false;
    if (HasStyle(control, WS_TABSTOP) == stop) return true;
    LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    SetWindowLongPtrA(control, GWL_STYLE, stop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    return true;
}

bool MainWindowControls::SetAutomaticDrag(ControlRef c, bool automatic) {
    HWND control = ThreeD(c);
    if (!control) return false;
    threed::SetAutomaticDrag(control, automatic);
    return true;
}

bool MainWindowControls::Focus(ControlRef c) {
    HWND control = Handle(c);
    if (!control || !IsWindowVisible(control) || !IsWindowEnabled(control)) return false;
    SetFocus(control);
    return true;
}

void MainWindowControls::SetTimerEnabled(TimerName timer, bool enabled) {
    const UINT_PTR id = timer == TimerName::Timer1 ? kTimer1 : kTimer2;
    if (enabled)
        SetTimer(window_, id, timer == TimerName::Timer1 ? 3000 : 10, nullptr);
    else
        KillTimer(window_, id);
}

bool MainWindowControls::SetScrollRange(ControlRef c, int minimum, int maximum) {
    HWND control = Handle(c);
    if (!control || c.name != ControlName::HScroll1 || maximum < minimum) return false;
    int low = 0, high = 0;
    if (GetScrollRange(control, SB_CTL, &low, &high) && low == minimum && high == maximum) return true;
    ::SetScrollRange(control, SB_CTL, minimum, maximum, TRUE);
    return true;
}

bool MainWindowControls::SetScrollValue(ControlRef c, int value) {
    HWND control = Handle(c);
    if (!control || c.name != ControlName::HScroll1) return false;
    const int before = GetScrollPos(control, SB_CTL);
    if (before == value) return true;
    ::SetScrollPos(control, SB_CTL, value, TRUE);
    // The platform's scroll bar raises no event for a position set by the
    // program; the launcher's handlers count on one, as for the user's.
    if (GetScrollPos(control, SB_CTL) != before && onScrollChange) onScrollChange();
    return true;
}

int MainWindowControls::ScrollValue(ControlRef c) const {
    HWND control = Handle(c);
    return control && c.name == ControlName::HScroll1 ? GetScrollPos(control, SB_CTL) : 0;
}

bool MainWindowControls::SetPicture(ControlRef c, int imageList, const std::string& key) {
    HWND control = ThreeD(c);
    if (!control || imageList < 0 || imageList > 1 || !iconIndexOf) return false;
    const int index = iconIndexOf(key);
    if (index < 0) return false;
    // The layout gives every button its picture each time it runs; a button
    // that shows this very icon already keeps it.
    const PictureSource source{imageList, index};
    auto shown = pictureSources_.find(control);
    if (shown != pictureSources_.end() && shown->second == source) return true;
    if (!threed::SetPicture(control, imageLists_[static_cast<size_t>(imageList)], index)) return false;
    pictureSources_[control] = source;
    return true;
}

void MainWindowControls::ForgetPictureSources() {
    pictureSources_.clear();
    for (HIMAGELIST list : imageLists_) threed::ForgetListIcons(list);
}

bool MainWindowControls::ClearPicture(ControlRef c) {
    HWND control = ThreeD(c);
    if (!control) return false;
    threed::ClearPicture(control);
    pictureSources_.erase(control);
    return true;
}

}  // namespace corvella
