// The theme dialog: opening fills its controls from the settings and the
// section table, every change is live in memory, Close saves the looks and
// the section table, any other way out applies the looks without saving,
// Reset to Defaults asks first and saves nothing, and the preview shows the
// picked section as the main window would.
#include <gtest/gtest.h>

#include "dialogs/ThemeHarness.h"
#include "external/ThreeDIds.h"

namespace corvella {
namespace {

using testing::ThemeHarness;
using T = ThemeControl;

constexpr char kThreeSections[] =
    "[Options]\nSection1Name=Work\nSection1Size=1\nSection2Name=Games\nSection2Size=0\n"
    "Section3Name=Notes\nSection3Size=3\ngSection3D=1\ngButton3D=0\ngSectionStyle=3\n"
    "sFontName=Tahoma\nsFontSize=10\nbFontName=Arial\nbFontSize=9\nb4cp=5\ngActiveButtons4=4\n"
    "[Sections]\nColor1=255\nFGColor1=16777215\nColor2=65280\nColor3=16711680\nFGColor3=128\n";

TEST(ThemeDialog, OpeningFillsTheControlsFromTheSettingsAndTheTabs) {
    ThemeHarness h(kThreeSections);
    h.dialog.OnActivate();
    const std::vector<std::string> fonts{"Arial", "Courier New", "MS Sans Serif", "Tahoma", "symbol"};
    EXPECT_EQ(h.view.fontNames, fonts);
    EXPECT_EQ(h.view.At(T::SectionFont).text, "Tahoma");
    EXPECT_EQ(h.view.At(T::ButtonFont).text, "Arial");
    EXPECT_EQ(h.view.At(T::SecFSize).text, "10");
    EXPECT_EQ(h.view.At(T::ButFSize).text, "9");
    EXPECT_TRUE(h.view.At(T::Check1).checked);
    EXPECT_FALSE(h.view.At(T::Check2).checked);
    EXPECT_EQ(h.view.At(T::SampleS).properties[threed::kPropTextEffect], 3);
    EXPECT_EQ(h.view.At(T::Command1).properties[threed::kPropTextEffect], 0);
    EXPECT_EQ(h.view.At(T::ButtonStyle).slider, 3);
    EXPECT_EQ(h.view.At(T::SampleS).properties[threed::kPropButtonStyle], 3);
    EXPECT_EQ(h.dialog.previewIndex(), 0);
    // Three sections: their tab captions, then "Section 4" to "Section 20".
    EXPECT_EQ(h.view.At(T::Option1, 0).caption, "Work");
    EXPECT_EQ(h.view.At(T::Option1, 2).caption, "Notes");
    for (int i = 3; i < kThemeSections; ++i)
        EXPECT_EQ(h.view.At(T::Option1, i).caption, "Section " + std::to_string(i + 1)) << i;
    // Each section button in its section's colours; the preview shows section 1.
    EXPECT_EQ(h.view.At(T::Option1, 2).backColor, 16711680);
    EXPECT_EQ(h.view.At(T::Option1, 2).foreColor, 128);
    EXPECT_EQ(h.view.At(T::Option1, 7).backColor, kButtonFaceColour);
    EXPECT_EQ(h.view.At(T::SampleS).caption, "Work");
    EXPECT_EQ(h.view.At(T::Frame1).backColor, 255);
    EXPECT_EQ(h.view.At(T::PreviewLabel).foreColor, 16777215);
    EXPECT_TRUE(h.profile.writes.empty());
}

TEST(ThemeDialog, ChangesGoIntoTheSettingsAtOnceAndReachNoFile) {
    ThemeHarness h(kThreeSections);
    h.dialog.OnActivate();
    h.dialog.OnSectionFontChange("Courier New");
    h.dialog.OnButtonFontChange("symbol");
    h.dialog.OnSecFSizeChange("14");
    h.dialog.OnButtonStyleChange(1);
    EXPECT_EQ(h.settings.sFontName, "Courier New");
    EXPECT_EQ(h.settings.bFontName, "symbol");
    EXPECT_EQ(h.settings.sFontSize, 14);
    EXPECT_EQ(h.settings.gSectionStyle, 1);
    EXPECT_EQ(h.view.At(T::SampleS).properties[threed::kPropButtonStyle], 1);
    EXPECT_EQ(h.view.At(T::SampleS).font.name, "Courier New");
    EXPECT_EQ(h.view.At(T::SampleS).font.size, 14);
    EXPECT_EQ(h.view.At(T::Command1).font.name, "symbol");
    EXPECT_TRUE(h.profile.writes.empty());
    EXPECT_EQ(h.view.closed, 0);
}

TEST(ThemeDialog, ASizeBoxTakesTheLeadingNumberOfItsText) {
    struct Row { const char* text; int16_t size; };
    const Row rows[] = {{"12", 12}, {"abc", 0}, {"", 0}, {" 9pt", 9}, {"10.5", 10}, {"11.5", 12},
                        {"99999", 0}, {"-3", -3}};
    for (const Row& row : rows) {
        ThemeHarness h(kThreeSections);
        h.dialog.OnButFSizeChange(row.text);
        EXPECT_EQ(h.settings.bFontSize, row.size) << row.text;
        h.dialog.OnSecFSizeChange(row.text);
        EXPECT_EQ(h.settings.sFontSize, row.size) << row.text;
    }
}

TEST(ThemeDialog, TheThreeDBoxesChangeOnlyThePreviewUntilClose) {
    ThemeHarness h(kThreeSections);
    h.dialog.OnActivate();
    h.view.At(T::Check1).checked = false;
    h.dialog.OnCheck1Click();
    h.view.At(T::Check2).checked = true;
    h.dialog.OnCheck2Click();
    EXPECT_EQ(h.view.At(T::SampleS).properties[threed::kPropTextEffect], 0);
    EXPECT_EQ(h.view.At(T::Command1).properties[threed::kPropTextEffect], 3);
    EXPECT_EQ(h.settings.gSection3D, 1);
    EXPECT_EQ(h.settings.gButton3D, 0);
}

TEST(ThemeDialog, CloseSavesTheLooksThenTheSectionTableInOrderAndLaysOut) {
    ThemeHarness h(kThreeSections);
    h.dialog.OnActivate();
    h.view.At(T::Check2).checked = true;
    h.dialog.OnCheck2Click();
    h.view.At(T::Check1).checked = false;
    h.dialog.OnCloseClick();
    EXPECT_EQ(h.settings.gButton3D, 1);
    EXPECT_EQ(h.settings.gSection3D, 0);
    std::vector<std::string> expected{"gSectionStyle", "sFontName", "sFontSize", "sFontBold", "sFontItalic",
                                      "gSection3D", "gButton3D", "bFontName", "bFontSize", "bFontBold",
                                      "bFontItalic"};
    for (int i = 1; i <= 3; ++i) {
        expected.push_back("Section" + std::to_string(i) + "Name");
        expected.push_back("Section" + std::to_string(i) + "Size");
    }
    for (int i = 1; i <= 20; ++i) {
        expected.push_back("Color" + std::to_string(i));
        expected.push_back("FGColor" + std::to_string(i));
    }
    EXPECT_EQ(h.profile.WrittenKeys(), expected);
    EXPECT_EQ(h.profile.Value("gButton3D"), "1");
    EXPECT_EQ(h.profile.Value("gSection3D"), "0");
    EXPECT_EQ(h.log, (testing::CallLog{"arrange"}));
    EXPECT_EQ(h.view.closed, 1);
    h.dialog.OnUnload();
    EXPECT_EQ(h.log.back(), "apply looks");
}

TEST(ThemeDialog, LeavingByTheCloseBoxAppliesTheLooksButKeepsTheThreeDFlagsAndSavesNothing) {
    ThemeHarness h(kThreeSections);
    h.dialog.OnActivate();
    h.view.At(T::Check2).checked = true;
    h.dialog.OnCheck2Click();
    h.dialog.OnSectionFontChange("Arial");
    h.dialog.OnUnload();
    EXPECT_EQ(h.settings.gButton3D, 0);
    EXPECT_EQ(h.settings.sFontName, "Arial");
    EXPECT_TRUE(h.profile.writes.empty());
    EXPECT_EQ(h.log, (testing::CallLog{"apply looks"}));
}

TEST(ThemeDialog, AColourButtonOpensTheChooserAndACancelChangesNothing) {
    ThemeHarness h(kThreeSections);
    h.dialog.OnActivate();
    h.view.chooserAnswers = {std::nullopt, 0x00336699, std::nullopt, 0x00ABCDEF};
    h.dialog.OnSSCommand1Click(2);  // cancelled
    EXPECT_EQ(h.sections.gSectionColor[3], 16711680);
    h.dialog.OnSSCommand1Click(2);
    EXPECT_EQ(h.sections.gSectionColor[3], 0x00336699);
    EXPECT_EQ(h.view.At(T::Option1, 2).backColor, 0x00336699);
    EXPECT_EQ(h.view.At(T::SSCommand1, 2).backColor, 0x00336699);
    h.dialog.OnSSCommand2Click(0);  // cancelled
    EXPECT_EQ(h.sections.gSectionFGColor[1], 16777215);
    h.dialog.OnSSCommand2Click(19);
    EXPECT_EQ(h.sections.gSectionFGColor[20], 0x00ABCDEF);
    EXPECT_EQ(h.view.At(T::Option1, 19).foreColor, 0x00ABCDEF);
    // Each chooser opens on the colour it changes.
    EXPECT_EQ(h.view.chooserOpenedOn, (std::vector<int32_t>{16711680, 16711680, 16777215, 0}));
    EXPECT_TRUE(h.profile.writes.empty());
}

TEST(ThemeDialog, ResetAnsweredNoChangesNothing) {
    ThemeHarness h(kThreeSections);
    h.dialog.OnActivate();
    const Settings before = h.settings;
    const SectionTable sections = h.sections;
    h.dialogs.answer = MessageAnswer::No;
    h.dialog.OnResetClick();
    EXPECT_EQ(h.log, (testing::CallLog{"message Are you Sure you want to reset to Corvella Defaults? | "
                                       "Confirm Reset to Defaults | default No"}));
    EXPECT_EQ(h.settings.sFontName, before.sFontName);
    EXPECT_EQ(h.settings.bFontSize, before.bFontSize);
    EXPECT_EQ(h.settings.BackColor, before.BackColor);
    EXPECT_EQ(h.sections.gSectionColor, sections.gSectionColor);
    EXPECT_EQ(h.sections.gSectionFGColor, sections.gSectionFGColor);
}

TEST(ThemeDialog, ResetAnsweredYesGivesTheDefaultLooksAndSavesNothing) {
    ThemeHarness h(kThreeSections);
    h.settings.sFontBold = 1;
    h.settings.BackColor = 255;
    h.dialog.OnActivate();
    h.dialog.OnButtonStyleChange(4);
    h.dialogs.answer = MessageAnswer::Yes;
    h.log.clear();
    h.dialog.OnResetClick();
    EXPECT_EQ(h.settings.sFontName, "MS Sans Serif");
    EXPECT_EQ(h.settings.bFontName, "MS Sans Serif");
    EXPECT_EQ(h.settings.sFontSize, 8);
    EXPECT_EQ(h.settings.bFontSize, 8);
    EXPECT_EQ(h.settings.BackColor, kButtonFaceColour);
    for (int i = 1; i <= 20; ++i) {
        EXPECT_EQ(h.sections.gSectionColor[static_cast<size_t>(i)], kButtonFaceColour) << i;
        EXPECT_EQ(h.sections.gSectionFGColor[static_cast<size_t>(i)], 0) << i;
    }
    // Bold, italic, the 3-D flags and the tab style stay.
    EXPECT_EQ(h.settings.sFontBold, 1);
    EXPECT_EQ(h.settings.gSection3D, 1);
    EXPECT_EQ(h.settings.gButton3D, 0);
    EXPECT_EQ(h.settings.gSectionStyle, 4);
    EXPECT_EQ(h.view.At(T::SectionFont).text, "MS Sans Serif");
    EXPECT_EQ(h.view.At(T::SecFSize).text, "8");
    EXPECT_EQ(h.view.At(T::Option1, 0).backColor, kButtonFaceColour);
    EXPECT_EQ(h.log.back(), "apply looks");
    EXPECT_TRUE(h.profile.writes.empty());
}

// The preview button of each button style, for the section picked.
TEST(ThemeDialog, ThePreviewShowsThePickedSectionsButtonStyle) {
    struct Row {
        int option;  // Section 1 large, 2 small, 3 text only, 4 (never stored) small
        bool picture;
        ControlGeometry geometry;
        const char* caption;
        std::map<int, int32_t> properties;
    };
    const Row rows[] = {
        {0, true, {360, 1350, 2325, 930}, "Ferrowin Pro 3",
         {{threed::kPropCaptionPosition, 8}, {threed::kPropPicturePosition, 6}, {threed::kPropButtonStyle, 2}}},
        {1, true, {1122, 1350, 800, 800}, "", {{threed::kPropPicturePosition, 7}, {threed::kPropButtonStyle, 2}}},
        {2, false, {360, 1350, 2325, 450}, "Ferrowin Pro 3",
         {{threed::kPropCaptionPosition, 5}, {threed::kPropButtonStyle, 4}}},
    };
    for (const Row& row : rows) {
        ThemeHarness h(kThreeSections);
        h.dialog.OnActivate();
        h.dialog.OnOption1Click(row.option);
        EXPECT_EQ(h.dialog.previewIndex(), row.option);
        const auto& button = h.view.At(T::Command1);
        EXPECT_EQ(h.view.samplePicture, row.picture) << row.option;
        EXPECT_EQ(button.geometry, row.geometry) << row.option;
        EXPECT_EQ(button.caption, row.caption) << row.option;
        for (const auto& [id, value] : row.properties)
            EXPECT_EQ(h.view.At(T::Command1).properties[id], value) << row.option << " property " << id;
        EXPECT_EQ(h.view.At(T::SampleS).caption, h.view.At(T::Option1, row.option).caption);
        EXPECT_EQ(h.view.At(T::Command1).backColor, h.sections.gSectionColor[static_cast<size_t>(row.option + 1)]);
    }
}

TEST(ThemeDialog, APickOutsideTheTwentySectionsIsIgnored) {
    ThemeHarness h(kThreeSections);
    h.dialog.OnActivate();
    h.dialog.OnOption1Click(2);
    h.dialog.OnOption1Click(20);
    h.dialog.OnOption1Click(-1);
    h.dialog.OnSSCommand1Click(20);
    EXPECT_EQ(h.dialog.previewIndex(), 2);
    EXPECT_TRUE(h.view.chooserOpenedOn.empty());
}

}  // namespace
}  // namespace corvella
