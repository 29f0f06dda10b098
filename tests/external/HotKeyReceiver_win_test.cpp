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

    // Control+F9, with the key held for `heldMs` and repeated by the keyboard.
    void Press(DWORD heldMs = 150, int repeats = 3) {
        Key(VK_CONTROL, true);
        Key(VK_F9, true);
        for (int i = 0; i < repeats; ++i) {
            Pump(heldMs / (repeats + 1));
            Key(VK_F9, true);  // auto-repeat sends further key-downs
        }
        Pump(heldMs / (repeats + 1));
        Key(VK_F9, false);
        Key(VK_CONTROL, false);
        Pump(80);
    }
};

TEST_F(HotKeyReceiverWin, RaisesOneEventPerPress) {
    ASSERT_TRUE(receiver.Armed());
    Press();
    EXPECT_EQ(events, 1);
    Press(300, 6);
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
    Pump(120);
    Key(VK_F8, false);
    Pump(60);
    EXPECT_EQ(events, 1);
}

}  // namespace
}  // namespace corvella::testing
