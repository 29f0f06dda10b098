#pragma once
// Loading and saving the general options of Corvella.ini. Every routine reads
// or writes its keys at once, one call per key, in a fixed order; there is no
// cache of the file.
#include <cstdint>
#include <optional>

#include "../platform/EventLoop.h"
#include "../platform/HotKeyReceiverPort.h"
#include "../platform/MainWindowPort.h"
#include "../platform/Profile.h"
#include "../platform/Screen.h"
#include "Settings.h"
#include "SettingsLinks.h"
#include "SoundCues.h"

namespace corvella {

inline constexpr char kOptions[] = "Options";

// What the settings routines work with besides the settings themselves.
struct SettingsDeps {
    Profile& profile;
    MainWindowPort& window;
    const Screen& screen;
    EventLoop& events;
    const CuePlayer& cues;
    HotKeyReceiverPort& hotKey;
    SettingsLinks& links;
    // 0 while the start procedure runs, 1 once the main window is shown.
    const int16_t& startupFlag;
};

// The start-up load: switches, lock, placement, looks, then the section and
// button tables and the eject selection.
void LoadSettings(Settings& s, const SettingsDeps& deps);

// The six switches, and always-on-top applied from EnableOnTop.
void LoadSwitches(Settings& s, const SettingsDeps& deps);

// The six switches. Writes nothing while the configuration is locked.
void SaveSwitches(const Settings& s, const SettingsDeps& deps);

// The general options and the window placement (left alone while shaded).
// Writes nothing while the configuration is locked.
void SaveSettings(const Settings& s, const SettingsDeps& deps);

// gLocked and gPassword; written whether locked or not.
void SaveLockState(const Settings& s, const SettingsDeps& deps);

// Button dimensions, picture and caption positions, styles and icon sizes.
// Writes nothing while the configuration is locked.
void SaveButtonSizes(const Settings& s, const SettingsDeps& deps);

// Fonts and 3-D looks, then the section table; written whether locked or not.
void SaveLooksAndSections(const Settings& s, const SettingsDeps& deps);

// Reads the placement keys (with their defaults) and applies them.
void RestoreWindowPlacement(const SettingsDeps& deps);

// The hot-key receiver's sensitivity for a gSen value 0..10; nothing outside.
std::optional<int32_t> HotKeySensitivityFor(int16_t gSen);

// The password as kept after loading: trimmed, lower case, control
// characters at its end removed; shorter than 3 characters means none.
std::string CleanStoredPassword(std::string_view stored);

}  // namespace corvella
