#pragma once
// Log-off, restart and shut-down from the options menu: the steps before
// the session ends (sound, eject, shade, temporary files, saving) and the
// shutdown privilege of the launcher's own process.
#include <cstdint>
#include <functional>

#include "../mainwindow/WindowControls.h"
#include "../platform/Dialogs.h"
#include "../platform/EventLoop.h"
#include "../platform/FileSystem.h"
#include "../settings/Settings.h"
#include "../settings/SoundCues.h"
#include "SystemPorts.h"

namespace corvella {

enum class SystemCommand { LogOff, Restart, ShutDown };

// The platform's exit flags: log off, reboot, shut down, and force (close
// programs without asking them).
inline constexpr uint32_t kExitLogOff = 0;
inline constexpr uint32_t kExitShutDown = 1;
inline constexpr uint32_t kExitReboot = 2;
inline constexpr uint32_t kExitForce = 4;
inline constexpr uint32_t kExitReserved = 0xFFFFFFFFu;
inline constexpr int kSystemCommandEventPasses = 1000;

struct SystemActionDeps {
    Settings& settings;
    Dialogs& dialogs;
    const CuePlayer& cues;
    EventLoop& events;
    WindowControls& controls;
    FileSystem& files;
    Session& session;
    // 1 on the NT family.
    int32_t gIsWinNT;
    std::function<void()> ejectAllMedia;
    std::function<void()> toggleShade;
    // SaveSettings, then SaveSwitches.
    std::function<void()> saveSettings;
    // Closes the main window; the program ends with it.
    std::function<void()> endProgram;
};

// The menu handler of o_logoff, o_restart or o_shutdown.
void RunSystemCommand(SystemCommand command, const SystemActionDeps& deps);

// The last steps of the three commands. Each saves before the session is
// asked to end: a forced end does not wait for the launcher to save.
void LogOffUser(const SystemActionDeps& deps);
void RestartSystem(const SystemActionDeps& deps);
void ShutDownSystem(const SystemActionDeps& deps);

// Enables the shutdown privilege of this process; each failing step is
// shown with its error number and the next step runs regardless.
void EnableShutdownPrivilege(Session& session, Dialogs& dialogs);

}  // namespace corvella
