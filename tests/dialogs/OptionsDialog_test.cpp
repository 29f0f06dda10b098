// The Options dialog: settings to controls on opening, controls to settings
// on closing with everything applied in order, the hot-key names both ways,
// the shade options and the lock's effect on the groups and the file.
#include <gtest/gtest.h>

#include <algorithm>

#include "dialogs/OptionsDialog.h"
#include "fakes/FakeOptionsView.h"
#include "fakes/StartupHarness.h"

namespace corvella {
namespace {

using testing::CallLog;

struct OptionsHarness : testing::SettingsHarness {
    OptionsDeps Deps() {
        auto note = [this](const char* what) { return [this, what] { log.push_back(what); }; };
        return {settings, view, window, hotKey, dialogs,
                note("colours"),
                [this] { SaveSwitches(settings, SettingsHarness::Deps()); },
                [this] {
                    SaveSettings(settings, SettingsHarness::Deps());
                    SaveSwitches(settings, SettingsHarness::Deps());
                },
                [this] { SaveLockState(settings, SettingsHarness::Deps()); },
                [this](bool load) { log.push_back(load ? "load tray" : "unload tray"); },
                [this](bool shown) { log.push_back(shown ? "caption shown" : "caption hidden"); },
                note("arrange")};
    }
    testing::FakeOptionsView view{log};
    testing::FakeDialogs dialogs{log};
    OptionsDialog dialog{Deps()};
};

TEST(OptionsTables, HotKeyNamesAndCodesBothWays) {
    struct Case {
        const char* name;
        int16_t code;
    };
    const Case pairs[] = {{"F1", 112}, {"F8", 119}, {"F9", 120}, {"F12", 123}, {"F16", 127}, {"Scroll Lock", 145}};
    for (const Case& c : pairs) {
        EXPECT_EQ(HotKeyCodeOf(c.name), c.code) << c.name;
        EXPECT_EQ(HotKeyNameOf(c.code), c.name) << c.code;
    }
    ASSERT_EQ(HotKeyNames().size(), 17u);
    EXPECT_STREQ(HotKeyNames().front().name, "F1");
    EXPECT_STREQ(HotKeyNames().back().name, "Scroll Lock");
    for (int16_t unknown : {0, 65, 111, 128, 144, -1}) EXPECT_EQ(HotKeyNameOf(unknown), "Scroll Lock") << unknown;
    for (const char* unknown : {"", "F17", "f5", "Scroll", "F1 "}) EXPECT_EQ(HotKeyCodeOf(unknown), 0) << unknown;
}

TEST(OptionsTables, EveryCheckBoxHasItsOwnNumberAndSetting) {
    std::map<int, int> numbers;
    const auto checks = OptionChecks();
    for (size_t i = 0; i < checks.size(); ++i) {
        ++numbers[checks[i].number];
        for (size_t j = i + 1; j < checks.size(); ++j) EXPECT_NE(checks[i].setting, checks[j].setting) << i << " " << j;
    }
    EXPECT_EQ(numbers.size(), 9u);
    EXPECT_EQ(numbers.begin()->first, 1);
    EXPECT_EQ(numbers.rbegin()->first, 9);
}

TEST(OptionsDialog, OpeningShowsEverySetting) {
    OptionsHarness h;
    Settings& s = h.settings;
    s.EnableSound = 0; s.gCaption = 1; s.EnableSystemButtons = -1; s.EnableTrayIcon = 0;
    s.EnableOnTop = 1; s.EnableShade = 0; s.EjectAll = 1; s.UseHomeSection = 0; s.enableDocPath = 1;
    s.HotKey = 118; s.HotKeyShift = 1; s.HotKeyControl = 0; s.gSen = 7; s.WindowShadeMode = 2;
    h.dialog.OnActivate();
    EXPECT_EQ(h.view.checks, (std::map<int, int>{{1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 0}, {6, 1}, {7, 0}, {8, 0}, {9, 1}}));
    EXPECT_EQ(h.view.hotKeyText, "F7");
    EXPECT_TRUE(h.view.shift);
    EXPECT_FALSE(h.view.control);
    EXPECT_EQ(h.view.sensitivity, 7);
    EXPECT_EQ(h.view.shadeOptions, (std::map<int, bool>{{0, false}, {1, false}, {2, true}}));
    EXPECT_EQ(h.view.lockedLabel, "Configuration is UNLOCKED");
    EXPECT_EQ(h.view.lockCaption, "&Lock");
    EXPECT_TRUE(h.view.groupsEnabled);
    // Above the main window while open, whatever the main window's setting.
    EXPECT_EQ(h.log, (CallLog{"topmost off", "dialog topmost on"}));
}

TEST(OptionsDialog, OpenedWhileLockedDisablesTheGroups) {
    OptionsHarness h;
    h.settings.gLocked = 1;
    h.view.groupsEnabled = true;
    h.dialog.OnActivate();
    EXPECT_FALSE(h.view.groupsEnabled);
    EXPECT_EQ(h.view.lockedLabel, "Configuration is LOCKED");
    EXPECT_EQ(h.view.lockCaption, "&Unlock");
}

TEST(OptionsDialog, EveryCheckBoxRoundTripsToItsSetting) {
    for (const OptionCheck& c : OptionChecks()) {
        for (int value : {0, 1}) {
            SCOPED_TRACE(std::to_string(c.number) + "=" + std::to_string(value));
            OptionsHarness h;
            for (const OptionCheck& other : OptionChecks()) h.settings.*other.setting = static_cast<int16_t>(1 - value);
            h.dialog.OnActivate();
            h.view.checks[c.number] = value;
            h.dialog.OnUnload();
            for (const OptionCheck& other : OptionChecks())
                EXPECT_EQ(h.settings.*other.setting, other.number == c.number ? value : 1 - value) << other.number;
        }
    }
}

TEST(OptionsDialog, ClosingCommitsAppliesAndSavesInOrder) {
    OptionsHarness h;
    h.dialog.OnActivate();
    h.log.clear();
    h.view.checks[3] = 1;  // always on top
    h.view.checks[8] = 0;  // no tray icon
    h.view.checks[2] = 0;  // no caption bar
    h.view.hotKeyText = "F5";
    h.view.shift = true;
    h.view.control = true;
    h.view.sensitivity = 9;
    h.dialog.OnUnload();
    EXPECT_EQ(h.settings.HotKey, 116);
    EXPECT_EQ(h.settings.HotKeyShift, 1);
    EXPECT_EQ(h.settings.HotKeyControl, 1);
    EXPECT_EQ(h.settings.gSen, 9);
    EXPECT_EQ(h.log, (CallLog{"hotkey key 116", "hotkey shift 1", "hotkey control 1", "hotkey sensitivity 250",
                              "colours", "topmost on", "unload tray", "caption hidden",
                              "hotkey key 116", "hotkey shift 1", "hotkey control 1", "hotkey sensitivity 250",
                              "hotkey enabled 1", "arrange"}));
    EXPECT_EQ(h.profile.Value("EnableOnTop"), "1");
    EXPECT_EQ(h.profile.Value("EnableTrayIcon"), "0");
    // The hot key waits for the next full save.
    EXPECT_EQ(h.profile.Value("HotKey"), "<absent>");
}

TEST(OptionsDialog, SensitivityTableReachesTheReceiver) {
    const int expected[] = {2, 5, 10, 20, 30, 40, 50, 75, 100, 250, 500};
    for (int sen = 0; sen <= 10; ++sen) {
        OptionsHarness h;
        h.dialog.OnActivate();
        h.view.sensitivity = sen;
        h.log.clear();
        h.dialog.OnUnload();
        EXPECT_EQ(h.log[3], "hotkey sensitivity " + std::to_string(expected[sen])) << sen;
    }
    OptionsHarness outside;
    outside.dialog.OnActivate();
    outside.view.sensitivity = 11;
    outside.log.clear();
    outside.dialog.OnUnload();
    EXPECT_EQ(outside.settings.gSen, 11);
    EXPECT_EQ(std::count_if(outside.log.begin(), outside.log.end(),
                            [](const std::string& l) { return l.rfind("hotkey sensitivity", 0) == 0; }),
              0);
}

TEST(OptionsDialog, HotKeyEdgeCases) {
    struct Case {
        int16_t stored;
        const char* typed;  // nullptr: left as shown
        int16_t kept;
    };
    const Case cases[] = {{65, nullptr, 145}, {123, nullptr, 123}, {145, "Pause", 0}, {112, "", 0}};
    for (const Case& c : cases) {
        OptionsHarness h;
        h.settings.HotKey = c.stored;
        h.dialog.OnActivate();
        if (c.typed) h.view.hotKeyText = c.typed;
        h.dialog.OnUnload();
        EXPECT_EQ(h.settings.HotKey, c.kept) << c.stored;
    }
}

TEST(OptionsDialog, ShadeOptionsSetTheModeAtOnceAndClearTheOthers) {
    OptionsHarness h;
    h.settings.WindowShadeMode = 1;
    h.dialog.OnActivate();
    h.dialog.OnShadeOptionClick(0);
    EXPECT_EQ(h.settings.WindowShadeMode, 0);
    EXPECT_EQ(h.view.shadeOptions, (std::map<int, bool>{{0, true}, {1, false}, {2, false}}));
    h.dialog.OnShadeOptionClick(2);
    EXPECT_EQ(h.settings.WindowShadeMode, 2);
    EXPECT_EQ(h.view.shadeOptions, (std::map<int, bool>{{0, false}, {1, false}, {2, true}}));
    h.dialog.OnShadeOptionClick(3);
    EXPECT_EQ(h.settings.WindowShadeMode, 2);
}

TEST(OptionsDialog, ClosingWhileLockedWritesNothing) {
    OptionsHarness h;
    h.settings.gLocked = 1;
    h.dialog.OnActivate();
    h.view.checks[1] = 0;
    h.dialog.OnUnload();
    EXPECT_TRUE(h.profile.writes.empty());
}

TEST(OptionsDialog, ClearingSoundIsWrittenAsZeroAndMutesTheCues) {
    OptionsHarness h;
    h.dialog.OnActivate();
    h.view.checks[1] = 0;
    h.dialog.OnUnload();
    EXPECT_EQ(h.profile.Value("EnableSound"), "0");
    h.cues.Play(Cue::Shade);
    EXPECT_TRUE(h.sound.played.empty());
}

TEST(OptionsDialog, TheLockButtonLocksAndDisablesTheGroups) {
    OptionsHarness h;
    h.dialog.OnActivate();
    h.dialog.OnLockClick();
    EXPECT_EQ(h.settings.gLocked, 1);
    EXPECT_FALSE(h.view.groupsEnabled);
    EXPECT_EQ(h.view.lockCaption, "&Unlock");
    EXPECT_EQ(h.view.lockedLabel, "Configuration is LOCKED");
    EXPECT_EQ(h.profile.Value("gLocked"), "1");
    h.dialog.OnLockClick();
    EXPECT_EQ(h.settings.gLocked, 0);
    EXPECT_TRUE(h.view.groupsEnabled);
}

TEST(OptionsDialog, CloseButtonClosesTheView) {
    OptionsHarness h;
    h.dialog.OnCloseClick();
    EXPECT_EQ(h.log, CallLog{"close"});
}

}  // namespace
}  // namespace corvella
