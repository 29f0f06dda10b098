// The removable-drive list from the platform's drive types, the selection
// kept through EjectDefault, the eject button's two mouse buttons and
// ejecting every drive's media before the session ends.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/FakeSystemPorts.h"
#include "fakes/FakeWindowControls.h"
#include "launch/EjectDrives.h"

namespace corvella {
namespace {

using testing::CallLog;

struct EjectHarness {
    EjectDeps Deps() { return {drives, library, clock, events, controls, [this] { log.push_back("focus tab"); }}; }
    void Build() {
        BuildEjectDriveList(state, drives, clock, events);
        log.clear();
    }
    std::string Caption() const { return controls.Caption({ControlName::MinBut}); }
    std::vector<std::string> Ejects() const {
        std::vector<std::string> ejects;
        std::copy_if(log.begin(), log.end(), std::back_inserter(ejects),
                     [](const std::string& l) { return l.rfind("eject", 0) == 0; });
        return ejects;
    }

    CallLog log;
    testing::FakeDrives drives{log};
    testing::FakeEjectLibrary library{log};
    testing::FakeStopwatch clock;
    testing::SleepingEventLoop events{log, clock};
    testing::FakeWindowControls controls;
    EjectDriveState state;
};

TEST(EjectDriveList, TakesRemovableAndCdDrivesInListOrderWithCapitalLetters) {
    EjectHarness h;
    h.drives.list = {"a:\\", "c:\\", "d:\\", "e:\\", "f:\\", "z:\\"};
    h.drives.types = {{"A:\\", {kDriveRemovable}}, {"C:\\", {kDriveFixed}}, {"D:\\", {kDriveCdRom}},
                      {"E:\\", {kDriveRemote}},    {"F:\\", {kDriveRemovable}}, {"Z:\\", {kDriveFixed}}};
    h.state.gEjectIndex = 3;
    BuildEjectDriveList(h.state, h.drives, h.clock, h.events);
    EXPECT_EQ(h.state.gEjectDrives, (std::vector<std::string>{"A: disk", "D: cd", "F: disk"}));
    EXPECT_EQ(h.state.gEjectDriveCount(), 3);
    EXPECT_EQ(h.state.gEjectIndex, 0);
}

TEST(EjectDriveList, AsksAgainWhileTheTypeIsUnknownForUpTo15Seconds) {
    struct Case {
        const char* name;
        std::deque<int> answers;
        std::vector<std::string> expected;
        bool fullWait;
    };
    const Case cases[] = {
        {"unknown then cd", {kDriveUnknown, kDriveUnknown, kDriveCdRom}, {"D: cd"}, false},
        {"no root then removable", {kDriveNoRootDir, kDriveRemovable}, {"D: disk"}, false},
        {"unknown for good", {kDriveUnknown}, {}, true},
        {"no root for good", {kDriveNoRootDir}, {}, true},
        {"fixed at once", {kDriveFixed}, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EjectHarness h;
        h.drives.list = {"d:\\"};
        h.drives.types["D:\\"] = c.answers;
        BuildEjectDriveList(h.state, h.drives, h.clock, h.events);
        EXPECT_EQ(h.state.gEjectDrives, c.expected);
        if (c.fullWait) {
            EXPECT_GE(h.clock.now, kDriveTypeWaitMs);
            EXPECT_LT(h.clock.now, kDriveTypeWaitMs + 2 * kDrivePollPauseMs);
        } else {
            EXPECT_EQ(h.drives.typeAsks["D:\\"], static_cast<int>(c.answers.size()));
        }
    }
}

TEST(EjectDriveList, EachDriveGetsItsOwn15Seconds) {
    EjectHarness h;
    h.drives.list = {"d:\\", "e:\\"};
    h.drives.types = {{"D:\\", {kDriveUnknown}}, {"E:\\", {kDriveNoRootDir, kDriveNoRootDir, kDriveCdRom}}};
    BuildEjectDriveList(h.state, h.drives, h.clock, h.events);
    EXPECT_EQ(h.state.gEjectDrives, std::vector<std::string>{"E: cd"});
}

TEST(EjectDriveList, EntriesThatAreNoDriveAreSkipped) {
    EjectHarness h;
    h.drives.list = {"", "d", "1:\\", "\\\\server\\share", "e:\\"};
    h.drives.types["E:\\"] = {kDriveCdRom};
    BuildEjectDriveList(h.state, h.drives, h.clock, h.events);
    EXPECT_EQ(h.state.gEjectDrives, std::vector<std::string>{"E: cd"});
    EXPECT_EQ(h.drives.typeAsks.size(), 1u);
}

TEST(EjectSelection, TheStoredLetterSelectsItsEntry) {
    struct Case {
        const char* ejectDefault;
        int16_t index;
    };
    const Case cases[] = {{"d", 1}, {"D", 1}, {"e", 2}, {"a", 0}, {"q", 0}, {"", 0}, {"dx", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ejectDefault);
        EjectHarness h;
        h.state.gEjectDrives = {"A: disk", "D: cd", "E: disk"};
        h.state.gEjectIndex = 2;
        RestoreEjectSelection(h.state, c.ejectDefault, h.controls);
        EXPECT_EQ(h.state.gEjectIndex, c.index);
        EXPECT_EQ(h.Caption(), h.state.gEjectDrives[static_cast<size_t>(c.index)]);
    }
}

TEST(EjectSelection, WithNoDrivesTheCaptionIsEmpty) {
    EjectHarness h;
    h.controls.SetCaption({ControlName::MinBut}, "old");
    RestoreEjectSelection(h.state, "d", h.controls);
    EXPECT_EQ(h.state.gEjectIndex, 0);
    EXPECT_EQ(h.Caption(), "");
}

TEST(EjectButton, RightClicksCycleThroughTheDrivesAndTheTabTakesTheFocus) {
    EjectHarness h;
    h.state.gEjectDrives = {"D: cd", "E: disk"};
    RestoreEjectSelection(h.state, "d", h.controls);
    std::vector<std::string> captions;
    for (int i = 0; i < 4; ++i) {
        OnMinButMouseUp(h.state, 2, h.Deps());
        captions.push_back(h.Caption());
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"E: disk", "D: cd", "E: disk", "D: cd"}));
    EXPECT_TRUE(h.Ejects().empty());
    EXPECT_EQ(std::count(h.log.begin(), h.log.end(), "focus tab"), 4);
}

TEST(EjectButton, OtherButtonsEjectTheSelectedDriveEvenDriveA) {
    for (int button : {1, 4}) {
        SCOPED_TRACE(button);
        EjectHarness h;
        h.state.gEjectDrives = {"A: disk", "D: cd"};
        RestoreEjectSelection(h.state, "a", h.controls);
        OnMinButMouseUp(h.state, button, h.Deps());
        OnMinButMouseUp(h.state, 2, h.Deps());
        OnMinButMouseUp(h.state, button, h.Deps());
        EXPECT_EQ(h.Ejects(), (std::vector<std::string>{"eject 1 65", "eject 4 68"}));
        EXPECT_EQ(h.log.back(), "focus tab");
    }
}

TEST(EjectButton, WithNoDrivesNeitherButtonDoesAnything) {
    EjectHarness h;
    RestoreEjectSelection(h.state, "a", h.controls);
    OnMinButMouseUp(h.state, 1, h.Deps());
    OnMinButMouseUp(h.state, 2, h.Deps());
    EXPECT_TRUE(h.Ejects().empty());
    EXPECT_EQ(h.Caption(), "");
    EXPECT_EQ(h.state.gEjectIndex, 0);
}

TEST(EjectAll, SkipsDriveAAndDrivesWithoutMedia) {
    EjectHarness h;
    h.state.gEjectDrives = {"A: disk", "D: cd", "E: disk", "F: cd"};
    const DiskCounts cd{1, 2048, 0, 300000};
    h.drives.disks["A:\\"] = {DiskCounts{1, 512, 0, 2880}};
    h.drives.disks["D:\\"] = {cd};
    // E: fails every time: no media.
    h.drives.disks["F:\\"] = {std::nullopt, std::nullopt, DiskCounts{8, 512, 10, 1000}};
    EjectAllMedia(h.state, h.Deps());
    EXPECT_EQ(h.Ejects(), (std::vector<std::string>{"eject 4 68", "eject 6 70"}));
    EXPECT_EQ(h.drives.spaceAsks.count("A:\\"), 0u);
    EXPECT_EQ(h.drives.spaceAsks["F:\\"], 3);
}

TEST(EjectAll, AnEmptyDriveCostsTwoSecondsAndLetsEventsRun) {
    EjectHarness h;
    h.state.gEjectDrives = {"E: disk"};
    EjectAllMedia(h.state, h.Deps());
    EXPECT_TRUE(h.Ejects().empty());
    EXPECT_GE(h.clock.now, kMediaWaitMs);
    EXPECT_LT(h.clock.now, kMediaWaitMs + kDrivePollPauseMs + 1);
    EXPECT_GT(h.events.passes, 0);
}

TEST(EjectAll, AZeroCapacityAnswerCountsAsNoMedia) {
    EjectHarness h;
    h.state.gEjectDrives = {"D: cd", "E: disk"};
    h.drives.disks["D:\\"] = {DiskCounts{1, 2048, 0, 0}};
    h.drives.disks["E:\\"] = {DiskCounts{0, 512, 0, 100}};
    EjectAllMedia(h.state, h.Deps());
    EXPECT_TRUE(h.Ejects().empty());
}

TEST(EjectAll, CapacityIsComputedWithoutOverflow) {
    // 64 x 4096 x 2^24 bytes is 4 TiB: more than 32 bits hold.
    EXPECT_EQ(CapacityOf({64, 4096, 0, 1u << 24}), uint64_t{1} << 42);
    EXPECT_EQ(CapacityOf({0xFFFFFFFFu, 0xFFFFFFFFu, 0, 1}), uint64_t{0xFFFFFFFFu} * 0xFFFFFFFFu);
    EXPECT_EQ(CapacityOf({}), 0u);
}

}  // namespace
}  // namespace corvella
