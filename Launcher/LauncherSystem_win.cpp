// The removable drives and the eject button, log-off / restart / shut-down
// and the Options dialog, wired to the running program.
#include "LauncherApp_win.h"
#include "dialogs/Looks.h"
#include "dialogs/OptionsDialog_win.h"
#include "settings/StartupTrace_win.h"

namespace corvella {

void LauncherApp::CreateSystemActions() {
    ejectLibrary_ = std::make_unique<WinEjectLibrary>(programFolder_);
    model_->onRestoreEjectSelection = [this](const std::string& ejectDefault) {
        RestoreEjectSelection(ejectDrives_, ejectDefault, controls_);
        MarkStartup("sections and buttons loaded");
    };
    controlEvents_.onEjectButtonUp = [this](int button) { OnMinButMouseUp(ejectDrives_, button, EjectDepsNow()); };
}

void LauncherApp::BuildEjectDriveList() {
    corvella::BuildEjectDriveList(ejectDrives_, drives_, stopwatch_, events_);
    MarkStartup("drive list built");
}

EjectDeps LauncherApp::EjectDepsNow() {
    return {drives_, *ejectLibrary_, stopwatch_, events_, controls_, [this] { FocusCurrentTab(); }};
}

void LauncherApp::RunSystem(SystemCommand command) {
    SystemActionDeps deps{settings_, dialogs_, cues_, events_, controls_, files_, session_, state_.gIsWinNT,
                          [this] { EjectAllMedia(ejectDrives_, EjectDepsNow()); },
                          [this] { ToggleShade(); },
                          [this] {
                              SaveSettings(settings_, SettingsDepsNow());
                              SaveSwitches(settings_, SettingsDepsNow());
                          },
                          [this] { platform_.CloseMainWindow(); }};
    RunSystemCommand(command, deps);
}

void LauncherApp::ShowOptionsDialog() {
    auto deps = [this](OptionsView& view) {
        HotKeyReceiverPort& hotKey = hotKey_ ? static_cast<HotKeyReceiverPort&>(*hotKey_) : noHotKey_;
        return OptionsDeps{settings_, view, window_, hotKey, dialogs_,
                           [this] { ApplyLooksNow(); },
                           [this] { SaveSwitches(settings_, SettingsDepsNow()); },
                           [this] {
                               SaveSettings(settings_, SettingsDepsNow());
                               SaveSwitches(settings_, SettingsDepsNow());
                           },
                           [this] { SaveLockState(settings_, SettingsDepsNow()); },
                           [this](bool load) { LoadTrayWindow(load); },
                           [this](bool shown) { SetWindowTitle(window_, shown); },
                           [this] { ArrangeWindow(); }};
    };
    OptionsDialogWindow dialog(deps);
    dialog.Show(window_.Handle());
}

}  // namespace corvella
