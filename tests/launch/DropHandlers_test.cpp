#include "launch/DropHandlers.h"

#include <gtest/gtest.h>

#include "fakes/DropHarness.h"

namespace corvella {
namespace {

using testing::CallLog;
using testing::DropHarness;
using testing::Rec;

constexpr char kTwoSections[] =
    "[Options]\r\nSection1Name=One\r\nSection2Name=Two\r\n[Buttons]\r\n"
    "Button1=C:\\TOOLS\\A.EXE\xFF" "1\xFF\xFF" "A\xFF\r\n"
    "Button2=C:\\TOOLS\\B.EXE\xFF" "2\xFF\xFF" "B\xFF\r\n";

struct Harness : DropHarness {
    Harness() : DropHarness(kTwoSections) {
        Load();
        MapSlots();
        Shortcut("C:\\Links\\Notepad.lnk", "notepad link");
        Shortcut("C:\\Links\\Mail.URL", "mail link");
        Shortcut("C:\\Links\\Calc.lnk", "calc link");
        shell.shortPaths["c:\\corvella\\notepad.lnk"] = "C:\\CORVEL~1\\NOTEPA~1.LNK";
        shell.shortPaths["c:\\corvella\\mail.url"] = "C:\\CORVEL~1\\MAIL.URL";
        shell.shortPaths["c:\\corvella\\calc.lnk"] = "C:\\CORVEL~1\\CALC.LNK";
        shell.shortPaths["c:\\docs\\a letter.txt"] = "C:\\DOCS\\ALETTE~1.TXT";
        shell.shortPaths["c:\\docs\\b.txt"] = "C:\\DOCS\\B.TXT";
        log.clear();
    }
    DroppedData Files(std::vector<std::string> paths) { return {true, std::move(paths)}; }
    bool AllDropControlsEnabled() {
        for (int i = 0; i < kSectionTabs; ++i)
            if (!controls.Find({ControlName::sectionButton, i})->enabled) return false;
        for (int s = 0; s < kButtonSlots; ++s)
            if (!controls.Find({ControlName::buttonObj, s})->enabled) return false;
        return controls.Find({ControlName::oButton})->enabled && controls.Find({ControlName::HScroll1})->enabled;
    }
};

enum class Where { Window, ButtonArea, Tab, LaunchButton };

void Drop(Harness& h, Where where, DroppedData& data) {
    switch (where) {
        case Where::Window: return OnDropOnWindow(data, h.Deps());
        case Where::ButtonArea: return OnDropOnButtonArea(data, h.Deps());
        case Where::Tab: return OnDropOnTab(1, data, h.Deps());
        case Where::LaunchButton: return OnDropOnLaunchButton(0, data, h.Deps());
    }
}

TEST(Drop, EachTargetAnswersTheLockAndDataWithoutAFileList) {
    struct Case { Where where; bool locked; bool files; const char* message; int added; };
    const Case cases[] = {
        {Where::Window, true, true, "Corvella is LOCKED... Cannot add buttons.", 0},
        {Where::Window, false, false,
         "You must create a shortcut for this item first, then drop it onto Corvella.  You can delete the shortcut "
         "when you're done.", 0},
        {Where::Window, false, true, nullptr, 1},
        {Where::ButtonArea, true, true, "Cannot add buttons while Corvella is Locked!", 0},
        {Where::ButtonArea, false, false,
         "You must create a shortcut for this item first, then drop it onto Corvella.  You can delete the shortcut "
         "when you're done.", 0},
        {Where::ButtonArea, false, true, nullptr, 1},
        {Where::Tab, true, true, "Cannot add buttons while Corvella is Locked!", 0},
        {Where::Tab, false, false,
         "Can't directly add that type of object...  try creating a shortcut for it first, then dropping that onto "
         "the Corvella!", 0},
        {Where::Tab, false, true, nullptr, 1},
        {Where::LaunchButton, true, true, nullptr, 0},
        {Where::LaunchButton, false, false, nullptr, 0},
        {Where::LaunchButton, true, false, nullptr, 0},
    };
    for (const Case& c : cases) {
        Harness h;
        h.settings.gLocked = c.locked ? 1 : 0;
        const std::string before = h.profile.Text();
        DroppedData data{c.files, c.files ? std::vector<std::string>{"C:\\Links\\Notepad.lnk"}
                                          : std::vector<std::string>{}};
        Drop(h, c.where, data);
        const auto shown = std::find_if(h.log.begin(), h.log.end(), [](const std::string& l) { return l.rfind("message", 0) == 0; });
        const std::string label = std::to_string(static_cast<int>(c.where)) + (c.locked ? " locked" : "") +
                                  (c.files ? " files" : " text");
        if (c.message)
            EXPECT_EQ(h.log.front(), "message " + std::string(c.message) + " | Corvella") << label;
        else
            EXPECT_EQ(shown, h.log.end()) << label;
        EXPECT_EQ(h.buttons.gButtonCount, 2 + c.added) << label;
        if (c.added == 0) {
            EXPECT_EQ(h.profile.Text(), before) << label;
            EXPECT_EQ(h.streams.files.count("c:\\corvella\\notepad.lnk"), 0u) << label;
        }
        EXPECT_TRUE(h.AllDropControlsEnabled()) << label;
    }
}

TEST(Drop, ThreeShortcutsOnTheWindowBecomeThreeConsecutiveRecordsInListOrder) {
    Harness h;
    h.sections.gCurrentSection = 2;
    DroppedData data = h.Files({"C:\\Links\\Notepad.lnk", "C:\\Links\\Mail.URL", "C:\\Links\\Calc.lnk"});
    OnDropOnWindow(data, h.Deps());
    EXPECT_EQ(h.Button(3), Rec("NOTEPA~1.LNK|2|Notepad|Notepad|"));
    EXPECT_EQ(h.Button(4), Rec("MAIL.URL|2|Mail|Mail|"));
    EXPECT_EQ(h.Button(5), Rec("CALC.LNK|2|Calc|Calc|"));
    EXPECT_EQ(h.streams.files["c:\\corvella\\notepad.lnk"], "notepad link");
    EXPECT_EQ(h.streams.files["c:\\corvella\\mail.url"], "mail link");
    EXPECT_EQ(h.streams.files["c:\\corvella\\calc.lnk"], "calc link");
    // Reloaded from the file and laid out again; the list is used up.
    EXPECT_EQ(h.buttons.gButtonCount, 5);
    EXPECT_EQ(h.buttons.gButtonText[4], "Calc");
    EXPECT_EQ(h.log, (CallLog{"events", "events", "events", "events", "arrange"}));
    EXPECT_FALSE(data.hasFileList);
    EXPECT_TRUE(data.paths.empty());
}

TEST(Drop, OntoATabOfAnotherSectionAddsToThatSectionAndFocusesTheCurrentTab) {
    Harness h;
    DroppedData data = h.Files({"C:\\Links\\Calc.lnk"});
    OnDropOnTab(1, data, h.Deps());
    EXPECT_EQ(h.Button(3), Rec("CALC.LNK|2|Calc|Calc|"));
    EXPECT_EQ(h.sections.gCurrentSection, 1);
    EXPECT_EQ(h.log.back(), "focus tab");
}

TEST(Drop, AFailedItemLeavesNoGapInTheRecords) {
    Harness h;
    h.streams.unreadable.insert("c:\\links\\mail.url");
    DroppedData data = h.Files({"C:\\Links\\Notepad.lnk", "C:\\Links\\Mail.URL", "C:\\Links\\Calc.lnk"});
    OnDropOnButtonArea(data, h.Deps());
    EXPECT_EQ(h.Button(3), Rec("NOTEPA~1.LNK|1|Notepad|Notepad|"));
    EXPECT_EQ(h.Button(4), Rec("CALC.LNK|1|Calc|Calc|"));
    EXPECT_EQ(h.buttons.gButtonCount, 4);  // every record before and after the failure is loaded
}

TEST(Drop, OntoALaunchButtonHandsTheFilesToItsItemEvenWhileLocked) {
    for (int16_t locked : {0, 1}) {
        Harness h;
        h.settings.gLocked = locked;
        h.sections.gCurrentSection = 2;
        h.MapSlots();
        DroppedData data = h.Files({"C:\\Docs\\A Letter.txt", "C:\\Docs\\B.txt"});
        const std::string before = h.profile.Text();
        OnDropOnLaunchButton(0, data, h.Deps());
        EXPECT_EQ(h.log, (CallLog{"focus tab", "events", "launch 1 [C:\\DOCS\\ALETTE~1.TXT C:\\DOCS\\B.TXT]", "focus tab"}))
            << locked;
        using namespace std::string_literals;
        EXPECT_EQ(h.launch.gDropCopyList, "C:\\Docs\\A Letter.txt\0C:\\Docs\\B.txt\0\0"s) << locked;
        EXPECT_EQ(h.profile.Text(), before);
        EXPECT_TRUE(h.AllDropControlsEnabled());
        EXPECT_TRUE(data.paths.empty());
    }
}

TEST(Drop, OntoALaunchButtonReturnsHomeWhateverTheKeys) {
    Harness h;
    h.settings.UseHomeSection = 1;
    DroppedData data = h.Files({"C:\\Docs\\B.txt"});
    OnDropOnLaunchButton(0, data, h.Deps());
    EXPECT_EQ(h.log, (CallLog{"focus tab", "events", "launch 0 [C:\\DOCS\\B.TXT]", "home", "focus tab"}));
}

TEST(Drop, DisablesTheDropControlsWhileTheTableIsRewritten) {
    Harness h;
    bool alwaysEnabled = true;
    struct Spy final : EventLoop {
        Harness& h;
        bool& seen;
        Spy(Harness& harness, bool& s) : h(harness), seen(s) {}
        void LetPendingEventsRun() override { seen = seen && h.AllDropControlsEnabled(); }
        void SleepMs(int) override {}
    };
    Spy spy(h, alwaysEnabled);
    DropDeps deps = h.Deps();
    DropDeps spied{deps.settings, deps.sections, deps.buttons, deps.model, deps.launch, deps.controls, deps.dialogs,
                   spy, deps.add, deps.arrangeWindow, deps.focusCurrentTab, deps.focusMainWindow,
                   deps.launchWithDocuments, deps.returnHome, deps.dragOverTab};
    DroppedData data = h.Files({"C:\\Links\\Calc.lnk"});
    OnDropOnWindow(data, spied);
    EXPECT_FALSE(alwaysEnabled);
    EXPECT_TRUE(h.AllDropControlsEnabled());
}

TEST(Drop, DraggingOverTheButtonAreaOrTheWindowMovesTheFocus) {
    Harness h;
    OnDragOverButtonArea(h.Deps());
    EXPECT_EQ(h.controls.focused, (ControlRef{ControlName::buttonBG}));
    OnDragOverWindow(h.Deps());
    EXPECT_EQ(h.log, CallLog{"focus window"});
}

TEST(Drop, EachControlOfTheWindowRoutesToItsOwnHandler) {
    struct Case { std::optional<ControlRef> on; const char* over; const char* dropped; };
    const Case cases[] = {
        {ControlRef{ControlName::sectionButton, 1}, "over tab 1", "Can't directly add that type of object"},
        {ControlRef{ControlName::buttonObj, 3}, nullptr, nullptr},
        {ControlRef{ControlName::buttonBG}, nullptr, "You must create a shortcut"},
        {ControlRef{ControlName::oButton}, "focus window", "You must create a shortcut"},
        {std::nullopt, "focus window", "You must create a shortcut"},
    };
    for (const Case& c : cases) {
        Harness h;
        h.settings.gLocked = 1;
        RouteDragOver(c.on, h.Deps());
        const bool areaFocused = h.controls.focused == ControlRef{ControlName::buttonBG};
        EXPECT_EQ(areaFocused, c.on == ControlRef{ControlName::buttonBG});
        EXPECT_EQ(h.log, c.over ? CallLog{c.over} : CallLog{});
        h.log.clear();
        h.settings.gLocked = 0;
        DroppedData text;
        RouteDrop(c.on, text, h.Deps());
        if (c.dropped) {
            ASSERT_FALSE(h.log.empty());
            EXPECT_EQ(h.log.front().rfind("message " + std::string(c.dropped), 0), 0u) << h.log.front();
        } else {
            EXPECT_EQ(h.log, CallLog{"focus tab"});
        }
    }
}

}  // namespace
}  // namespace corvella
