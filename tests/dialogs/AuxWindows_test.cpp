#include "dialogs/AuxWindows.h"

#include <gtest/gtest.h>

#include "dialogs/EdgeStrip.h"
#include "fakes/FakeShadePorts.h"

namespace corvella {
namespace {

using testing::CallLog;

TEST(ScreenClass, LargeFontsAboveSixteenPixels) {
    const struct {
        int height;
        const char* screenClass;
    } cases[] = {{13, "VGA"}, {16, "VGA"}, {17, "8514"}, {20, "8514"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ScreenClassFor(c.height), c.screenClass) << c.height;
        EXPECT_EQ(IsLargeFonts(ScreenClassFor(c.height)), c.height > 16);
    }
}

TEST(ProgramFolderWithSlash, AddsExactlyOneBackslash) {
    EXPECT_EQ(ProgramFolderWithSlash("C:"), "C:\\");
    EXPECT_EQ(ProgramFolderWithSlash("C:\\"), "C:\\");
    EXPECT_EQ(ProgramFolderWithSlash("C:\\Corvella"), "C:\\Corvella\\");
    EXPECT_EQ(ProgramFolderWithSlash("C:") + TourPageFor(1).picture, "C:\\tour1.bmp");
}

TEST(Tour, NextShowsPageTwoWithItsLabelsAndBackReturns) {
    const TourPage one = TourPageFor(1), two = TourPageFor(2);
    EXPECT_STREQ(one.picture, "tour1.bmp");
    EXPECT_TRUE(one.nextVisible);
    EXPECT_FALSE(one.backVisible);
    EXPECT_FALSE(one.labelsVisible);
    EXPECT_STREQ(two.picture, "tour2.bmp");
    EXPECT_FALSE(two.nextVisible);
    EXPECT_TRUE(two.backVisible);
    EXPECT_TRUE(two.labelsVisible);
}

TEST(LargeFontLayouts, MoveTheControlsToTheirTwipPositions) {
    const auto splash = SplashLargeFontLayout();
    ASSERT_EQ(splash.size(), 5u);
    EXPECT_EQ(splash[0].width, 4515);
    EXPECT_EQ(splash[0].height, 4515);
    EXPECT_EQ(splash[2].control, AuxControl::VersionLabel);
    EXPECT_EQ(splash[2].left, 1212);
    EXPECT_EQ(splash[2].top, 1356);
    EXPECT_EQ(splash[3].control, AuxControl::Command3);
    EXPECT_EQ(splash[3].top, 3876);
    EXPECT_EQ(splash[4].control, AuxControl::Command4);
    EXPECT_EQ(splash[4].top, 4152);
    const auto tour = TourLargeFontLayout();
    ASSERT_EQ(tour.size(), 5u);
    EXPECT_EQ(tour[0].width, 7720);
    EXPECT_EQ(tour[0].height, 5920);
    EXPECT_EQ(tour[1].control, AuxControl::Command1);
    EXPECT_EQ(tour[1].left, 6792);
    EXPECT_EQ(tour[2].left, 96);
    EXPECT_EQ(tour[3].left, 1332);
    EXPECT_EQ(tour[4].left, 2316);
    for (size_t i = 1; i < tour.size(); ++i) EXPECT_EQ(tour[i].top, i < 3 ? 5268 : 4920);
}

TEST(About, DisarmsTheHotKeyWhileTheWelcomeWindowIsOpen) {
    CallLog log;
    testing::FakeHotKey hotKey{log};
    ShowAboutWindow(hotKey, [&] { log.push_back("welcome window"); });
    EXPECT_EQ(log, (CallLog{"hotkey enabled 0", "welcome window", "hotkey enabled 1"}));
}

TEST(EdgeStrip, FlashesRedWhileThePointerMoves) {
    CallLog log;
    testing::FakeEdgeStrip strip{log};
    OnStripTimer(strip);
    OnStripMouseMove(strip);
    OnStripTimer(strip);
    OnStripTimer(strip);
    EXPECT_EQ(log, (CallLog{"strip colour 255", "strip colour 0"}));
}

TEST(EdgeStrip, AClickBringsTheWindowBackUnlessTheLauncherIsBusy) {
    const struct {
        bool busy;
        int16_t shade;
        CallLog expected;
    } cases[] = {
        {false, 1, {"toggle shade", "strip hide"}},
        {false, 0, {"strip hide"}},
        {true, 1, {}},
    };
    for (const auto& c : cases) {
        CallLog log;
        testing::FakeEdgeStrip strip{log};
        OnStripMouseUp(strip, c.busy, c.shade, [&] { log.push_back("toggle shade"); });
        EXPECT_EQ(log, c.expected) << "busy " << c.busy << " shade " << c.shade;
    }
}

}  // namespace
}  // namespace corvella
