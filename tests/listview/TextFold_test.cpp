// Case folding follows the table of the code page in use, and the second
// byte of a double-byte character is never folded.
#include "TextFold.h"

#include <gtest/gtest.h>

#include "SortRules.h"
#include "Wildcard.h"

namespace panorell {
namespace {

// Installs a table for one test and puts the Western one back afterwards.
class TextFoldTest : public ::testing::Test {
protected:
    void TearDown() override { InstallFoldTable(WesternFoldTable()); }
};

TEST_F(TextFoldTest, TheInstalledTableDecidesWhatFolds) {
    // Cyrillic (1251): 0xC0-0xDF are capitals of 0xE0-0xFF, 0xA8 of 0xB8.
    FoldTable cyrillic = AsciiFoldTable();
    for (int c = 0xC0; c <= 0xDF; ++c) cyrillic.lower[static_cast<size_t>(c)] = static_cast<unsigned char>(c + 0x20);
    cyrillic.lower[0xA8] = 0xB8;
    InstallFoldTable(cyrillic);
    EXPECT_EQ(CompareIgnoringCase("\xA8\xC6", "\xB8\xE6"), 0);
    EXPECT_TRUE(MatchesPattern("\xC0\xC1.txt", "\xE0\xE1*"));
    EXPECT_EQ(CompareIgnoringCase("\x8A", "\x9A"), -1);  // a capital in 1252 only

    InstallFoldTable(WesternFoldTable());
    EXPECT_EQ(CompareIgnoringCase("\x8A", "\x9A"), 0);
    EXPECT_NE(CompareIgnoringCase("\xA8", "\xB8"), 0);  // diaeresis and cedilla in 1252
}

TEST_F(TextFoldTest, SecondBytesOfDoubleByteCharactersStayAsTheyAre) {
    FoldTable japanese = AsciiFoldTable();
    for (int c = 0x81; c <= 0x9F; ++c) japanese.lead[static_cast<size_t>(c)] = true;
    InstallFoldTable(japanese);
    // 0x82 0x41 and 0x82 0x61 are two different characters.
    EXPECT_NE(CompareIgnoringCase("\x82\x41", "\x82\x61"), 0);
    EXPECT_EQ(CompareIgnoringCase("A\x82\x41", "a\x82\x41"), 0);
    EXPECT_TRUE(StartsWithIgnoringCase("\x82\x41x", "\x82\x41"));
    EXPECT_FALSE(StartsWithIgnoringCase("\x82\x61x", "\x82\x41"));
    // A lead byte at the very end has no second byte and folds as itself.
    EXPECT_EQ(CompareIgnoringCase("a\x82", "A\x82"), 0);
}

TEST_F(TextFoldTest, ComparisonOrderAndPrefixes) {
    struct Case {
        const char* a;
        const char* b;
        int order;
    };
    const Case cases[] = {{"abc", "ABD", -1}, {"abc", "AB", 1}, {"", "", 0}, {"", "a", -1}, {"B", "a", 1}};
    for (const auto& c : cases) EXPECT_EQ(CompareIgnoringCase(c.a, c.b), c.order) << c.a << " vs " << c.b;
    EXPECT_TRUE(StartsWithIgnoringCase("Readme.txt", "rEAD"));
    EXPECT_TRUE(StartsWithIgnoringCase("x", ""));
    EXPECT_FALSE(StartsWithIgnoringCase("re", "read"));
}

}  // namespace
}  // namespace panorell
