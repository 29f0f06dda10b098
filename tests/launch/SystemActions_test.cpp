// Log-off, restart and shut-down: the steps before the session ends, their
// order, the privilege step and its messages, and the disabled commands.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/FakeSystemPorts.h"
#include "fakes/FakeWindowControls.h"
#include "fakes/StartupHarness.h"
#include "launch/SystemActions.h"

namespace corvella {
namespace {

using testing::CallLog;

struct SystemHarness {
    SystemHarness() {
        files.environment["TEMP"] = "C:\\TEMP";
        files.files["C:\\TEMP"] = {"a.tmp", "keep.txt"};
    }
    SystemActionDeps Deps() {
        auto note = [this](const char* what) { return [this, what] { log.push_back(what); }; };
        return {settings, dialogs, cues, events, controls, files, session, gIsWinNT,
                note("eject all"), note("shade"), note("save"), note("end program")};
    }
    void Run(SystemCommand command) { RunSystemCommand(command, Deps()); }
    // The log from the first entry named `first` on, without the event passes.
    std::vector<std::string> From(const std::string& first) const {
        auto at = std::find(log.begin(), log.end(), first);
        std::vector<std::string> rest;
        std::copy_if(at, log.end(), std::back_inserter(rest), [](const std::string& l) { return l != "events"; });
        return rest;
    }
    size_t Count(const std::string& entry) const {
        return static_cast<size_t>(std::count(log.begin(), log.end(), entry));
    }

    CallLog log;
    Settings settings;
    testing::FakeDialogs dialogs{log};
    testing::FakeSound sound{log};
    CuePlayer cues{sound, "C:\\Corvella", settings.EnableSound};
    testing::FakeEventLoop events{log};
    testing::FakeWindowControls controls;
    testing::FakeFileSystem files{log};
    testing::FakeSession session{log};
    int32_t gIsWinNT = 1;
};

constexpr char kDeleteTemp[] = "delete C:\\TEMP\\a.tmp";

TEST(SystemCommands, EachEndsTheSessionInItsOwnOrderWithItsOwnFlags) {
    const std::vector<std::string> privilege = {"clear last error", "GetCurrentProcess", "OpenProcessToken",
                                                "LookupPrivilegeValue", "AdjustTokenPrivileges"};
    struct Case {
        SystemCommand command;
        int32_t nt;
        std::vector<std::string> tail;
    };
    auto with = [&](std::vector<std::string> before, std::vector<std::string> after) {
        before.insert(before.end(), after.begin(), after.end());
        return before;
    };
    const Case cases[] = {
        // Log-off saves first too: the forced log-off does not wait for the launcher.
        {SystemCommand::LogOff, 1, {kDeleteTemp, "save", "exit 4 4294967295", "end program"}},
        {SystemCommand::LogOff, 0, {kDeleteTemp, "save", "exit 4 4294967295", "end program"}},
        {SystemCommand::Restart, 1, with(with({kDeleteTemp}, privilege), {"save", "exit 2 4294967295"})},
        {SystemCommand::Restart, 0, {kDeleteTemp, "save", "exit 2 4294967295"}},
        {SystemCommand::ShutDown, 1, with(with({kDeleteTemp}, privilege), {"save", "exit 5 4294967295"})},
        {SystemCommand::ShutDown, 0, {kDeleteTemp, "save", "exit 5 4294967295"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.command) * 10 + c.nt);
        SystemHarness h;
        h.gIsWinNT = c.nt;
        h.Run(c.command);
        EXPECT_EQ(h.From(kDeleteTemp), c.tail);
        EXPECT_EQ(h.Count("events"), static_cast<size_t>(kSystemCommandEventPasses));
    }
}

TEST(SystemCommands, TheStepsBeforeTheEndFollowTheSwitches) {
    struct Case {
        const char* name;
        int16_t sound, ejectAll, shade, shaded;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"all off", 0, 0, 0, 0, {}},
        {"sound", 1, 0, 0, 0, {"sound C:\\Corvella\\bleep.wav"}},
        {"eject all", 0, 1, 0, 0, {"eject all"}},
        {"shade", 0, 0, 1, 0, {"shade"}},
        {"shade, already shaded", 0, 0, 1, 1, {}},
        {"all on", 1, 1, 1, 0, {"sound C:\\Corvella\\bleep.wav", "eject all", "shade"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SystemHarness h;
        h.settings.EnableSound = c.sound;
        h.settings.EjectAll = c.ejectAll;
        h.settings.EnableShade = c.shade;
        h.settings.WindowShade = c.shaded;
        h.controls.Focus({ControlName::oButton});
        h.Run(SystemCommand::Restart);
        const auto end = std::find(h.log.begin(), h.log.end(), "events");
        EXPECT_EQ(std::vector<std::string>(h.log.begin(), end), c.expected);
        EXPECT_EQ(h.controls.focused, (ControlRef{ControlName::hider}));
    }
}

TEST(SystemCommands, DisabledCommandsOnlySayTheyAreDisabled) {
    for (SystemCommand command : {SystemCommand::LogOff, SystemCommand::Restart, SystemCommand::ShutDown}) {
        SystemHarness h;
        h.settings.EnableSystemButtons = 0;
        h.settings.EnableSound = 1;
        h.settings.EjectAll = 1;
        h.settings.EnableShade = 1;
        h.Run(command);
        EXPECT_EQ(h.log, std::vector<std::string>{"message System Buttons are Disabled... | Corvella"});
    }
}

TEST(ShutdownPrivilege, EachFailingStepIsShownWithItsNumberAndTheNextStillRuns) {
    struct Case {
        uint32_t errors[4];
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, {}},
        {{0, 0, 0, 1300}, {"message AdjustTokenPrivileges error==1300 | Corvella"}},
        {{6, 0, 0, 0}, {"message GetCurrentProcess error==6 | Corvella"}},
        {{0, 5, 5, 5},
         {"message OpenProcessToken error==5 | Corvella", "message LookupPrivilegeValue error==5 | Corvella",
          "message AdjustTokenPrivileges error==5 | Corvella"}},
        {{0, 0, 1313, 0}, {"message LookupPrivilegeValue error==1313 | Corvella"}},
    };
    for (const Case& c : cases) {
        SystemHarness h;
        std::copy(std::begin(c.errors), std::end(c.errors), h.session.errors);
        EnableShutdownPrivilege(h.session, h.dialogs);
        std::vector<std::string> messages;
        std::copy_if(h.log.begin(), h.log.end(), std::back_inserter(messages),
                     [](const std::string& l) { return l.rfind("message", 0) == 0; });
        EXPECT_EQ(messages, c.messages);
        for (const char* step : {"GetCurrentProcess", "OpenProcessToken", "LookupPrivilegeValue", "AdjustTokenPrivileges"})
            EXPECT_EQ(h.Count(step), 1u) << step;
        EXPECT_EQ(h.log.front(), "clear last error");
    }
}

TEST(SystemCommands, AFailingPrivilegeStillSavesAndAsksForTheEnd) {
    SystemHarness h;
    h.session.errors[3] = 1300;
    h.Run(SystemCommand::ShutDown);
    EXPECT_EQ(h.From("message AdjustTokenPrivileges error==1300 | Corvella"),
              (std::vector<std::string>{"message AdjustTokenPrivileges error==1300 | Corvella", "save",
                                        "exit 5 4294967295"}));
}

}  // namespace
}  // namespace corvella
