#pragma once
// What a drop does to the disk: the file-system questions the effect rules
// ask, the shell's file operation that moves, copies or recycles the
// dragged files, and the shortcuts a link drop makes.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "DropEffectRules.h"

namespace panorell {

class DiskForDrops final : public DropFileSystem {
public:
    bool Exists(const std::string& path) override;
    bool IsFolder(const std::string& path) override;
    std::optional<std::string> ShortcutFolder(const std::string& path) override;
};

enum class DropOperation { Move, Copy, Recycle };

// Runs the shell's file operation on `paths` into `folder` (unused when
// recycling), with undo, owned by `owner`. False when the shell reports a
// failure (a prompt the user cancels included).
bool RunDropOperation(HWND owner, DropOperation operation, const std::vector<std::string>& paths,
                      const std::string& folder);

// One shortcut in `folder` for each of `paths` ("name.ext.lnk", described
// "Shortcut to name.ext"); false when any of them could not be made.
bool MakeShortcuts(const std::vector<std::string>& paths, const std::string& folder);

}  // namespace panorell
