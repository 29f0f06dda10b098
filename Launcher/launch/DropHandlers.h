#pragma once
// Files dropped from the shell onto the main window: onto the window or the
// button area they become buttons of the section on show, onto a tab buttons
// of that tab's section, onto a launch button documents of its item. The
// controls that take drops stay disabled while the button table is rewritten.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "../mainwindow/WindowControls.h"
#include "../model/Model.h"
#include "../platform/Dialogs.h"
#include "../platform/EventLoop.h"
#include "AddButton.h"
#include "LaunchItem.h"

namespace corvella {

// What a drop carries, as far as the launcher reads it: whether there is a
// file list, and its paths in order.
struct DroppedData {
    bool hasFileList = false;
    std::vector<std::string> paths;
};

struct DropDeps {
    Settings& settings;
    SectionTable& sections;
    ButtonTable& buttons;
    Model& model;
    LaunchState& launch;
    WindowControls& controls;
    Dialogs& dialogs;
    EventLoop& events;
    AddButtonDeps add;
    std::function<void()> arrangeWindow;
    std::function<void()> focusCurrentTab;
    std::function<void()> focusMainWindow;
    // Starts the item of a button record with documents.
    std::function<void(int record, const std::string& documents)> launchWithDocuments;
    // Shows the home section as after a click on a launch button.
    std::function<void()> returnHome;
    // Something is dragged over tab `index`: the spring-loaded tab.
    std::function<void(int index)> dragOverTab;
};

// The 20 tabs, the 50 launch buttons, the options button and the page scroll
// bar, as one group.
void SetDropControlsEnabled(WindowControls& controls, bool enabled);

void OnDropOnWindow(DroppedData& data, const DropDeps& deps);
void OnDropOnButtonArea(DroppedData& data, const DropDeps& deps);
// Tab `index` (0-based) shows section index + 1.
void OnDropOnTab(int index, DroppedData& data, const DropDeps& deps);
// Launch button `slot`; works while the configuration is locked.
void OnDropOnLaunchButton(int slot, DroppedData& data, const DropDeps& deps);

// Something is dragged over the window or the button area.
void OnDragOverWindow(const DropDeps& deps);
void OnDragOverButtonArea(const DropDeps& deps);

// A drop, or a drag, over control `on` of the main window; nothing for the
// window itself. Controls without drop handlers of their own (the bottom
// bar, the hint panel, the scroll bar) lie on the window and count as it.
void RouteDrop(std::optional<ControlRef> on, DroppedData& data, const DropDeps& deps);
void RouteDragOver(std::optional<ControlRef> over, const DropDeps& deps);

}  // namespace corvella
