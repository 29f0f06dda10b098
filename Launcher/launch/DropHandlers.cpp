#include "DropHandlers.h"

#include "../settings/Startup.h"

namespace corvella {

namespace {

constexpr char kNeedsShortcut[] =
    "You must create a shortcut for this item first, then drop it onto Corvella.  You can delete the shortcut when "
    "you're done.";
constexpr char kTabNeedsShortcut[] =
    "Can't directly add that type of object...  try creating a shortcut for it first, then dropping that onto the "
    "Corvella!";
constexpr char kLockedWindow[] = "Corvella is LOCKED... Cannot add buttons.";
constexpr char kLockedArea[] = "Cannot add buttons while Corvella is Locked!";

void Tell(const DropDeps& deps, const char* text) { deps.dialogs.ShowMessage(text, MessageButtons::Ok, kProgramTitle); }

void Call(const std::function<void()>& f) {
    if (f) f();
}

void Forget(DroppedData& data) {
    data.paths.clear();
    data.hasFileList = false;
}

// Adds a button for each path to `section`; false when the data held no
// file list (the caller tells the user).
bool AddDroppedButtons(DroppedData& data, int16_t section, const DropDeps& deps) {
    if (!data.hasFileList) return false;
    deps.events.LetPendingEventsRun();
    SetDropControlsEnabled(deps.controls, false);
    for (const std::string& path : data.paths) {
        AddButton(deps.buttons.gButtonCount, path, section, deps.add);
        deps.events.LetPendingEventsRun();
    }
    deps.model.LoadButtons();
    Call(deps.arrangeWindow);
    SetDropControlsEnabled(deps.controls, true);
    Forget(data);
    return true;
}

// A drop onto the window or the button area: buttons of the section on show.
void AddToCurrentSection(DroppedData& data, const char* lockedMessage, const DropDeps& deps) {
    if (deps.settings.gLocked != 0) return Tell(deps, lockedMessage);
    if (!AddDroppedButtons(data, deps.sections.gCurrentSection, deps)) Tell(deps, kNeedsShortcut);
}

}  // namespace

void SetDropControlsEnabled(WindowControls& controls, bool enabled) {
    for (int i = 0; i < kSectionTabs; ++i) controls.SetEnabled({ControlName::sectionButton, i}, enabled);
    for (int s = 0; s < kButtonSlots; ++s) controls.SetEnabled({ControlName::buttonObj, s}, enabled);
    controls.SetEnabled({ControlName::oButton}, enabled);
    controls.SetEnabled({ControlName::HScroll1}, enabled);
}

void OnDropOnWindow(DroppedData& data, const DropDeps& deps) { AddToCurrentSection(data, kLockedWindow, deps); }

void OnDropOnButtonArea(DroppedData& data, const DropDeps& deps) { AddToCurrentSection(data, kLockedArea, deps); }

void OnDropOnTab(int index, DroppedData& data, const DropDeps& deps) {
    if (deps.settings.gLocked != 0) return Tell(deps, kLockedArea);
    if (index < 0 || index >= deps.sections.gSectionCount || index >= kMaxSections) return;
    if (!AddDroppedButtons(data, static_cast<int16_t>(index + 1), deps)) Tell(deps, kTabNeedsShortcut);
    Call(deps.focusCurrentTab);
}

void OnDropOnLaunchButton(int slot, DroppedData& data, const DropDeps& deps) {
    if (data.hasFileList && slot >= 0 && slot < kButtonSlots) {
        std::string& copyList = deps.launch.gDropCopyList;
        copyList.clear();
        SetDropControlsEnabled(deps.controls, false);
        std::string documents;
        for (const std::string& path : data.paths) {
            if (!documents.empty()) documents += ' ';
            documents += deps.add.shell.ShortPath(path);
            copyList += path;
            copyList += '\0';
        }
        copyList += '\0';
        if (!documents.empty()) {
            Call(deps.focusCurrentTab);
            deps.events.LetPendingEventsRun();
            const int record = deps.buttons.gSlotButton[static_cast<size_t>(slot)];
            if (deps.buttons.Valid(record) && deps.launchWithDocuments) deps.launchWithDocuments(record, documents);
        }
        SetDropControlsEnabled(deps.controls, true);
        Forget(data);
        // Unlike a click, holding Control does not keep the section.
        if (deps.settings.UseHomeSection != 0) Call(deps.returnHome);
    }
    Call(deps.focusCurrentTab);
}

void OnDragOverWindow(const DropDeps& deps) { Call(deps.focusMainWindow); }

void OnDragOverButtonArea(const DropDeps& deps) { deps.controls.Focus({ControlName::buttonBG}); }

void RouteDrop(std::optional<ControlRef> on, DroppedData& data, const DropDeps& deps) {
    const ControlName name = on ? on->name : ControlName::hider;
    switch (name) {
        case ControlName::sectionButton: return OnDropOnTab(on->index, data, deps);
        case ControlName::buttonObj: return OnDropOnLaunchButton(on->index, data, deps);
        case ControlName::buttonBG: return OnDropOnButtonArea(data, deps);
        default: return OnDropOnWindow(data, deps);
    }
}

void RouteDragOver(std::optional<ControlRef> over, const DropDeps& deps) {
    const ControlName name = over ? over->name : ControlName::hider;
    switch (name) {
        case ControlName::sectionButton:
            if (deps.dragOverTab) deps.dragOverTab(over->index);
            return;
        case ControlName::buttonObj: return;
        case ControlName::buttonBG: return OnDragOverButtonArea(deps);
        default: return OnDragOverWindow(deps);
    }
}

}  // namespace corvella
