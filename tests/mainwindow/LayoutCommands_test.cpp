#include "mainwindow/LayoutCommands.h"

#include <gtest/gtest.h>

#include "fakes/FakeWindowControls.h"
#include "fakes/StartupHarness.h"

namespace corvella {
namespace {

using testing::CallLog;

struct CommandHarness {
    CommandHarness() {
        sections.gSectionCount = 3;
        sections.gSectionSize.fill(-1);
    }
    LayoutCommandDeps Deps() {
        return {settings, sections, dialogs, controls, window, cues,
                [this] { log.push_back("save settings"); }, [this] { log.push_back("save looks"); },
                [this] { log.push_back("load buttons"); }, [this] { log.push_back("arrange"); },
                [this] { log.push_back("focus tab"); }, [this] { log.push_back("hide to tray"); }};
    }
    CallLog log;
    Settings settings;
    SectionTable sections;
    testing::FakeDialogs dialogs{log};
    testing::FakeWindowControls controls;
    testing::FakeWindow window{log};
    testing::FakeSound sound{log};
    CuePlayer cues{sound, "C:\\Corvella", settings.EnableSound};
};

TEST(StyleCommands, ChangeOneSectionOrAllTwentyAfterAsking) {
    CommandHarness h;
    h.dialogs.answer = MessageAnswer::No;
    OnStyleCommand(StyleCommand::SmallIcons, 1, h.Deps());
    EXPECT_EQ(h.sections.gSectionSize[2], 0);
    EXPECT_EQ(h.sections.gSectionSize[1], -1);
    EXPECT_EQ(h.log, (CallLog{"message Make ALL Sections use this size button? | Change Button Sizes | default No", "save settings",
                              "load buttons", "arrange", "save looks", "arrange"}));

    h.log.clear();
    h.dialogs.answer = MessageAnswer::Yes;
    OnStyleCommand(StyleCommand::fullwidth, 0, h.Deps());
    for (int i = 0; i <= 20; ++i) EXPECT_EQ(h.sections.gSectionSize[static_cast<size_t>(i)], 2) << i;
}

TEST(StyleCommands, DoNothingForTheSameStyleButTextOnlyStillAsks) {
    CommandHarness h;
    OnStyleCommand(StyleCommand::LargeIcons, 0, h.Deps());
    EXPECT_TRUE(h.log.empty());
    h.sections.gSectionSize[1] = 1;  // also large icons, stored as 1: replaced by -1
    h.dialogs.answer = MessageAnswer::No;
    OnStyleCommand(StyleCommand::LargeIcons, 0, h.Deps());
    EXPECT_EQ(h.sections.gSectionSize[1], -1);

    h.sections.gSectionSize[1] = 3;
    h.log.clear();
    OnStyleCommand(StyleCommand::textonly, 0, h.Deps());
    EXPECT_EQ(h.log.front(), "message Make ALL Sections use this size button? | Change Button Sizes | default No");
    EXPECT_EQ(h.log.back(), "save looks");
}

TEST(StyleCommands, RefuseWhileLocked) {
    CommandHarness h;
    h.settings.gLocked = 1;
    OnStyleCommand(StyleCommand::textonly, 0, h.Deps());
    EXPECT_EQ(h.log, CallLog{"message Cannot change section button sizes when Corvella is Locked! | Corvella"});
    EXPECT_EQ(h.sections.gSectionSize[1], -1);
}

TEST(ScrollAndResize, ScrollPlaysItsCueAndResizeSnapsBackWhileLocked) {
    CommandHarness h;
    OnScrollChange(h.Deps());
    EXPECT_EQ(h.log, (CallLog{"sound C:\\Corvella\\scroll.wav", "arrange", "focus tab"}));

    h.log.clear();
    h.controls.SetScrollValue({ControlName::HScroll1}, 3);
    h.settings.gLocked = 1;
    h.settings.unshadedPlacement = {100, 200, 3000, 6000};
    h.window.placement = {5, 5, 9999, 9999};
    OnMainWindowResize(true, h.Deps());
    EXPECT_EQ(h.window.placement, (Placement{100, 200, 3000, 6000}));
    EXPECT_EQ(h.controls.ScrollValue({ControlName::HScroll1}), 0);
    EXPECT_EQ(h.log.back(), "arrange");

    h.log.clear();
    h.window.minimised = true;
    OnMainWindowResize(true, h.Deps());
    EXPECT_EQ(h.log, CallLog{"hide to tray"});
}

// Putting the scroll bar back to the first page raises its change handler
// when it was elsewhere: a section switch from page 2 plays the scroll cue
// and arranges once more; from page 1 nothing extra happens.
TEST(ScrollAndResize, ResizeFromALaterPageRaisesTheScrollChange) {
    CommandHarness h;
    h.controls.SetScrollValue({ControlName::HScroll1}, 1);
    h.controls.onScrollChange = [&] { OnScrollChange(h.Deps()); };
    OnMainWindowResize(true, h.Deps());
    EXPECT_EQ(h.log, (CallLog{"sound C:\\Corvella\\scroll.wav", "arrange", "focus tab", "arrange"}));

    h.log.clear();
    OnMainWindowResize(true, h.Deps());
    EXPECT_EQ(h.log, CallLog{"arrange"});
}

}  // namespace
}  // namespace corvella
