#pragma once
// The folder list port over the main window's hosted list-view control,
// through its automation interface. Without a control every call fails,
// so a launch opens the item through the shell.
#include <windows.h>

#include "../mainwindow/FolderListHost_win.h"
#include "LaunchPorts.h"

namespace corvella {

class ControlFolderList final : public FolderList {
public:
    explicit ControlFolderList(FolderListHost& host) : host_(host) {}

    bool SetCurrentFolder(const std::string& folder) override;
    std::optional<int> ListCount() override;
    std::optional<std::string> List(int index) override;
    bool Focus() override;
    bool Select(int index) override;
    std::optional<bool> ExecuteContextMenuItem(int position) override;
    std::optional<bool> ExecuteContextMenuItem(const std::string& verb) override;

private:
    std::optional<bool> Execute(VARIANT item);

    FolderListHost& host_;
};

}  // namespace corvella
