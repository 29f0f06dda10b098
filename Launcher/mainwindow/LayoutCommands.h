#pragma once
// The commands and handlers that exist to drive the layout: a section's
// button style (the four style commands of the tab menu), the page scroll
// bar's change and the window's resize.
#include <functional>

#include "../model/Sections.h"
#include "../platform/Dialogs.h"
#include "../platform/MainWindowPort.h"
#include "../settings/Settings.h"
#include "../settings/SoundCues.h"
#include "WindowControls.h"

namespace corvella {

struct LayoutCommandDeps {
    Settings& settings;
    SectionTable& sections;
    Dialogs& dialogs;
    WindowControls& controls;
    MainWindowPort& window;
    const CuePlayer& cues;
    std::function<void()> saveSettings;
    std::function<void()> saveLooksAndSections;
    std::function<void()> loadButtons;
    std::function<void()> arrangeWindow;
    std::function<void()> focusCurrentTab;
    // Minimised: the window hides and the notification-area icon stands in.
    std::function<void()> hideToTray;
};

enum class StyleCommand { SmallIcons, LargeIcons, fullwidth, textonly };

// Sets the style of the section with 0-based `index`, or of all 20 positions
// when the user says so, then saves, reloads the buttons and arranges.
void ChangeSectionStyle(int index, int16_t value, const LayoutCommandDeps& deps);

// A style command of the tab menu opened on tab `menuIndex`.
void OnStyleCommand(StyleCommand command, int menuIndex, const LayoutCommandDeps& deps);

// The page scroll bar moved.
void OnScrollChange(const LayoutCommandDeps& deps);

// The main window's size changed.
void OnMainWindowResize(bool visible, const LayoutCommandDeps& deps);

}  // namespace corvella
