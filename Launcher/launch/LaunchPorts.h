#pragma once
// What starting an item asks of the platform: the shell, shortcut reading and
// the folder list-view control on the main window.
#include <optional>
#include <string>

namespace corvella {

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecute "open" with the desktop as owner and a normal window; the
    // result is not examined. False when the call cannot be made at all.
    virtual bool Open(const std::string& file, const std::string& parameters, const std::string& directory) = 0;
    // Starts a command line with a normal, focused window.
    virtual void StartCommand(const std::string& commandLine) = 0;
    virtual void PlaySound(const std::string& path) = 0;
    // The 8.3 form of a path (255-character buffer), empty on failure.
    virtual std::string ShortPath(const std::string& path) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    // The platform's copy of the dropped files (`sources`: each path followed
    // by a NUL) into `folder`: its result and whether any part was aborted.
    struct CopyResult {
        int result = 0;
        bool aborted = false;
    };
    virtual CopyResult CopyInto(const std::string& sources, const std::string& folderWithBackslash) = 0;
};

struct ShortcutInfo {
    std::string target;
    std::string arguments;
};

// The shortcut reader component: nothing when it cannot be created; empty
// texts when it was created but the shortcut cannot be read.
class ShortcutReader {
public:
    virtual ~ShortcutReader() = default;
    virtual std::optional<ShortcutInfo> Read(const std::string& path) = 0;
};

// The folder list-view control as a launch uses it: point it at a folder,
// find an item, select it and run its context menu's default command. Each
// call reports whether the control could be called at all; a launch whose
// call fails opens the item through the shell instead.
class FolderList {
public:
    virtual ~FolderList() = default;
    // False when the control cannot be used.
    virtual bool SetCurrentFolder(const std::string& folder) = 0;
    // Nothing when the call fails.
    virtual std::optional<int> ListCount() = 0;
    virtual std::optional<std::string> List(int index) = 0;
    virtual bool Focus() = 0;
    virtual bool Select(int index) = 0;
    // The command's own result (False: the entry did not run); nothing
    // when the call fails.
    virtual std::optional<bool> ExecuteContextMenuItem(int position) = 0;
    virtual std::optional<bool> ExecuteContextMenuItem(const std::string& verb) = 0;
};

}  // namespace corvella
