#include "SystemActions.h"

#include <string>

#include "../settings/Startup.h"
#include "../settings/TempFiles.h"

namespace corvella {

namespace {

void Call(const std::function<void()>& f) {
    if (f) f();
}

void ReportStep(uint32_t error, const char* step, Dialogs& dialogs) {
    if (error == 0) return;
    dialogs.ShowMessage(std::string(step) + " error==" + std::to_string(error), MessageButtons::Ok, kProgramTitle);
}

// Restart and shut-down: the privilege (NT family), the save, the exit call.
void ExitAfterSaving(uint32_t flags, const SystemActionDeps& deps) {
    DeleteTempFiles(deps.files);
    if (deps.gIsWinNT == 1) EnableShutdownPrivilege(deps.session, deps.dialogs);
    Call(deps.saveSettings);
    deps.session.EndSession(flags, kExitReserved);
}

}  // namespace

void EnableShutdownPrivilege(Session& session, Dialogs& dialogs) {
    session.ClearLastError();
    ReportStep(session.OpenCurrentProcess(), "GetCurrentProcess", dialogs);
    ReportStep(session.OpenProcessToken(), "OpenProcessToken", dialogs);
    ReportStep(session.LookupShutdownPrivilege(), "LookupPrivilegeValue", dialogs);
    ReportStep(session.AdjustTokenPrivileges(), "AdjustTokenPrivileges", dialogs);
}

void LogOffUser(const SystemActionDeps& deps) {
    DeleteTempFiles(deps.files);
    Call(deps.saveSettings);
    deps.session.EndSession(kExitLogOff | kExitForce, kExitReserved);
    Call(deps.endProgram);
}

void RestartSystem(const SystemActionDeps& deps) { ExitAfterSaving(kExitReboot, deps); }

void ShutDownSystem(const SystemActionDeps& deps) { ExitAfterSaving(kExitShutDown | kExitForce, deps); }

void RunSystemCommand(SystemCommand command, const SystemActionDeps& deps) {
    Settings& s = deps.settings;
    if (s.EnableSystemButtons == 0) {
        deps.dialogs.ShowMessage("System Buttons are Disabled...", MessageButtons::Ok, kProgramTitle);
        return;
    }
    deps.cues.Play(Cue::Bleep);
    if (s.EjectAll != 0) Call(deps.ejectAllMedia);
    deps.controls.Focus({ControlName::hider});
    // Rolled up, not back down: a window already shaded stays so.
    if (s.EnableShade != 0 && s.WindowShade == 0) Call(deps.toggleShade);
    for (int i = 0; i < kSystemCommandEventPasses; ++i) deps.events.LetPendingEventsRun();
    switch (command) {
        case SystemCommand::LogOff: return LogOffUser(deps);
        case SystemCommand::Restart: return RestartSystem(deps);
        case SystemCommand::ShutDown: return ShutDownSystem(deps);
    }
}

}  // namespace corvella
