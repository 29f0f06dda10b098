#pragma once
// The looks of the main window that the theme dialog edits: the tab and
// launch-button fonts, the section colours on the tabs and the window's
// background.
#include <functional>

#include "../mainwindow/WindowControls.h"
#include "../model/Sections.h"
#include "../platform/MainWindowPort.h"
#include "../settings/Settings.h"

namespace corvella {

ControlFont SectionTabFont(const Settings& s);
ControlFont LaunchButtonFont(const Settings& s);

// The tab font on all 20 tabs and the button font on every launch button.
// The tab of `currentSection` stays bold, as the current section's mark.
// A control that refuses the font (a size of 0 typed into the theme dialog)
// keeps the one it has.
void ApplyFonts(const Settings& s, WindowControls& controls, int currentSection);

struct LooksDeps {
    const Settings& settings;
    const SectionTable& sections;
    WindowControls& controls;
    MainWindowPort& window;
    // Re-marks the current section's tab (bold, latched, coloured bar).
    std::function<void(bool paint)> showCurrentSection;
};

// The window's background, each tab's colours and the fonts, then the
// current section's tab marked again.
void ApplyLooks(const LooksDeps& deps);

}  // namespace corvella
