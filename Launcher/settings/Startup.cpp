#include "Startup.h"

#include "FontList.h"
#include "TempFiles.h"

namespace corvella {

int32_t IsWinNTFromVersion(uint32_t version) { return (version & 0x80000000u) ? 0 : 1; }

void ArmHotKey(const Settings& s, HotKeyReceiverPort& hotKey) {
    hotKey.SetKeyCode(s.HotKey);
    hotKey.SetShift(s.HotKeyShift != 0);
    hotKey.SetControl(s.HotKeyControl != 0);
    if (auto sensitivity = HotKeySensitivityFor(s.gSen)) hotKey.SetSensitivity(*sensitivity);
    hotKey.SetEnabled(true);
}

namespace {

bool RefuseSecondInstance(const StartupDeps& deps) {
    if (!deps.platform.PreviousInstanceRunning()) return false;
    deps.dialogs.ShowMessage("Corvella is already running!", MessageButtons::Ok, kProgramTitle);
    deps.platform.ActivatePreviousInstance();
    deps.links.UnloadAuxiliaryWindows();
    return true;
}

// Lays the window out; a window saved shaded is shaded again, silently.
void ArrangeOrShadeSilently(Settings& s, const StartupDeps& deps) {
    if (s.WindowShade == 0) {
        deps.links.ArrangeWindow();
        return;
    }
    const int16_t sound = s.EnableSound;
    s.EnableSound = 0;
    s.WindowShade = 0;
    deps.links.ArrangeWindow();
    deps.links.ToggleShade();
    s.EnableSound = sound;
}

}  // namespace

bool RunStartProcedure(StartupState& state, Settings& s, const StartupDeps& deps) {
    deps.links.LoadSplash();
    if (RefuseSecondInstance(deps)) return false;
    state.fontList = BuildFontList(deps.platform.FontFaceNames());
    state.gIsWinNT = IsWinNTFromVersion(deps.platform.PlatformVersion());
    deps.links.BuildEjectDriveList();
    DeleteTempFiles(deps.files);
    deps.links.SetAllSectionStyles(-1);

    state.startupFlag = 0;
    deps.settings.events.LetPendingEventsRun();
    deps.settings.events.SleepMs(5);
    LoadSettings(s, deps.settings);
    deps.links.KeepWindowOnScreen();
    ArrangeOrShadeSilently(s, deps);
    ArmHotKey(s, deps.settings.hotKey);
    deps.links.UnloadSplash();

    state.startupFlag = 1;
    state.titleText = kTitleText;
    if (s.EnableTrayIcon != 0) deps.links.LoadTray();
    deps.settings.events.LetPendingEventsRun();

    deps.platform.ShowMainWindow();
    deps.links.ShowCurrentSection(true);
    deps.links.RemoveButtonsFromTabOrder();
    deps.links.FocusCurrentTab();
    // A window shaded at start stays where the shade took it; placing it
    // again would bring it back on the screen while it counts as shaded.
    if (s.WindowShade == 0) {
        RestoreWindowPlacement(deps.settings);
        deps.links.KeepWindowOnScreen();
    }
    deps.links.ArrangeWindow();
    return true;
}

void OnMainWindowCloseRequest(Settings& s, const StartupDeps& deps) {
    SaveSettings(s, deps.settings);
    SaveSwitches(s, deps.settings);
    deps.settings.events.LetPendingEventsRun();
    deps.settings.hotKey.SetSensitivity(0);
    deps.settings.hotKey.SetEnabled(false);
    deps.links.StopTimers();
    deps.settings.events.LetPendingEventsRun();
    deps.links.UnloadAuxiliaryWindows();
}

void OnExitCommand(Settings& s, const StartupDeps& deps) {
    SaveSettings(s, deps.settings);
    SaveSwitches(s, deps.settings);
    deps.platform.CloseMainWindow();
}

void OnMainWindowActivate(const StartupDeps& deps, int16_t currentSection) {
    if (currentSection >= 1) deps.links.FocusCurrentTab();
}

}  // namespace corvella
