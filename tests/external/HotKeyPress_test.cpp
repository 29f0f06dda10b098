#include "external/HotKeyPress.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvella {
namespace {

constexpr int32_t kScrollLock = 145;

KeyboardSample Up() { return {}; }
KeyboardSample Key(bool shift = false, bool control = false, bool alt = false) {
    return {true, shift, control, alt};
}

TEST(HotKeyPress, ModifiersMustMatchExactly) {
    struct Case {
        HotKeyCombination combination;
        KeyboardSample sample;
        bool held;
    };
    const Case cases[] = {
        {{kScrollLock, false, false}, Key(), true},
        {{kScrollLock, false, false}, Up(), false},
        {{kScrollLock, false, false}, Key(true), false},
        {{kScrollLock, false, false}, Key(false, true), false},
        {{kScrollLock, false, false}, Key(false, false, true), false},
        {{kScrollLock, true, false}, Key(true), true},
        {{kScrollLock, true, false}, Key(), false},
        {{kScrollLock, true, true}, Key(true, true), true},
        {{kScrollLock, true, true}, Key(true), false},
        {{kScrollLock, false, true}, Key(false, true), true},
        {{kScrollLock, false, true}, {false, false, true, false}, false},
        // A modifier key as the hot key itself.
        {{0x10, false, false}, Key(true), true},
        {{0x11, false, false}, Key(false, true), true},
        {{0xA2, true, false}, Key(true, true), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.combination.key << " shift " << c.combination.shift << " control "
                                        << c.combination.control);
        EXPECT_EQ(CombinationHeld(c.combination, c.sample), c.held);
    }
}

TEST(HotKeyPress, SensitivityIsThePollingInterval) {
    struct Case {
        int32_t sensitivity;
        int interval;
    };
    const Case cases[] = {{2, 10},   {5, 10},  {10, 10}, {20, 20}, {75, 75},
                          {500, 500}, {0, 0},  {1, 0},   {501, 0}, {-5, 0}};
    for (const auto& c : cases) EXPECT_EQ(PollIntervalMs(c.sensitivity), c.interval) << c.sensitivity;
}

HotKeyWatch Armed(int32_t key = kScrollLock) {
    HotKeyWatch watch;
    watch.SetKey(key);
    watch.SetShift(false);
    watch.SetControl(false);
    watch.SetSensitivity(10);
    watch.SetEnabled(true);
    watch.Start(Up());
    return watch;
}

int CountEvents(HotKeyWatch& watch, const std::vector<KeyboardSample>& samples) {
    int events = 0;
    for (const auto& s : samples) events += watch.Observe(s) ? 1 : 0;
    return events;
}

TEST(HotKeyPress, OnePressRaisesOneEventHoweverLongItIsHeld) {
    struct Case {
        const char* name;
        std::vector<KeyboardSample> samples;
        int events;
    };
    const Case cases[] = {
        {"nothing pressed", {Up(), Up(), Up()}, 0},
        {"one short press", {Up(), Key(), Up()}, 1},
        {"held through auto-repeat", {Key(), Key(), Key(), Key(), Key(), Up()}, 1},
        {"two presses", {Key(), Up(), Key(), Up()}, 2},
        {"Shift joins while held", {Key(), Key(true), Key()}, 2},
        {"wrong modifier", {Key(false, true), Key(false, true), Up()}, 0},
        {"modifier let go while the key stays", {Key(false, true), Key(), Key()}, 1},
    };
    for (const auto& c : cases) {
        HotKeyWatch watch = Armed();
        EXPECT_EQ(CountEvents(watch, c.samples), c.events) << c.name;
    }
}

TEST(HotKeyPress, NoEventWhileDisabledOrWithoutAValidKeyOrInterval) {
    HotKeyWatch disabled = Armed();
    disabled.SetEnabled(false);
    EXPECT_FALSE(disabled.ShouldWatch());
    EXPECT_EQ(CountEvents(disabled, {Key(), Up(), Key()}), 0);

    HotKeyWatch stopped = Armed();
    stopped.SetSensitivity(0);
    EXPECT_FALSE(stopped.ShouldWatch());
    EXPECT_EQ(CountEvents(stopped, {Key(), Up(), Key()}), 0);

    for (int32_t key : {0, -1, 255, 1000}) {
        HotKeyWatch bad = Armed(key);
        EXPECT_FALSE(bad.ShouldWatch()) << key;
    }
}

TEST(HotKeyPress, AKeyHeldWhenTheWatchStartsCountsOnlyAfterItsRelease) {
    HotKeyWatch watch = Armed();
    watch.Start(Key());
    EXPECT_EQ(CountEvents(watch, {Key(), Key()}), 0);
    EXPECT_EQ(CountEvents(watch, {Up(), Key()}), 1);
}

TEST(HotKeyPress, ReEnablingAfterAPressDoesNotRepeatIt) {
    HotKeyWatch watch = Armed();
    EXPECT_TRUE(watch.Observe(Key()));
    // The launcher disables the receiver while it handles the event and
    // enables it again while the user may still hold the key.
    watch.SetEnabled(false);
    EXPECT_FALSE(watch.Observe(Key()));
    watch.SetEnabled(true);
    watch.Start(Key());
    EXPECT_FALSE(watch.Observe(Key()));
    EXPECT_FALSE(watch.Observe(Up()));
    EXPECT_TRUE(watch.Observe(Key()));
}

TEST(HotKeyPress, SensitivityOutsideItsRangeIsIgnored) {
    HotKeyWatch watch = Armed();
    for (int32_t value : {1, 501, -3, 100000}) {
        watch.SetSensitivity(value);
        EXPECT_EQ(watch.Sensitivity(), 10) << value;
    }
    watch.SetSensitivity(250);
    EXPECT_EQ(watch.Sensitivity(), 250);
    watch.SetSensitivity(0);
    EXPECT_EQ(watch.Sensitivity(), 0);
}

}  // namespace
}  // namespace corvella
