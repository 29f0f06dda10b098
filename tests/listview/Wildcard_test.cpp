// The name pattern: a backtracking "*" and "?" match that ignores case.
#include "Wildcard.h"

#include <gtest/gtest.h>

#include <string>

#include "ItemFilter.h"

namespace panorell {
namespace {

struct MatchCase {
    const char* name;
    const char* pattern;
    bool matches;
};

TEST(Wildcard, MatchesTheTable) {
    const MatchCase cases[] = {
        {"readme.txt", "*.TXT", true},
        {"README.TXT", "*.txt", true},
        {"a.b.txt", "*.txt", true},     // the star must give back the first dot
        {"a.b.txt", "*.b.*", true},
        {"axbx", "*x", true},
        {"axby", "*x", false},
        {"abc", "a*", true},
        {"abc", "a?c", true},
        {"ac", "a?c", false},
        {"abc", "*?x", false},          // "?" still needs a character before the x
        {"x", "*?x", false},
        {"ax", "*?x", true},
        {"abxcx", "*?x", true},
        {"abc", "*", true},
        {"abc", "***", true},
        {"abc", "abc*", true},
        {"abc", "ab", false},
        {"ab", "abc", false},
        {"abc", "?*?*?", true},
        {"ab", "?*?*?", false},
        {"mississippi", "m*iss*ppi", true},
        {"mississippi", "m*iss*ppx", false},
        {"noext", "*.*", false},        // the listing handles "*.*" itself
        {"a.b", "*.*", true},
        {"file.txt", "*.txt;*.doc", false},  // one pattern, no separator
        {"\xC4RGER.TXT", "\xE4rger.*", true},  // Windows-1252 capitals fold too
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
    }
}

TEST(Wildcard, EmptyNameOrPatternNeverMatches) {
    EXPECT_FALSE(MatchesPattern("", "*"));
    EXPECT_FALSE(MatchesPattern("abc", ""));
    EXPECT_FALSE(MatchesPattern("", ""));
}

TEST(Wildcard, ManyStarsOnALongNameStayFast) {
    // A name of 4,000 "a" against a pattern that fails only at its end: a
    // naive recursive match would take exponential time.
    std::string name(4000, 'a');
    EXPECT_FALSE(MatchesPattern(name, "*a*a*a*a*a*a*a*b"));
    EXPECT_TRUE(MatchesPattern(name + "b", "*a*a*a*a*a*a*a*b"));
}

TEST(Wildcard, OnlyTheExactEverythingPatternsListEverything) {
    EXPECT_TRUE(PatternListsEverything("*.*"));
    EXPECT_TRUE(PatternListsEverything("*"));
    EXPECT_FALSE(PatternListsEverything("**"));
    EXPECT_FALSE(PatternListsEverything("*.* "));
    EXPECT_FALSE(PatternListsEverything(""));
}

TEST(Wildcard, NameOfPathIsTheTextAfterTheLastBackslash) {
    EXPECT_EQ(NameOfPath("C:\\dir\\a.b.txt"), "a.b.txt");
    EXPECT_EQ(NameOfPath("plain"), "plain");
    EXPECT_EQ(NameOfPath("C:\\dir\\"), "");
}

}  // namespace
}  // namespace panorell
