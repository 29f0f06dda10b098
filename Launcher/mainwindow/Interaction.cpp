#include "Interaction.h"

#include "../settings/Startup.h"

namespace corvella {

namespace {

constexpr int kHoverTicksToOpen = 15;
constexpr int16_t kHoverTickLimit = 1000;

ControlRef Tab(int index) { return {ControlName::sectionButton, index}; }

}  // namespace

// While a menu (or the icon dialog of one of its commands) is open, the
// buttons, tabs, the move switch and the window background do nothing.
bool MainWindowInteraction::Ignored() const { return s_.gMenuOpen || d_.model.busy(); }

void MainWindowInteraction::ShowMenu(ContextMenuName menu) {
    s_.gMenuOpen = true;
    if (d_.showMenu) d_.showMenu(menu);
    s_.gMenuOpen = false;
}

bool MainWindowInteraction::IsSectionTab(int index) const {
    return index >= 0 && index < d_.sections.gSectionCount && index < kMaxSections;
}

void MainWindowInteraction::OnButtonMouseDown(int index, int button) {
    if (Ignored()) return;
    d_.cues.Play(Cue::ClickDown);
    s_.gMenuIndex = static_cast<int16_t>(index);
    if (button != kRightMouseButton) {
        s_.gButtonPressed = true;
        d_.events.LetPendingEventsRun();
        return;
    }
    s_.gButtonPressed = false;
    ShowMenu(ContextMenuName::buttonMenu);
}

void MainWindowInteraction::OnButtonMouseUp(int index, int shift) {
    if (Ignored()) return;
    d_.cues.Play(Cue::ClickUp);
    if (s_.gButtonPressed) Release(index, shift);
}

void MainWindowInteraction::OnButtonKeyDown(int index, int key) {
    if (Ignored() || key != kSpaceKey) return;
    d_.cues.Play(Cue::ClickDown);
    s_.gMenuIndex = static_cast<int16_t>(index);
    s_.gButtonPressed = true;
}

void MainWindowInteraction::OnButtonKeyUp(int index, int key, int shift) {
    if (Ignored()) return;
    d_.cues.Play(Cue::ClickUp);
    if (key == kSpaceKey && s_.gButtonPressed) Release(index, shift);
}

// A pressed launch button was released: its item starts. Control held keeps
// the window unshaded and the section where it is.
void MainWindowInteraction::Release(int index, int shift) {
    s_.gButtonPressed = false;
    const bool control = shift == kControlShift;
    if (!control && d_.settings.EnableShade != 0 && d_.toggleShade) d_.toggleShade();
    d_.focusCurrentTab();
    if (index >= 0 && index <= kButtonSlots && d_.launch)
        d_.launch(d_.buttons.gSlotButton[static_cast<size_t>(index)]);
    if (!control && d_.settings.UseHomeSection != 0) ReturnHome();
}

void MainWindowInteraction::ReturnHome() {
    Settings& s = d_.settings;
    d_.model.ShowCurrentSection(false);
    if (s.HomeSection < 1) s.HomeSection = 1;
    // A home section past the last one (a hand-edited file) would show a
    // section that does not exist: the first one stands in.
    const int16_t home = s.HomeSection <= d_.sections.gSectionCount ? s.HomeSection : int16_t{1};
    ShowSection(home, true);
}

// Makes section `number` current; the button area takes its colour when
// `colour` is set; the resize handler arranges the window again.
void MainWindowInteraction::ShowSection(int16_t number, bool colour) {
    d_.sections.gCurrentSection = number;
    d_.model.ShowCurrentSection(true);
    if (colour)
        d_.controls.SetBackColor({ControlName::buttonBG, 0}, d_.sections.gSectionColor[static_cast<size_t>(number)]);
    d_.resize();
}

void MainWindowInteraction::OnTabMouseDown(int index, int button) {
    if (Ignored()) return;
    s_.gMenuIndex = static_cast<int16_t>(index);
    if (button == kRightMouseButton) ShowMenu(ContextMenuName::sectionMenu);
}

void MainWindowInteraction::OnTabMouseUp(int index) {
    if (Ignored()) return;
    s_.gMenuIndex = static_cast<int16_t>(index);
    if (index == d_.sections.gCurrentSection - 1) {
        d_.cues.Play(Cue::NoGood);
        return;
    }
    if (!IsSectionTab(index)) return;
    d_.cues.Play(Cue::Here);
    SwitchToTab(index);
}

void MainWindowInteraction::OnTabKeyUp(int index, int key) {
    if (key == kSpaceKey) OnTabMouseUp(index);
}

void MainWindowInteraction::SwitchToTab(int index) {
    s_.gButtonPressed = false;
    d_.model.ShowCurrentSection(false);
    ShowSection(static_cast<int16_t>(index + 1), d_.settings.EnableColors != 0);
}

void MainWindowInteraction::OnOptionsButtonClick() {
    s_.gButtonPressed = false;
    ShowMenu(ContextMenuName::OptionsMenu);
}

// A click on the background shades the window, with the cue first when it is
// about to go (the shade itself plays it once more).
void MainWindowInteraction::OnWindowClick() {
    if (Ignored() || !d_.toggleShade) return;
    if (d_.settings.WindowShade == 0) d_.cues.Play(Cue::Shade);
    d_.toggleShade();
}

void MainWindowInteraction::OnMoveSwitchClick() {
    if (d_.settings.gLocked != 0) {
        d_.dialogs.ShowMessage("Cannot move buttons while the Corvella is Locked!", MessageButtons::Ok, kProgramTitle);
        return;
    }
    if (Ignored()) return;
    d_.cues.Play(Cue::Bleep);
    s_.gMoveMode = !s_.gMoveMode;
    if (!s_.gMoveMode) {
        // Leaving move mode writes what was rearranged and reads it back.
        const int16_t current = d_.sections.gCurrentSection;
        d_.model.SaveAllButtons();
        d_.model.LoadSections();
        d_.model.LoadButtons();
        d_.arrangeWindow();
        d_.sections.gCurrentSection = current;
    }
    for (int i = 0; i < kButtonSlots; ++i) d_.controls.SetAutomaticDrag({ControlName::buttonObj, i}, s_.gMoveMode);
    for (int i = 0; i < kSectionTabs; ++i) d_.controls.SetAutomaticDrag(Tab(i), s_.gMoveMode);
    d_.model.ShowCurrentSection(true);
    d_.focusCurrentTab();
    d_.arrangeWindow();
}

void MainWindowInteraction::OnDragOverControl(ControlRef over) { d_.controls.Focus(over); }

void MainWindowInteraction::OnDropOnButton(int index, bool sourceIsTab, int sourceIndex) {
    d_.focusCurrentTab();
    if (sourceIsTab) return;
    d_.model.MoveButtonOfSlot(sourceIndex, index);
    d_.focusCurrentTab();
    d_.arrangeWindow();
}

void MainWindowInteraction::OnDropOnTab(int index, bool sourceIsTab, int sourceIndex) {
    if (sourceIsTab) {
        d_.model.MoveSection(sourceIndex, index);
        return;
    }
    d_.focusCurrentTab();
    if (!IsSectionTab(index)) return;
    d_.model.MoveButtonToSection(sourceIndex, static_cast<int16_t>(index + 1));
    d_.arrangeWindow();
}

void MainWindowInteraction::OnFilesOverTab(int index) {
    if (s_.gHoverTab == 0 && s_.gHoverPhase == 0) {
        d_.controls.SetTimerEnabled(TimerName::Timer2, true);
        s_.gHoverTab = static_cast<int16_t>(index + 1);
        s_.gHoverTicks = 0;
        return;
    }
    if (s_.gHoverPhase != 2) return;
    if (index + 1 != s_.gHoverTab) {
        s_.gHoverTab = 0;
        s_.gHoverPhase = 0;
        s_.gHoverTicks = 0;
        d_.controls.SetTimerEnabled(TimerName::Timer2, false);
        return;
    }
    if (s_.gHoverTicks <= kHoverTicksToOpen) return;
    d_.controls.SetTimerEnabled(TimerName::Timer2, false);
    d_.controls.Focus(Tab(index));
    s_.gMenuIndex = static_cast<int16_t>(index);
    if (index != d_.sections.gCurrentSection - 1 && IsSectionTab(index)) SwitchToTab(index);
}

void MainWindowInteraction::OnHoverTimerTick() {
    if (s_.gHoverTicks < kHoverTickLimit) ++s_.gHoverTicks;
    if (s_.gHoverTab == 0) {
        s_.gHoverPhase = 0;
        s_.gHoverTicks = 0;
    } else {
        s_.gHoverPhase = 2;
    }
}

}  // namespace corvella
