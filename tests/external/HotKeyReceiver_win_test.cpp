#include "external/HotKeyReceiver_win.h"

#include <gtest/gtest.h>

#include "Host_win.h"

namespace corvella::testing {
namespace {

class HotKeyReceiverWin : public ::testing::Test {
protected:
    Host host{100, 60};
    HotKeyReceiver receiver{host.Window()};
    int events = 0;

    void SetUp() override {
        receiver.onHotKey = [this] { ++events; };
        // Armed in the launcher's order: key, Shift, Control, sensitivity, enabled.
        receiver.SetKeyCode(VK_F9);
        receiver.SetShift(false);
        receiver.SetControl(true);
        receiver.SetSensitivity(20);
        receiver.SetEnabled(true);
    }

    // Control+F9 held, repeated by the keyboard, then let go. The key stays
    // down until the receiver has had the chance to see it (it reacts at
    // once, or not within a good half second when it must not), so a slow
    // machine does not turn into a missed press.
    void Press(int repeats = 3) {
        const int before = events;
        Key(VK_CONTROL, true);
        Key(VK_F9, true);
        PumpUntil([&] { return events > before; }, 600);
        for (int i = 0; i < repeats; ++i) Key(VK_F9, true);  // auto-repeat sends further key-downs
        Pump(100);
        Key(VK_F9, false);
        Key(VK_CONTROL, false);
        Pump(80);
    }
};

TEST_F(HotKeyReceiverWin, RaisesOneEventPerPress) {
    ASSERT_TRUE(receiver.Armed());
    Press();
    EXPECT_EQ(events, 1);
    Press(8);
    EXPECT_EQ(events, 2);
}

TEST_F(HotKeyReceiverWin, NoEventWhileDisabled) {
    receiver.SetEnabled(false);
    EXPECT_FALSE(receiver.Armed());
    Press();
    EXPECT_EQ(events, 0);
    receiver.SetEnabled(true);
    Press();
    EXPECT_EQ(events, 1);
}

TEST_F(HotKeyReceiverWin, KeyWithoutItsModifierIsNoHotKey) {
    Key(VK_F9, true);
    Pump(150);
    Key(VK_F9, false);
    Key(VK_SHIFT, true);
    Key(VK_CONTROL, true);
    Key(VK_F9, true);
    Pump(150);
    Key(VK_F9, false);
    Key(VK_CONTROL, false);
    Key(VK_SHIFT, false);
    Pump(60);
    EXPECT_EQ(events, 0);
}

TEST_F(HotKeyReceiverWin, ShutDownSettingsStopTheWatcher) {
    receiver.SetSensitivity(0);
    receiver.SetEnabled(false);
    EXPECT_FALSE(receiver.Armed());
    receiver.SetEnabled(true);  // still no interval
    EXPECT_FALSE(receiver.Armed());
    Press();
    EXPECT_EQ(events, 0);
}

TEST_F(HotKeyReceiverWin, ChangingTheKeyTakesEffect) {
    receiver.SetKeyCode(VK_F8);
    receiver.SetControl(false);
    Press();  // Control+F9 is no longer it
    EXPECT_EQ(events, 0);
    Key(VK_F8, true);
    PumpUntil([&] { return events > 0; }, 600);
    Key(VK_F8, false);
    Pump(60);
    EXPECT_EQ(events, 1);
}

}  // namespace
}  // namespace corvella::testing
