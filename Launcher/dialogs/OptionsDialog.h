#pragma once
// The Options dialog ("Corvella Options"): the switches, the hot key and its
// sensitivity, the shade mode and the lock. It keeps nothing of its own: each
// opening shows the settings, each closing commits and applies them.
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "../model/Lock.h"
#include "../platform/HotKeyReceiverPort.h"
#include "../platform/MainWindowPort.h"
#include "../settings/Settings.h"
#include "OptionsView.h"

namespace corvella {

inline constexpr char kOptionsTitle[] = "Corvella Options";

enum class OptionGroup { Appearance, Behavior };

struct OptionCheck {
    int number;  // Check<number>
    OptionGroup group;
    const char* caption;
    int16_t Settings::*setting;
};

// The nine check boxes in the order the dialog shows them.
std::span<const OptionCheck> OptionChecks();

struct HotKeyName {
    const char* name;
    int16_t code;
};

// F1..F16, then "Scroll Lock": the combo's list.
std::span<const HotKeyName> HotKeyNames();
// An unknown code shows as "Scroll Lock"; an unknown name gives 0.
std::string HotKeyNameOf(int16_t code);
int16_t HotKeyCodeOf(const std::string& name);

inline constexpr const char* kShadeOptionCaptions[kShadeOptions] = {"Top of Screen", "Left or Right of Screen",
                                                                   "Minimize (hide)"};

struct OptionsDeps {
    Settings& settings;
    OptionsView& view;
    MainWindowPort& window;
    HotKeyReceiverPort& hotKey;
    Dialogs& dialogs;
    // The colours of the window and its tabs.
    std::function<void()> applyColours;
    std::function<void()> saveSwitches;
    // SaveSettings and SaveSwitches, for the lock button.
    std::function<void()> saveSettingsAndSwitches;
    std::function<void()> saveLockState;
    // Loads the tray window (true) or unloads it.
    std::function<void(bool load)> loadTray;
    // Shows or hides the caption bar.
    std::function<void(bool shown)> applyCaptionBar;
    std::function<void()> arrangeWindow;
};

class OptionsDialog {
public:
    explicit OptionsDialog(OptionsDeps deps) : d_(std::move(deps)) {}

    // Settings to controls; the dialog goes above the main window.
    void OnActivate();
    // Controls to settings, applied and saved.
    void OnUnload();
    void OnShadeOptionClick(int index);
    void OnCloseClick() { d_.view.Close(); }
    void OnLockClick() { Command2Click(Lock()); }
    void OnPasswordClick() { Command3Click(Lock()); }

private:
    LockDeps Lock();

    OptionsDeps d_;
};

}  // namespace corvella
