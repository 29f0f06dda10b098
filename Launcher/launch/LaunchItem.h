#pragma once
// Starting what a button stands for: a sound is played, a folder opens in a
// shell window, a program starts, a shortcut to a program opens directly, and
// anything else runs its default shell command through the folder list.
// Documents dropped onto a button go to its program, or are copied into its
// folder. Failing steps are skipped; nothing is reported but the copy's result.
#include <functional>
#include <string>

#include "../platform/Dialogs.h"
#include "../platform/EventLoop.h"
#include "LaunchPorts.h"

namespace corvella {

struct LaunchState {
    // The last shortcut read.
    std::string gLinkTarget;
    std::string gLinkArguments;
    // The long paths of the files dropped on a button, each followed by a NUL.
    std::string gDropCopyList;
};

struct LaunchDeps {
    Shell& shell;
    ShortcutReader& shortcuts;
    FolderList& folderList;
    EventLoop& events;
    Dialogs& dialogs;
    std::string programFolder;
    int16_t enableDocPath;
};

// `target` is the button's stored target; `documents` the short paths of the
// dropped files separated by blanks, empty for a click.
void LaunchItem(LaunchState& state, const std::string& target, const std::string& documents, const LaunchDeps& deps);

void CopyFilesIntoFolder(const LaunchState& state, std::string folder, const LaunchDeps& deps);

// Reads a shortcut into gLinkTarget and gLinkArguments (each cut before its
// first control character); false when the reader cannot be created.
bool ReadShortcut(LaunchState& state, const std::string& path, const LaunchDeps& deps);

}  // namespace corvella
