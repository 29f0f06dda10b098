#include <gtest/gtest.h>

#include "fakes/ModelHarness.h"

namespace corvella {
namespace {

using testing::ModelHarness;
using testing::Rec;

TEST(LoadSections, StopsAtTheFirstMissingName) {
    ModelHarness h("[Options]\r\nSection1Name=Work\r\nSection3Name=Games\r\nSection1Size=0\r\n"
                   "gActiveButtons2=-3\r\ngSectionStyle=4\r\n[Sections]\r\nColor1=255\r\nFGColor2=65280\r\n");
    h.Load();
    EXPECT_EQ(h.sections.gSectionCount, 1);
    EXPECT_EQ(h.sections.gSectionName[1], "Work");
    EXPECT_EQ(h.sections.gSectionSize[1], 0);
    EXPECT_EQ(h.settings.gActiveButtons[1], 3);
    EXPECT_EQ(h.settings.gSectionStyle, 4);
    // Colours are read for all 20 positions and given to their tabs.
    EXPECT_EQ(h.controls.Find({ControlName::sectionButton, 0})->backColor, 255);
    EXPECT_EQ(h.controls.Find({ControlName::sectionButton, 1})->foreColor, 65280);
    EXPECT_EQ(h.controls.Find({ControlName::sectionButton, 19})->backColor, kButtonFaceColour);
    EXPECT_TRUE(h.profile.writes.empty());
}

TEST(LoadSections, LoadsASizeThatNamesNoStyleAsTheDefaultStyle) {
    ModelHarness h("[Options]\r\nSection1Name=A\r\nSection1Size=4\r\nSection2Name=B\r\nSection2Size=5\r\n"
                   "Section3Name=C\r\nSection3Size=32767\r\nSection4Name=D\r\nSection4Size=-32768\r\n"
                   "Section5Name=E\r\nSection5Size=-3\r\nSection6Name=F\r\nSection6Size=2\r\n");
    h.Load();
    ASSERT_EQ(h.sections.gSectionCount, 6);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(h.sections.gSectionSize[static_cast<size_t>(i)], -1) << i;
        EXPECT_EQ(h.sections.StyleCode(i), 1) << i;
    }
    EXPECT_EQ(h.sections.StyleCode(5), 3);
    EXPECT_EQ(h.sections.StyleCode(6), 2);
}

TEST(LoadSections, ResetsAnEmptyTableToOneSectionAndSavesIt) {
    ModelHarness h;
    h.Load();
    EXPECT_EQ(h.sections.gSectionCount, 1);
    EXPECT_EQ(h.sections.gCurrentSection, 1);
    EXPECT_EQ(h.profile.Value("Section1Name"), "Section 1");
    EXPECT_EQ(h.profile.Value("Section1Size"), "-1");
    EXPECT_EQ(h.profile.Value("Color1", "Sections"), "-2147483633");
    EXPECT_EQ(h.profile.Value("FGColor20", "Sections"), "0");
    EXPECT_EQ(h.profile.Value("Section2Name"), "<absent>");
}

TEST(LoadSections, TrimsNamesAndTheirTrailingControlCharacters) {
    ModelHarness h("[Options]\r\nSection1Name=  Tools\x01\x02\r\nSection2Name=\x05\r\n");
    h.Load();
    EXPECT_EQ(h.sections.gSectionName[1], "Tools");
    EXPECT_EQ(h.sections.gSectionName[2], "\x05");  // never shrinks below one character
    EXPECT_EQ(h.sections.gSectionCount, 2);
}

TEST(AddSection, AddsUpToTwentyAndAsksForTheName) {
    ModelHarness h("[Options]\r\nSection1Name=One\r\n");
    h.Load();
    h.profile.writes.clear();
    h.model.OnAddSectionCommand();  // cancelled: nothing changes
    EXPECT_EQ(h.sections.gSectionCount, 1);
    EXPECT_TRUE(h.profile.writes.empty());
    EXPECT_EQ(h.log.back(), "ask Enter a name for the new section...");

    h.dialogs.typed = "  Two\r\nlines ";
    h.model.OnAddSectionCommand();
    EXPECT_EQ(h.sections.gSectionCount, 2);
    EXPECT_EQ(h.sections.gSectionSize[2], 1);
    EXPECT_EQ(h.profile.Value("Section2Name"), "Twolines");  // one line, trimmed
    EXPECT_EQ(h.log.back(), "arrange");

    for (int i = 3; i <= 20; ++i) h.model.OnAddSectionCommand();
    EXPECT_EQ(h.sections.gSectionCount, 20);
    h.log.clear();
    h.model.OnAddSectionCommand();
    EXPECT_EQ(h.sections.gSectionCount, 20);
    EXPECT_EQ(h.log, (testing::CallLog{"message You can only have up to 20 sections, man... You may want to "
                                       "lookup the word 'consolidate' | Corvella"}));
}

TEST(RenameSection, WritesTheNewNameAndKeepsItOnCancel) {
    ModelHarness h("[Options]\r\nSection1Name=One\r\nSection2Name=Two\r\n");
    h.Load();
    h.model.OnRenameSectionCommand(1);
    EXPECT_EQ(h.sections.gSectionName[2], "Two");
    h.dialogs.typed = "Deux";
    h.model.OnRenameSectionCommand(1);
    EXPECT_EQ(h.profile.Value("Section2Name"), "Deux");
    EXPECT_EQ(h.controls.Caption({ControlName::sectionButton, 1}), "Deux");
}

// A blank answer would be kept in memory but written as an empty name, which
// at the next start hides that section and every one after it.
TEST(SectionNames, TreatBlankAnswersAsNoAnswer) {
    for (const char* blank : {" ", "   ", " \t ", "\r\n "}) {
        ModelHarness h("[Options]\r\nSection1Name=One\r\nSection2Name=Two\r\n");
        h.Load();
        h.profile.writes.clear();
        h.dialogs.typed = blank;
        h.model.OnAddSectionCommand();
        h.model.OnRenameSectionCommand(0);
        EXPECT_EQ(h.sections.gSectionCount, 2);
        EXPECT_EQ(h.sections.gSectionName[1], "One");
        EXPECT_TRUE(h.profile.writes.empty());
        // What the next start reads: both sections still there.
        h.model.SaveSections();
        ModelHarness next(h.profile.Text());
        next.Load();
        EXPECT_EQ(next.sections.gSectionCount, 2);
    }
}

constexpr char kThreeSections[] =
    "[Options]\r\nSection1Name=One\r\nSection2Name=Two\r\nSection3Name=Three\r\nSection1Size=0\r\n"
    "Section2Size=2\r\nSection3Size=3\r\nHomeSection=3\r\nUseHomeSection=1\r\n"
    "[Sections]\r\nColor1=1\r\nColor2=2\r\nColor3=3\r\nFGColor3=33\r\n"
    "[Buttons]\r\n"
    "Button1=C:\\A.EXE\xFF" "1\xFFtip a\xFFtext a\xFF\r\n"
    "Button2=Two.lnk\xFF" "2\xFF\xFF\xFF\r\n"
    "Button3=C:\\C.EXE\xFF" "3\xFF\xFFtext c\xFF" "C:\\c.ico\r\n"
    "Button4=Web.URL\xFF" "2\xFF\xFF\xFF\r\n"
    "Button5=Three.pif\xFF" "3\xFF\xFF\xFF\r\n";

TEST(DeleteSection, RemovesTheSectionItsButtonsAndTheirShortcutCopies) {
    ModelHarness h(kThreeSections);
    h.Load();
    h.sections.gCurrentSection = 3;
    h.dialogs.answer = MessageAnswer::Yes;
    h.model.OnDeleteSectionCommand(1);

    EXPECT_EQ(h.sections.gSectionCount, 2);
    EXPECT_EQ(h.profile.Value("Section1Name"), "One");
    EXPECT_EQ(h.profile.Value("Section2Name"), "Three");
    EXPECT_EQ(h.profile.Value("Section2Size"), "3");
    EXPECT_EQ(h.profile.Value("Color2", "Sections"), "3");
    EXPECT_EQ(h.profile.Value("FGColor2", "Sections"), "33");
    EXPECT_EQ(h.profile.Value("Section3Name"), "");
    EXPECT_EQ(h.profile.Value("Section3Size"), "");
    EXPECT_EQ(h.profile.Value("Color3", "Sections"), "-2147483633");

    EXPECT_EQ(h.Button(1), Rec("C:\\A.EXE|1|tip a|text a|"));
    EXPECT_EQ(h.Button(2), Rec("C:\\C.EXE|2||text c|C:\\c.ico"));
    EXPECT_EQ(h.Button(3), Rec("Three.pif|2|||"));
    EXPECT_EQ(h.Button(4), "");
    EXPECT_EQ(h.Button(5), "");
    EXPECT_EQ(h.buttons.gButtonCount, 3);
    EXPECT_EQ(std::count(h.log.begin(), h.log.end(), "delete C:\\Corvella\\Two.lnk"), 1);
    EXPECT_EQ(std::count(h.log.begin(), h.log.end(), "delete C:\\Corvella\\Web.URL"), 1);
    EXPECT_EQ(std::count(h.log.begin(), h.log.end(), "delete C:\\Corvella\\Three.pif"), 0);

    // The home section was the last one: it resets and is no longer used.
    EXPECT_EQ(h.settings.HomeSection, 1);
    EXPECT_EQ(h.settings.UseHomeSection, 0);
    // The current section was 3, beyond the count now: the last one is current.
    EXPECT_EQ(h.sections.gCurrentSection, 2);
    EXPECT_EQ(h.controls.Find({ControlName::sectionButton, 1})->properties.at(13), 1);
    EXPECT_EQ(h.controls.Find({ControlName::sectionButton, 0})->properties.at(13), 3);
}

TEST(DeleteSection, AsksFirstAndKeepsTheOnlySection) {
    ModelHarness h(kThreeSections);
    h.Load();
    h.dialogs.answer = MessageAnswer::No;
    h.profile.writes.clear();
    h.model.OnDeleteSectionCommand(0);
    EXPECT_EQ(h.sections.gSectionCount, 3);
    EXPECT_TRUE(h.profile.writes.empty());

    ModelHarness one("[Options]\r\nSection1Name=Only\r\n");
    one.Load();
    one.dialogs.answer = MessageAnswer::Yes;
    one.model.OnDeleteSectionCommand(0);
    EXPECT_EQ(one.sections.gSectionCount, 1);
    EXPECT_EQ(one.log.back(), "message You need at least ONE section - can't delete the only one! | Corvella");
}

TEST(ShowCurrentSection, MarksOnlyTheCurrentTabAmongAllTwenty) {
    ModelHarness h(kThreeSections);
    h.Load();
    for (int i = 0; i < 20; ++i) h.controls.SetThreeDProperty({ControlName::sectionButton, i}, 13, 1);
    h.sections.gCurrentSection = 2;
    h.model.ShowCurrentSection(true);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(h.controls.Find({ControlName::sectionButton, i})->properties.at(13), i == 1 ? 1 : 3) << i;
    EXPECT_TRUE(h.controls.Find({ControlName::sectionButton, 1})->font.bold);
    EXPECT_EQ(h.controls.Find({ControlName::oButton})->backColor, 2);
    EXPECT_EQ(h.controls.Find({ControlName::MinBut})->backColor, 2);

    h.model.ShowCurrentSection(false);
    EXPECT_FALSE(h.controls.Find({ControlName::sectionButton, 1})->font.bold);
}

TEST(HomeCommand, MakesTheCurrentSectionTheHomeSection) {
    ModelHarness h(kThreeSections);
    h.Load();
    h.sections.gCurrentSection = 2;
    h.model.OnHomeCommand();
    EXPECT_EQ(h.settings.HomeSection, 2);
}

}  // namespace
}  // namespace corvella
