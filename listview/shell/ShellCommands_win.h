#pragma once
// Running the shell's context-menu commands on the list's selection, by
// menu id, by position or by verb, with what the list does around them:
// the cut marks by verb, the watchers stopped while a command runs, and
// the refresh afterwards.
#include <windows.h>

#include <string>

#include "SelectionMenu_win.h"

namespace panorell {

class ListWindow;

// What outlives one command.
struct ShellFlags {
    bool refreshOnNextFocus = false;   // the recycle bin changed under a command
    bool clipboardFilledHere = false;  // this control just filled the clipboard
};

class ShellCommands {
public:
    ShellCommands(ListWindow& list, HWND owner, ShellFlags& flags) : list_(list), owner_(owner), flags_(flags) {}

    // Automation access: each builds the menu for the selection afresh.
    int MenuCount();
    std::string MenuText(int position);
    std::string MenuVerb(int position);
    // False when there is no such entry, a detail filler runs, or the
    // shell reports failure.
    bool RunByPosition(int position);
    // True when no entry has the verb or nothing is selected; else the
    // command's result. False while a detail filler runs.
    bool RunByVerb(const std::string& verb);

    // Runs command `id` of a built menu with the verb rules (the watchers
    // are the caller's business). Id 0 runs nothing.
    bool Run(const SelectionMenu& menu, UINT id);
    // After a command: refresh now, or when the list is next focused.
    void After();
    // Run, then After, with the folder watchers stopped meanwhile.
    bool RunStopped(const SelectionMenu& menu, UINT id);

    // Removes every cut mark; true when there was one.
    bool ClearCutMarks();

private:
    ListWindow& list_;
    HWND owner_;
    ShellFlags& flags_;
    bool refreshAfterCommand_ = false;
};

}  // namespace panorell
