#pragma once
// The start procedure and the main window's life-cycle handlers: the order in
// which the launcher comes up and goes down.
#include <cstdint>
#include <string>
#include <vector>

#include "../platform/Dialogs.h"
#include "../platform/FileSystem.h"
#include "SettingsFile.h"

namespace corvella {

inline constexpr char kProgramTitle[] = "Corvella";
inline constexpr char kTitleText[] = " Corvella";

struct StartupState {
    // 0 while the start procedure runs, 1 once it has shown the main window.
    int16_t startupFlag = 0;
    // 1 on the NT family, 0 on the 9x family.
    int32_t gIsWinNT = 0;
    // Installed font families, sorted; positions 1..n (position 0 is empty).
    std::vector<std::string> fontList;
    std::string titleText;
};

// What the start-up asks of the platform.
class StartupPlatform {
public:
    virtual ~StartupPlatform() = default;
    // True when another copy of the launcher already runs.
    virtual bool PreviousInstanceRunning() = 0;
    // Brings the running copy's main window back, restored and in front.
    virtual void ActivatePreviousInstance() = 0;
    virtual std::vector<std::string> FontFaceNames() = 0;
    virtual uint32_t PlatformVersion() = 0;
    virtual void ShowMainWindow() = 0;
    // Asks the main window to close, as its close box does.
    virtual void CloseMainWindow() = 0;
};

// What the start-up and shut-down ask of the launcher's other subsystems
// (splash, drive list, sections, layout, shade, tray, the main window's
// controls and timers). Each subsystem implements its part; until it exists
// these defaults do nothing.
class StartupLinks {
public:
    virtual ~StartupLinks() = default;
    virtual void LoadSplash() {}
    virtual void UnloadSplash() {}
    virtual void BuildEjectDriveList() {}
    virtual void SetAllSectionStyles(int16_t /*style*/) {}
    virtual void ArrangeWindow() {}
    virtual void ToggleShade() {}
    // Moves an unshaded window lying on no monitor back onto the nearest one.
    virtual void KeepWindowOnScreen() {}
    virtual void LoadTray() {}
    virtual void ShowCurrentSection(bool /*paint*/) {}
    // Takes the 50 launch buttons out of the keyboard's tab order.
    virtual void RemoveButtonsFromTabOrder() {}
    // The current section's tab: a tab stop, first in the tab order, focused.
    virtual void FocusCurrentTab() {}
    virtual void StopTimers() {}
    // Unloads Form2, the Options dialog, the splash, theme, tour, tray and
    // button-size windows, in that order.
    virtual void UnloadAuxiliaryWindows() {}
};

struct StartupDeps {
    SettingsDeps settings;
    StartupPlatform& platform;
    StartupLinks& links;
    Dialogs& dialogs;
    FileSystem& files;
};

// Runs the start procedure. False when another copy already runs: that copy
// was brought back and this one must end at once, with the settings file
// neither read nor written.
[[nodiscard]] bool RunStartProcedure(StartupState& state, Settings& s, const StartupDeps& deps);

// The operating-system flag: 1 when the high bit of the platform version is
// clear (the NT family), else 0.
int32_t IsWinNTFromVersion(uint32_t version);

// Arms the global hot key: key code, Shift, Control, the sensitivity of gSen,
// then enabled.
void ArmHotKey(const Settings& s, HotKeyReceiverPort& hotKey);

// The main window's close request, whatever its cause.
void OnMainWindowCloseRequest(Settings& s, const StartupDeps& deps);

// The Exit command: saves, then closes the main window (whose close request
// saves once more, with the same result) and so ends the program.
void OnExitCommand(Settings& s, const StartupDeps& deps);

// The main window's activation and focus: the current section's tab takes
// the focus.
void OnMainWindowActivate(const StartupDeps& deps, int16_t currentSection);

}  // namespace corvella
