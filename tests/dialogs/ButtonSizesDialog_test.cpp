// The button sizes dialog: opening puts the settings on the sliders and
// samples, the samples follow the sliders in twips of the screen, nothing
// reaches the settings before Close, Close writes every key and lays out,
// Cancel leaves everything as it was.
#include <gtest/gtest.h>

#include "dialogs/ButtonSizesDialog.h"
#include "external/ThreeDIds.h"
#include "fakes/FakeDialogViews.h"
#include "fakes/ModelHarness.h"

namespace corvella {
namespace {

using testing::FakeButtonSizesView;

struct ButtonSizesHarness : testing::ModelHarness {
    explicit ButtonSizesHarness(int twipsPerPixel = 15, std::string ini = {})
        : ModelHarness(std::move(ini)), screenAt{1024, 768, twipsPerPixel} {}
    ButtonSizesDeps Deps() {
        return {settings, view, screenAt, "C:\\Corvella",
                [this] { SaveButtonSizes(settings, SettingsDepsFor()); },
                [this] { log.push_back("load buttons"); },
                [this] { log.push_back("arrange"); }};
    }
    testing::FakeScreen screenAt;
    FakeButtonSizesView view;
    ButtonSizesDialog dialog{Deps()};
};

const std::vector<std::string> kAllKeys{"b1h", "b1w", "b2h", "b2w", "b3h", "b4h", "b4w", "b1pp", "b2pp",
                                        "b2cp", "b3pp", "b3cp", "b4cp", "gActiveButtons1", "gActiveButtons2",
                                        "gActiveButtons3", "gActiveButtons4", "IconSize0", "IconSize1",
                                        "IconSize2"};

TEST(ButtonSizesDialog, OpeningPutsTheSettingsOnTheSlidersAndTheSamples) {
    ButtonSizesHarness h;
    h.settings.IconSize = {1, 0, 1};
    h.settings.gActiveButtons = {1, 2, 3, 4};
    h.dialog.OnActivate();
    EXPECT_EQ(h.view.sliders[1], 44);   // b1w
    EXPECT_EQ(h.view.sliders[4], 63);   // b2h
    EXPECT_EQ(h.view.sliders[6], 175);  // b4w
    EXPECT_EQ(h.view.sliders[13], 7);   // b4cp
    EXPECT_EQ(h.view.smallIcon, (std::map<int, bool>{{0, true}, {1, false}, {2, true}}));
    for (int page = 1; page <= 4; ++page)
        EXPECT_EQ(h.view.samples[page].properties[threed::kPropButtonStyle], page) << page;
    EXPECT_EQ(h.view.samples[1].picture, "C:\\Corvella\\fwp3.bmp");
    EXPECT_EQ(h.view.samples[2].picture, "C:\\Corvella\\fwp3BIG.bmp");
    EXPECT_EQ(h.view.samples[3].picture, "C:\\Corvella\\fwp3.bmp");
    EXPECT_EQ(h.view.samples[4].picture, "");
    // Sizes in twips: 44 x 44 px small, 125 x 63 px large, 63 px high full
    // width (its width untouched), 175 x 30 px text.
    EXPECT_EQ(h.view.samples[1].width, 660);
    EXPECT_EQ(h.view.samples[2].width, 1875);
    EXPECT_EQ(h.view.samples[2].height, 945);
    EXPECT_EQ(h.view.samples[3].width, 1000);
    EXPECT_EQ(h.view.samples[3].height, 945);
    EXPECT_EQ(h.view.samples[4].height, 450);
    EXPECT_EQ(h.view.samples[2].properties[threed::kPropPicturePosition], 6);
    EXPECT_EQ(h.view.samples[2].properties[threed::kPropCaptionPosition], 8);
    EXPECT_EQ(h.view.samples[4].properties.count(threed::kPropPicturePosition), 0u);
    EXPECT_TRUE(h.view.samples[1].frameShown);
    EXPECT_FALSE(h.view.samples[2].frameShown);
    EXPECT_TRUE(h.profile.writes.empty());
}

TEST(ButtonSizesDialog, ASliderSizesItsPagesSampleInTwipsOfTheScreen) {
    struct Row { int twipsPerPixel, slider, value, page; bool height; int32_t twips; };
    const Row rows[] = {
        {15, 2, 90, 1, true, 1350}, {12, 2, 90, 1, true, 1080}, {15, 1, 310, 1, false, 4650},
        {15, 3, 10, 2, false, 150}, {15, 5, 17, 3, true, 255}, {12, 6, 100, 4, false, 1200},
        {15, 7, 11, 4, true, 165},
    };
    for (const Row& row : rows) {
        ButtonSizesHarness h(row.twipsPerPixel);
        h.dialog.OnActivate();
        h.view.sliders[row.slider] = row.value;
        h.dialog.OnSliderChange(row.slider);
        const testing::FakeSample& sample = h.view.samples[row.page];
        EXPECT_EQ(row.height ? sample.height : sample.width, row.twips) << "Slider" << row.slider;
    }
}

TEST(ButtonSizesDialog, PositionAndStyleSlidersReachOnlyTheSample) {
    ButtonSizesHarness h;
    h.dialog.OnActivate();
    h.view.sliders[11] = 12;
    h.dialog.OnSliderChange(11);
    h.view.styles[2] = 4;
    h.dialog.OnStyleSliderChange(2);
    EXPECT_EQ(h.view.samples[3].properties[threed::kPropPicturePosition], 12);
    EXPECT_EQ(h.view.samples[3].properties[threed::kPropButtonStyle], 4);
    EXPECT_EQ(h.settings.b3pp, 6);
    EXPECT_EQ(h.settings.gActiveButtons[2], 2);
}

TEST(ButtonSizesDialog, TheSmallIconBoxSwapsTheSamplePictureAndCancelKeepsTheSetting) {
    ButtonSizesHarness h;
    h.settings.IconSize[1] = 1;
    h.dialog.OnActivate();
    EXPECT_EQ(h.view.samples[2].picture, "C:\\Corvella\\fwp3.bmp");
    h.view.smallIcon[1] = false;
    h.dialog.OnSmallIconClick(1);
    EXPECT_EQ(h.view.samples[2].picture, "C:\\Corvella\\fwp3BIG.bmp");
    h.dialog.OnCancelClick();
    EXPECT_EQ(h.settings.IconSize[1], 1);
    EXPECT_EQ(h.view.closed, 1);
}

TEST(ButtonSizesDialog, CancelAfterMovingEverythingLeavesEveryKey) {
    ButtonSizesHarness h;
    const Settings before = h.settings;
    h.dialog.OnActivate();
    for (auto& [slider, value] : h.view.sliders) {
        value += 3;
        h.dialog.OnSliderChange(slider);
    }
    for (int i = 0; i < 4; ++i) {
        h.view.styles[i] = 3;
        h.dialog.OnStyleSliderChange(i);
    }
    h.view.smallIcon[0] = true;
    h.dialog.OnSmallIconClick(0);
    EXPECT_EQ(h.settings.b1w, before.b1w);
    EXPECT_EQ(h.settings.b4cp, before.b4cp);
    EXPECT_EQ(h.settings.gActiveButtons, before.gActiveButtons);
    EXPECT_EQ(h.settings.IconSize, before.IconSize);
    h.dialog.OnCancelClick();
    EXPECT_EQ(h.settings.b2h, before.b2h);
    EXPECT_TRUE(h.profile.writes.empty());
    EXPECT_TRUE(h.log.empty());
}

TEST(ButtonSizesDialog, CloseWithNoChangeStillWritesEveryKeyReloadsAndLaysOut) {
    ButtonSizesHarness h;
    h.dialog.OnActivate();
    h.dialog.OnCloseClick();
    EXPECT_EQ(h.profile.WrittenKeys(), kAllKeys);
    EXPECT_EQ(h.log, (testing::CallLog{"load buttons", "arrange"}));
    EXPECT_EQ(h.view.closed, 1);
}

TEST(ButtonSizesDialog, CloseTakesEveryControlsValue) {
    ButtonSizesHarness h;
    h.dialog.OnActivate();
    int value = 1;
    for (auto& [slider, v] : h.view.sliders) v = value++;
    h.view.smallIcon = {{0, true}, {1, false}, {2, true}};
    h.view.styles = {{0, 4}, {1, 3}, {2, 1}, {3, 2}};
    h.dialog.OnCloseClick();
    const Settings& s = h.settings;
    // Slider1..13 held 1..13.
    EXPECT_EQ(std::vector<int>({s.b1w, s.b1h, s.b2w, s.b2h, s.b3h, s.b4w, s.b4h, s.b2pp, s.b2cp, s.b1pp, s.b3pp,
                                s.b3cp, s.b4cp}),
              std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(s.IconSize, (std::array<int16_t, 3>{1, 0, 1}));
    EXPECT_EQ(s.gActiveButtons, (std::array<int16_t, 4>{4, 3, 1, 2}));
    EXPECT_EQ(h.profile.Value("b4cp"), "13");
    EXPECT_EQ(h.profile.Value("gActiveButtons1"), "4");
    EXPECT_EQ(h.profile.Value("IconSize1"), "0");
}

TEST(ButtonSizesDialog, ATabShowsOnlyItsOwnPage) {
    ButtonSizesHarness h;
    h.dialog.OnActivate();
    for (int tab : {2, 3, 0, 1}) {
        h.dialog.OnTabClick(tab);
        for (int page = 1; page <= 4; ++page)
            EXPECT_EQ(h.view.samples[page].frameShown, page == tab + 1) << "tab " << tab << " page " << page;
    }
    h.dialog.OnTabClick(4);
    EXPECT_TRUE(h.view.samples[2].frameShown);
}

// Every setting of the dialog has one slider of its style's page, with the
// range a user can reach.
TEST(ButtonSizesDialog, EachSettingHasOneSliderOnItsPage) {
    struct Row { int16_t Settings::*setting; int page; int minimum, maximum, pageStep; };
    const Row rows[] = {
        {&Settings::b1w, 1, 10, 310, 5}, {&Settings::b1h, 1, 10, 90, 5}, {&Settings::b1pp, 1, 0, 8, 1},
        {&Settings::b2w, 2, 10, 310, 5}, {&Settings::b2h, 2, 10, 90, 5}, {&Settings::b2pp, 2, 0, 12, 1},
        {&Settings::b2cp, 2, 0, 8, 1},   {&Settings::b3h, 3, 10, 90, 5}, {&Settings::b3pp, 3, 0, 12, 1},
        {&Settings::b3cp, 3, 0, 8, 1},   {&Settings::b4w, 4, 10, 310, 5}, {&Settings::b4h, 4, 10, 90, 5},
        {&Settings::b4cp, 4, 0, 8, 1},
    };
    ASSERT_EQ(SizeSliders().size(), std::size(rows));
    for (const Row& row : rows) {
        int found = 0;
        for (const SizeSlider& s : SizeSliders()) {
            if (s.setting != row.setting) continue;
            ++found;
            EXPECT_EQ(s.page, row.page);
            EXPECT_EQ(s.minimum, row.minimum);
            EXPECT_EQ(s.maximum, row.maximum);
            EXPECT_EQ(s.pageStep, row.pageStep);
        }
        EXPECT_EQ(found, 1);
    }
}

}  // namespace
}  // namespace corvella
