#include "Looks.h"

namespace corvella {

ControlFont SectionTabFont(const Settings& s) {
    return ControlFont{s.sFontName, s.sFontSize, s.sFontBold != 0, s.sFontItalic != 0};
}

ControlFont LaunchButtonFont(const Settings& s) {
    return ControlFont{s.bFontName, s.bFontSize, s.bFontBold != 0, s.bFontItalic != 0};
}

void ApplyFonts(const Settings& s, WindowControls& controls, int currentSection) {
    const ControlFont tab = SectionTabFont(s), button = LaunchButtonFont(s);
    ControlFont current = tab;
    current.bold = true;
    for (int i = 0; i < kSectionTabs; ++i)
        controls.SetFont({ControlName::sectionButton, i}, i == currentSection - 1 ? current : tab);
    for (int i = 0; i < kLaunchButtons; ++i) controls.SetFont({ControlName::buttonObj, i}, button);
}

void ApplyLooks(const LooksDeps& deps) {
    deps.window.SetBackColor(deps.settings.BackColor);
    for (int i = 1; i <= kMaxSections; ++i) {
        const ControlRef tab{ControlName::sectionButton, i - 1};
        deps.controls.SetBackColor(tab, deps.sections.gSectionColor[static_cast<size_t>(i)]);
        deps.controls.SetForeColor(tab, deps.sections.gSectionFGColor[static_cast<size_t>(i)]);
    }
    ApplyFonts(deps.settings, deps.controls, deps.sections.gCurrentSection);
    if (deps.showCurrentSection) deps.showCurrentSection(true);
}

}  // namespace corvella
