#include "LaunchItem.h"

#include "../settings/ProfileText.h"
#include "../settings/Startup.h"
#include "PathText.h"

namespace corvella {

namespace {

std::string UpToControlCharacter(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) < 32) return text.substr(0, i);
    return text;
}

std::string WithBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

bool IsProgramName(const std::string& lowerName) { return EndsWith(lowerName, ".exe") || EndsWith(lowerName, ".com"); }

// The working folder of a stored target: the program folder for a bare file
// name (a shortcut copy), else the target's own folder.
std::string LongFolderOf(const std::string& raw, const LaunchDeps& deps) {
    return Trimmed(raw.size() < 2 || raw[1] != ':' ? deps.programFolder : ParentFolderOf(raw));
}

void Wait(const LaunchDeps& deps) {
    for (int i = 0; i < 10000; ++i) deps.events.LetPendingEventsRun();
}

// Focuses the control, selects item `index` and runs its first context-menu
// command, or its "open" command when the first did not run. False as soon
// as a call on the control fails: then nothing has started yet, and the
// caller opens the item another way.
bool RunDefaultCommand(FolderList& list, int index, const LaunchDeps& deps) {
    if (!list.Focus()) return false;
    Wait(deps);
    if (!list.Select(index)) return false;
    Wait(deps);
    const std::optional<bool> ran = list.ExecuteContextMenuItem(0);
    if (!ran.has_value()) return false;
    Wait(deps);
    if (!*ran && !list.ExecuteContextMenuItem("open").has_value()) return false;
    for (int w = 0; w < 3; ++w) Wait(deps);
    return true;
}

// Opens the item through the folder list's context menu; the item starts
// at most once, through the list or else through the shell.
void OpenThroughFolderList(const std::string& raw, const std::string& shortDir, const LaunchDeps& deps) {
    FolderList& list = deps.folderList;
    const std::string longDir = LongFolderOf(raw, deps);
    const std::string name = LowerCase(Trimmed(FileNameOf(raw)));
    auto fallback = [&] { deps.shell.Open(longDir + "\\" + name, "", ""); };
    if (!list.SetCurrentFolder(shortDir)) return fallback();
    deps.events.LetPendingEventsRun();
    const std::string wanted = LowerCase(Trimmed(deps.shell.ShortPath(WithBackslash(longDir) + name)));
    const std::optional<int> count = list.ListCount();
    if (!count.has_value()) return fallback();
    for (int i = 0; i < *count; ++i) {
        const std::optional<std::string> item = list.List(i);
        if (!item.has_value()) return fallback();
        if (LowerCase(Trimmed(deps.shell.ShortPath(*item))) != wanted) continue;
        if (!RunDefaultCommand(list, i, deps)) fallback();
        return;
    }
}

void LaunchWithoutDocuments(LaunchState& state, const std::string& raw, const LaunchDeps& deps) {
    const std::string t = LowerCase(Trimmed(raw));
    if (EndsWith(t, ".wav")) return deps.shell.PlaySound(t);
    if (deps.shell.IsFolder(t)) return deps.shell.StartCommand("explorer " + WithBackslash(t));
    std::string dir = LongFolderOf(raw, deps);
    std::string name = LowerCase(Trimmed(FileNameOf(raw)));
    if (EndsWith(name, ".lnk")) name = deps.programFolder + "\\" + name;
    dir = deps.shell.ShortPath(dir);
    if (IsProgramName(name)) {
        deps.shell.Open(dir + "\\" + name, "", dir);
        return;
    }
    if (EndsWith(name, ".lnk")) {
        ReadShortcut(state, name, deps);
        if (!state.gLinkTarget.empty() && IsProgramName(LowerCase(state.gLinkTarget)) && state.gLinkArguments.empty()) {
            deps.shell.Open(name, "", "");
            return;
        }
    }
    OpenThroughFolderList(raw, dir, deps);
}

void LaunchWithDocuments(LaunchState& state, const std::string& raw, const std::string& documents,
                         const LaunchDeps& deps) {
    const std::string ext = LowerCase(raw.size() >= 4 ? raw.substr(raw.size() - 4) : raw);
    const std::string firstDocument = documents.substr(0, documents.find(' '));
    auto fallback = [&] { deps.shell.Open(raw, documents, deps.programFolder); };
    if (ext == ".exe" || ext == ".com") {
        const std::string dir = deps.enableDocPath ? ParentFolderOf(firstDocument) : ParentFolderOf(raw);
        if (!deps.shell.Open(raw, documents, dir)) fallback();
        return;
    }
    if (ext == ".lnk") {
        state.gLinkTarget.clear();
        const std::string copy = deps.programFolder + "\\" + raw;
        if (!ReadShortcut(state, copy, deps)) return fallback();
        if (deps.shell.IsFolder(state.gLinkTarget)) return CopyFilesIntoFolder(state, state.gLinkTarget, deps);
        std::string file = deps.shell.ShortPath(state.gLinkTarget);
        if (file.empty()) file = copy;
        deps.shell.Open(file, documents, deps.enableDocPath ? ParentFolderOf(firstDocument) : ParentFolderOf(file));
        return;
    }
    if (deps.shell.IsFolder(raw)) return CopyFilesIntoFolder(state, raw, deps);
    const std::size_t slash = raw.rfind('\\');
    const std::string folder = slash == std::string::npos ? std::string() : raw.substr(0, slash + 1);
    deps.shell.Open(slash == std::string::npos ? raw : raw.substr(slash + 1), documents, folder);
}

}  // namespace

bool ReadShortcut(LaunchState& state, const std::string& path, const LaunchDeps& deps) {
    std::optional<ShortcutInfo> read = deps.shortcuts.Read(path);
    state.gLinkTarget = read ? UpToControlCharacter(read->target) : std::string();
    state.gLinkArguments = read ? UpToControlCharacter(read->arguments) : std::string();
    return read.has_value();
}

void CopyFilesIntoFolder(const LaunchState& state, std::string folder, const LaunchDeps& deps) {
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    const Shell::CopyResult copy = deps.shell.CopyInto(state.gDropCopyList, folder + "\\");
    if (copy.result != 0)
        deps.dialogs.ShowMessage("Copy operation aborted...", MessageButtons::Ok, kProgramTitle);
    else if (copy.aborted)
        deps.dialogs.ShowMessage("Copy operation Failed", MessageButtons::Ok, kProgramTitle);
}

void LaunchItem(LaunchState& state, const std::string& target, const std::string& documents, const LaunchDeps& deps) {
    if (documents.empty())
        LaunchWithoutDocuments(state, target, deps);
    else
        LaunchWithDocuments(state, target, documents, deps);
}

}  // namespace corvella
