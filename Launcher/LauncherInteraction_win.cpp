// The launcher's main window interaction wired to the running program: the
// handlers, the context menus and their commands, and starting an item.
#include "LauncherApp_win.h"
#include "mainwindow/ContextMenu_win.h"

namespace corvella {

void LauncherApp::CreateInteraction() {
    InteractionDeps deps{settings_, sections_, buttons_, *model_, controls_, dialogs_, cues_, events_,
                         [this](int record) { Launch(record); },
                         [this](ContextMenuName menu) { ShowContextMenu(menu); },
                         [this] { ToggleShade(); },
                         [this] { OnResize(); },
                         [this] { ArrangeWindow(); },
                         [this] { FocusCurrentTab(); }};
    handlers_ = std::make_unique<MainWindowInteraction>(interaction_, std::move(deps));
    controlEvents_.Attach(handlers_.get());
}

void LauncherApp::ShowContextMenu(ContextMenuName menu) {
    const std::optional<MenuCommand> chosen = TrackContextMenu(window_.Handle(), menu);
    if (chosen) RunMenuCommand(*chosen, interaction_.gMenuIndex, MenuCommands());
}

MenuCommandDeps LauncherApp::MenuCommands() {
    return {settings_, *model_, dialogs_, cues_, LayoutCommands(),
            [this] { ShowOptionsDialog(); },
            [this] { ShowThemeDialog(); }, [this] { ShowButtonSizesDialog(); },
            [this] { RunSystem(SystemCommand::LogOff); },
            [this] { RunSystem(SystemCommand::ShutDown); },
            [this] { RunSystem(SystemCommand::Restart); },
            [this] { ShowAbout(); },
            [this] { OnExitCommand(settings_, Deps()); }};
}

LaunchDeps LauncherApp::LaunchDepsNow() {
    CheckOwnComponents();
    return {shell_, shortcuts_, folderList_, events_, dialogs_, programFolder_, settings_.enableDocPath};
}

void LauncherApp::Launch(int record) {
    if (!buttons_.Valid(record)) return;
    LaunchItem(launch_, buttons_.gButtonTarget[static_cast<size_t>(record)], "", LaunchDepsNow());
}

}  // namespace corvella
