#pragma once
// The configuration lock and its password, as the Options dialog's security
// group drives them: Command2 locks and unlocks, Command3 changes or clears
// the password. While locked, editing commands refuse and option saves write
// nothing; launching keeps working.
#include <functional>
#include <string>

#include "../platform/Dialogs.h"
#include "../settings/Settings.h"

namespace corvella {

// What the security group shows; any part may be empty while the dialog is
// not open.
struct LockView {
    std::function<void(const std::string& caption)> setLockCaption;  // Command2's caption
    // The Behavior, Windowshade Mode and Appearance groups.
    std::function<void(bool enabled)> setOptionGroupsEnabled;
    std::function<void(const std::string& text)> setLockedLabel;
};

struct LockDeps {
    Settings& settings;
    Dialogs& dialogs;
    // SaveSettings and SaveSwitches (each writes nothing while locked).
    std::function<void()> saveSettingsAndSwitches;
    std::function<void()> saveLockState;
    LockView view;
};

// Command2: locks, or unlocks; with a password set, only after it is typed
// (in any case).
void Command2Click(const LockDeps& deps);

// Command3: asks for the current password (typed exactly), then for a new
// one; an empty answer offers to clear it.
void Command3Click(const LockDeps& deps);

std::string LockedLabelText(const Settings& settings);
std::string LockButtonCaption(const Settings& settings);

// Shows the lock state on the security group (the dialog's load).
void ShowLockState(const LockDeps& deps);

// Why a new password is refused, or empty when it is acceptable (at least 3
// characters, letters and digits only, any case).
std::string NewPasswordProblem(const std::string& answer);

}  // namespace corvella
