// The looks on the main window: the fonts on tabs and launch buttons, at
// load and whenever the looks are applied, with each tab in its section's
// colours and the current tab marked again.
#include <gtest/gtest.h>

#include "dialogs/Looks.h"
#include "fakes/ModelHarness.h"

namespace corvella {
namespace {

using testing::ModelHarness;

TEST(Looks, LoadingTheButtonsPutsTheFontsOnTabsAndButtons) {
    ModelHarness h("[Options]\nSection1Name=Work\n[Buttons]\nButton1=" + testing::Rec("C:\\a.exe|1||A|") + "\n");
    h.settings.sFontName = "Tahoma";
    h.settings.sFontSize = 11;
    h.settings.sFontItalic = 1;
    h.settings.bFontName = "Courier New";
    h.settings.bFontSize = 7;
    h.settings.bFontBold = 1;
    h.Load();
    // Section 1 is current: its tab keeps the bold of the current section.
    for (int i : {0, 1, 19}) {
        const ControlFont& f = h.controls.Find({ControlName::sectionButton, i})->font;
        EXPECT_EQ(f.name, "Tahoma");
        EXPECT_EQ(f.size, 11);
        EXPECT_TRUE(f.italic);
        EXPECT_EQ(f.bold, i == 0) << i;
    }
    for (int s : {0, 49, 50}) {
        const ControlFont& f = h.controls.Find({ControlName::buttonObj, s})->font;
        EXPECT_EQ(f.name, "Courier New");
        EXPECT_EQ(f.size, 7);
        EXPECT_TRUE(f.bold);
    }
}

TEST(Looks, ApplyLooksColoursEveryTabSetsTheBackgroundAndMarksTheCurrentTab) {
    ModelHarness h("[Options]\nSection1Name=Work\nSection2Name=Games\n[Sections]\nColor2=255\nFGColor2=65280\n");
    h.Load();
    h.settings.BackColor = 0x00112233;
    h.sections.gSectionColor[20] = 0x00445566;
    h.settings.sFontName = "Arial";
    h.settings.sFontSize = 12;
    h.settings.bFontName = "Tahoma";
    int marked = 0;
    ApplyLooks(LooksDeps{h.settings, h.sections, h.controls, h.window, [&](bool paint) { marked += paint ? 1 : 100; }});
    EXPECT_EQ(h.window.backColor, 0x00112233);
    EXPECT_EQ(marked, 1);
    const auto tab = [&](int i) { return *h.controls.Find({ControlName::sectionButton, i}); };
    EXPECT_EQ(tab(1).backColor, 255);
    EXPECT_EQ(tab(1).foreColor, 65280);
    EXPECT_EQ(tab(0).backColor, kButtonFaceColour);
    EXPECT_EQ(tab(19).backColor, 0x00445566);
    EXPECT_EQ(tab(19).font.name, "Arial");
    EXPECT_EQ(tab(19).font.size, 12);
    EXPECT_EQ(h.controls.Find({ControlName::buttonObj, 3})->font.name, "Tahoma");
}

}  // namespace
}  // namespace corvella
