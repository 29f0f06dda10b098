#pragma once
// A fresh data model over faked ports: the profile, dialogs, the main
// window's controls, the file system and the icon lists.
#include "FakeWindowControls.h"
#include "StartupHarness.h"
#include "model/Model.h"

namespace corvella::testing {

class FakeIconStore final : public IconStore {
public:
    void ClearIconLists() override {
        keys.clear();
        fetched.clear();
    }
    void FetchIcon(const std::string& path) override { fetched.push_back(path); }
    void AddFetchedIcon(const std::string& key) override { keys.push_back(key); }
    std::vector<std::string> fetched, keys;
};

struct ModelHarness {
    // `real`, when given, takes the place of the recording profile.
    explicit ModelHarness(std::string ini = {}, Profile* real = nullptr) : profile(std::move(ini)), used(real ? *real : profile) {}

    ModelDeps Deps() {
        return ModelDeps{settings, used, dialogs, controls, files, icons, "C:\\Corvella",
                         [this] { log.push_back("arrange"); },
                         [this] { SaveLooksAndSections(settings, SettingsDepsFor()); },
                         [this] { SaveSwitches(settings, SettingsDepsFor()); },
                         [this] { return chosenIcon; },
                         [this] { log.push_back(model.busy() ? "events while busy" : "events"); }};
    }
    SettingsDeps SettingsDepsFor() { return {used, window, screen, events, cues, hotKey, model, startupFlag}; }
    // Loads both tables as the start-up does.
    void Load() {
        sections.gCurrentSection = 1;
        model.LoadSections();
        model.LoadButtons();
    }
    // The layout's slot map for the current section: slot s shows its s-th button.
    void MapSlots() {
        int s = 0;
        for (int k = 0; k < buttons.gButtonCount; ++k)
            if (buttons.gButtonSection[static_cast<size_t>(k)] == sections.gCurrentSection)
                buttons.gSlotButton[static_cast<size_t>(s++)] = static_cast<int16_t>(k);
    }
    std::string Button(int n) const { return profile.Value("Button" + std::to_string(n), "Buttons"); }

    CallLog log;
    Settings settings;
    FakeProfile profile;
    Profile& used;
    FakeDialogs dialogs{log};
    FakeWindowControls controls;
    FakeFileSystem files{log};
    FakeIconStore icons;
    FakeWindow window{log};
    FakeScreen screen{1024, 768, 15};
    FakeEventLoop events{log};
    FakeSound sound{log};
    FakeHotKey hotKey{log};
    CuePlayer cues{sound, "C:\\Corvella", settings.EnableSound};
    int16_t startupFlag = 1;
    std::string chosenIcon;
    SectionTable sections;
    ButtonTable buttons;
    Model model{sections, buttons, Deps()};
};

// A record's value with its separators written as '|', for readable tests.
inline std::string Rec(std::string text) {
    for (char& c : text)
        if (c == '|') c = '\xFF';
    return text;
}

}  // namespace corvella::testing
