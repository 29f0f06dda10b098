#include "settings/ProfileText.h"

#include <gtest/gtest.h>

namespace corvella {
namespace {

TEST(ParseInteger, TakesTheLeadingNumberRoundedHalfToEven) {
    struct Case { const char* text; int16_t expected; };
    const Case cases[] = {
        {"1", 1},       {"1 ", 1},     {"1abc", 1},   {"", 0},        {"abc", 0},
        {"-5", -5},     {"  7", 7},    {"+3", 3},     {"2.5", 2},     {"3.5", 4},
        {"-2.5", -2},   {"0.49", 0},   {"1e3", 1000}, {"1e", 1},      {"-", 0},
        {".5", 0},      {"1.5x", 2},   {"32767", 32767}, {"-32768", -32768},
        {"145", 145},   {"12abc34", 12},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseInteger(c.text, 99), c.expected) << '"' << c.text << '"';
}

TEST(ParseInteger, NumbersBeyond16BitsGiveTheKeysDefault) {
    EXPECT_EQ(ParseInteger("99999", 145), 145);
    EXPECT_EQ(ParseInteger("32768", 8), 8);
    EXPECT_EQ(ParseInteger("-32769", 1), 1);
    EXPECT_EQ(ParseInteger("1e400", 1), 1);
    EXPECT_EQ(ParseInteger("32767.4", 1), 32767);
}

TEST(ParseColour, Reads32BitValuesAndFallsBackOnDamage) {
    EXPECT_EQ(ParseColour("-2147483633", 0), static_cast<int32_t>(0x8000000Fu));
    EXPECT_EQ(ParseColour("255", 0), 255);
    EXPECT_EQ(ParseColour("16777215 ", 0), 16777215);
    EXPECT_EQ(ParseColour("red", -7), -7);
    EXPECT_EQ(ParseColour("", -7), -7);
    EXPECT_EQ(ParseColour("99999999999", -7), -7);
}

TEST(ParseTwips, HoldsCoordinatesBeyond16Bits) {
    EXPECT_EQ(ParseTwips("35900", 0), 35900);
    EXPECT_EQ(ParseTwips("12860.5", 0), 12860);
    EXPECT_EQ(ParseTwips("-1500", 0), -1500);
    EXPECT_EQ(ParseTwips("x", 42), 42);
}

TEST(FormatSingle, WritesSinglePrecisionDecimalText) {
    EXPECT_EQ(FormatSingle(12860.0f), "12860");
    EXPECT_EQ(FormatSingle(-2500.0f), "-2500");
    EXPECT_EQ(FormatSingle(0.0f), "0");
    EXPECT_EQ(FormatSingle(1234567.0f), "1234567");
    EXPECT_EQ(FormatSingle(16777217.0f), "1.677722E+07");
    EXPECT_EQ(FormatSingle(2.5f), "2.5");
}

TEST(Trimmed, RemovesBlanksOnlyAtTheEnds) {
    EXPECT_EQ(Trimmed("  MS Sans Serif  "), "MS Sans Serif");
    EXPECT_EQ(Trimmed("   "), "");
    EXPECT_EQ(Trimmed("\tx"), "\tx");
}

}  // namespace
}  // namespace corvella
