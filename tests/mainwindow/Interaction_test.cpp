#include "mainwindow/Interaction.h"

#include <gtest/gtest.h>

#include "fakes/ModelHarness.h"

namespace corvella {
namespace {

using testing::CallLog;
using testing::ModelHarness;
using testing::Rec;

// Three sections; section 1 holds a, b, c and section 2 holds x between them.
constexpr char kIni[] =
    "[Options]\r\nSection1Name=One\r\nSection2Name=Two\r\nSection3Name=Three\r\n"
    "[Sections]\r\nColor1=111\r\nColor2=222\r\nColor3=333\r\n"
    "[Buttons]\r\nButton1=C:\\a.exe\xFF" "1\xFF\xFF\xFF\r\nButton2=C:\\x.exe\xFF" "2\xFF\xFF\xFF\r\n"
    "Button3=C:\\b.exe\xFF" "1\xFF\xFF\xFF\r\nButton4=C:\\c.exe\xFF" "1\xFF\xFF\xFF\r\n";

struct InteractionHarness : ModelHarness {
    InteractionHarness() : ModelHarness(kIni) {
        Load();
        MapSlots();
        log.clear();
        profile.writes.clear();
    }
    InteractionDeps Deps() {
        return {settings, sections, buttons, model, controls, dialogs, cues, events,
                [this](int k) { log.push_back("launch " + buttons.gButtonTarget[static_cast<size_t>(k)]); },
                [this](ContextMenuName m) {
                    log.push_back("menu " + std::to_string(static_cast<int>(m)) +
                                  (state.gMenuOpen ? " (open)" : ""));
                    if (whileMenuOpen) whileMenuOpen();
                },
                [this] { log.push_back("shade"); },
                [this] { log.push_back("resize"); },
                [this] { log.push_back("arrange"); },
                [this] { log.push_back("focus tab"); }};
    }
    std::vector<std::string> Targets() const { return buttons.gButtonTarget; }
    bool Dragging(ControlName name, int index) { return controls.Find({name, index})->automaticDrag; }

    InteractionState state;
    std::function<void()> whileMenuOpen;
    MainWindowInteraction ui{state, Deps()};
};

TEST(LaunchButtons, LeftClickLaunchesThenShadesAndReturnsHome) {
    InteractionHarness h;
    h.settings.EnableShade = 1;
    h.settings.UseHomeSection = 1;
    h.settings.HomeSection = 2;
    h.ui.OnButtonMouseDown(1, kLeftMouseButton);
    h.ui.OnButtonMouseUp(1, 0);
    EXPECT_EQ(h.log, (CallLog{"sound C:\\Corvella\\clickdown.wav", "events", "sound C:\\Corvella\\clickup.wav",
                              "shade", "focus tab", "launch C:\\b.exe", "resize"}));
    EXPECT_EQ(h.sections.gCurrentSection, 2);
    EXPECT_EQ(h.controls.Find({ControlName::buttonBG, 0})->backColor, 222);
    EXPECT_EQ(h.state.gMenuIndex, 1);
    EXPECT_FALSE(h.state.gButtonPressed);
}

TEST(LaunchButtons, ControlClickNeitherShadesNorReturnsHome) {
    InteractionHarness h;
    h.settings.EnableShade = 1;
    h.settings.UseHomeSection = 1;
    h.settings.HomeSection = 3;
    h.ui.OnButtonMouseDown(0, kLeftMouseButton);
    h.ui.OnButtonMouseUp(0, kControlShift);
    EXPECT_EQ(h.log, (CallLog{"sound C:\\Corvella\\clickdown.wav", "events", "sound C:\\Corvella\\clickup.wav",
                              "focus tab", "launch C:\\a.exe"}));
    EXPECT_EQ(h.sections.gCurrentSection, 1);
    // Shift together with Control is not "Control held".
    h.log.clear();
    h.ui.OnButtonMouseDown(0, kLeftMouseButton);
    h.ui.OnButtonMouseUp(0, kControlShift | 1);
    EXPECT_EQ(h.sections.gCurrentSection, 3);
}

TEST(LaunchButtons, RightClickOpensTheButtonMenuAndNeverLaunches) {
    InteractionHarness h;
    h.ui.OnButtonMouseDown(2, kRightMouseButton);
    h.ui.OnButtonMouseUp(2, 0);
    EXPECT_EQ(h.log, (CallLog{"sound C:\\Corvella\\clickdown.wav", "menu 0 (open)", "sound C:\\Corvella\\clickup.wav"}));
    EXPECT_FALSE(h.state.gMenuOpen);
    EXPECT_EQ(h.state.gMenuIndex, 2);
    // A left press followed by a right press: the menu cancels the pending launch.
    h.log.clear();
    h.ui.OnButtonMouseDown(0, kLeftMouseButton);
    h.ui.OnButtonMouseDown(0, kRightMouseButton);
    h.ui.OnButtonMouseUp(0, 0);
    EXPECT_EQ(std::count(h.log.begin(), h.log.end(), "launch C:\\a.exe"), 0);
}

TEST(LaunchButtons, SpaceLaunchesAndOtherKeysOnlyClick) {
    InteractionHarness h;
    h.ui.OnButtonKeyDown(2, 'A');
    h.ui.OnButtonKeyUp(2, 'A', 0);
    EXPECT_EQ(h.log, (CallLog{"sound C:\\Corvella\\clickup.wav"}));
    h.log.clear();
    h.ui.OnButtonKeyDown(2, kSpaceKey);
    h.ui.OnButtonKeyUp(2, kSpaceKey, 0);
    EXPECT_EQ(h.log, (CallLog{"sound C:\\Corvella\\clickdown.wav", "sound C:\\Corvella\\clickup.wav", "focus tab",
                              "launch C:\\c.exe"}));
    // A Space release without its press launches nothing.
    h.log.clear();
    h.ui.OnButtonKeyUp(2, kSpaceKey, 0);
    EXPECT_EQ(h.log, (CallLog{"sound C:\\Corvella\\clickup.wav"}));
}

TEST(LaunchButtons, AHomeSectionPastTheLastOneReturnsToTheFirst) {
    InteractionHarness h;
    h.sections.gCurrentSection = 2;
    h.settings.UseHomeSection = 1;
    h.settings.HomeSection = 9;
    h.ui.OnButtonMouseDown(0, kLeftMouseButton);
    h.ui.OnButtonMouseUp(0, 0);
    EXPECT_EQ(h.sections.gCurrentSection, 1);
    h.settings.HomeSection = 0;
    h.sections.gCurrentSection = 3;
    h.ui.OnButtonMouseDown(0, kLeftMouseButton);
    h.ui.OnButtonMouseUp(0, 0);
    EXPECT_EQ(h.settings.HomeSection, 1);
    EXPECT_EQ(h.sections.gCurrentSection, 1);
}

TEST(Tabs, TheCurrentTabOnlyComplainsAnotherSwitchesTheSection) {
    InteractionHarness h;
    h.ui.OnTabMouseDown(0, kLeftMouseButton);
    h.ui.OnTabMouseUp(0);
    EXPECT_EQ(h.log, (CallLog{"sound C:\\Corvella\\nogood.wav"}));

    h.log.clear();
    h.state.gButtonPressed = true;
    h.ui.OnTabMouseUp(2);
    EXPECT_EQ(h.log, (CallLog{"sound C:\\Corvella\\here.wav", "resize"}));
    EXPECT_EQ(h.sections.gCurrentSection, 3);
    EXPECT_FALSE(h.state.gButtonPressed);
    EXPECT_EQ(h.controls.Find({ControlName::buttonBG, 0})->backColor, 333);
    EXPECT_EQ(h.controls.Find({ControlName::sectionButton, 2})->properties[13], 1);
    EXPECT_EQ(h.controls.Find({ControlName::sectionButton, 0})->properties[13], 3);

    // Without section colours the button area keeps its colour; Space on a tab switches too.
    h.settings.EnableColors = 0;
    h.ui.OnTabKeyUp(1, 'X');
    EXPECT_EQ(h.sections.gCurrentSection, 3);
    h.ui.OnTabKeyUp(1, kSpaceKey);
    EXPECT_EQ(h.sections.gCurrentSection, 2);
    EXPECT_EQ(h.controls.Find({ControlName::buttonBG, 0})->backColor, 333);
    EXPECT_EQ(h.state.gMenuIndex, 1);
}

TEST(Tabs, RightClickOpensTheSectionMenuOnThatTab) {
    InteractionHarness h;
    h.ui.OnTabMouseDown(2, kRightMouseButton);
    EXPECT_EQ(h.log, (CallLog{"menu 1 (open)"}));
    EXPECT_EQ(h.state.gMenuIndex, 2);
}

TEST(Menus, WhileOneIsOpenButtonsTabsTheSwitchAndTheWindowDoNothing) {
    InteractionHarness h;
    h.settings.EnableShade = 1;
    h.whileMenuOpen = [&] {
        h.ui.OnButtonMouseDown(0, kLeftMouseButton);
        h.ui.OnButtonMouseUp(0, 0);
        h.ui.OnButtonKeyDown(0, kSpaceKey);
        h.ui.OnButtonKeyUp(0, kSpaceKey, 0);
        h.ui.OnTabMouseDown(1, kRightMouseButton);
        h.ui.OnTabMouseUp(1);
        h.ui.OnMoveSwitchClick();
        h.ui.OnWindowClick();
    };
    h.ui.OnOptionsButtonClick();
    EXPECT_EQ(h.log, (CallLog{"menu 2 (open)"}));
    EXPECT_EQ(h.sections.gCurrentSection, 1);
    EXPECT_FALSE(h.state.gMoveMode);
    // Closed again, the window's background shades, its cue first.
    h.log.clear();
    h.ui.OnWindowClick();
    EXPECT_EQ(h.log, (CallLog{"sound C:\\Corvella\\shade.wav", "shade"}));
    // Shaded, a click brings it back without the request's cue.
    h.settings.WindowShade = 1;
    h.log.clear();
    h.ui.OnWindowClick();
    EXPECT_EQ(h.log, (CallLog{"shade"}));
}

TEST(MoveMode, TheSwitchIsRefusedWhileLockedAndTogglesDragging) {
    InteractionHarness h;
    h.settings.gLocked = 1;
    h.ui.OnMoveSwitchClick();
    EXPECT_EQ(h.log, (CallLog{"message Cannot move buttons while the Corvella is Locked! | Corvella"}));
    EXPECT_FALSE(h.state.gMoveMode);

    h.settings.gLocked = 0;
    h.log.clear();
    h.ui.OnMoveSwitchClick();
    EXPECT_TRUE(h.state.gMoveMode);
    EXPECT_EQ(h.log, (CallLog{"sound C:\\Corvella\\bleep.wav", "focus tab", "arrange"}));
    EXPECT_TRUE(h.Dragging(ControlName::buttonObj, 0));
    EXPECT_TRUE(h.Dragging(ControlName::buttonObj, 49));
    EXPECT_FALSE(h.Dragging(ControlName::buttonObj, 50));
    EXPECT_TRUE(h.Dragging(ControlName::sectionButton, 19));
    EXPECT_TRUE(h.profile.writes.empty());
}

TEST(MoveMode, DraggingTheThirdButtonOntoTheFirstGivesThreeOneTwoAndIsSavedOnLeaving) {
    InteractionHarness h;
    h.ui.OnMoveSwitchClick();
    h.ui.OnDropOnButton(0, false, 2);  // c onto a
    EXPECT_EQ(h.Targets(), (std::vector<std::string>{"C:\\c.exe", "C:\\x.exe", "C:\\a.exe", "C:\\b.exe"}));
    EXPECT_EQ(h.buttons.gButtonSection, (std::vector<int16_t>{1, 2, 1, 1}));
    // The icon lists follow the records: the section on show at once, the
    // other section's button when the launcher is idle.
    EXPECT_EQ(h.icons.keys, (std::vector<std::string>{"I0", "I2", "I3", "I4"}));
    EXPECT_FALSE(h.model.FetchWaitingIcons(10));
    EXPECT_EQ(h.icons.keys.size(), 5u);
    EXPECT_TRUE(h.profile.writes.empty());

    h.sections.gCurrentSection = 2;
    h.ui.OnMoveSwitchClick();
    EXPECT_FALSE(h.state.gMoveMode);
    EXPECT_EQ(h.sections.gCurrentSection, 2);
    EXPECT_FALSE(h.Dragging(ControlName::buttonObj, 0));
    EXPECT_EQ(h.Button(1), Rec("C:\\c.exe|1|||"));
    EXPECT_EQ(h.Button(2), Rec("C:\\x.exe|2|||"));
    EXPECT_EQ(h.Button(3), Rec("C:\\a.exe|1|||"));
    EXPECT_EQ(h.Button(4), Rec("C:\\b.exe|1|||"));
}

TEST(MoveMode, ButtonsMoveForwardAndOntoThemselves) {
    InteractionHarness h;
    h.ui.OnDropOnButton(1, false, 1);  // b onto itself
    EXPECT_EQ(h.Targets(), (std::vector<std::string>{"C:\\a.exe", "C:\\x.exe", "C:\\b.exe", "C:\\c.exe"}));
    h.ui.OnDropOnButton(2, false, 0);  // a onto c
    EXPECT_EQ(h.Targets(), (std::vector<std::string>{"C:\\b.exe", "C:\\x.exe", "C:\\c.exe", "C:\\a.exe"}));
    // A tab dropped on a launch button moves nothing.
    h.ui.OnDropOnButton(0, true, 1);
    EXPECT_EQ(h.Targets()[0], "C:\\b.exe");
}

TEST(MoveMode, AButtonDroppedOnATabChangesItsSectionInMemoryOnly) {
    InteractionHarness h;
    h.ui.OnDropOnTab(2, false, 1);  // b to section 3
    EXPECT_EQ(h.buttons.gButtonSection, (std::vector<int16_t>{1, 2, 3, 1}));
    EXPECT_EQ(h.log, (CallLog{"focus tab", "arrange"}));
    EXPECT_TRUE(h.profile.writes.empty());
}

TEST(MoveMode, ATabDroppedOnItsRightNeighbourMovesTheSectionAndWritesItsKeys) {
    InteractionHarness h;
    h.sections.gSectionSize = {0, 0, 2, 3};
    h.ui.OnDropOnTab(1, true, 0);
    EXPECT_EQ(h.profile.Value("Section1Name"), "Two");
    EXPECT_EQ(h.profile.Value("Section2Name"), "One");
    EXPECT_EQ(h.profile.Value("Section1Size"), "2");
    EXPECT_EQ(h.profile.Value("Color1", "Sections"), "222");
    EXPECT_EQ(h.profile.Value("Color2", "Sections"), "111");
    EXPECT_EQ(h.profile.Value("Section3Name"), "Three");
    EXPECT_EQ(h.profile.WrittenKeys(), (std::vector<std::string>{"Section2Name", "Section2Size", "Color2", "FGColor2",
                                                                  "Section1Name", "Section1Size", "Color1",
                                                                  "FGColor1"}));
    EXPECT_EQ(h.buttons.gButtonSection, (std::vector<int16_t>{2, 1, 2, 2}));
    EXPECT_EQ(h.sections.gCurrentSection, 2);
    EXPECT_EQ(h.sections.gSectionName[1], "Two");  // read back from the file
}

TEST(MoveMode, TheLastTabDroppedOnTheFirstShiftsTheOthersRight) {
    InteractionHarness h;
    h.ui.OnDropOnTab(0, true, 2);
    EXPECT_EQ(h.profile.Value("Section1Name"), "Three");
    EXPECT_EQ(h.profile.Value("Section2Name"), "One");
    EXPECT_EQ(h.profile.Value("Section3Name"), "Two");
    EXPECT_EQ(h.buttons.gButtonSection, (std::vector<int16_t>{2, 3, 2, 2}));
    EXPECT_EQ(h.sections.gCurrentSection, 1);
}

TEST(MoveMode, ATabDroppedOnItselfKeepsTheOrderAndBecomesCurrent) {
    InteractionHarness h;
    h.ui.OnDropOnTab(2, true, 2);
    EXPECT_EQ(h.profile.Value("Section3Name"), "Three");
    EXPECT_EQ(h.profile.Value("Section1Name"), "One");
    EXPECT_EQ(h.buttons.gButtonSection, (std::vector<int16_t>{1, 2, 1, 1}));
    EXPECT_EQ(h.sections.gCurrentSection, 3);
    // A tab past the last section is not a place to move to.
    h.ui.OnDropOnTab(7, true, 0);
    EXPECT_EQ(h.sections.gCurrentSection, 3);
}

TEST(SpringTab, HoveringFilesOverATabForMoreThanFifteenTicksOpensIt) {
    InteractionHarness h;
    auto hover = [&](int tab, int ticks) {
        h.ui.OnFilesOverTab(tab);
        for (int i = 0; i < ticks; ++i) h.ui.OnHoverTimerTick();
        h.ui.OnFilesOverTab(tab);
    };
    hover(2, 15);
    EXPECT_EQ(h.sections.gCurrentSection, 1);
    EXPECT_EQ(h.state.gHoverTicks, 15);
    // Moving to another tab resets the count; that tab starts from nothing.
    h.ui.OnFilesOverTab(1);
    EXPECT_EQ(h.state.gHoverTab, 0);
    hover(1, 10);
    EXPECT_EQ(h.state.gHoverTab, 2);
    for (int i = 0; i < 6; ++i) h.ui.OnHoverTimerTick();
    h.state.gButtonPressed = true;
    h.ui.OnFilesOverTab(1);
    EXPECT_EQ(h.sections.gCurrentSection, 2);
    EXPECT_FALSE(h.state.gButtonPressed);
    EXPECT_EQ(h.state.gMenuIndex, 1);
    EXPECT_EQ(std::count(h.log.begin(), h.log.end(), "sound C:\\Corvella\\here.wav"), 0);
}

TEST(SpringTab, TheTickCountStopsAtAThousandAndIdlesWithoutATab) {
    InteractionHarness h;
    h.ui.OnHoverTimerTick();
    EXPECT_EQ(h.state.gHoverPhase, 0);
    EXPECT_EQ(h.state.gHoverTicks, 0);
    h.ui.OnFilesOverTab(0);
    for (int i = 0; i < 1200; ++i) h.ui.OnHoverTimerTick();
    EXPECT_EQ(h.state.gHoverTicks, 1000);
    h.ui.OnFilesOverTab(0);  // the current tab: focused, nothing switches
    EXPECT_EQ(h.sections.gCurrentSection, 1);
}

}  // namespace
}  // namespace corvella
