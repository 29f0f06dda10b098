#include "MainWindowLoad.h"

namespace corvella {

void OnMainWindowLoad(WindowControls& controls) {
    for (int i = 0; i < kSectionTabs; ++i) controls.SetTabIndex({ControlName::sectionButton, i}, i);
    for (int s = 0; s < kLaunchButtons - 1; ++s)
        controls.SetTabIndex({ControlName::buttonObj, s}, kSectionTabs + s);
    for (int s = 0; s < kLaunchButtons; ++s)
        controls.SetThreeDProperty({ControlName::buttonObj, s}, kThreeDTabLook, kNormalLook);
}

void FocusCurrentTab(WindowControls& controls, int16_t currentSection) {
    if (currentSection < 1) return;
    const ControlRef tab{ControlName::sectionButton, currentSection - 1};
    controls.SetTabStop(tab, true);
    controls.SetTabIndex(tab, 0);
    controls.Focus(tab);
}

void RemoveButtonsFromTabOrder(WindowControls& controls) {
    for (int s = 0; s < kLaunchButtons - 1; ++s) controls.SetTabStop({ControlName::buttonObj, s}, false);
}

void StopMainWindowTimers(WindowControls& controls) {
    controls.SetTimerEnabled(TimerName::Timer1, false);
    controls.SetTimerEnabled(TimerName::Timer2, false);
}

}  // namespace corvella
