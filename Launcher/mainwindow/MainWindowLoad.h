#pragma once
// What the main window does with its controls when it loads, when it is
// activated, and at the end of start-up.
#include <cstdint>

#include "WindowControls.h"

namespace corvella {

// The 3-D look value of a tab or button that is not the current tab.
inline constexpr int kThreeDTabLook = 13;
inline constexpr int32_t kNormalLook = 3;
inline constexpr int32_t kCurrentLook = 1;

// Tabs take the tab positions 0..19, the launch buttons 20..69, and every
// button gets the normal 3-D look.
void OnMainWindowLoad(WindowControls& controls);

// The current section's tab becomes a tab stop, first in the tab order, and
// takes the keyboard focus.
void FocusCurrentTab(WindowControls& controls, int16_t currentSection);

// The 50 launch buttons leave the keyboard's tab order.
void RemoveButtonsFromTabOrder(WindowControls& controls);

void StopMainWindowTimers(WindowControls& controls);

}  // namespace corvella
