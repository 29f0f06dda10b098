#include "mainwindow/ArrangeWindow.h"

#include <gtest/gtest.h>

#include <array>

#include "fakes/FakePorts.h"
#include "fakes/FakeWindowControls.h"

namespace corvella {
namespace {

using testing::FakeWindowControls;

struct LayoutHarness {
    LayoutHarness(int tpp, int widthPx, int heightPx, int sections, int16_t style = 1)
        : screen(1280, 1024, tpp) {
        window.placement = {100 * tpp, 0, widthPx * tpp, heightPx * tpp};
        table.gSectionCount = static_cast<int16_t>(sections);
        table.gCurrentSection = 1;
        for (int i = 1; i <= 20; ++i) {
            table.gSectionName[static_cast<size_t>(i)] = "S" + std::to_string(i);
            table.gSectionSize[static_cast<size_t>(i)] = style;
        }
        // Heights the controls have from the window's design.
        controls.SetGeometry({ControlName::HScroll1}, {0, 0, 100, 17 * tpp});
        controls.SetGeometry({ControlName::oButton}, {0, 0, 60 * tpp, 24 * tpp});
        controls.SetGeometry({ControlName::MinBut}, {0, 0, 37 * tpp, 14 * tpp});
        controls.SetGeometry({ControlName::message}, {0, 0, 120 * tpp, 40 * tpp});
        controls.SetGeometry({ControlName::hider}, {0, 0, 50, 50});
    }
    void AddButtons(int section, int count) {
        for (int i = 0; i < count; ++i)
            buttons.Append({"C:\\P" + std::to_string(i) + ".EXE", static_cast<int16_t>(section), "tip", "t", ""});
    }
    void Arrange() {
        ArrangeWindow(state, LayoutDeps{settings, table, buttons, window, controls, screen, events, false, false});
    }
    const testing::FakeControl& C(ControlName n, int i = 0) { return *controls.Find({n, i}); }

    testing::CallLog log;
    Settings settings;
    SectionTable table;
    ButtonTable buttons;
    testing::FakeWindow window{log};
    FakeWindowControls controls;
    testing::FakeScreen screen;
    testing::FakeEventLoop events{log};
    LayoutState state;
};

TEST(ArrangeWindow, StacksTabsInOneColumnInANarrowWindow) {
    for (int tpp : {15, 12}) {
        LayoutHarness h(tpp, 200, 700, 3);
        h.Arrange();
        EXPECT_EQ(h.state.TabsPerRow, 1);
        for (int i = 0; i < 3; ++i) {
            const ControlGeometry g = h.C(ControlName::sectionButton, i).geometry;
            EXPECT_EQ(g.top, 60 + i * 460) << tpp;
            EXPECT_EQ(g.height, 400);
            EXPECT_EQ(g.left, 2 * tpp);
            EXPECT_EQ(g.width, 188 * tpp);
            EXPECT_EQ(h.C(ControlName::sectionButton, i).caption, "S" + std::to_string(i + 1));
        }
        // The button area starts 7 pixels below the lowest tab.
        EXPECT_EQ(h.C(ControlName::buttonBG).geometry.top, 980 + 400 + 7 * tpp);
    }
}

// A section size that names no style (a hand-edited file) shows large icons:
// the per-style settings are indexed by the style code and must not be read
// past their ends.
TEST(ArrangeWindow, ShowsLargeIconsForASectionSizeThatNamesNoStyle) {
    for (int16_t size : {int16_t{4}, int16_t{5}, int16_t{32767}, int16_t{-32768}}) {
        LayoutHarness h(15, 300, 600, 1, size);
        h.settings.gActiveButtons = {11, 12, 13, 14};
        h.settings.IconSize = {0, 1, 0};
        h.AddButtons(1, 2);
        h.Arrange();
        const testing::FakeControl& first = h.C(ControlName::buttonObj, 0);
        EXPECT_EQ(first.properties.at(51), 12) << size;
        EXPECT_EQ(first.pictureList, 1) << size;
        EXPECT_EQ(first.geometry.height, h.settings.b2h * 15) << size;
        EXPECT_EQ(first.caption, "t") << size;
    }
}

TEST(ArrangeWindow, LaysTwentyTabsOutInAGrid) {
    LayoutHarness h(15, 600, 800, 20);
    h.Arrange();
    // (600 - 4) px / 110 px: 5 tabs per row, 4 rows.
    EXPECT_EQ(h.state.TabsPerRow, 5);
    EXPECT_EQ(h.state.TabWidth % 15, 0);
    EXPECT_EQ(h.state.TabWidth, 1725);  // (9000 - 180 - 4 x 45) / 5 = 1728, to whole pixels: 115 px
    const int32_t height = 375 / 15 * 15;
    const ControlGeometry last = h.C(ControlName::sectionButton, 19).geometry;
    EXPECT_EQ(last.top, 5 * 15 + 3 * (height + 45));
    EXPECT_EQ(last.left, 30 + 4 * 1725 + 4 * 45);
    EXPECT_EQ(h.C(ControlName::buttonBG).geometry.top, last.top + last.height + 105);
}

TEST(ArrangeWindow, ShowsTheHintForAnEmptySection) {
    LayoutHarness h(15, 200, 700, 1);
    h.Arrange();
    EXPECT_EQ(h.C(ControlName::message).caption, "Drop stuff here to make buttons");
    EXPECT_TRUE(h.C(ControlName::message).visible);
    EXPECT_FALSE(h.C(ControlName::HScroll1).visible);
    for (int s = 0; s < 50; ++s) EXPECT_FALSE(h.C(ControlName::buttonObj, s).visible);
}

TEST(ArrangeWindow, PagesShowTheirOwnButtonsInRecordOrder) {
    LayoutHarness h(15, 200, 500, 1);  // large buttons: one column
    h.AddButtons(2, 3);                 // records of another section come first
    h.AddButtons(1, 12);
    h.Arrange();
    const ControlGeometry bg = h.C(ControlName::buttonBG).geometry;
    int rows = 0;
    for (int y = 63 * 15; y < bg.height - 17 * 15 + 50; y += 63 * 15 + 50) ++rows;
    const int capacity = rows;  // one column
    ASSERT_GT(capacity, 0);
    ASSERT_LT(capacity, 12);
    EXPECT_TRUE(h.C(ControlName::HScroll1).visible);
    EXPECT_EQ(h.C(ControlName::HScroll1).scrollMax, (12 + capacity - 1) / capacity - 1);
    for (int page = 0; page * capacity < 12; ++page) {
        h.controls.SetScrollValue({ControlName::HScroll1}, page);
        h.Arrange();
        for (int s = 0; s < 12; ++s) {
            EXPECT_EQ(h.buttons.gSlotButton[static_cast<size_t>(s)], 3 + s);
            const bool onPage = s >= page * capacity && s < (page + 1) * capacity;
            EXPECT_EQ(h.C(ControlName::buttonObj, s).visible, onPage) << "page " << page << " slot " << s;
        }
        EXPECT_FALSE(h.C(ControlName::message).visible);
    }
}

TEST(ArrangeWindow, CentresFewerButtonsThanColumns) {
    LayoutHarness h(15, 400, 600, 1, 0);  // small buttons, 44 px wide
    h.AddButtons(1, 2);
    h.Arrange();
    const ControlGeometry bg = h.C(ControlName::buttonBG).geometry;
    const ControlGeometry first = h.C(ControlName::buttonObj, 0).geometry;
    const ControlGeometry second = h.C(ControlName::buttonObj, 1).geometry;
    EXPECT_EQ(second.left - first.left, 44 * 15 + 50);
    const int32_t used = 2 * 44 * 15 + 50;
    EXPECT_EQ(first.left - bg.left, (bg.width - used + 1) / 2);
    EXPECT_EQ(h.C(ControlName::buttonObj, 0).caption, "");  // small buttons show no text
    EXPECT_EQ(h.C(ControlName::buttonObj, 0).pictureKey, "I0");
}

TEST(ArrangeWindow, HidesTheButtonsASmallerSectionDoesNotUse) {
    LayoutHarness h(15, 1000, 900, 2, 0);
    h.AddButtons(1, 50);
    h.AddButtons(2, 3);
    h.Arrange();
    EXPECT_TRUE(h.C(ControlName::buttonObj, 49).visible || h.C(ControlName::HScroll1).visible);
    h.table.gCurrentSection = 2;
    h.Arrange();
    for (int s = 3; s < 50; ++s) EXPECT_FALSE(h.C(ControlName::buttonObj, s).visible) << s;
    for (int s = 0; s < 3; ++s) EXPECT_TRUE(h.C(ControlName::buttonObj, s).visible) << s;
}

TEST(ArrangeWindow, StopsEarlyWithoutSectionsShadedOrMinimised) {
    LayoutHarness none(15, 200, 700, 0);
    none.Arrange();
    EXPECT_FALSE(none.C(ControlName::sectionButton, 0).visible);
    EXPECT_EQ(none.C(ControlName::hider).geometry.left, -100);  // parking still runs

    LayoutHarness shaded(15, 200, 700, 2);
    shaded.settings.WindowShade = 1;
    shaded.Arrange();
    EXPECT_FALSE(shaded.C(ControlName::sectionButton, 0).visible);

    LayoutHarness minimised(15, 200, 700, 2);
    minimised.window.minimised = true;
    minimised.Arrange();
    EXPECT_EQ(minimised.C(ControlName::hider).geometry.left, 0);
}

TEST(ArrangeWindow, GivesTheSameResultTwice) {
    LayoutHarness h(12, 300, 700, 4);
    h.AddButtons(1, 20);
    h.Arrange();
    std::vector<ControlGeometry> first;
    for (int s = 0; s < 50; ++s) first.push_back(h.C(ControlName::buttonObj, s).geometry);
    h.Arrange();
    for (int s = 0; s < 50; ++s) EXPECT_EQ(h.C(ControlName::buttonObj, s).geometry, first[static_cast<size_t>(s)]);
}

TEST(ArrangeWindow, TitleFollowsTheCaptionSetting) {
    LayoutHarness h(15, 200, 700, 1);
    h.settings.gCaption = 0;
    h.Arrange();
    EXPECT_EQ(h.window.title, "");
    h.settings.gCaption = 1;
    h.Arrange();
    EXPECT_EQ(h.window.title, " Corvella");
}

// The frame and title bar grow faster than the screen's resolution: what
// they take beyond the 96-dpi allowance (27 px titled, 8 px untitled) moves
// the bottom bar and the button area's bottom up by as much; a frame within
// the allowance, or one that cannot be measured, changes nothing.
TEST(ArrangeWindow, LeavesRoomForAFrameTallerThanTheAllowance) {
    struct Case {
        int tpp;
        int16_t caption;
        int frameHeightPx;  // -1: not measured
        int raisedBy;       // twips
    };
    const Case cases[] = {
        {15, 1, -1, 0}, {15, 1, 27, 0}, {15, 1, 20, 0},   {12, 1, 32, 60},
        {10, 1, 38, 110}, {10, 0, 8, 0}, {10, 0, 12, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.tpp) + " twips/px, frame " + std::to_string(c.frameHeightPx));
        auto bottoms = [&](int frame) {
            LayoutHarness h(c.tpp, 200, 500, 2);
            h.settings.gCaption = c.caption;
            h.window.frameHeight = frame < 0 ? -1 : frame * c.tpp;
            h.Arrange();
            return std::array<int32_t, 4>{h.C(ControlName::MinBut).geometry.top, h.C(ControlName::reOrgBut).geometry.top,
                                          h.C(ControlName::oButton).geometry.top,
                                          h.C(ControlName::buttonBG).geometry.top + h.C(ControlName::buttonBG).geometry.height};
        };
        const std::array<int32_t, 4> plain = bottoms(-1), framed = bottoms(c.frameHeightPx);
        for (std::size_t i = 0; i < plain.size(); ++i) EXPECT_EQ(plain[i] - framed[i], c.raisedBy) << i;
    }
}

// Side frames wider than the 96-dpi allowance (8 px together) narrow the
// width the layout works with by as much: the tabs, the button area and the
// right-hand bottom button end that much further left, and the Options
// button is centred in what is left; a frame within the allowance, or one
// that cannot be measured, changes nothing.
TEST(ArrangeWindow, LeavesRoomForAFrameWiderThanTheAllowance) {
    struct Case {
        int tpp;
        int frameWidthPx;  // -1: not measured
        int narrowedBy;    // twips
    };
    const Case cases[] = {{15, -1, 0}, {15, 8, 0}, {15, 6, 0}, {12, 10, 24}, {10, 16, 80}, {10, 17, 90}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.tpp) + " twips/px, frame " + std::to_string(c.frameWidthPx));
        auto edges = [&](int frame) {
            LayoutHarness h(c.tpp, 200, 500, 2);
            h.window.frameWidth = frame < 0 ? -1 : frame * c.tpp;
            h.Arrange();
            auto right = [&](ControlName n) { return h.C(n).geometry.left + h.C(n).geometry.width; };
            return std::array<int32_t, 4>{right(ControlName::sectionButton), right(ControlName::buttonBG),
                                          right(ControlName::reOrgBut), 2 * h.C(ControlName::oButton).geometry.left};
        };
        const std::array<int32_t, 4> plain = edges(-1), framed = edges(c.frameWidthPx);
        for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(plain[i] - framed[i], c.narrowedBy) << i;
        // Centring rounds to whole twips: within one twip of half the excess.
        EXPECT_NEAR(plain[3] - framed[3], c.narrowedBy, 2);
    }
}

// The drive button and the move switch keep their 96-dpi size (37 x 14 px)
// at every resolution, so their captions' growing font still fits; the
// switch stays 8 px (of the screen) from the window's right edge.
TEST(ArrangeWindow, BottomBarButtonsKeepTheirSizeInTwips) {
    for (int tpp : {15, 12, 10}) {
        SCOPED_TRACE(tpp);
        LayoutHarness h(tpp, 300, 500, 2);
        h.Arrange();
        const ControlGeometry drive = h.C(ControlName::MinBut).geometry, moveSwitch = h.C(ControlName::reOrgBut).geometry;
        EXPECT_EQ(drive.left, 0);
        for (const ControlGeometry& g : {drive, moveSwitch}) {
            EXPECT_EQ(g.width, 555);
            EXPECT_EQ(g.height, 210);
        }
        EXPECT_EQ(moveSwitch.left + moveSwitch.width, 300 * tpp - 8 * tpp);
        EXPECT_EQ(moveSwitch.top, drive.top);
    }
}

}  // namespace
}  // namespace corvella
