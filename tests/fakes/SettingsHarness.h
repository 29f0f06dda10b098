#pragma once
// A fresh launcher state with every settings port faked: a 1024 x 768 screen
// at 15 twips per pixel unless a test says otherwise.

#include "FakePorts.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"

namespace corvella::testing {

class RecordingLinks final : public SettingsLinks {
public:
    explicit RecordingLinks(CallLog& log) : log_(log) {}
    void ShowSplash() override { log_.push_back("splash"); }
    void SetCurrentSection(int16_t s) override {
        SettingsLinks::SetCurrentSection(s);
        log_.push_back("current section " + std::to_string(s));
    }
    void LoadSections() override { log_.push_back("load sections"); }
    void LoadButtons() override { log_.push_back("load buttons"); }
    void SaveSections() override { log_.push_back("save sections"); }
    void RestoreEjectSelection(const std::string& d) override { log_.push_back("eject selection " + d); }
    std::string EjectButtonCaption() const override { return ejectCaption; }

    std::string ejectCaption = "D: cd";

private:
    CallLog& log_;
};

struct SettingsHarness {
    explicit SettingsHarness(std::string iniText = {}, int screenW = 1024, int screenH = 768, int tpp = 15,
                             Profile* real = nullptr)
        : profile(std::move(iniText)), used(real ? *real : profile), screen(screenW, screenH, tpp) {}

    SettingsDeps Deps() { return {used, window, screen, events, cues, hotKey, links, startupFlag}; }

    void Load() { LoadSettings(settings, Deps()); }

    CallLog log;
    Settings settings;
    FakeProfile profile;
    Profile& used;
    FakeWindow window{log};
    FakeScreen screen;
    FakeEventLoop events{log};
    FakeSound sound{log};
    FakeHotKey hotKey{log};
    RecordingLinks links{log};
    CuePlayer cues{sound, "C:\\Corvella", settings.EnableSound};
    int16_t startupFlag = 0;
};

}  // namespace corvella::testing
