#pragma once
// The main window's three context menus: the items with their names and
// captions, in the order shown, and the commands they run.
#include <functional>
#include <optional>
#include <span>

#include "../model/Model.h"
#include "LayoutCommands.h"

namespace corvella {

enum class ContextMenuName { buttonMenu, sectionMenu, OptionsMenu };

enum class MenuCommand {
    addbuttontext, tooltip, reseticon, icon, deleteall, deleteButton, deltip, delbuttext,
    addsection, renamesection, deletesection, home, fullwidth, LargeIcons, SmallIcons, textonly,
    o_options, o_looks, o_buttons, o_logoff, o_shutdown, o_restart, o_about, o_exit,
};

struct MenuEntry {
    const char* name;
    const char* caption;               // empty for a separator
    std::optional<MenuCommand> command;  // none for a separator
};

std::span<const MenuEntry> MenuEntries(ContextMenuName menu);

// The operations of other parts of the launcher that the options menu
// reaches; any of them may be empty until that part exists.
struct MenuCommandDeps {
    Settings& settings;
    Model& model;
    Dialogs& dialogs;
    const CuePlayer& cues;
    LayoutCommandDeps layout;
    std::function<void()> optionsDialog;
    std::function<void()> themeDialog;
    std::function<void()> buttonSizesDialog;
    std::function<void()> logOff;
    std::function<void()> shutDown;
    std::function<void()> restart;
    std::function<void()> aboutWindow;
    std::function<void()> exitProgram;
};

// Runs a command on the button or tab the menu was opened on (`menuIndex`).
void RunMenuCommand(MenuCommand command, int menuIndex, const MenuCommandDeps& deps);

}  // namespace corvella
