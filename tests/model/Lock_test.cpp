#include "model/Lock.h"

#include <gtest/gtest.h>

#include "fakes/StartupHarness.h"

namespace corvella {
namespace {

using testing::CallLog;

struct LockHarness {
    LockDeps Deps() {
        auto hook = [this](const char* name) { return [this, name] { log.push_back(name); }; };
        return {settings, dialogs, hook("save settings"), hook("save lock state"),
                LockView{[this](const std::string& c) { caption = c; }, [this](bool on) { groupsEnabled = on; },
                         [this](const std::string& t) { label = t; }}};
    }
    CallLog log;
    Settings settings;
    testing::FakeDialogs dialogs{log};
    std::string caption, label;
    bool groupsEnabled = true;
};

constexpr char kNoPasswordWarning[] =
    "message Configuration is now locked, but your password has not been set.  This means that anyone can unlock "
    "the configuration. | Corvella";

TEST(Command2, LockingWithoutAPasswordWarnsAndUnlockingAsksNothing) {
    LockHarness h;
    Command2Click(h.Deps());
    EXPECT_EQ(h.settings.gLocked, 1);
    EXPECT_EQ(h.log, (CallLog{"save settings", "save lock state", kNoPasswordWarning}));
    EXPECT_EQ(h.caption, "&Unlock");
    EXPECT_EQ(h.label, "Configuration is LOCKED");
    EXPECT_FALSE(h.groupsEnabled);

    h.log.clear();
    Command2Click(h.Deps());
    EXPECT_EQ(h.settings.gLocked, 0);
    EXPECT_EQ(h.log, (CallLog{"save settings", "save lock state"}));
    EXPECT_EQ(h.caption, "&Lock");
    EXPECT_EQ(h.label, "Configuration is UNLOCKED");
    EXPECT_TRUE(h.groupsEnabled);
}

TEST(Command2, WithAPasswordAcceptsItInAnyCaseAndRefusesAnythingElse) {
    struct Case { int16_t locked; const char* typed; int16_t after; };
    const Case cases[] = {
        {0, "secret1", 1}, {1, "secret1", 0}, {1, "SECRET1", 0}, {1, "Secret1", 0},
        {1, "secret", 1},  {1, "", 1},        {0, "wrong", 0},   {1, " secret1", 1},
    };
    for (const Case& c : cases) {
        LockHarness h;
        h.settings.gPassword = "secret1";
        h.settings.gLocked = c.locked;
        h.dialogs.typed = c.typed;
        Command2Click(h.Deps());
        EXPECT_EQ(h.settings.gLocked, c.after) << c.typed;
        const bool changed = c.after != c.locked;
        CallLog expected{"save settings", "ask Enter Password"};
        expected.push_back(changed ? "save lock state" : "message Password Incorrect... | Corvella");
        EXPECT_EQ(h.log, expected) << c.typed;
        EXPECT_EQ(h.label, changed ? LockedLabelText(h.settings) : "") << c.typed;
    }
}

TEST(Command2, AStoredPasswordOfOneOrTwoCharactersIsNoPassword) {
    for (const char* stored : {"a", "ab", " ab\x01"}) {
        LockHarness h;
        h.settings.gPassword = CleanStoredPassword(stored);
        h.settings.gLocked = 1;
        Command2Click(h.Deps());
        EXPECT_EQ(h.settings.gLocked, 0) << stored;
        EXPECT_EQ(h.log, (CallLog{"save settings", "save lock state"})) << stored;
    }
}

TEST(Command3, TheCurrentPasswordMustBeTypedExactly) {
    for (const char* typed : {"SECRET1", "Secret1", "", "secret"}) {
        LockHarness h;
        h.settings.gPassword = "secret1";
        h.dialogs.answers = {typed, "newpass"};
        Command3Click(h.Deps());
        EXPECT_EQ(h.settings.gPassword, "secret1") << typed;
        EXPECT_EQ(h.log, (CallLog{"ask Enter Current Password", "message Password Incorrect | Corvella"})) << typed;
    }
    LockHarness h;
    h.settings.gPassword = "secret1";
    h.dialogs.answers = {"secret1", "NewPass9"};
    Command3Click(h.Deps());
    EXPECT_EQ(h.settings.gPassword, "newpass9");
    EXPECT_EQ(h.log, (CallLog{"ask Enter Current Password", "ask Enter NEW Password (use letters and numbers only!)",
                              "save lock state"}));
}

TEST(Command3, ANewPasswordIsAtLeastThreeLettersOrDigits) {
    struct Case { const char* typed; const char* stored; const char* message; };
    const Case cases[] = {
        {"abc", "abc", nullptr},
        {"ABC123", "abc123", nullptr},
        {"09az", "09az", nullptr},
        {"ab", "", "Password must be at least 3 characters in length!"},
        {"a", "", "Password must be at least 3 characters in length!"},
        {"my pass", "", "Password MUST consist of letters and numbers only!"},
        {"my-pass", "", "Password MUST consist of letters and numbers only!"},
        {"my_pass", "", "Password MUST consist of letters and numbers only!"},
        {"pass:", "", "Password MUST consist of letters and numbers only!"},  // between 9 and a
        {"pass{", "", "Password MUST consist of letters and numbers only!"},  // after z
        {"caf\xE9", "", "Password MUST consist of letters and numbers only!"},
        {"   ", "", "Password MUST consist of letters and numbers only!"},
    };
    for (const Case& c : cases) {
        LockHarness h;
        h.dialogs.typed = c.typed;
        Command3Click(h.Deps());
        EXPECT_EQ(h.settings.gPassword, c.stored) << c.typed;
        CallLog expected{"ask Enter NEW Password (use letters and numbers only!)"};
        expected.push_back(c.message ? "message " + std::string(c.message) + " | Corvella" : "save lock state");
        EXPECT_EQ(h.log, expected) << c.typed;
    }
}

TEST(Command3, AnEmptyNewPasswordOffersToClearIt) {
    for (MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
        LockHarness h;
        h.settings.gPassword = "secret1";
        h.dialogs.answers = {"secret1", ""};
        h.dialogs.answer = answer;
        Command3Click(h.Deps());
        const bool cleared = answer == MessageAnswer::Yes;
        EXPECT_EQ(h.settings.gPassword, cleared ? "" : "secret1");
        CallLog expected{"ask Enter Current Password", "ask Enter NEW Password (use letters and numbers only!)",
                         "message Do you wish to clear the password? | Clear Password?"};
        if (cleared) expected.push_back("save lock state");
        EXPECT_EQ(h.log, expected);
    }
}

TEST(Command3, WorksWhileLockedAndLeavesTheLockAlone) {
    LockHarness h;
    h.settings.gLocked = 1;
    h.dialogs.typed = "abc";
    Command3Click(h.Deps());
    EXPECT_EQ(h.settings.gPassword, "abc");
    EXPECT_EQ(h.settings.gLocked, 1);
}

}  // namespace
}  // namespace corvella
