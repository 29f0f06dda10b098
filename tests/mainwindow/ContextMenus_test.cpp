#include "mainwindow/ContextMenus.h"

#include <gtest/gtest.h>

#include <set>

#include "fakes/ModelHarness.h"

namespace corvella {
namespace {

using testing::CallLog;
using testing::ModelHarness;

TEST(ContextMenus, EveryItemRunsItsOwnCommandAndSeparatorsSitWhereTheyBelong) {
    std::set<MenuCommand> seen;
    std::string shapes;
    for (ContextMenuName menu : {ContextMenuName::buttonMenu, ContextMenuName::sectionMenu, ContextMenuName::OptionsMenu}) {
        for (const MenuEntry& e : MenuEntries(menu)) {
            shapes += e.command ? "x" : "-";
            EXPECT_EQ(e.command.has_value(), std::string(e.caption).size() > 0) << e.name;
            if (e.command) {
                EXPECT_TRUE(seen.insert(*e.command).second) << e.name;
            }
        }
        shapes += "|";
    }
    EXPECT_EQ(shapes, "xx-xx-xxxx|xxxx-xxxx|xxx-xxx-xx|");
    EXPECT_EQ(seen.size(), 24u);
    EXPECT_STREQ(MenuEntries(ContextMenuName::OptionsMenu)[8].caption, "&About Corvella && Help");
}

struct MenuHarness : ModelHarness {
    MenuHarness() : ModelHarness("[Options]\r\nSection1Name=One\r\nSection2Name=Two\r\n") {
        Load();
        log.clear();
    }
    MenuCommandDeps Deps() {
        LayoutCommandDeps layout{settings, sections, dialogs, controls, window, cues,
                                 [this] { log.push_back("save settings"); }, [this] { log.push_back("save looks"); },
                                 [this] { log.push_back("load buttons"); }, [this] { log.push_back("arrange"); },
                                 [this] { log.push_back("focus tab"); }, [] {}};
        auto hook = [this](const char* name) { return [this, name] { log.push_back(name); }; };
        return {settings, model, dialogs, cues, layout, hook("options"), hook("looks"), hook("button looks"),
                hook("log off"), hook("shut down"), hook("restart"), hook("about"), hook("exit")};
    }
};

TEST(ContextMenus, OptionsCommandsPlayTheirCuesAndTheLooksDialogsAreRefusedWhileLocked) {
    MenuHarness h;
    RunMenuCommand(MenuCommand::o_options, 0, h.Deps());
    RunMenuCommand(MenuCommand::o_about, 0, h.Deps());
    RunMenuCommand(MenuCommand::o_shutdown, 0, h.Deps());
    EXPECT_EQ(h.log, (CallLog{"sound C:\\Corvella\\optionopen.wav", "options", "sound C:\\Corvella\\clickdown.wav",
                              "about", "shut down"}));
    h.log.clear();
    h.settings.gLocked = 1;
    RunMenuCommand(MenuCommand::o_looks, 0, h.Deps());
    RunMenuCommand(MenuCommand::o_buttons, 0, h.Deps());
    EXPECT_EQ(h.log, (CallLog{"message Cannot customize Corvella when it is Locked! | Corvella",
                              "message Cannot customize buttons while Corvella is Locked! | Corvella"}));
    // A part that is not there yet does nothing.
    MenuCommandDeps missing = h.Deps();
    missing.restart = nullptr;
    RunMenuCommand(MenuCommand::o_restart, 0, missing);
}

TEST(ContextMenus, SectionCommandsActOnTheTabTheMenuWasOpenedOn) {
    MenuHarness h;
    h.dialogs.answer = MessageAnswer::Yes;
    RunMenuCommand(MenuCommand::deletesection, 1, h.Deps());
    EXPECT_EQ(h.log.front(), "message Delete this section and all its Buttons? | Confirmation");
    EXPECT_EQ(h.sections.gSectionCount, 1);
    EXPECT_EQ(h.sections.gSectionName[1], "One");

    h.log.clear();
    h.dialogs.answer = MessageAnswer::No;
    RunMenuCommand(MenuCommand::SmallIcons, 0, h.Deps());
    EXPECT_EQ(h.sections.gSectionSize[1], 0);
    EXPECT_EQ(h.log.front(), "message Make ALL Sections use this size button? | Change Button Sizes | default No");
}

}  // namespace
}  // namespace corvella
