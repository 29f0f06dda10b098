#include "dialogs/TrayIcon.h"

#include <gtest/gtest.h>

#include "fakes/FakeShadePorts.h"

namespace corvella {
namespace {

using testing::CallLog;

struct TrayHarness {
    CallLog log;
    Settings settings;
    testing::FakeWindow window{log};
    testing::FakeWindowState state{log, window};
    testing::FakeEventLoop events{log};
    TrayClickHandler tray;
    std::function<void()> duringShade;

    TrayClickDeps Deps() {
        return {settings, window, state, events,
                [this] {
                    log.push_back("toggle shade");
                    if (duringShade) duringShade();
                },
                [this] { log.push_back("WindowShade 0"); },
                [this] { log.push_back("unload tray"); }};
    }
};

TEST(TrayIcon, OnlyButtonReleasesAct) {
    const struct {
        int message;
        bool acts;
    } cases[] = {{512, false}, {513, false}, {514, true}, {515, false}, {516, false}, {517, true}, {519, false}};
    for (const auto& c : cases) {
        TrayHarness h;
        h.tray.OnIconMessage(c.message, h.Deps());
        EXPECT_EQ(!h.log.empty(), c.acts) << c.message;
        EXPECT_FALSE(h.tray.busy());
    }
}

TEST(TrayIcon, AShownWindowRollsAwayAndAMinimisedOneComesBack) {
    TrayHarness h;
    h.tray.OnIconMessage(kLeftButtonUp, h.Deps());
    EXPECT_EQ(h.log, (CallLog{"toggle shade"}));

    h.log.clear();
    h.window.minimised = true;
    h.state.visible = false;
    h.tray.OnIconMessage(kRightButtonUp, h.Deps());
    EXPECT_EQ(h.log, (CallLog{"restore", "events", "show", "events", "visible", "events", "WindowShade 0"}));
    EXPECT_FALSE(h.window.minimised);
}

TEST(TrayIcon, AHiddenWindowComesBackEvenWhenNotMinimised) {
    TrayHarness h;
    h.state.visible = false;
    h.tray.OnIconMessage(kLeftButtonUp, h.Deps());
    EXPECT_EQ(h.log.front(), "restore");
}

TEST(TrayIcon, RestoringUnloadsTheTrayWhenTheIconWasSwitchedOff) {
    TrayHarness h;
    h.settings.EnableTrayIcon = 0;
    h.window.minimised = true;
    h.tray.OnIconMessage(kLeftButtonUp, h.Deps());
    EXPECT_EQ(h.log.back(), "unload tray");
}

TEST(TrayIcon, ASecondClickWhileTheFirstRunsIsIgnored) {
    TrayHarness h;
    h.duringShade = [&] { h.tray.OnIconMessage(kLeftButtonUp, h.Deps()); };
    h.tray.OnIconMessage(kLeftButtonUp, h.Deps());
    EXPECT_EQ(h.log, (CallLog{"toggle shade"}));
    EXPECT_FALSE(h.tray.busy());
}

}  // namespace
}  // namespace corvella
