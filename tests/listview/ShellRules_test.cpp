// Rename validation, the verb rules around shell commands, and the texts
// of drops (path lists and shortcut names).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/CommandVerbRules.h"
#include "shell/DropTexts.h"
#include "shell/RenameRules.h"

namespace panorell {
namespace {

TEST(RenameRules, ValidNames) {
    struct Case {
        std::string name;
        bool valid;
    };
    const Case cases[] = {
        {"a.txt", true},  {" lead.txt", true}, {"trail ", true}, {"", false},    {"   ", false},
        {"a:b", false},   {"a\\b", false},     {"a/b", false},   {"a*", false},   {"?", false},
        {"\"q\"", false}, {"<x", false},       {"x>", false},    {"a|b", false},  {" :", false},
        {"a.b.c", true},     {"été", true},    {std::string(300, 'n'), true},
    };
    for (const Case& c : cases) EXPECT_EQ(IsValidNewName(c.name), c.valid) << '"' << c.name << '"';
}

TEST(RenameRules, ThreeLetterExtensions) {
    EXPECT_TRUE(HasThreeLetterExtension("a.doc"));
    EXPECT_TRUE(HasThreeLetterExtension(".txt"));
    EXPECT_FALSE(HasThreeLetterExtension("a.docx"));
    EXPECT_FALSE(HasThreeLetterExtension("a.c"));
    EXPECT_FALSE(HasThreeLetterExtension("txt"));
    EXPECT_FALSE(HasThreeLetterExtension(""));
}

TEST(CommandVerbRules, VerbsByKind) {
    struct Case {
        const char* verb;
        VerbKind kind;
    };
    const Case cases[] = {
        {"cut", VerbKind::Cut},         {"CUT", VerbKind::Cut},         {"Copy", VerbKind::Copy},
        {"delete", VerbKind::Changes},  {"Link", VerbKind::Changes},    {"open", VerbKind::Other},
        {"", VerbKind::Other},          {"cuts", VerbKind::Other},      {"cop", VerbKind::Other},
        {"properties", VerbKind::Other},
    };
    for (const Case& c : cases) EXPECT_EQ(ClassifyVerb(c.verb), c.kind) << c.verb;
}

TEST(CommandVerbRules, AfterACommand) {
    struct Case {
        bool bin, flag, now, onFocus;
    };
    const Case cases[] = {
        {false, false, false, false}, {false, true, true, false}, {true, false, false, true}, {true, true, false, true}};
    for (const Case& c : cases) {
        const AfterCommand after = AfterCommandRules(c.bin, c.flag);
        EXPECT_EQ(after.refreshNow, c.now) << c.bin << c.flag;
        EXPECT_EQ(after.refreshOnNextFocus, c.onFocus) << c.bin << c.flag;
    }
}

TEST(CommandVerbRules, FindTheFirstVerbIgnoringCase) {
    const std::string verbs[] = {"", "Open", "print", "open"};
    EXPECT_EQ(FindVerb(verbs, 4, "open"), 1);
    EXPECT_EQ(FindVerb(verbs, 4, "PRINT"), 2);
    EXPECT_EQ(FindVerb(verbs, 4, "explore"), -1);
    EXPECT_EQ(FindVerb(verbs, 4, ""), 0);
    EXPECT_EQ(FindVerb(nullptr, 4, "open"), -1);
    EXPECT_EQ(FindVerb(verbs, 0, "open"), -1);
}

TEST(DropTexts, OwnPathListsAreReadWithinTheirSize) {
    const char full[] = "c:\\a\0d:\\b\0\0junk";
    EXPECT_EQ(ParsePathList(full, sizeof full), (std::vector<std::string>{"c:\\a", "d:\\b"}));
    const char unfinished[] = {'c', ':', '\\', 'a', '\0', 'd', ':'};
    EXPECT_EQ(ParsePathList(unfinished, sizeof unfinished), (std::vector<std::string>{"c:\\a"}));
    EXPECT_TRUE(ParsePathList("\0", 1).empty());
    EXPECT_TRUE(ParsePathList(nullptr, 10).empty());
    EXPECT_TRUE(ParsePathList("abc", 0).empty());
}

TEST(DropTexts, FileOperationListsEndWithTwoNuls) {
    EXPECT_EQ(DoubleNulList({"c:\\a", "c:\\b"}), std::string("c:\\a\0c:\\b\0\0", 11));
    EXPECT_EQ(DoubleNulList({}), std::string("\0", 1));
    EXPECT_EQ(DoubleNulList({"", "c:\\a"}), std::string("c:\\a\0\0", 6)) << "an empty path would end the list";
    EXPECT_EQ(DoubleNulList({std::string("c:\\a\0b", 6)}), std::string("c:\\a\0\0", 6));
}

TEST(DropTexts, ShortcutNames) {
    EXPECT_EQ(ShortcutFileFor("c:\\docs", "d:\\x\\report.doc"), "c:\\docs\\report.doc.lnk");
    EXPECT_EQ(ShortcutFileFor("c:\\", "d:\\x\\report.doc"), "c:\\report.doc.lnk");
    EXPECT_EQ(ShortcutFileFor("", "report.doc"), "\\report.doc.lnk");
    EXPECT_EQ(ShortcutDescriptionFor("d:\\x\\report.doc"), "Shortcut to report.doc");
    EXPECT_EQ(ShortcutDescriptionFor("\\\\srv\\share"), "Shortcut to share");
    EXPECT_EQ(LastName("c:\\dir\\"), "");
}

}  // namespace
}  // namespace panorell
