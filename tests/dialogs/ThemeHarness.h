#pragma once
// The theme dialog over the fakes: a model with its settings and tables, the
// dialog's controls in memory, and a log of what reached the main window.
#include "dialogs/ThemeDialog.h"
#include "fakes/FakeDialogViews.h"
#include "fakes/ModelHarness.h"

namespace corvella::testing {

struct ThemeHarness : ModelHarness {
    explicit ThemeHarness(std::string ini) : ModelHarness(std::move(ini)) {
        LoadSettings(settings, SettingsDepsFor());
        for (int i = 0; i < sections.gSectionCount; ++i)
            controls.SetCaption({ControlName::sectionButton, i}, sections.gSectionName[static_cast<size_t>(i + 1)]);
        profile.writes.clear();
        log.clear();
    }

    ThemeDeps ThemeDepsFor() {
        return {settings, sections, view, dialogs, fontList,
                [this](int i) { return controls.Caption({ControlName::sectionButton, i}); },
                [this] { SaveLooksAndSections(settings, SettingsDepsFor()); },
                [this] { log.push_back("arrange"); },
                [this](bool paint) { log.push_back(paint ? "mark current" : "unmark current"); },
                [this] { log.push_back("apply looks"); }};
    }

    FakeThemeView view;
    std::vector<std::string> fontList{"", "Arial", "Courier New", "MS Sans Serif", "Tahoma", "symbol"};
    ThemeDialog dialog{ThemeDepsFor()};
};

}  // namespace corvella::testing
