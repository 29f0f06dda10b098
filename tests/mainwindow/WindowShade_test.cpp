#include "mainwindow/WindowShade.h"

#include <gtest/gtest.h>

#include "fakes/FakeShadePorts.h"
#include "fakes/FakeWindowControls.h"

namespace corvella {
namespace {

using testing::CallLog;

// A 1024 x 768 screen at 96 dpi: 15360 x 11520 twips.
struct ShadeHarness {
    CallLog log;
    Settings settings;
    testing::FakeWindow window{log};
    testing::FakeWindowState state{log, window};
    testing::FakeEdgeStrip strip{log};
    testing::FakeWindowControls controls;
    testing::FakeScreen screen{1024, 768, 15};
    testing::FakeEventLoop events{log};
    testing::FakeSound sound{log};
    CuePlayer cues{sound, "C:\\Corvella", settings.EnableSound};
    bool busy = false;
    std::vector<bool> busySeen;

    ShadeHarness(Placement at, int16_t mode) {
        window.placement = at;
        settings.WindowShadeMode = mode;
    }
    ShadeDeps Deps() {
        return {settings, window, state, strip, controls, screen, events, cues,
                [this] { return busy; },
                [this](bool b) { busy = b; busySeen.push_back(b); },
                [this] { log.push_back("arrange"); },
                [this](bool load) { log.push_back(load ? "load tray" : "unload tray"); }};
    }
    // The positions the window was given, in order ("top -1500", "left 12000").
    CallLog Moves() const {
        CallLog moves;
        for (const auto& entry : log)
            if (entry.rfind("top ", 0) == 0 || entry.rfind("left ", 0) == 0) moves.push_back(entry);
        return moves;
    }
    int Sounds() const { return static_cast<int>(sound.played.size()); }
    bool Enabled(ControlName name) { return controls.Find({name, 0})->enabled; }
};

CallLog Tops(std::initializer_list<int> values) {
    CallLog out;
    for (int v : values) out.push_back("top " + std::to_string(v));
    return out;
}
CallLog Lefts(std::initializer_list<int> values) {
    CallLog out;
    for (int v : values) out.push_back("left " + std::to_string(v));
    return out;
}

// Every animation step lets events run and sleeps 1 ms before the next one.
void ExpectStepsPaced(const CallLog& log) {
    for (size_t i = 0; i + 1 < log.size(); ++i) {
        if (log[i].rfind("top ", 0) != 0 && log[i].rfind("left ", 0) != 0) continue;
        if (log[i + 1] != "events") continue;  // the final exact placement is not a step
        ASSERT_LT(i + 2, log.size());
        EXPECT_EQ(log[i + 2], "sleep 1") << "after " << log[i];
    }
}

TEST(ToggleShade, RollsUpOffTheTopAndShowsTheBarAlongTheTopEdge) {
    ShadeHarness h({12000, 0, 2500, 6000}, 0);
    ToggleShade(h.Deps());
    EXPECT_EQ(h.Moves(), Tops({0, -1500, -3000, -4500, -6000, -6000}));
    ExpectStepsPaced(h.log);
    EXPECT_EQ(h.settings.WindowShade, 1);
    EXPECT_FALSE(h.Enabled(ControlName::MinBut));
    EXPECT_FALSE(h.Enabled(ControlName::reOrgBut));
    EXPECT_TRUE(h.strip.shown);
    // Ten pixels high, nine of them above the screen.
    EXPECT_EQ(h.strip.at, (Placement{0, -135, 15360, 150}));
    EXPECT_EQ(h.Sounds(), 1);
    EXPECT_EQ(h.busySeen, (std::vector<bool>{true, false}));
    EXPECT_EQ(h.log.front(), "strip hide");
    EXPECT_EQ(h.log[1], "arrange");
}

TEST(ToggleShade, RollUpFromAnOddTopEndsExactlyAboveTheScreen) {
    ShadeHarness h({0, 700, 2500, 3000}, 0);
    ToggleShade(h.Deps());
    EXPECT_EQ(h.Moves(), Tops({700, -800, -2300, -3000}));
}

TEST(ToggleShade, RollsDownInCoarseThenFineStepsAndRestoresTheBottomBar) {
    ShadeHarness h({12000, -6000, 2500, 6000}, 0);
    h.settings.WindowShade = 1;
    h.controls.SetEnabled({ControlName::MinBut, 0}, false);
    h.controls.SetEnabled({ControlName::reOrgBut, 0}, false);
    ToggleShade(h.Deps());
    EXPECT_EQ(h.Moves(), Tops({-6000, -4500, -3000, -1500, -50, -30, -10, 0}));
    ExpectStepsPaced(h.log);
    EXPECT_EQ(h.settings.WindowShade, 0);
    EXPECT_TRUE(h.Enabled(ControlName::MinBut));
    EXPECT_TRUE(h.Enabled(ControlName::reOrgBut));
    EXPECT_FALSE(h.strip.shown);
    // Topmost while it comes down, then as EnableOnTop says.
    const auto on = std::find(h.log.begin(), h.log.end(), "topmost on");
    const auto firstMove = std::find(h.log.begin(), h.log.end(), "top -6000");
    EXPECT_LT(on, firstMove);
    EXPECT_EQ(std::count(h.log.begin(), h.log.end(), "topmost off"), 1);
    EXPECT_FALSE(h.window.topMost);
}

TEST(ToggleShade, RollDownKeepsTheWindowTopmostWhenEnableOnTopIsSet) {
    ShadeHarness h({0, -6000, 2500, 6000}, 0);
    h.settings.WindowShade = 1;
    h.settings.EnableOnTop = 1;
    ToggleShade(h.Deps());
    EXPECT_TRUE(h.window.topMost);
    EXPECT_EQ(std::count(h.log.begin(), h.log.end(), "topmost off"), 0);
}

struct SlideCase {
    const char* name;
    Placement start;
    CallLog away;           // the moves of the slide away
    Placement strip;        // the strip shown afterwards
    CallLog back;           // the moves of the slide back
};

TEST(ToggleShade, SlidesToTheNearerSideEdgeAndBack) {
    const SlideCase cases[] = {
        {"right half goes right", {12000, 300, 2500, 6000},
         Lefts({12000, 13500, 15000, 15285, 15305, 15310}), {15345, 0, 100, 11520},
         Lefts({15360, 13860, 12910, 12890, 12870, 12860})},
        {"left half goes left", {1000, 300, 2500, 6000},
         Lefts({1000, -500, -2000, -2425, -2445, -2450}), {-85, 0, 100, 11520},
         Lefts({-2500, -1000, -50, -30, -10, 0})},
        {"just right of the middle goes right", {7681, 0, 2500, 6000},
         Lefts({7681, 9181, 10681, 12181, 13681, 15181, 15285, 15305, 15310}), {15345, 0, 100, 11520},
         Lefts({15360, 13860, 12910, 12890, 12870, 12860})},
    };
    for (const SlideCase& c : cases) {
        SCOPED_TRACE(c.name);
        ShadeHarness h(c.start, 1);
        ToggleShade(h.Deps());
        EXPECT_EQ(h.Moves(), c.away);
        ExpectStepsPaced(h.log);
        EXPECT_EQ(h.settings.WindowShade, 1);
        EXPECT_TRUE(h.strip.shown);
        EXPECT_EQ(h.strip.at, c.strip);
        // Sliding leaves the bottom bar alone.
        EXPECT_TRUE(h.Enabled(ControlName::MinBut));

        h.log.clear();
        ToggleShade(h.Deps());
        EXPECT_EQ(h.Moves(), c.back);
        ExpectStepsPaced(h.log);
        EXPECT_EQ(h.settings.WindowShade, 0);
        EXPECT_FALSE(h.strip.shown);
        EXPECT_EQ(h.log.back(), "arrange");
        EXPECT_EQ(h.Sounds(), 2);
    }
}

TEST(ToggleShade, MinimiseModeMinimisesAndTheNextToggleBringsTheWindowBack) {
    ShadeHarness h({0, 0, 2500, 6000}, 2);
    ToggleShade(h.Deps());
    EXPECT_EQ(h.log, (CallLog{"strip hide", "sound C:\\Corvella\\shade.wav", "minimise", "events"}));
    EXPECT_EQ(h.settings.WindowShade, 1);
    EXPECT_FALSE(h.busy);

    // Minimised windows are hidden behind the tray icon.
    h.state.visible = false;
    h.log.clear();
    ToggleShade(h.Deps());
    EXPECT_EQ(h.log, (CallLog{"strip hide", "sound C:\\Corvella\\shade.wav", "restore", "events", "show", "events",
                              "visible", "events", "load tray"}));
    EXPECT_EQ(h.settings.WindowShade, 0);
    EXPECT_EQ(h.busySeen, (std::vector<bool>{true, false, true, false}));
}

TEST(ToggleShade, UnminimisingUnloadsTheTrayWhenTheIconIsSwitchedOff) {
    ShadeHarness h({0, 0, 2500, 6000}, 0);
    h.window.minimised = true;
    h.settings.EnableTrayIcon = 0;
    ToggleShade(h.Deps());
    EXPECT_EQ(h.log.back(), "unload tray");
    EXPECT_FALSE(h.window.minimised);
}

TEST(ToggleShade, DoesNothingWhileBusy) {
    for (int16_t mode : {0, 1, 2}) {
        ShadeHarness h({0, 0, 2500, 6000}, mode);
        h.busy = true;
        ToggleShade(h.Deps());
        RequestShade(h.Deps());
        EXPECT_TRUE(h.log.empty()) << "mode " << mode;
        EXPECT_EQ(h.settings.WindowShade, 0);
    }
}

TEST(ToggleShade, NoShadeSoundOnAnyPathWithSoundOff) {
    for (int16_t mode : {0, 1, 2}) {
        ShadeHarness h({1000, 0, 2500, 6000}, mode);
        h.settings.EnableSound = 0;
        RequestShade(h.Deps());
        if (mode == 2) h.state.visible = false;
        RequestShade(h.Deps());
        EXPECT_EQ(h.Sounds(), 0) << "mode " << mode;
        EXPECT_EQ(h.settings.WindowShade, 0) << "mode " << mode;
    }
}

TEST(RequestShade, PlaysTheCueBeforeShadingButNotBeforeUnshading) {
    ShadeHarness h({0, 0, 2500, 6000}, 0);
    RequestShade(h.Deps());
    EXPECT_EQ(h.Sounds(), 2);  // the request's cue, then the roll-up's
    EXPECT_EQ(h.log.front(), "sound C:\\Corvella\\shade.wav");
    RequestShade(h.Deps());
    EXPECT_EQ(h.Sounds(), 3);
    EXPECT_EQ(h.settings.WindowShade, 0);
}

TEST(ToggleShade, AMinimiseShadeRestoredByHandCountsAsBack) {
    ShadeHarness h({0, 0, 2500, 6000}, 2);
    h.settings.WindowShade = 1;
    ToggleShade(h.Deps());
    EXPECT_EQ(h.settings.WindowShade, 0);
    EXPECT_TRUE(h.Moves().empty());
}

TEST(SetTopMost, GivesTheWindowTheMarkerWithoutMovingIt) {
    CallLog log;
    testing::FakeWindow window{log};
    SetTopMost(window, true);
    SetTopMost(window, false);
    EXPECT_EQ(log, (CallLog{"topmost on", "topmost off"}));
}

}  // namespace
}  // namespace corvella
