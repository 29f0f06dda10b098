#include "OptionsDialog.h"

#include "../settings/SettingsFile.h"
#include "../settings/Startup.h"

namespace corvella {

namespace {

using G = OptionGroup;

constexpr OptionCheck kChecks[] = {
    {1, G::Appearance, "Enable Sound Effects", &Settings::EnableSound},
    {2, G::Appearance, "Show a Caption bar (to move Corvella && see time/date)", &Settings::gCaption},
    {4, G::Appearance, "Enable Restart, Logoff and Shutdown buttons", &Settings::EnableSystemButtons},
    {8, G::Appearance, "Use a Tray Icon for one-click Corvella access", &Settings::EnableTrayIcon},
    {3, G::Behavior, "Corvella Always on Top", &Settings::EnableOnTop},
    {5, G::Behavior, "Windowshade after use (unless Control-Click)", &Settings::EnableShade},
    {6, G::Behavior, "Eject disks on restart/logoff/shutdown", &Settings::EjectAll},
    {7, G::Behavior, "Always return to home section after use", &Settings::UseHomeSection},
    {9, G::Behavior,
     "When dropping documents onto buttons, Launch with Document Paths instead of Application Path",
     &Settings::enableDocPath},
};

constexpr HotKeyName kHotKeys[] = {
    {"F1", 112},  {"F2", 113},  {"F3", 114},  {"F4", 115},  {"F5", 116},  {"F6", 117},
    {"F7", 118},  {"F8", 119},  {"F9", 120},  {"F10", 121}, {"F11", 122}, {"F12", 123},
    {"F13", 124}, {"F14", 125}, {"F15", 126}, {"F16", 127}, {"Scroll Lock", 145},
};

void Call(const std::function<void()>& f) {
    if (f) f();
}

// A check box holds 0 or 1; any other value stored for a switch counts as set.
int CheckValueOf(int16_t setting) { return setting != 0 ? 1 : 0; }
int16_t SettingOf(int checkValue) { return checkValue != 0 ? 1 : 0; }

}  // namespace

std::span<const OptionCheck> OptionChecks() { return kChecks; }
std::span<const HotKeyName> HotKeyNames() { return kHotKeys; }

std::string HotKeyNameOf(int16_t code) {
    for (const HotKeyName& k : kHotKeys)
        if (k.code == code) return k.name;
    return "Scroll Lock";
}

int16_t HotKeyCodeOf(const std::string& name) {
    for (const HotKeyName& k : kHotKeys)
        if (name == k.name) return k.code;
    return 0;
}

LockDeps OptionsDialog::Lock() {
    OptionsView& view = d_.view;
    return {d_.settings, d_.dialogs, d_.saveSettingsAndSwitches, d_.saveLockState,
            LockView{[&view](const std::string& c) { view.SetLockCaption(c); },
                     [&view](bool enabled) { view.SetOptionGroupsEnabled(enabled); },
                     [&view](const std::string& t) { view.SetLockedLabel(t); }}};
}

void OptionsDialog::OnActivate() {
    Settings& s = d_.settings;
    OptionsView& view = d_.view;
    for (const OptionCheck& c : kChecks) view.SetCheck(c.number, CheckValueOf(s.*c.setting));
    ShowLockState(Lock());
    view.SetHotKeyText(HotKeyNameOf(s.HotKey));
    view.SetShift(s.HotKeyShift != 0);
    view.SetControl(s.HotKeyControl != 0);
    view.SetSensitivity(s.gSen);
    for (int i = 0; i < kShadeOptions; ++i) view.SetShadeOption(i, i == s.WindowShadeMode);
    // The dialog stays above the main window, whatever the main window's own
    // setting; that setting comes back on unload.
    d_.window.SetTopMost(false);
    view.SetTopMost(true);
}

void OptionsDialog::OnShadeOptionClick(int index) {
    if (index < 0 || index >= kShadeOptions) return;
    d_.settings.WindowShadeMode = static_cast<int16_t>(index);
    for (int i = 0; i < kShadeOptions; ++i) d_.view.SetShadeOption(i, i == index);
}

void OptionsDialog::OnUnload() {
    Settings& s = d_.settings;
    OptionsView& view = d_.view;
    for (const OptionCheck& c : kChecks) s.*c.setting = SettingOf(view.Check(c.number));
    s.HotKey = HotKeyCodeOf(view.HotKeyText());
    s.HotKeyShift = view.Shift() ? 1 : 0;
    s.HotKeyControl = view.Control() ? 1 : 0;
    d_.hotKey.SetKeyCode(s.HotKey);
    d_.hotKey.SetShift(s.HotKeyShift != 0);
    d_.hotKey.SetControl(s.HotKeyControl != 0);
    s.gSen = static_cast<int16_t>(view.Sensitivity());
    if (auto sensitivity = HotKeySensitivityFor(s.gSen)) d_.hotKey.SetSensitivity(*sensitivity);
    Call(d_.applyColours);
    d_.window.SetTopMost(s.EnableOnTop != 0);
    Call(d_.saveSwitches);
    if (d_.loadTray) d_.loadTray(s.EnableTrayIcon != 0);
    if (d_.applyCaptionBar) d_.applyCaptionBar(s.gCaption != 0);
    ArmHotKey(s, d_.hotKey);
    Call(d_.arrangeWindow);
}

}  // namespace corvella
