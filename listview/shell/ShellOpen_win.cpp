// Opening an item: folders (and what browses like one) open in the list,
// control panel items run their first menu entry, anything else starts
// with its default shell action.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "../ListWindow_win.h"
#include "../ShellText_win.h"
#include "ListShell_win.h"

namespace panorell {

namespace {

// "\\server": a parsing name whose parent is this names a share.
bool IsServerName(const std::string& text) {
    return text.size() > 2 && text[0] == '\\' && text[1] == '\\' && text.find('\\', 2) == std::string::npos;
}

std::string ParentPart(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return std::string();
    // "C:\x" starts in "C:\", not in "C:" (the drive's current folder).
    return path.substr(0, slash == 2 && path[1] == ':' ? 3 : slash);
}

// The absolute id of item `index`, allocated by the shell; null on failure.
ITEMIDLIST* AbsoluteIdOf(const ListWindow& list, int index) {
    const FolderRecord* shown = list.Current();
    const ITEMIDLIST* relative = list.ItemId(index);
    if (shown == nullptr || relative == nullptr) return nullptr;
    return ILCombine(shown->absoluteId, relative);
}

}  // namespace

bool ListShell::OpensAsFolder(int index) const {
    const ListItem* item = list_.Item(index);
    if (item == nullptr) return false;
    const int shown = list_.CurrentNameSpace();
    if (shown == kMyComputer || shown == kNetwork || item->IsFolder()) return true;
    if (shown == kDesktop) {
        ITEMIDLIST* absolute = AbsoluteIdOf(list_, index);
        const int kind = absolute ? NameSpaceOf(absolute) : kNotSpecial;
        ILFree(absolute);
        if (kind == kRecycleBin || kind == kMyComputer || kind == kNetwork) return true;
    }
    const std::string parsing = DisplayNameOf(list_.Folder(), list_.ItemId(index), SHGDN_FORPARSING);
    return IsServerName(ParentPart(parsing));
}

void ListShell::OpenItem(int index) {
    if (list_.Item(index) == nullptr) return;
    if (list_.CurrentNameSpace() == kControls) {
        Commands().RunByPosition(0);
        return;
    }
    if (OpensAsFolder(index))
        OpenFolder(index);
    else
        OpenFile(index);
}

void ListShell::OpenFolder(int index) {
    ITEMIDLIST* absolute = AbsoluteIdOf(list_, index);
    FolderRecordPtr record = absolute ? RecordFromAbsoluteId(absolute, 0) : nullptr;
    ILFree(absolute);
    const bool moved = record && list_.MoveTo(std::move(record));
    if (list_.sink_ != nullptr) list_.sink_->OnMovedOnItsOwn(moved ? list_.Current() : nullptr, 1);
}

void ListShell::OpenFile(int index) {
    const std::string file = DisplayNameOf(list_.Folder(), list_.ItemId(index), SHGDN_FORPARSING);
    if (file.empty()) return;
    const std::string directory = ParentPart(file);
    // The folder may have gone since it was listed: say so rather than
    // let the shell fail on a stale item.
    if (list_.CurrentNameSpace() != kDesktop) {
        IEnumIDList* items = nullptr;
        if (list_.Folder() == nullptr ||
            FAILED(list_.Folder()->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN,
                                               &items)) ||
            items == nullptr) {
            if (list_.sink_ != nullptr) list_.sink_->OnControlError(1);
            return;
        }
        items->Release();
    }
    SHELLEXECUTEINFOA run{};
    run.cbSize = sizeof run;
    run.hwnd = control_;
    run.lpFile = file.c_str();
    run.lpParameters = "";
    run.lpDirectory = directory.c_str();
    run.nShow = SW_SHOWNORMAL;
    run.hInstApp = ListModule();
    ShellExecuteExA(&run);
}

}  // namespace panorell
