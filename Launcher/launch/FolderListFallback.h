#pragma once
// The folder list port while the main window hosts no folder list-view
// control: it cannot be pointed at a folder, so a launch opens the item
// through the shell instead, and the other calls are never reached.
#include "LaunchPorts.h"

namespace corvella {

class NoFolderList final : public FolderList {
public:
    bool SetCurrentFolder(const std::string&) override { return false; }
    std::optional<int> ListCount() override { return std::nullopt; }
    std::optional<std::string> List(int) override { return std::nullopt; }
    bool Focus() override { return false; }
    bool Select(int) override { return false; }
    std::optional<bool> ExecuteContextMenuItem(int) override { return std::nullopt; }
    std::optional<bool> ExecuteContextMenuItem(const std::string&) override { return std::nullopt; }
};

}  // namespace corvella
