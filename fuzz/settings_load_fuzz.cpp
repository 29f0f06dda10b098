// A whole start-up load of a fuzzed settings file on in-memory ports: the
// general options, the section and button tables, then the layout of the
// main window. The tables stay within their bounds and every slot shows a
// record that exists. Once the launcher has written a file, loading and
// saving it again changes neither what a load reads nor the text: the first
// save may still normalise (a file saved while shaded keeps its hand-written
// placement, which the next save writes as the launcher reads it), so both
// hold from the first save on.
#include <algorithm>

#include "FuzzInput.h"
#include "fakes/MemoryStore.h"
#include "fakes/ModelHarness.h"
#include "mainwindow/ArrangeWindow.h"
#include "model/FirstIcons.h"
#include "platform/IniFileProfile.h"

using namespace corvella;
using corvella::testing::MemoryStore;
using corvella::testing::ModelHarness;

namespace {

struct Launcher {
    explicit Launcher(std::string text) : store(std::move(text)) {
        // Heights the controls have from the window's design.
        h.controls.SetGeometry({ControlName::HScroll1}, {0, 0, 100, 255});
        h.controls.SetGeometry({ControlName::oButton}, {0, 0, 900, 360});
        h.controls.SetGeometry({ControlName::MinBut}, {0, 0, 555, 210});
        h.controls.SetGeometry({ControlName::message}, {0, 0, 1800, 600});
    }

    void Load() {
        h.startupFlag = 0;
        h.sections.gCurrentSection = 0;
        LoadSettings(h.settings, h.SettingsDepsFor());
        h.startupFlag = 1;
        ArrangeWindow(layout, LayoutDeps{h.settings, h.sections, h.buttons, h.window, h.controls, h.screen,
                                         h.events, false, false});
    }

    // What the load left the launcher with. The placement recorded for the
    // shade to return to is the file's own, before the layout brings a
    // window lost off the screen back; the placement after the layout is
    // what the launcher shows and saves.
    struct Read {
        Settings settings;
        SectionTable sections;
        ButtonTable buttons;
        Placement window;
        friend bool operator==(const Read&, const Read&) = default;
    };
    Read WhatWasRead() const {
        Read read{h.settings, h.sections, h.buttons, h.window.CurrentPlacement()};
        read.settings.unshadedPlacement = {};
        return read;
    }

    std::string Save() {
        SaveSettings(h.settings, h.SettingsDepsFor());
        SaveButtonSizes(h.settings, h.SettingsDepsFor());
        SaveLooksAndSections(h.settings, h.SettingsDepsFor());
        h.model.SaveAllButtons();
        return store.Text();
    }

    void CheckTables() const {
        const SectionTable& s = h.sections;
        FUZZ_CHECK(s.gSectionCount >= 1 && s.gSectionCount <= kMaxSections);
        FUZZ_CHECK(s.gCurrentSection >= 1 && s.gCurrentSection <= s.gSectionCount);
        const ButtonTable& b = h.buttons;
        const auto count = static_cast<size_t>(b.gButtonCount);
        FUZZ_CHECK(b.gButtonTarget.size() == count && b.gButtonSection.size() == count &&
                   b.gButtonTooltip.size() == count && b.gButtonText.size() == count && b.gButtonIcon.size() == count);
        for (size_t k = 0; k < count; ++k) FUZZ_CHECK(!b.gButtonTarget[k].empty());
        // A shaded window lays out no buttons (its slots are filled when it
        // is unrolled), so only an unshaded layout has slots to check.
        if (h.settings.WindowShade != 0) return;
        int shown = 0;
        for (size_t k = 0; k < count; ++k) shown += b.gButtonSection[k] == s.gCurrentSection ? 1 : 0;
        for (int slot = 0; slot < std::min(shown, kButtonSlots); ++slot) {
            const int16_t k = b.gSlotButton[static_cast<size_t>(slot)];
            FUZZ_CHECK(b.Valid(k));
            FUZZ_CHECK_EQ(b.gButtonSection[static_cast<size_t>(k)], s.gCurrentSection);
        }
    }

    // The icons the start-up looks up ahead of the load, from the raw text,
    // are those the load fetches first (the load ends with the default icon).
    void CheckFirstIcons(const std::string& text) const {
        std::vector<std::string> fetched;
        for (size_t i = 0; i + 1 < h.icons.fetched.size(); ++i)
            if (std::find(fetched.begin(), fetched.end(), h.icons.fetched[i]) == fetched.end())
                fetched.push_back(h.icons.fetched[i]);
        FUZZ_CHECK(FirstSectionIconSources(IniDocument(text), "C:\\Corvella") == fetched);
    }

    MemoryStore store;
    IniFileProfile profile{store};
    ModelHarness h{{}, &profile};
    LayoutState layout;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Far longer files only repeat what the short ones reach, more slowly.
    if (size > 16384) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    Launcher first(text);
    first.Load();
    first.CheckTables();
    first.CheckFirstIcons(text);
    const std::string once = first.Save();

    Launcher second(once);
    second.Load();
    second.CheckTables();
    const Launcher::Read read = second.WhatWasRead();
    const std::string twice = second.Save();

    Launcher third(twice);
    third.Load();
    third.CheckTables();
    FUZZ_CHECK(third.WhatWasRead() == read);
    FUZZ_CHECK(third.Save() == twice);
    return 0;
}
