#include "OptionsDialog_win.h"

namespace corvella {

namespace {

namespace ids = options_ids;

constexpr int kWidth = 520, kHeight = 486;
constexpr int kLeft = 22, kRowWidth = 470, kRowHeight = 18;
constexpr int kMaxSensitivity = 10;
constexpr char kTip[] = "Tip: Right-click section and object buttons for more features!";

bool IsChecked(HWND box) { return box && SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void SetChecked(HWND box, bool checked) {
    if (box) SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

OptionsDialogWindow::OptionsDialogWindow(const std::function<OptionsDeps(OptionsView&)>& makeDeps)
    : dialog_(makeDeps(*this)) {}

void OptionsDialogWindow::Show(HWND owner) { Run(owner, kOptionsTitle, kWidth, kHeight); }

HWND OptionsDialogWindow::Add(std::vector<HWND>& group, HWND control) {
    if (control) group.push_back(control);
    return control;
}

// A group: a raised panel with its caption in bold. Controls made later go
// under it in the window order, so OnInit moves the panels to the bottom once
// all exist.
void OptionsDialogWindow::Group(std::vector<HWND>& members, const char* caption, int id, int x, int y, int width,
                                int height) {
    HWND frame = ThreeD(threed::CreatePanel(Handle(), id, this), "", x, y, width, height);
    if (frame) frames_.push_back(frame);
    Add(members, frame);
    Add(members, Label(caption, x + 8, y + 4, width - 16, 14, true));
}

HWND OptionsDialogWindow::CheckBox(int number, int x, int y, int width, int height) {
    for (const OptionCheck& c : OptionChecks())
        if (c.number == number)
            return Child("BUTTON", BS_AUTOCHECKBOX | BS_MULTILINE | WS_TABSTOP, ids::kCheck + number, x, y, width,
                         height, c.caption);
    return nullptr;
}

void OptionsDialogWindow::CreateAppearance() {
    Group(appearance_, "Appearance", ids::kAppearance, 10, 8, 500, 104);
    int y = 28;
    for (int number : {1, 2, 4, 8}) {
        Add(appearance_, CheckBox(number, kLeft, y, kRowWidth, kRowHeight));
        y += 20;
    }
}

void OptionsDialogWindow::CreateBehavior() {
    Group(behavior_, "Behavior", ids::kBehavior, 10, 118, 500, 218);
    int y = 138;
    for (int number : {3, 5, 6, 7}) {
        Add(behavior_, CheckBox(number, kLeft, y, kRowWidth, kRowHeight));
        y += 20;
    }
    Add(behavior_, CheckBox(9, kLeft, y, kRowWidth, 30));
    Add(behavior_, Label("Hotkey", kLeft, 258, 50, 16));
    HWND combo = Add(behavior_, Child("COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                                      ids::kCombo1, 76, 254, 110, 240));
    for (const HotKeyName& key : HotKeyNames())
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key.name));
    Add(behavior_, Child("BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, ids::kShift, 200, 256, 100, kRowHeight, "with SHIFT"));
    Add(behavior_,
        Child("BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, ids::kControl, 310, 256, 120, kRowHeight, "with CONTROL"));
    Add(behavior_, Label("Hotkey Sensitivity", kLeft, 292, 110, 16));
    Add(behavior_, Label("Less", 140, 292, 30, 16));
    Add(behavior_, Slider(ids::kSlider, false, 0, kMaxSensitivity, 1, 172, 286, 240, 30));
    Add(behavior_, Label("More", 416, 292, 40, 16));
}

void OptionsDialogWindow::CreateShadeAndSecurity() {
    Group(shadeMode_, "Windowshade Mode", ids::kShadeMode, 10, 342, 245, 96);
    for (int i = 0; i < kShadeOptions; ++i)
        Add(shadeMode_, Child("BUTTON", BS_RADIOBUTTON | WS_TABSTOP, ids::kOption1 + i, kLeft, 362 + 22 * i, 220,
                              kRowHeight, kShadeOptionCaptions[i]));
    std::vector<HWND> security;  // never disabled
    Group(security, "Security", ids::kSecurity, 265, 342, 245, 96);
    Child("STATIC", SS_LEFT, ids::kLockedLabel, 277, 362, 220, 16, "Configuration is");
    Child("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, ids::kCommand2, 277, 388, 100, 26, "&Lock");
    Child("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, ids::kCommand3, 385, 388, 115, 26, "Change &Password");
}

void OptionsDialogWindow::OnInit() {
    CreateAppearance();
    CreateBehavior();
    CreateShadeAndSecurity();
    Label(kTip, 10, 450, 380, 30);
    Child("BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, ids::kCommand1, 410, 448, 100, 28, "&Close");
    for (HWND frame : frames_) SetWindowPos(frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    dialog_.OnActivate();
}

void OptionsDialogWindow::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return;
    if (id >= ids::kOption1 && id < ids::kOption1 + kShadeOptions) return dialog_.OnShadeOptionClick(id - ids::kOption1);
    switch (id) {
        case ids::kCommand1: return dialog_.OnCloseClick();
        case ids::kCommand2: return dialog_.OnLockClick();
        case ids::kCommand3: return dialog_.OnPasswordClick();
        default: return;
    }
}

// The close box and Escape close the dialog as "Close" does.
void OptionsDialogWindow::OnCloseRequest() { Close(); }

void OptionsDialogWindow::SetCheck(int number, int value) { SetChecked(Item(ids::kCheck + number), value != 0); }
int OptionsDialogWindow::Check(int number) const { return IsChecked(Item(ids::kCheck + number)) ? 1 : 0; }

void OptionsDialogWindow::SetHotKeyText(const std::string& name) {
    HWND combo = Item(ids::kCombo1);
    const LRESULT at = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
    if (at == CB_ERR) SetWindowTextA(combo, name.c_str());
}

std::string OptionsDialogWindow::HotKeyText() const { return TextOf(Item(ids::kCombo1)); }

void OptionsDialogWindow::SetShift(bool checked) { SetChecked(Item(ids::kShift), checked); }
bool OptionsDialogWindow::Shift() const { return IsChecked(Item(ids::kShift)); }
void OptionsDialogWindow::SetControl(bool checked) { SetChecked(Item(ids::kControl), checked); }
bool OptionsDialogWindow::Control() const { return IsChecked(Item(ids::kControl)); }

// The slider shows the nearest value of its range; a stored value outside
// it reads back as that nearest value.
void OptionsDialogWindow::SetSensitivity(int value) { SetSliderPosition(Item(ids::kSlider), value); }
int OptionsDialogWindow::Sensitivity() const { return SliderPosition(Item(ids::kSlider)); }

void OptionsDialogWindow::SetShadeOption(int index, bool selected) { SetChecked(Item(ids::kOption1 + index), selected); }

void OptionsDialogWindow::SetOptionGroupsEnabled(bool enabled) {
    for (const auto* group : {&appearance_, &behavior_, &shadeMode_})
        for (HWND control : *group) EnableWindow(control, enabled ? TRUE : FALSE);
}

void OptionsDialogWindow::SetLockCaption(const std::string& caption) {
    SetWindowTextA(Item(ids::kCommand2), caption.c_str());
}

void OptionsDialogWindow::SetLockedLabel(const std::string& text) {
    SetWindowTextA(Item(ids::kLockedLabel), text.c_str());
}

void OptionsDialogWindow::SetTopMost(bool onTop) {
    SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void OptionsDialogWindow::Close() {
    if (closing_) return;
    closing_ = true;
    dialog_.OnUnload();
    End(IDOK);
}

}  // namespace corvella
