#include "platform/IniDocument.h"

#include <gtest/gtest.h>

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

TEST(ProfileReadResult, FollowsTheBufferAndDefaultRules) {
    EXPECT_EQ(ProfileReadResult(std::nullopt, "1  ", 128), "1");
    EXPECT_EQ(ProfileReadResult(std::string("abc"), "x", 128), "abc");
    EXPECT_EQ(ProfileReadResult(std::string(200, 'a'), "", 128), std::string(127, 'a'));
    EXPECT_EQ(ProfileReadResult(std::string("ab\0cd", 5), "", 128), "ab");
    EXPECT_EQ(ProfileReadResult(std::string("abc"), "", 0), "");
}

}  // namespace
}  // namespace corvella
