#pragma once
// The settings harness plus fakes of the start-up platform, the subsystems it
// calls, the dialogs and the file system, all writing to the same call log.
#include <map>

#include "SettingsHarness.h"
#include "settings/Startup.h"

namespace corvella::testing {

class FakeStartupPlatform final : public StartupPlatform {
public:
    explicit FakeStartupPlatform(CallLog& log) : log_(log) {}
    bool PreviousInstanceRunning() override { return otherCopyRuns; }
    void ActivatePreviousInstance() override { log_.push_back("activate other copy"); }
    std::vector<std::string> FontFaceNames() override {
        log_.push_back("fonts");
        return fonts;
    }
    uint32_t PlatformVersion() override { return version; }
    void ShowMainWindow() override { log_.push_back("show main window"); }
    void CloseMainWindow() override { log_.push_back("close main window"); }

    bool otherCopyRuns = false;
    std::vector<std::string> fonts{"Tahoma", "Arial", "MS Sans Serif"};
    uint32_t version = 0x0A280105;

private:
    CallLog& log_;
};

class RecordingStartupLinks : public StartupLinks {
public:
    explicit RecordingStartupLinks(CallLog& log) : log_(log) {}
    void LoadSplash() override { log_.push_back("load splash"); }
    void UnloadSplash() override { log_.push_back("unload splash"); }
    void BuildEjectDriveList() override { log_.push_back("drive list"); }
    void SetAllSectionStyles(int16_t style) override { log_.push_back("section styles " + std::to_string(style)); }
    void ArrangeWindow() override { log_.push_back("arrange"); }
    void ToggleShade() override { log_.push_back("shade"); }
    void KeepWindowOnScreen() override { log_.push_back("keep on screen"); }
    void LoadTray() override { log_.push_back("load tray"); }
    void ShowCurrentSection(bool paint) override { log_.push_back(std::string("show current section ") + (paint ? "1" : "0")); }
    void RemoveButtonsFromTabOrder() override { log_.push_back("buttons out of tab order"); }
    void FocusCurrentTab() override { log_.push_back("focus current tab"); }
    void StopTimers() override { log_.push_back("stop timers"); }
    void UnloadAuxiliaryWindows() override { log_.push_back("unload auxiliary windows"); }

private:
    CallLog& log_;
};

class FakeDialogs final : public Dialogs {
public:
    explicit FakeDialogs(CallLog& log) : log_(log) {}
    using Dialogs::ShowMessage;
    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons, std::string_view title,
                              DefaultButton defaultButton) override {
        log_.push_back("message " + std::string(text) + " | " + std::string(title) +
                       (defaultButton == DefaultButton::Second ? " | default No" : ""));
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
    }
    std::string AskText(std::string_view prompt, std::string_view, std::string_view) override {
        log_.push_back("ask " + std::string(prompt));
        if (answers.empty()) return typed;
        std::string next = answers.front();
        answers.erase(answers.begin());
        return next;
    }
    MessageAnswer answer = MessageAnswer::Yes;
    std::string typed;
    // Answers for the next input boxes in turn; `typed` once they are used up.
    std::vector<std::string> answers;

private:
    CallLog& log_;
};

class FakeFileSystem final : public FileSystem {
public:
    explicit FakeFileSystem(CallLog& log) : log_(log) {}
    std::optional<std::string> Environment(const std::string& name) const override {
        auto found = environment.find(name);
        if (found == environment.end()) return std::nullopt;
        return found->second;
    }
    std::vector<std::string> FilesIn(const std::string& folder) const override {
        auto found = files.find(folder);
        return found == files.end() ? std::vector<std::string>{} : found->second;
    }
    void RemoveFile(const std::string& path) override { log_.push_back("delete " + path); }

    std::map<std::string, std::string> environment;
    std::map<std::string, std::vector<std::string>> files;

private:
    CallLog& log_;
};

struct StartupHarness : SettingsHarness {
    using SettingsHarness::SettingsHarness;

    // The settings routines see the start procedure's own start-up flag.
    StartupDeps StartDeps() {
        SettingsDeps settingsDeps{profile, window, screen, events, cues, hotKey, links, state.startupFlag};
        return {settingsDeps, platform, startLinks, dialogs, files};
    }
    bool Start() { return RunStartProcedure(state, settings, StartDeps()); }

    FakeStartupPlatform platform{log};
    RecordingStartupLinks startLinks{log};
    FakeDialogs dialogs{log};
    FakeFileSystem files{log};
    StartupState state;
};

}  // namespace corvella::testing
