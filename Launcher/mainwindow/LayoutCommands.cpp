#include "LayoutCommands.h"

#include "../settings/Startup.h"

namespace corvella {

namespace {

int16_t StyleValue(StyleCommand command) {
    switch (command) {
        case StyleCommand::SmallIcons: return 0;
        case StyleCommand::LargeIcons: return -1;
        case StyleCommand::fullwidth: return 2;
        case StyleCommand::textonly: return 3;
    }
    return -1;
}

}  // namespace

void ChangeSectionStyle(int index, int16_t value, const LayoutCommandDeps& deps) {
    const MessageAnswer all = deps.dialogs.ShowMessage("Make ALL Sections use this size button?", MessageButtons::YesNo,
                                                       "Change Button Sizes", DefaultButton::Second);
    if (all == MessageAnswer::Yes)
        deps.sections.gSectionSize.fill(value);
    else if (index >= 0 && index < kMaxSections)
        deps.sections.gSectionSize[static_cast<size_t>(index + 1)] = value;
    deps.saveSettings();
    deps.loadButtons();
    deps.arrangeWindow();
}

void OnStyleCommand(StyleCommand command, int menuIndex, const LayoutCommandDeps& deps) {
    if (deps.settings.gLocked != 0) {
        deps.dialogs.ShowMessage("Cannot change section button sizes when Corvella is Locked!", MessageButtons::Ok,
                                 kProgramTitle);
        return;
    }
    if (menuIndex < 0 || menuIndex >= kMaxSections) return;
    const int16_t value = StyleValue(command);
    if (command == StyleCommand::textonly) {
        // Asked even when the section already shows text only.
        ChangeSectionStyle(menuIndex, value, deps);
        deps.saveLooksAndSections();
        return;
    }
    if (deps.sections.gSectionSize[static_cast<size_t>(menuIndex + 1)] == value) return;
    ChangeSectionStyle(menuIndex, value, deps);
    deps.saveLooksAndSections();
    deps.arrangeWindow();
}

void OnScrollChange(const LayoutCommandDeps& deps) {
    deps.cues.Play(Cue::Scroll);
    deps.arrangeWindow();
    deps.focusCurrentTab();
}

void OnMainWindowResize(bool visible, const LayoutCommandDeps& deps) {
    deps.controls.SetScrollValue({ControlName::HScroll1, 0}, 0);
    if (!visible) return;
    if (deps.window.IsMinimised()) {
        deps.hideToTray();
        return;
    }
    if (deps.settings.gLocked != 0) {
        // A locked configuration keeps the window where it was loaded.
        const Placement& p = deps.settings.unshadedPlacement;
        deps.window.SetHeight(p.height);
        deps.window.SetWidth(p.width);
        deps.window.SetLeft(p.left);
        deps.window.SetTop(p.top);
    }
    deps.arrangeWindow();
}

}  // namespace corvella
