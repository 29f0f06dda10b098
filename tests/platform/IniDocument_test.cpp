#include "platform/IniDocument.h"

#include <gtest/gtest.h>

#include <random>

#include "fakes/ReferenceIni.h"
#include "platform/IniFileProfile.h"

namespace corvella {
namespace {

TEST(IniDocument, LooksUpSectionsAndKeysWithoutRegardToCase) {
    IniDocument doc("[Options]\r\nEnableSound=0\r\n[buttons]\r\nButton1 = x \r\n");
    EXPECT_EQ(doc.Get("options", "ENABLESOUND"), "0");
    EXPECT_EQ(doc.Get("Buttons", "button1"), "x");
    EXPECT_EQ(doc.Get("Options", "Button1"), std::nullopt);
    EXPECT_EQ(doc.Get("Other", "EnableSound"), std::nullopt);
}

TEST(IniDocument, StripsMatchingQuotesAndKeepsOthers) {
    IniDocument doc("[A]\na=\"quoted\"\nb='single'\nc=\"open\nd=\"\ne=x=y\n");
    EXPECT_EQ(doc.Get("A", "a"), "quoted");
    EXPECT_EQ(doc.Get("A", "b"), "single");
    EXPECT_EQ(doc.Get("A", "c"), "\"open");
    EXPECT_EQ(doc.Get("A", "d"), "\"");
    EXPECT_EQ(doc.Get("A", "e"), "x=y");
}

TEST(IniDocument, WritesKeysInPlaceAtTheEndOfTheirSectionOrInANewSection) {
    IniDocument doc("; my launcher\r\n[Options]\r\nA=1\r\nB=2\r\n\r\n[Buttons]\r\nButton1=x\r\n");
    doc.Set("options", "a", "9");
    doc.Set("Options", "C", "3");
    doc.Set("Sections", "Color1", "0");
    EXPECT_EQ(doc.Text(),
              "; my launcher\r\n[Options]\r\nA=9\r\nB=2\r\nC=3\r\n\r\n[Buttons]\r\nButton1=x\r\n"
              "[Sections]\r\nColor1=0\r\n");
}

TEST(IniDocument, StartsEmptyAndRoundTripsItsText) {
    IniDocument doc;
    EXPECT_TRUE(doc.Empty());
    doc.Set("Options", "EnableSound", "1");
    EXPECT_EQ(doc.Text(), "[Options]\r\nEnableSound=1\r\n");
    EXPECT_EQ(IniDocument(doc.Text()).Text(), doc.Text());
}

// Files of the kinds users and other programs leave behind; the document must
// read and write them exactly as the plain line-by-line rules do.
const char* const kAwkwardFiles[] = {
    "",
    "; comment\r\n\r\n[Options]\r\n  A = 1 \r\nnoequals\r\nA=2\r\n\r\n[options]\r\nB=3\r\n[Buttons]\r\n",
    "[OPTIONS]\nEnableSound=0\n\n[buttons]\nButton1=x\xFFy\xFF" "1\nlast=no newline",
    "keyBeforeAnySection=1\r\n[]\r\nempty=name\r\n[Options\r\nOpen=bracket\r\n",
    "[Options]\r\n;A=commented\r\n=novalue\r\nA=\"quoted\"\r\n\r\n\r\n",
    "[Options]\r\r\nA=1\r\n[Sections]\r\nColor1=-2147483633\r\n[Options]\r\nA=shadowed\r\n",
};

TEST(IniDocument, HandlesAwkwardFilesAsThePlainRulesDo) {
    const std::pair<const char*, const char*> keys[] = {
        {"Options", "A"}, {"options", "a"}, {"Options", "B"}, {"Options", "noequals"}, {"Options", "EnableSound"},
        {"Buttons", "Button1"}, {"buttons", "LAST"}, {"", "keyBeforeAnySection"}, {"", "empty"},
        {"Options", "Open"}, {"Options", ";A"}, {"Options", ""}, {"Sections", "Color1"}, {"Other", "A"}};
    for (const char* file : kAwkwardFiles) {
        IniDocument doc(file);
        testing::ReferenceIni reference(file);
        for (auto [section, key] : keys)
            EXPECT_EQ(doc.Get(section, key), reference.Get(section, key)) << file << " / " << section << " / " << key;
        for (auto [section, key] : keys) {
            if (*key == '\0') continue;
            doc.Set(section, key, "new");
            reference.Set(section, key, "new");
        }
        EXPECT_EQ(doc.Text(), reference.Text()) << file;
    }
}

TEST(IniDocument, KeepsALongValueAndHighBytesWhole) {
    const std::string value = std::string(65536, 'v') + "\xFF\xFE";
    IniDocument doc("[Buttons]\r\nButton1=" + value + "\r\n");
    EXPECT_EQ(doc.Get("Buttons", "Button1"), value);
    doc.Set("Buttons", "Button2", value);
    EXPECT_EQ(IniDocument(doc.Text()).Get("Buttons", "Button2"), value);
}

// Random reads and writes over a few sections and keys, the sections and
// blank lines arranged differently at each seed.
TEST(IniDocument, AgreesWithThePlainRulesOverRandomWrites) {
    const char* sections[] = {"Options", "OPTIONS", "Buttons", "Sections", "New"};
    const char* keys[] = {"A", "a", "Button1", "Button2", "Color1", "X"};
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        auto pick = [&](auto& list) { return list[random() % std::size(list)]; };
        std::string start;
        for (int line = 0; line < 12; ++line) {
            switch (random() % 4) {
                case 0: start += std::string("[") + pick(sections) + "]\r\n"; break;
                case 1: start += "\r\n"; break;
                default: start += std::string(pick(keys)) + "=" + std::to_string(line) + "\r\n";
            }
        }
        IniDocument doc(start);
        testing::ReferenceIni reference(start);
        for (int step = 0; step < 60; ++step) {
            const char* section = pick(sections);
            const char* key = pick(keys);
            if (random() % 3 == 0) {
                ASSERT_EQ(doc.Get(section, key), reference.Get(section, key)) << "seed " << seed;
            } else {
                doc.Set(section, key, std::to_string(step));
                reference.Set(section, key, std::to_string(step));
            }
        }
        ASSERT_EQ(doc.Text(), reference.Text()) << "seed " << seed << "\n" << start;
    }
}

TEST(ProfileReadResult, FollowsTheBufferAndDefaultRules) {
    EXPECT_EQ(ProfileReadResult(std::nullopt, "1  ", 128), "1");
    EXPECT_EQ(ProfileReadResult(std::string("abc"), "x", 128), "abc");
    EXPECT_EQ(ProfileReadResult(std::string(200, 'a'), "", 128), std::string(127, 'a'));
    EXPECT_EQ(ProfileReadResult(std::string("ab\0cd", 5), "", 128), "ab");
    EXPECT_EQ(ProfileReadResult(std::string("abc"), "", 0), "");
}

}  // namespace
}  // namespace corvella
