#include "Lock.h"

#include "../settings/ProfileText.h"
#include "../settings/Startup.h"

namespace corvella {

namespace {

constexpr char kLockTitle[] = "Lock/Unlock Corvella";

void Tell(const LockDeps& deps, const std::string& text) {
    deps.dialogs.ShowMessage(text, MessageButtons::Ok, kProgramTitle);
}

template <typename Function, typename... Args>
void Call(const Function& f, Args&&... args) {
    if (f) f(std::forward<Args>(args)...);
}

bool IsPasswordCharacter(char c) {
    const auto code = static_cast<unsigned char>(c);
    return (code >= '0' && code <= '9') || (code >= 'a' && code <= 'z');
}

}  // namespace

std::string LockedLabelText(const Settings& s) {
    return s.gLocked != 0 ? "Configuration is LOCKED" : "Configuration is UNLOCKED";
}

std::string LockButtonCaption(const Settings& s) { return s.gLocked != 0 ? "&Unlock" : "&Lock"; }

void ShowLockState(const LockDeps& deps) {
    Call(deps.view.setLockCaption, LockButtonCaption(deps.settings));
    Call(deps.view.setOptionGroupsEnabled, deps.settings.gLocked == 0);
    Call(deps.view.setLockedLabel, LockedLabelText(deps.settings));
}

void Command2Click(const LockDeps& deps) {
    Settings& s = deps.settings;
    // Saved before the state changes: locking keeps the options as they are now.
    Call(deps.saveSettingsAndSwitches);
    if (!s.gPassword.empty()) {
        const std::string typed = deps.dialogs.AskText("Enter Password", kLockTitle, "");
        if (LowerCase(typed) != s.gPassword) {
            Tell(deps, "Password Incorrect...");
            return;
        }
    }
    const bool locking = s.gLocked == 0;
    s.gLocked = locking ? 1 : 0;
    Call(deps.saveLockState);
    ShowLockState(deps);
    if (locking && s.gPassword.empty())
        Tell(deps, "Configuration is now locked, but your password has not been set.  This means that anyone can "
                   "unlock the configuration.");
}

std::string NewPasswordProblem(const std::string& answer) {
    if (answer.size() < 3) return "Password must be at least 3 characters in length!";
    for (char c : LowerCase(answer))
        if (!IsPasswordCharacter(c)) return "Password MUST consist of letters and numbers only!";
    return {};
}

void Command3Click(const LockDeps& deps) {
    Settings& s = deps.settings;
    if (!s.gPassword.empty() &&
        deps.dialogs.AskText("Enter Current Password", "Change Password", "") != s.gPassword) {
        Tell(deps, "Password Incorrect");
        return;
    }
    const std::string answer =
        deps.dialogs.AskText("Enter NEW Password (use letters and numbers only!)", "Create Password", "");
    if (answer.empty()) {
        if (deps.dialogs.ShowMessage("Do you wish to clear the password?", MessageButtons::YesNo,
                                     "Clear Password?") != MessageAnswer::Yes)
            return;
        s.gPassword.clear();
        Call(deps.saveLockState);
        return;
    }
    if (const std::string problem = NewPasswordProblem(answer); !problem.empty()) {
        Tell(deps, problem);
        return;
    }
    s.gPassword = LowerCase(answer);
    Call(deps.saveLockState);
}

}  // namespace corvella
