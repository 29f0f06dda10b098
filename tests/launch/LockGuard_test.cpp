// Every command of the lock's guard table, reached the way the user reaches
// it (context menus, the move switch, drops), refuses with its own message
// while the configuration is locked and leaves the tables and the file alone.
#include <gtest/gtest.h>

#include "fakes/DropHarness.h"
#include "launch/DropHandlers.h"
#include "mainwindow/ContextMenus.h"
#include "mainwindow/Interaction.h"

namespace corvella {
namespace {

using testing::CallLog;

constexpr char kLockedLauncher[] =
    "[Options]\r\ngLocked=1\r\nSection1Name=One\r\nSection2Name=Two\r\nHomeSection=1\r\n"
    "[Sections]\r\nSize1=2\r\nSize2=-1\r\n"
    "[Buttons]\r\nButton1=C:\\A.EXE\xFF" "1\xFFtip\xFFtext\xFF\r\n"
    "Button2=mail.lnk\xFF" "1\xFF\xFF\xFF" "C:\\m.ico\r\n";

struct GuardHarness : testing::DropHarness {
    GuardHarness() : DropHarness(kLockedLauncher) {
        settings.gLocked = 1;
        Load();
        MapSlots();
        Shortcut("C:\\Links\\Calc.lnk");
        shell.shortPaths["c:\\corvella\\calc.lnk"] = "C:\\CORVEL~1\\CALC.LNK";
        dialogs.typed = "typed";
        dialogs.answer = MessageAnswer::Yes;
        chosenIcon = "C:\\x.ico";
        log.clear();
        profile.writes.clear();
    }
    MenuCommandDeps MenuDeps() {
        auto note = [this](const char* name) { return [this, name] { log.push_back(name); }; };
        LayoutCommandDeps layout{settings, sections, dialogs, controls, window, cues,
                                 note("save settings"), note("save looks"), note("load buttons"), note("arrange"),
                                 note("focus tab"), note("tray")};
        return {settings, model, dialogs, cues, layout, note("options"), note("looks"), note("button looks"),
                note("log off"), note("shut down"), note("restart"), note("about"), note("exit")};
    }
    void Menu(MenuCommand command, int index = 0) { RunMenuCommand(command, index, MenuDeps()); }
    void MoveSwitch() {
        InteractionState state;
        MainWindowInteraction ui{state, InteractionDeps{settings, sections, buttons, model, controls, dialogs, cues,
                                                        events, {}, {}, {}, {}, {}, {}}};
        ui.OnMoveSwitchClick();
        EXPECT_FALSE(state.gMoveMode);
    }
    DroppedData Files() { return {true, {"C:\\Links\\Calc.lnk"}}; }
};

TEST(LockGuard, EveryGuardedCommandRefusesWithItsMessageAndWritesNothing) {
    using C = MenuCommand;
    struct Row { const char* what; std::function<void(GuardHarness&)> run; const char* message; };
    const Row rows[] = {
        {"addbuttontext", [](GuardHarness& h) { h.Menu(C::addbuttontext); }, "Cannot edit button text when Corvella is Locked!"},
        {"delbuttext", [](GuardHarness& h) { h.Menu(C::delbuttext); }, "Cannot delete button text when Corvella is Locked!"},
        {"tooltip", [](GuardHarness& h) { h.Menu(C::tooltip); }, "Cannot add a button tooltip when Corvella is Locked!"},
        {"deltip", [](GuardHarness& h) { h.Menu(C::deltip); }, "Cannot delete a button tooltip when Corvella is Locked!"},
        {"icon", [](GuardHarness& h) { h.Menu(C::icon); }, "Cannot change button icon when Corvella is Locked!"},
        {"reseticon", [](GuardHarness& h) { h.Menu(C::reseticon, 1); }, "Cannot change button icon when Corvella is Locked!"},
        {"delete", [](GuardHarness& h) { h.Menu(C::deleteButton, 1); }, "Cannot delete a button when Corvella is Locked!"},
        {"deleteall", [](GuardHarness& h) { h.Menu(C::deleteall); }, "Cannot delete buttons when Corvella is Locked!"},
        {"addsection", [](GuardHarness& h) { h.Menu(C::addsection); }, "Cannot add a section when Corvella is Locked!"},
        {"renamesection", [](GuardHarness& h) { h.Menu(C::renamesection, 1); }, "Cannot change section name when Corvella is Locked!"},
        {"deletesection", [](GuardHarness& h) { h.Menu(C::deletesection, 1); }, "Cannot delete a section when Corvella is Locked!"},
        {"home", [](GuardHarness& h) { h.sections.gCurrentSection = 2; h.Menu(C::home); }, "Cannot change home section when Corvella is Locked!"},
        {"SmallIcons", [](GuardHarness& h) { h.Menu(C::SmallIcons); }, "Cannot change section button sizes when Corvella is Locked!"},
        {"LargeIcons", [](GuardHarness& h) { h.Menu(C::LargeIcons); }, "Cannot change section button sizes when Corvella is Locked!"},
        {"fullwidth", [](GuardHarness& h) { h.Menu(C::fullwidth, 1); }, "Cannot change section button sizes when Corvella is Locked!"},
        {"textonly", [](GuardHarness& h) { h.Menu(C::textonly); }, "Cannot change section button sizes when Corvella is Locked!"},
        {"o_buttons", [](GuardHarness& h) { h.Menu(C::o_buttons); }, "Cannot customize buttons while Corvella is Locked!"},
        {"o_looks", [](GuardHarness& h) { h.Menu(C::o_looks); }, "Cannot customize Corvella when it is Locked!"},
        {"reOrgBut", [](GuardHarness& h) { h.MoveSwitch(); }, "Cannot move buttons while the Corvella is Locked!"},
        {"drop on buttonBG", [](GuardHarness& h) { DroppedData d = h.Files(); OnDropOnButtonArea(d, h.Deps()); },
         "Cannot add buttons while Corvella is Locked!"},
        {"drop on a tab", [](GuardHarness& h) { DroppedData d = h.Files(); OnDropOnTab(1, d, h.Deps()); },
         "Cannot add buttons while Corvella is Locked!"},
        {"drop on the window", [](GuardHarness& h) { DroppedData d = h.Files(); OnDropOnWindow(d, h.Deps()); },
         "Corvella is LOCKED... Cannot add buttons."},
    };
    for (const Row& row : rows) {
        GuardHarness h;
        const std::string file = h.profile.Text();
        const SectionTable sections = h.sections;
        const ButtonTable buttons = h.buttons;
        const Settings settings = h.settings;
        row.run(h);
        EXPECT_EQ(h.log.at(0), "message " + std::string(row.message) + " | Corvella") << row.what;
        EXPECT_EQ(h.log.size(), 1u) << row.what;
        EXPECT_TRUE(h.profile.writes.empty()) << row.what;
        EXPECT_EQ(h.profile.Text(), file) << row.what;
        EXPECT_EQ(h.sections.gSectionCount, sections.gSectionCount) << row.what;
        EXPECT_EQ(h.sections.gSectionName, sections.gSectionName) << row.what;
        EXPECT_EQ(h.sections.gSectionSize, sections.gSectionSize) << row.what;
        EXPECT_EQ(h.buttons.gButtonCount, buttons.gButtonCount) << row.what;
        EXPECT_EQ(h.buttons.gButtonSection, buttons.gButtonSection) << row.what;
        EXPECT_EQ(h.buttons.gButtonText, buttons.gButtonText) << row.what;
        EXPECT_EQ(h.buttons.gButtonTooltip, buttons.gButtonTooltip) << row.what;
        EXPECT_EQ(h.buttons.gButtonIcon, buttons.gButtonIcon) << row.what;
        EXPECT_EQ(h.settings.HomeSection, settings.HomeSection) << row.what;
        EXPECT_TRUE(h.streams.removed.empty()) << row.what;
        EXPECT_EQ(h.streams.files.size(), 1u) << row.what;  // no copy of the dropped shortcut
    }
}

}  // namespace
}  // namespace corvella
