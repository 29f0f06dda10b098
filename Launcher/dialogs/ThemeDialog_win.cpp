#include "ThemeDialog_win.h"

#include "../mainwindow/MainWindow_win.h"
#include "../platform/Screen.h"

namespace corvella {

namespace {

using T = ThemeControl;
namespace ids = theme_ids;

// Client area and places, in pixels.
constexpr int kWidth = 560, kHeight = 470;
constexpr int kLeft = 12, kRight = 252;
constexpr int kRowTop = 66, kRowStep = 18, kRowHeight = 17;
constexpr RECT kFrame{12, 258, 12 + 206, 258 + 166};
constexpr RECT kSampleTab{24, 18, 24 + 155, 18 + 28};

std::pair<int, int> Key(ThemeRef c) { return {static_cast<int>(c.name), c.index}; }

}  // namespace

ThemeDialogWindow::ThemeDialogWindow(const std::function<ThemeDeps(ThemeView&)>& makeDeps, const Screen& screen,
                                     std::string programFolder)
    : dialog_(makeDeps(*this)), screen_(screen), programFolder_(std::move(programFolder)) {}

ThemeDialogWindow::~ThemeDialogWindow() {
    if (samplePicture_) DeleteObject(samplePicture_);
}

void ThemeDialogWindow::Show(HWND owner) { Run(owner, kThemeTitle, kWidth, kHeight); }

void ThemeDialogWindow::OnInit() {
    controls_.clear();
    CreateGlobalControls();
    CreateSectionControls();
    CreatePreview();
    HWND reset = threed::CreateButton(Handle(), ids::kReset, this);
    ThreeD(reset, "Reset to Defaults", kRight, 434, 140, 26);
    HWND close = threed::CreateButton(Handle(), ids::kClose, this);
    ThreeD(close, "Close", kRight + 156, 434, 140, 26);
    filling_ = true;
    dialog_.OnActivate();
    filling_ = false;
}

void ThemeDialogWindow::CreateGlobalControls() {
    HWND w = Handle();
    Label("Global Settings...", kLeft, 10, 230, 16, true);
    Label("Section Button Font", kLeft, 34, 170, 14);
    Label("Size", 192, 34, 44, 14);
    constexpr DWORD kCombo = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP;
    constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
    controls_[Key({T::SectionFont})] = Child("COMBOBOX", kCombo, ids::kSectionFont, kLeft, 50, 170, 220);
    controls_[Key({T::SecFSize})] = Child("EDIT", kEdit, ids::kSecFSize, 192, 50, 44, 22);
    Label("Button Font", kLeft, 82, 170, 14);
    Label("Size", 192, 82, 44, 14);
    controls_[Key({T::ButtonFont})] = Child("COMBOBOX", kCombo, ids::kButtonFont, kLeft, 98, 170, 220);
    controls_[Key({T::ButFSize})] = Child("EDIT", kEdit, ids::kButFSize, 192, 98, 44, 22);
    controls_[Key({T::Check1})] = ThreeD(threed::CreateCheck(w, ids::kCheck1, this), "3D Section Button Text",
                                         kLeft, 132, 224, 20);
    controls_[Key({T::Check2})] = ThreeD(threed::CreateCheck(w, ids::kCheck2, this), "3D Action Button Text",
                                         kLeft, 156, 224, 20);
    Label("Section Button Style", kLeft, 186, 224, 14);
    controls_[Key({T::ButtonStyle})] = Slider(ids::kButtonStyle, false, 1, 4, 1, kLeft, 202, 224, 30);
}

void ThemeDialogWindow::CreateSectionControls() {
    HWND w = Handle();
    Label("Individual Section Settings...", kRight, 10, 296, 16, true);
    Label("Click to Preview Colors", kRight, 34, 140, 28);
    Label("Change Button Color", kRight + 148, 34, 72, 28);
    Label("Change Font Color", kRight + 228, 34, 72, 28);
    for (int i = 0; i < kThemeSections; ++i) {
        const int y = kRowTop + i * kRowStep;
        controls_[Key({T::Option1, i})] =
            ThreeD(threed::CreateButton(w, ids::kOption1 + i, this), "", kRight, y, 140, kRowHeight);
        controls_[Key({T::SSCommand1, i})] =
            ThreeD(threed::CreateButton(w, ids::kSSCommand1 + i, this), "", kRight + 160, y, 40, kRowHeight);
        controls_[Key({T::SSCommand2, i})] =
            ThreeD(threed::CreateButton(w, ids::kSSCommand2 + i, this), "", kRight + 240, y, 40, kRowHeight);
        threed::SetToolTip(controls_[Key({T::SSCommand1, i})], "Change Button Color");
        threed::SetToolTip(controls_[Key({T::SSCommand2, i})], "Change Font Color");
    }
}

// The preview: a tab and a launch button over a panel. They are the panel's
// siblings, above it, so that each paints itself; their places are relative
// to the panel.
void ThemeDialogWindow::CreatePreview() {
    HWND w = Handle();
    frame_ = RECT{Scaled(kFrame.left), Scaled(kFrame.top), Scaled(kFrame.right), Scaled(kFrame.bottom)};
    controls_[Key({T::PreviewLabel})] = Label("Preview Area", kLeft, 242, 206, 14);
    controls_[Key({T::SampleS})] =
        ThreeD(threed::CreateButton(w, ids::kSampleS, this), "Section Button", kFrame.left + kSampleTab.left,
               kFrame.top + kSampleTab.top, kSampleTab.right - kSampleTab.left, kSampleTab.bottom - kSampleTab.top);
    controls_[Key({T::Command1})] = ThreeD(threed::CreateButton(w, ids::kCommand1, this), "Action Button",
                                           kFrame.left + 24, kFrame.top + 90, 155, 62);
    HWND frame = ThreeD(threed::CreatePanel(w, ids::kFrame1, this), "", kFrame.left, kFrame.top,
                        kFrame.right - kFrame.left, kFrame.bottom - kFrame.top);
    SetWindowPos(frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    controls_[Key({T::Frame1})] = frame;
    samplePicture_ = static_cast<HBITMAP>(
        LoadImageA(nullptr, (programFolder_ + "\\fwp3BIG.bmp").c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

void ThemeDialogWindow::OnCommand(int id, int code, HWND control) {
    if (filling_) return;
    switch (id) {
        case ids::kSectionFont:
        case ids::kButtonFont: {
            std::string text;
            if (code == CBN_SELCHANGE) {
                const LRESULT selected = SendMessageA(control, CB_GETCURSEL, 0, 0);
                if (selected == CB_ERR) return;
                const LRESULT length = SendMessageA(control, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
                text.assign(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
                SendMessageA(control, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
                text.resize(strlen(text.c_str()));
            } else if (code == CBN_EDITCHANGE) {
                text = TextOf(control);
            } else {
                return;
            }
            return id == ids::kSectionFont ? dialog_.OnSectionFontChange(text) : dialog_.OnButtonFontChange(text);
        }
        case ids::kSecFSize:
            if (code == EN_CHANGE) dialog_.OnSecFSizeChange(TextOf(control));
            return;
        case ids::kButFSize:
            if (code == EN_CHANGE) dialog_.OnButFSizeChange(TextOf(control));
            return;
        default: return;
    }
}

void ThemeDialogWindow::OnSlider(HWND slider) {
    if (!filling_ && slider == Find({T::ButtonStyle})) dialog_.OnButtonStyleChange(SliderPosition(slider));
}

void ThemeDialogWindow::OnClick(int id) {
    if (id >= ids::kOption1 && id < ids::kOption1 + kThemeSections) return dialog_.OnOption1Click(id - ids::kOption1);
    if (id >= ids::kSSCommand1 && id < ids::kSSCommand1 + kThemeSections)
        return dialog_.OnSSCommand1Click(id - ids::kSSCommand1);
    if (id >= ids::kSSCommand2 && id < ids::kSSCommand2 + kThemeSections)
        return dialog_.OnSSCommand2Click(id - ids::kSSCommand2);
    switch (id) {
        case ids::kCheck1: return dialog_.OnCheck1Click();
        case ids::kCheck2: return dialog_.OnCheck2Click();
        case ids::kReset: return dialog_.OnResetClick();
        case ids::kClose: return dialog_.OnCloseClick();
        default: return;
    }
}

// However the dialog ends, the looks reach the main window.
void ThemeDialogWindow::OnDestroy() { dialog_.OnUnload(); }

HBRUSH ThemeDialogWindow::OnStaticColour(HDC dc, HWND control) {
    if (control != Find({T::PreviewLabel})) return nullptr;
    SetTextColor(dc, ColourFromOle(labelColour_));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

HWND ThemeDialogWindow::Find(ThemeRef c) const {
    auto it = controls_.find(Key(c));
    return it == controls_.end() ? nullptr : it->second;
}

HWND ThemeDialogWindow::ThreeDOf(ThemeRef c) const {
    HWND control = Find(c);
    return control && threed::IsThreeDControl(control) ? control : nullptr;
}

void ThemeDialogWindow::ClearFontLists() {
    for (ThemeControl list : {T::SectionFont, T::ButtonFont})
        if (HWND combo = Find({list})) SendMessageA(combo, CB_RESETCONTENT, 0, 0);
}

void ThemeDialogWindow::SetFontNames(const std::vector<std::string>& names) {
    for (ThemeControl list : {T::SectionFont, T::ButtonFont}) {
        HWND combo = Find({list});
        if (!combo) continue;
        for (const std::string& name : names) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
}

void ThemeDialogWindow::SetText(ThemeRef c, const std::string& text) {
    const bool was = filling_;
    filling_ = true;
    if (HWND control = Find(c)) SetWindowTextA(control, text.c_str());
    filling_ = was;
}

void ThemeDialogWindow::SetChecked(ThemeRef c, bool checked) {
    if (HWND box = ThreeDOf(c)) threed::SetProperty(box, threed::kPropValue, checked ? 1 : 0);
}

bool ThemeDialogWindow::Checked(ThemeRef c) const {
    HWND box = ThreeDOf(c);
    return box && threed::Property(box, threed::kPropValue) == 1;
}

void ThemeDialogWindow::SetSliderValue(ThemeRef c, int value) {
    if (HWND slider = Find(c)) SetSliderPosition(slider, value);
}

void ThemeDialogWindow::SetCaption(ThemeRef c, const std::string& caption) {
    HWND control = Find(c);
    if (!control) return;
    if (threed::IsThreeDControl(control))
        threed::SetCaption(control, caption);
    else
        SetWindowTextA(control, caption.c_str());
}

std::string ThemeDialogWindow::Caption(ThemeRef c) const {
    HWND control = Find(c);
    if (!control) return {};
    return threed::IsThreeDControl(control) ? threed::Caption(control) : TextOf(control);
}

void ThemeDialogWindow::SetBackColor(ThemeRef c, int32_t oleColour) {
    if (HWND control = ThreeDOf(c)) threed::SetBackColor(control, oleColour);
}

// The label's text colour is given as the dialog paints it: the label keeps
// no colour of its own, so it is repainted.
void ThemeDialogWindow::SetForeColor(ThemeRef c, int32_t oleColour) {
    if (HWND control = ThreeDOf(c)) return threed::SetForeColor(control, oleColour);
    if (c.name == T::PreviewLabel) {
        labelColour_ = oleColour;
        if (HWND label = Find(c)) InvalidateRect(label, nullptr, TRUE);
    }
}

void ThemeDialogWindow::SetFont(ThemeRef c, const ControlFont& font) {
    HWND control = ThreeDOf(c);
    if (!control || font.size <= 0) return;
    threed::SetFont(control, threed::FontSpec{font.name, static_cast<double>(font.size), font.bold, font.italic});
}

void ThemeDialogWindow::SetThreeDProperty(ThemeRef c, int dispatchId, int32_t value) {
    if (HWND control = ThreeDOf(c)) threed::SetProperty(control, dispatchId, value);
}

void ThemeDialogWindow::SetGeometry(ThemeRef c, const ControlGeometry& g) {
    HWND control = Find(c);
    if (!control || g.width < 0 || g.height < 0) return;
    const int tx = screen_.TwipsPerPixelX(), ty = screen_.TwipsPerPixelY();
    // The preview button lies on the panel.
    const POINT origin = c.name == T::Command1 ? POINT{frame_.left, frame_.top} : POINT{0, 0};
    SetWindowPos(control, nullptr, origin.x + PixelsFromTwips(g.left, tx), origin.y + PixelsFromTwips(g.top, ty),
                 PixelsFromTwips(g.width, tx), PixelsFromTwips(g.height, ty), SWP_NOZORDER | SWP_NOACTIVATE);
}

void ThemeDialogWindow::ShowSamplePicture(bool shown) {
    HWND button = Find({T::Command1});
    if (!button) return;
    if (shown && samplePicture_)
        threed::SetPicture(button, samplePicture_);
    else
        threed::ClearPicture(button);
}

std::optional<int32_t> ThemeDialogWindow::ChooseColour(int32_t current) {
    int32_t chosen = 0;
    if (!ChooseColourFor(Handle(), current, chosen)) return std::nullopt;
    return chosen;
}

void ThemeDialogWindow::Close() { End(IDOK); }

}  // namespace corvella
