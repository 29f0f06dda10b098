#include "mainwindow/MainWindowLoad.h"

#include <gtest/gtest.h>

#include "fakes/FakeWindowControls.h"

namespace corvella {
namespace {

using testing::FakeWindowControls;

TEST(MainWindowLoad, OrdersTabsThenButtonsAndGivesEveryButtonTheNormalLook) {
    FakeWindowControls controls;
    // Start from a scrambled order, as after earlier changes.
    controls.SetTabIndex({ControlName::buttonObj, 7}, 0);
    controls.SetTabIndex({ControlName::oButton}, 3);
    OnMainWindowLoad(controls);
    for (int i = 0; i < kSectionTabs; ++i)
        EXPECT_EQ(controls.TabPosition({ControlName::sectionButton, i}), i);
    for (int s = 0; s < kLaunchButtons - 1; ++s)
        EXPECT_EQ(controls.TabPosition({ControlName::buttonObj, s}), kSectionTabs + s) << s;
    for (int s = 0; s < kLaunchButtons; ++s)
        EXPECT_EQ(controls.Find({ControlName::buttonObj, s})->properties.at(kThreeDTabLook), kNormalLook);
    EXPECT_EQ(controls.Find({ControlName::sectionButton, 0})->properties.count(kThreeDTabLook), 0u);
}

TEST(FocusCurrentTab, PutsTheCurrentTabFirstAndFocusesIt) {
    FakeWindowControls controls;
    OnMainWindowLoad(controls);
    controls.SetTabStop({ControlName::sectionButton, 2}, false);
    FocusCurrentTab(controls, 3);
    const ControlRef tab{ControlName::sectionButton, 2};
    EXPECT_EQ(controls.TabPosition(tab), 0);
    EXPECT_TRUE(controls.Find(tab)->tabStop);
    EXPECT_EQ(controls.focused, tab);
    EXPECT_EQ(controls.TabPosition({ControlName::sectionButton, 0}), 1);

    FakeWindowControls none;
    FocusCurrentTab(none, 0);
    EXPECT_FALSE(none.focused.has_value());
}

TEST(MainWindowLoad, TakesTheButtonsOutOfTheTabOrderAndStopsTheTimers) {
    FakeWindowControls controls;
    RemoveButtonsFromTabOrder(controls);
    for (int s = 0; s < kLaunchButtons - 1; ++s) EXPECT_FALSE(controls.Find({ControlName::buttonObj, s})->tabStop);
    EXPECT_TRUE(controls.Find({ControlName::sectionButton, 0})->tabStop);
    controls.SetTimerEnabled(TimerName::Timer2, true);
    StopMainWindowTimers(controls);
    EXPECT_FALSE(controls.timers[TimerName::Timer1]);
    EXPECT_FALSE(controls.timers[TimerName::Timer2]);
}

}  // namespace
}  // namespace corvella
