#include "ContextMenus.h"

#include "../settings/Startup.h"

namespace corvella {

namespace {

using C = MenuCommand;

constexpr MenuEntry kButtonMenu[] = {
    {"addbuttontext", "Add/Edit &Button Text", C::addbuttontext},
    {"tooltip", "Add/Edit &Tooltip", C::tooltip},
    {"l1", "", std::nullopt},
    {"reseticon", "&Reset to Default Icon", C::reseticon},
    {"icon", "Choose Different &Icon", C::icon},
    {"l2", "", std::nullopt},
    {"deleteall", "Delete &All in section", C::deleteall},
    {"delete", "&Delete Button", C::deleteButton},
    {"deltip", "D&elete Tooltip", C::deltip},
    {"delbuttext", "Delete B&utton text", C::delbuttext},
};

constexpr MenuEntry kSectionMenu[] = {
    {"addsection", "&Add New Section", C::addsection},
    {"renamesection", "&Rename Section", C::renamesection},
    {"deletesection", "&Delete Section", C::deletesection},
    {"home", "&Make Home Section", C::home},
    {"div1", "", std::nullopt},
    {"fullwidth", "Full-Width Buttons", C::fullwidth},
    {"LargeIcons", "Large Buttons", C::LargeIcons},
    {"SmallIcons", "Small Buttons", C::SmallIcons},
    {"textonly", "Text-only buttons", C::textonly},
};

constexpr MenuEntry kOptionsMenu[] = {
    {"o_options", "&Options", C::o_options},
    {"o_looks", "&Corvella Looks", C::o_looks},
    {"o_buttons", "&Button Looks", C::o_buttons},
    {"ll1", "", std::nullopt},
    {"o_logoff", "L&ogoff User", C::o_logoff},
    {"o_shutdown", "&Shutdown System", C::o_shutdown},
    {"o_restart", "&Restart System", C::o_restart},
    {"lll2", "", std::nullopt},
    {"o_about", "&About Corvella && Help", C::o_about},
    {"o_exit", "E&xit Corvella", C::o_exit},
};

void Run(const std::function<void()>& operation) {
    if (operation) operation();
}

// The two customising dialogs are refused while the configuration is locked.
void RunUnlessLocked(const MenuCommandDeps& deps, const char* refusal, const std::function<void()>& operation) {
    if (deps.settings.gLocked != 0) {
        deps.dialogs.ShowMessage(refusal, MessageButtons::Ok, kProgramTitle);
        return;
    }
    Run(operation);
}

void RunOptionsCommand(MenuCommand command, const MenuCommandDeps& deps) {
    switch (command) {
        case C::o_options:
            deps.cues.Play(Cue::OptionOpen);
            return Run(deps.optionsDialog);
        case C::o_looks:
            return RunUnlessLocked(deps, "Cannot customize Corvella when it is Locked!", deps.themeDialog);
        case C::o_buttons:
            return RunUnlessLocked(deps, "Cannot customize buttons while Corvella is Locked!", deps.buttonSizesDialog);
        case C::o_logoff: return Run(deps.logOff);
        case C::o_shutdown: return Run(deps.shutDown);
        case C::o_restart: return Run(deps.restart);
        case C::o_about:
            deps.cues.Play(Cue::ClickDown);
            return Run(deps.aboutWindow);
        case C::o_exit: return Run(deps.exitProgram);
        default: return;
    }
}

}  // namespace

std::span<const MenuEntry> MenuEntries(ContextMenuName menu) {
    switch (menu) {
        case ContextMenuName::buttonMenu: return kButtonMenu;
        case ContextMenuName::sectionMenu: return kSectionMenu;
        case ContextMenuName::OptionsMenu: return kOptionsMenu;
    }
    return {};
}

void RunMenuCommand(MenuCommand command, int menuIndex, const MenuCommandDeps& deps) {
    Model& m = deps.model;
    switch (command) {
        case C::addbuttontext: return m.OnAddButtonTextCommand(menuIndex);
        case C::tooltip: return m.OnTooltipCommand(menuIndex);
        case C::reseticon: return m.OnResetIconCommand(menuIndex);
        case C::icon: return m.OnIconCommand(menuIndex);
        case C::deleteall: return m.OnDeleteAllCommand();
        case C::deleteButton: return m.OnDeleteCommand(menuIndex);
        case C::deltip: return m.OnDeleteTooltipCommand(menuIndex);
        case C::delbuttext: return m.OnDeleteButtonTextCommand(menuIndex);
        case C::addsection: return m.OnAddSectionCommand();
        case C::renamesection: return m.OnRenameSectionCommand(menuIndex);
        case C::deletesection: return m.OnDeleteSectionCommand(menuIndex);
        case C::home: return m.OnHomeCommand();
        case C::fullwidth: return OnStyleCommand(StyleCommand::fullwidth, menuIndex, deps.layout);
        case C::LargeIcons: return OnStyleCommand(StyleCommand::LargeIcons, menuIndex, deps.layout);
        case C::SmallIcons: return OnStyleCommand(StyleCommand::SmallIcons, menuIndex, deps.layout);
        case C::textonly: return OnStyleCommand(StyleCommand::textonly, menuIndex, deps.layout);
        default: return RunOptionsCommand(command, deps);
    }
}

}  // namespace corvella
