#include "settings/Startup.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/StartupHarness.h"

namespace corvella {
namespace {

using testing::CallLog;
using testing::StartupHarness;

// The log without the settings file's own window and hot-key calls, to read
// the start procedure's steps.
CallLog Steps(const CallLog& log) {
    CallLog steps;
    for (const auto& entry : log) {
        static const char* kDetail[] = {"left ", "top ", "width ", "height ", "placement ", "backcolor", "topmost",
                                        "current section", "load sections", "load buttons",
                                        "eject selection", "splash", "sound "};
        bool detail = std::any_of(std::begin(kDetail), std::end(kDetail),
                                  [&](const char* p) { return entry.rfind(p, 0) == 0; });
        if (!detail || entry.rfind("load splash", 0) == 0) steps.push_back(entry);
    }
    return steps;
}

TEST(StartProcedure, RunsItsStepsInOrder) {
    StartupHarness h;
    h.files.environment["TEMP"] = "C:\\Temp";
    h.files.files["C:\\Temp"] = {"a.tmp"};
    ASSERT_TRUE(h.Start());
    const CallLog expected = {
        "load splash", "fonts", "drive list", "delete C:\\Temp\\a.tmp", "section styles -1",
        "events", "sleep 5",
        // LoadSettings: its splash, cue and reads are checked by its own tests.
        "events", "events", "sleep 5", "events", "events", "hotkey sensitivity 5", "keep on screen",
        "arrange", "hotkey key 145", "hotkey shift 0", "hotkey control 0", "hotkey sensitivity 5",
        "hotkey enabled 1", "unload splash", "load tray", "events", "show main window",
        "show current section 1", "buttons out of tab order", "focus current tab", "keep on screen", "arrange"};
    EXPECT_EQ(Steps(h.log), expected);
    EXPECT_EQ(h.state.startupFlag, 1);
    EXPECT_EQ(h.state.titleText, " Corvella");
    EXPECT_EQ(h.state.gIsWinNT, 1);
}

TEST(StartProcedure, StartsAWindowSavedShadedShadedAndSilently) {
    StartupHarness h("[Options]\r\nWindowShade=1\r\nEnableSound=1\r\n");
    bool soundOffWhileShading = false;
    struct ShadeProbe : testing::RecordingStartupLinks {
        using RecordingStartupLinks::RecordingStartupLinks;
        void ToggleShade() override { *probe = (settings->EnableSound == 0 && settings->WindowShade == 0); }
        bool* probe;
        Settings* settings;
    };
    ShadeProbe links(h.log);
    links.probe = &soundOffWhileShading;
    links.settings = &h.settings;
    StartupDeps deps = h.StartDeps();
    StartupDeps withProbe{deps.settings, deps.platform, links, deps.dialogs, deps.files};
    ASSERT_TRUE(RunStartProcedure(h.state, h.settings, withProbe));
    EXPECT_TRUE(soundOffWhileShading);
    EXPECT_EQ(h.settings.EnableSound, 1);
}

TEST(StartProcedure, LeavesAWindowShadedAtStartWhereTheShadeTookIt) {
    StartupHarness h("[Options]\r\nWindowShade=1\r\nWindowLeft=1500\r\n");
    struct Shading : testing::RecordingStartupLinks {
        using RecordingStartupLinks::RecordingStartupLinks;
        void ToggleShade() override {
            settings->WindowShade = 1;
            log->push_back("shade");
        }
        Settings* settings;
        CallLog* log;
    };
    Shading links(h.log);
    links.settings = &h.settings;
    links.log = &h.log;
    StartupDeps deps = h.StartDeps();
    ASSERT_TRUE(RunStartProcedure(h.state, h.settings, {deps.settings, deps.platform, links, deps.dialogs, deps.files}));
    const auto shade = std::find(h.log.begin(), h.log.end(), "shade");
    ASSERT_NE(shade, h.log.end());
    for (auto it = shade; it != h.log.end(); ++it) {
        EXPECT_NE(it->rfind("left ", 0), 0u) << *it;
        EXPECT_NE(it->rfind("top ", 0), 0u) << *it;
        EXPECT_NE(it->rfind("placement ", 0), 0u) << *it;
    }
    EXPECT_EQ(h.settings.WindowShade, 1);
}

TEST(StartProcedure, LeavesTheTrayAloneWhenItIsSwitchedOff) {
    StartupHarness h("[Options]\r\nEnableTrayIcon=0\r\n");
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(std::count(h.log.begin(), h.log.end(), "load tray"), 0);
}

TEST(StartProcedure, ASecondCopyBringsTheFirstBackAndTouchesNoSettings) {
    StartupHarness h;
    h.platform.otherCopyRuns = true;
    EXPECT_FALSE(h.Start());
    EXPECT_EQ(h.log, (CallLog{"load splash", "message Corvella is already running! | Corvella",
                              "activate other copy", "unload auxiliary windows"}));
    EXPECT_TRUE(h.profile.reads.empty());
    EXPECT_TRUE(h.profile.writes.empty());
}

TEST(StartProcedure, TellsTheOperatingSystemFamilyFromTheVersion) {
    EXPECT_EQ(IsWinNTFromVersion(0x0A280105u), 1);  // a 5.1 system of the NT family
    EXPECT_EQ(IsWinNTFromVersion(0xC0000A04u), 0);  // 9x: high bit set
    EXPECT_EQ(IsWinNTFromVersion(0x80000000u), 0);
    EXPECT_EQ(IsWinNTFromVersion(0x7FFFFFFFu), 1);
}

TEST(StartProcedure, KeepsASortedFontList) {
    StartupHarness h;
    h.platform.fonts = {"symbol", "Tahoma", "Arial", "arial", "Tahoma"};
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.state.fontList, (std::vector<std::string>{"", "Arial", "Tahoma", "Tahoma", "arial", "symbol"}));
}

TEST(CloseRequest, SavesThenReleasesTheHotKeyTimersAndWindows) {
    StartupHarness h;
    ASSERT_TRUE(h.Start());
    h.log.clear();
    h.profile.writes.clear();
    OnMainWindowCloseRequest(h.settings, h.StartDeps());
    EXPECT_EQ(h.log, (CallLog{"events", "hotkey sensitivity 0", "hotkey enabled 0", "stop timers",
                              "events", "unload auxiliary windows"}));
    ASSERT_FALSE(h.profile.writes.empty());
    EXPECT_EQ(h.profile.writes.front().key, "BackColor");    // SaveSettings first
    EXPECT_EQ(h.profile.writes.back().key, "EnableTrayIcon");  // SaveSwitches last
}

TEST(CloseRequest, WritesNothingWhileLocked) {
    StartupHarness h("[Options]\r\ngLocked=1\r\nWindowLeft=300\r\n");
    ASSERT_TRUE(h.Start());
    h.profile.writes.clear();
    h.window.placement.left = 9000;
    OnMainWindowCloseRequest(h.settings, h.StartDeps());
    EXPECT_TRUE(h.profile.writes.empty());
    EXPECT_EQ(h.profile.Value("WindowLeft"), "300");
}

TEST(ExitCommand, SavesAndClosesTheMainWindow) {
    StartupHarness h;
    ASSERT_TRUE(h.Start());
    h.log.clear();
    OnExitCommand(h.settings, h.StartDeps());
    EXPECT_EQ(h.log, CallLog{"close main window"});
    EXPECT_EQ(h.profile.Value("HotKey"), "145");
}

TEST(Activation, FocusesTheCurrentTabOnlyWithASection) {
    StartupHarness h;
    OnMainWindowActivate(h.StartDeps(), 0);
    EXPECT_TRUE(h.log.empty());
    OnMainWindowActivate(h.StartDeps(), 2);
    EXPECT_EQ(h.log, CallLog{"focus current tab"});
}

}  // namespace
}  // namespace corvella
