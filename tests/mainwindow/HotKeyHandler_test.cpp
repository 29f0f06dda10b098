#include "mainwindow/HotKeyHandler.h"

#include <gtest/gtest.h>

#include "fakes/FakePorts.h"

namespace corvella {
namespace {

using testing::CallLog;

struct HotKeyHarness {
    CallLog log;
    testing::FakeWindow window{log};
    testing::FakeEventLoop events{log};
    testing::FakeHotKey receiver{log};
    Settings settings;
    HotKeyDeps Deps() {
        return {window, events, receiver, [this] { log.push_back("toggle shade"); },
                [this] { log.push_back("hide bar"); }};
    }
};

TEST(OnHotKey, RaisesTheWindowWithTheReceiverDisarmed) {
    HotKeyHarness h;
    OnHotKey(h.settings, false, h.Deps());
    EXPECT_EQ(h.log, (CallLog{"hotkey enabled 0", "topmost on", "events", "topmost off", "hotkey enabled 1"}));

    h.log.clear();
    h.settings.EnableOnTop = 1;
    OnHotKey(h.settings, false, h.Deps());
    EXPECT_EQ(h.log, (CallLog{"hotkey enabled 0", "topmost on", "events", "hotkey enabled 1"}));
}

TEST(OnHotKey, UnshadesAShadedWindowAndIgnoresTheKeyWhileAShadeRuns) {
    HotKeyHarness h;
    h.settings.WindowShade = 1;
    OnHotKey(h.settings, false, h.Deps());
    EXPECT_EQ(h.log, (CallLog{"hotkey enabled 0", "toggle shade", "hide bar", "hotkey enabled 1"}));

    h.log.clear();
    OnHotKey(h.settings, true, h.Deps());
    EXPECT_TRUE(h.log.empty());
}

TEST(OnHotKey, BringsBackAWindowMinimisedByHand) {
    HotKeyHarness h;
    h.window.minimised = true;
    OnHotKey(h.settings, false, h.Deps());
    EXPECT_EQ(h.log, (CallLog{"hotkey enabled 0", "toggle shade", "hide bar", "hotkey enabled 1"}));
}

}  // namespace
}  // namespace corvella
