#include "ShellCommands_win.h"

#include <vector>

#include "../ListWindow_win.h"
#include "CommandVerbRules.h"

namespace panorell {

int ShellCommands::MenuCount() {
    SelectionMenu menu;
    if (!menu.Build(list_, owner_)) return 0;
    return static_cast<int>(menu.Entries().size());
}

std::string ShellCommands::MenuText(int position) {
    SelectionMenu menu;
    return menu.Build(list_, owner_) ? menu.Text(position) : std::string();
}

std::string ShellCommands::MenuVerb(int position) {
    SelectionMenu menu;
    if (!menu.Build(list_, owner_)) return std::string();
    const std::vector<UINT> ids = menu.Entries();
    return position >= 0 && position < static_cast<int>(ids.size()) ? menu.Verb(ids[position]) : std::string();
}

bool ShellCommands::RunByPosition(int position) {
    if (list_.FillerRunning()) return false;
    SelectionMenu menu;
    if (!menu.Build(list_, owner_)) return false;
    const std::vector<UINT> ids = menu.Entries();
    if (position < 0 || position >= static_cast<int>(ids.size())) return false;
    return RunStopped(menu, ids[position]);
}

bool ShellCommands::RunByVerb(const std::string& verb) {
    if (list_.FillerRunning()) return false;
    SelectionMenu menu;
    if (!menu.Build(list_, owner_)) return true;
    for (UINT id : menu.Entries())
        if (SameVerb(menu.Verb(id), verb)) return RunStopped(menu, id);
    return true;
}

// The folder's own change would otherwise reach the list while the shell
// works on it; the watchers come back once the list is up to date.
bool ShellCommands::RunStopped(const SelectionMenu& menu, UINT id) {
    list_.StopWatchers();
    const bool ok = Run(menu, id);
    After();
    list_.RestartWatchers();
    return ok;
}

bool ShellCommands::Run(const SelectionMenu& menu, UINT id) {
    if (id == 0 || list_.FillerRunning()) return false;
    switch (ClassifyVerb(menu.Verb(id))) {
    case VerbKind::Cut:
        ClearCutMarks();
        for (int index : list_.SelectionInOrder()) list_.SetCut(index, true);
        flags_.clipboardFilledHere = true;
        refreshAfterCommand_ = false;
        break;
    case VerbKind::Copy:
        ClearCutMarks();
        flags_.clipboardFilledHere = true;
        refreshAfterCommand_ = false;
        break;
    case VerbKind::Changes:
        refreshAfterCommand_ = true;
        break;
    case VerbKind::Other:
        refreshAfterCommand_ = false;
        break;
    }
    return menu.Invoke(id);
}

void ShellCommands::After() {
    const AfterCommand after = AfterCommandRules(list_.CurrentNameSpace() == kRecycleBin, refreshAfterCommand_);
    if (after.refreshOnNextFocus) flags_.refreshOnNextFocus = true;
    if (after.refreshNow) list_.Refresh();
}

bool ShellCommands::ClearCutMarks() {
    bool any = false;
    for (int i = 0, count = list_.ListCount(); i < count; ++i) {
        const ListItem* item = list_.Item(i);
        if (item == nullptr || !item->cut) continue;
        list_.SetCut(i, false);
        any = true;
    }
    return any;
}

}  // namespace panorell
