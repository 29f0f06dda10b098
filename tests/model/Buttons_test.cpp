#include "model/Buttons.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/ModelHarness.h"
#include "model/FirstIcons.h"

namespace corvella {
namespace {

using testing::ModelHarness;
using testing::Rec;

TEST(ButtonRecord, DecodesFullLegacyAndDamagedRecords) {
    struct Case { std::string value; std::optional<ButtonRecord> expected; };
    const Case cases[] = {
        {Rec("C:\\A.EXE|2|tip|text|C:\\a.ico"), ButtonRecord{"C:\\A.EXE", 2, "tip", "text", "C:\\a.ico"}},
        {Rec("C:\\A.EXE|2|tip|text"), ButtonRecord{"C:\\A.EXE", 2, "tip", "text", ""}},  // three separators
        {Rec("C:\\A.EXE|3||"), ButtonRecord{"C:\\A.EXE", 3, "", "", ""}},
        {Rec("x|1"), ButtonRecord{"x", 1, "", "", ""}},
        {Rec("  x|1abc|t|u|v|w  "), ButtonRecord{"x", 1, "t", "u", Rec("v|w")}},
        {Rec("x|1|||\x01\x02"), ButtonRecord{"x", 1, "", "", ""}},
        {"", std::nullopt},
        {"<done>", std::nullopt},
        {"C:\\no separator", std::nullopt},
        {Rec("|1|tip|text|"), std::nullopt},  // empty target
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeButtonRecord(c.value), c.expected) << c.value;
}

TEST(ButtonRecord, EncodesFiveFieldsThatReadBackAsWritten) {
    ButtonRecord r{" C:\\A.EXE ", 12, "two\r\nlines", "caf\xE9 \xFF sep", " C:\\a.ico"};
    const std::string value = EncodeButtonRecord(r);
    EXPECT_EQ(value, Rec("C:\\A.EXE|12|twolines|caf\xE9  sep|C:\\a.ico"));
    EXPECT_EQ(DecodeButtonRecord(value), (ButtonRecord{"C:\\A.EXE", 12, "twolines", "caf\xE9  sep", "C:\\a.ico"}));
}

TEST(ButtonRecord, KnowsShortcutCopies) {
    for (const char* name : {"a.lnk", "B.LNK", "c.rnk", "d.PIF", "e.Url"}) EXPECT_TRUE(IsShortcutCopyName(name)) << name;
    for (const char* name : {"a.exe", "lnk", "C:\\x.lnkx", ""}) EXPECT_FALSE(IsShortcutCopyName(name)) << name;
}

constexpr char kThreeButtons[] =
    "[Options]\r\nSection1Name=One\r\nSection2Name=Two\r\n[Buttons]\r\n"
    "Button1=C:\\A.EXE\xFF" "1\xFFtip a\xFF\xFF\r\n"
    "Button2=Mail.lnk\xFF" "1\xFF\xFFmail\xFF" "C:\\mail.ico\r\n"
    "Button3=C:\\C.EXE\xFF" "1\xFF\xFF\xFF\r\n"
    "Button4=C:\\D.EXE\xFF" "2\xFF\xFF\xFF\r\n";

// The three buttons with one more [Options] line: in the one [Options]
// section, since the profile functions read only the first of several.
std::string ThreeButtonsWith(const std::string& optionLine) {
    std::string text = kThreeButtons;
    return text.insert(std::string("[Options]\r\n").size(), optionLine + "\r\n");
}

TEST(LoadButtons, ReadsTheRecordsAndTheirIcons) {
    ModelHarness h(kThreeButtons);
    h.Load();
    EXPECT_EQ(h.buttons.gButtonCount, 4);
    EXPECT_EQ(h.buttons.gButtonIcon[1], "C:\\mail.ico");
    // Only the section on show gets its icons at once (then the default icon).
    EXPECT_EQ(h.icons.fetched, (std::vector<std::string>{"C:\\A.EXE", "C:\\mail.ico", "C:\\C.EXE",
                                                         "C:\\Corvella\\fwp3.ico"}));
    EXPECT_EQ(h.icons.keys, (std::vector<std::string>{"I0", "I1", "I2", "I4"}));
    for (int s = 0; s < 50; ++s) EXPECT_FALSE(h.controls.Find({ControlName::buttonObj, s})->visible);

    h.model.FetchIconsOfSection(2);
    EXPECT_EQ(h.icons.keys, (std::vector<std::string>{"I0", "I1", "I2", "I4", "I3"}));
    h.model.FetchIconsOfSection(2);
    EXPECT_EQ(h.icons.keys.size(), 5u) << "an icon is fetched once";
}

// The icons of the sections not on show come a few at a time, each once.
TEST(LoadButtons, FetchesTheWaitingIconsAFewAtATime) {
    std::string ini = "[Buttons]\r\n";
    for (int n = 1; n <= 7; ++n)
        ini += "Button" + std::to_string(n) + "=C:\\" + std::to_string(n) + ".EXE\xFF" + (n == 4 ? "1" : "2") + "\xFF\xFF\xFF\r\n";
    ModelHarness h(ini);
    h.Load();
    EXPECT_EQ(h.icons.keys, (std::vector<std::string>{"I3", "I7"}));
    EXPECT_TRUE(h.model.FetchWaitingIcons(4));
    EXPECT_EQ(h.icons.keys, (std::vector<std::string>{"I3", "I7", "I0", "I1", "I2", "I4"}));
    EXPECT_FALSE(h.model.FetchWaitingIcons(4));
    EXPECT_EQ(h.icons.keys, (std::vector<std::string>{"I3", "I7", "I0", "I1", "I2", "I4", "I5", "I6"}));
    EXPECT_FALSE(h.model.FetchWaitingIcons(4));
    EXPECT_EQ(h.icons.keys.size(), 8u);
}

TEST(LoadButtons, EndsTheTableAtAnEmptyOrTargetlessRecord) {
    ModelHarness h("[Buttons]\r\nButton1=a\xFF" "1\xFF\xFF\xFF\r\nButton2=\r\nButton3=c\xFF" "1\xFF\xFF\xFF\r\n");
    h.Load();
    EXPECT_EQ(h.buttons.gButtonCount, 1);
    ModelHarness first("[Buttons]\r\nButton1=\xFF" "1\xFF\xFF\xFF\r\nButton2=b\xFF" "1\xFF\xFF\xFF\r\n");
    first.Load();
    EXPECT_EQ(first.buttons.gButtonCount, 0);
    EXPECT_EQ(first.icons.keys, std::vector<std::string>{"I0"});  // the default icon
}

// Only a target names a shortcut copy in the program folder; an icon file is
// fetched as it stands, even when it is itself a shortcut.
TEST(LoadButtons, FindsShortcutCopiesInTheProgramFolderForTheirIcons) {
    ModelHarness h("[Buttons]\r\nButton1=Web.URL\xFF" "1\xFF\xFF\xFF\r\n"
                   "Button2=C:\\A.EXE\xFF" "1\xFF\xFF\xFF" "D:\\Icons\\Tool.LNK\r\n"
                   "Button3=Mail.lnk\xFF" "1\xFF\xFF\xFF" "Other.pif\r\n");
    h.Load();
    const std::vector<std::string> expected{"C:\\Corvella\\Web.URL", "D:\\Icons\\Tool.LNK", "Other.pif",
                                            "C:\\Corvella\\fwp3.ico"};
    EXPECT_EQ(h.icons.fetched, expected);
    h.icons.fetched.clear();
    h.model.RebuildIcons();
    EXPECT_EQ(h.icons.fetched, expected);
}

// The start-up looks up the first section's icons ahead of the settings load,
// from the raw text: it must ask for exactly what the load will fetch for
// section 1, in the same order, each file once.
TEST(FirstSectionIconSources, AreWhatTheLoadFetchesForTheFirstSection) {
    using namespace std::string_literals;
    const std::string texts[] = {
        kThreeButtons,
        "[Buttons]\r\nButton1=Web.URL\xFF" "1\xFF\xFF\xFF\r\nButton2=C:\\A.EXE\xFF" "1\xFF\xFF\xFF" "D:\\Tool.LNK\r\n"
        "Button3=C:\\A.EXE\xFF" "1\xFF\xFF\xFF\r\nButton4=web.url\xFF" "1\xFF\xFF\xFF\r\n",
        // The table ends at the empty record: Button3 is never loaded.
        "[Buttons]\r\nButton1=a\xFF" "2\xFF\xFF\xFF\r\nButton2=\r\nButton3=c\xFF" "1\xFF\xFF\xFF\r\n",
        "[Buttons]\r\nButton1=C:\\OLD.EXE\xFF" "1\xFFtip\xFFtext\r\nButton2=  \"C:\\Q.EXE\xFF" "1\xFF\xFF\xFF\"\r\n",
        "",
        "[Buttons]\r\nButton1=C:\\A\0B.EXE\xFF" "1\xFF\xFF\xFF\r\n"s,  // the profile stops at a NUL
        "[Buttons]\r\nButton1=C:\\A.EXE\xFF" "1\xFF\0\xFF\xFF\r\n"s,
        "[Buttons]\r\nButton1=C:\\A.EXE\xFF" "1\xFF" + std::string(40000, 't') + "\xFF\xFF" "C:\\a.ico\r\n",
        "[buttons]\r\nbutton1=C:\\LOWER.EXE\xFF" "1\xFF\xFF\xFF\r\n[Buttons]\r\nButton2=C:\\SECOND.EXE\xFF" "1\xFF\xFF\xFF\r\n",
    };
    for (const std::string& text : texts) {
        ModelHarness h(text);
        h.Load();
        std::vector<std::string> loaded;  // without the default icon, which comes last
        for (size_t i = 0; i + 1 < h.icons.fetched.size(); ++i)
            if (std::find(loaded.begin(), loaded.end(), h.icons.fetched[i]) == loaded.end())
                loaded.push_back(h.icons.fetched[i]);
        EXPECT_EQ(FirstSectionIconSources(IniDocument(text), "C:\\Corvella"), loaded) << text;
    }
}

TEST(SaveAllButtons, KeepsALongRecordWhole) {
    const std::string tip(700, 't');
    ModelHarness h("[Buttons]\r\nButton1=C:\\A.EXE\xFF" "1\xFF" + tip + "\xFF\xFF" "C:\\a.ico\r\n");
    h.Load();
    EXPECT_EQ(h.buttons.gButtonTooltip[0], tip);
    h.model.SaveAllButtons();
    EXPECT_EQ(h.Button(1), Rec("C:\\A.EXE|1|" + tip + "||C:\\a.ico"));
}

TEST(DeleteCommand, RemovesTheMiddleOfThreeAndRenumbers) {
    ModelHarness h(kThreeButtons);
    h.Load();
    h.MapSlots();
    h.model.OnDeleteCommand(1);
    EXPECT_EQ(h.Button(1), Rec("C:\\A.EXE|1|tip a||"));
    EXPECT_EQ(h.Button(2), Rec("C:\\C.EXE|1|||"));
    EXPECT_EQ(h.Button(3), Rec("C:\\D.EXE|2|||"));
    EXPECT_EQ(h.Button(4), "");
    EXPECT_EQ(h.buttons.gButtonCount, 3);
    EXPECT_EQ(std::count(h.log.begin(), h.log.end(), "delete C:\\Corvella\\Mail.lnk"), 1);
    EXPECT_EQ(h.profile.writes.front().key, "EnableSound");  // the switches are saved first
}

TEST(DeleteAllCommand, EmptiesOnlyTheCurrentSectionAfterAsking) {
    ModelHarness h(kThreeButtons);
    h.Load();
    h.MapSlots();
    h.dialogs.answer = MessageAnswer::No;
    h.model.OnDeleteAllCommand();
    EXPECT_EQ(h.buttons.gButtonCount, 4);
    h.dialogs.answer = MessageAnswer::Yes;
    h.model.OnDeleteAllCommand();
    EXPECT_EQ(h.Button(1), Rec("C:\\D.EXE|2|||"));
    EXPECT_EQ(h.Button(2), "");
    EXPECT_EQ(h.buttons.gButtonCount, 1);
}

// Only the 50 launch buttons take part: the 51st control is never arranged,
// so what it maps to is stale and must not be deleted.
TEST(DeleteAllCommand, LeavesTheButtonsNoLaunchButtonShows) {
    std::string ini = "[Buttons]\r\n";
    for (int n = 1; n <= 52; ++n) ini += "Button" + std::to_string(n) + "=C:\\P" + std::to_string(n) + ".EXE\xFF" "1\xFF\xFF\xFF\r\n";
    ModelHarness h(ini);
    h.Load();
    for (int s = 0; s < 50; ++s) h.buttons.gSlotButton[static_cast<size_t>(s)] = static_cast<int16_t>(s);
    h.buttons.gSlotButton[50] = 51;
    h.model.OnDeleteAllCommand();
    EXPECT_EQ(h.buttons.gButtonCount, 2);
    EXPECT_EQ(h.Button(1), Rec("C:\\P51.EXE|1|||"));
    EXPECT_EQ(h.Button(2), Rec("C:\\P52.EXE|1|||"));
}

TEST(ButtonTextCommands, EditTheTextOfLargeButtonsOnly) {
    ModelHarness h(ThreeButtonsWith("Section1Size=0"));
    h.Load();
    h.MapSlots();
    h.dialogs.typed = "Hello";
    h.model.OnAddButtonTextCommand(0);
    EXPECT_EQ(h.log.back(), "message This section must be using large buttons to add text... | Corvella");
    EXPECT_EQ(h.buttons.gButtonText[0], "");

    h.sections.gSectionSize[1] = -1;
    h.dialogs.typed = "";
    h.model.OnAddButtonTextCommand(0);  // cancelled
    EXPECT_EQ(h.Button(1), Rec("C:\\A.EXE|1|tip a||"));
    h.dialogs.typed = "Hello";
    h.model.OnAddButtonTextCommand(0);
    EXPECT_EQ(h.Button(1), Rec("C:\\A.EXE|1|tip a|Hello|"));
    EXPECT_EQ(h.controls.Caption({ControlName::buttonObj, 0}), "Hello");
    h.model.OnDeleteButtonTextCommand(0);
    EXPECT_EQ(h.Button(1), Rec("C:\\A.EXE|1|tip a||"));
}

TEST(TooltipCommands, KeepTheIconWhenTheTooltipGoes) {
    ModelHarness h(kThreeButtons);
    h.Load();
    h.MapSlots();
    h.dialogs.typed = "Read mail";
    h.model.OnTooltipCommand(1);
    EXPECT_EQ(h.Button(2), Rec("Mail.lnk|1|Read mail|mail|C:\\mail.ico"));
    EXPECT_EQ(h.controls.Find({ControlName::buttonObj, 1})->toolTip, "Read mail");
    h.model.OnDeleteTooltipCommand(1);
    EXPECT_EQ(h.Button(2), Rec("Mail.lnk|1||mail|C:\\mail.ico"));
}

TEST(IconCommands, WriteTheChosenOrAnEmptyIconAndReload) {
    ModelHarness h(kThreeButtons);
    h.Load();
    h.MapSlots();
    h.chosenIcon = "C:\\new.ico";
    h.model.OnIconCommand(2);
    EXPECT_EQ(h.Button(3), Rec("C:\\C.EXE|1|||C:\\new.ico"));
    EXPECT_EQ(h.buttons.gButtonIcon[2], "C:\\new.ico");  // reloaded from the file
    // Events queued meanwhile run before the window stops being busy.
    EXPECT_EQ(std::vector<std::string>(h.log.end() - 2, h.log.end()),
              (std::vector<std::string>{"arrange", "events while busy"}));
    EXPECT_FALSE(h.model.busy());
    h.model.OnResetIconCommand(1);
    EXPECT_EQ(h.Button(2), Rec("Mail.lnk|1||mail|"));
}

TEST(LockGuard, EveryCommandRefusesWhileLockedAndChangesNothing) {
    ModelHarness h(ThreeButtonsWith("gLocked=1"));
    h.settings.gLocked = 1;
    h.Load();
    h.MapSlots();
    h.dialogs.typed = "typed";
    h.dialogs.answer = MessageAnswer::Yes;
    h.chosenIcon = "C:\\x.ico";
    const std::string fileBefore = h.profile.Text();
    const SectionTable sectionsBefore = h.sections;
    const std::vector<std::string> targetsBefore = h.buttons.gButtonTarget, textsBefore = h.buttons.gButtonText;
    const int16_t homeBefore = h.settings.HomeSection;

    struct Command { std::function<void()> run; const char* message; };
    const Command commands[] = {
        {[&] { h.model.OnAddButtonTextCommand(0); }, "Cannot edit button text when Corvella is Locked!"},
        {[&] { h.model.OnDeleteButtonTextCommand(0); }, "Cannot delete button text when Corvella is Locked!"},
        {[&] { h.model.OnTooltipCommand(0); }, "Cannot add a button tooltip when Corvella is Locked!"},
        {[&] { h.model.OnDeleteTooltipCommand(0); }, "Cannot delete a button tooltip when Corvella is Locked!"},
        {[&] { h.model.OnIconCommand(0); }, "Cannot change button icon when Corvella is Locked!"},
        {[&] { h.model.OnResetIconCommand(0); }, "Cannot change button icon when Corvella is Locked!"},
        {[&] { h.model.OnDeleteCommand(0); }, "Cannot delete a button when Corvella is Locked!"},
        {[&] { h.model.OnDeleteAllCommand(); }, "Cannot delete buttons when Corvella is Locked!"},
        {[&] { h.model.OnAddSectionCommand(); }, "Cannot add a section when Corvella is Locked!"},
        {[&] { h.model.OnRenameSectionCommand(0); }, "Cannot change section name when Corvella is Locked!"},
        {[&] { h.model.OnDeleteSectionCommand(1); }, "Cannot delete a section when Corvella is Locked!"},
        {[&] { h.model.OnHomeCommand(); }, "Cannot change home section when Corvella is Locked!"},
    };
    for (const Command& c : commands) {
        h.log.clear();
        c.run();
        EXPECT_EQ(h.log, testing::CallLog{std::string("message ") + c.message + " | Corvella"});
    }
    EXPECT_EQ(h.profile.Text(), fileBefore);
    EXPECT_EQ(h.sections.gSectionCount, sectionsBefore.gSectionCount);
    EXPECT_EQ(h.sections.gSectionName, sectionsBefore.gSectionName);
    EXPECT_EQ(h.buttons.gButtonTarget, targetsBefore);
    EXPECT_EQ(h.buttons.gButtonText, textsBefore);
    EXPECT_EQ(h.settings.HomeSection, homeBefore);
}

}  // namespace
}  // namespace corvella
