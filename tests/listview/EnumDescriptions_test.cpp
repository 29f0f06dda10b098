// The file of enumeration constants' texts: what is taken, what is refused
// with its line, and that a refused file yields no texts at all (the type
// library is then not written with half of them).
#include "EnumDescriptions.h"

#include <gtest/gtest.h>

#include <string>

namespace panorell {
namespace {

TEST(EnumDescriptions, TakesTrimmedTextsAndSkipsCommentsAndBlankLines) {
    const EnumDescriptions read = ParseEnumDescriptions(
        "# a comment\r\n"
        "\n"
        "  ListViewConstants.pvIcon =   Icon  \r\n"
        "ListViewConstants.pvSmallIcon=Small Icon\n"
        "BorderStyleConstants.pvNone = a = b");  // no final line break; '=' in the text
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.texts.size(), 3u);
    EXPECT_EQ(read.texts.at("ListViewConstants.pvIcon"), "Icon");
    EXPECT_EQ(read.texts.at("ListViewConstants.pvSmallIcon"), "Small Icon");
    EXPECT_EQ(read.texts.at("BorderStyleConstants.pvNone"), "a = b");
}

TEST(EnumDescriptions, SameConstantNameInTwoEnumerationsIsTwoEntries) {
    const EnumDescriptions read = ParseEnumDescriptions("MousePointerConstants.pvIcon = Icon pointer\n"
                                                        "ListViewConstants.pvIcon = Icon view\n");
    ASSERT_EQ(read.error, "");
    EXPECT_EQ(read.texts.at("MousePointerConstants.pvIcon"), "Icon pointer");
    EXPECT_EQ(read.texts.at("ListViewConstants.pvIcon"), "Icon view");
}

struct Refused {
    const char* file;
    const char* error;
};

TEST(EnumDescriptions, RefusesMalformedLinesWithTheirNumber) {
    const Refused cases[] = {
        {"A.b = x\nno equals sign\n", "line 2: no '='"},
        {"pvIcon = Icon\n", "line 1: expected Enumeration.Constant before '='"},
        {"A. = x\n", "line 1: expected Enumeration.Constant before '='"},
        {".b = x\n", "line 1: expected Enumeration.Constant before '='"},
        {"A.b c = x\n", "line 1: expected Enumeration.Constant before '='"},
        {"1A.b = x\n", "line 1: expected Enumeration.Constant before '='"},
        {"A.b.c = x\n", "line 1: expected Enumeration.Constant before '='"},
        {"# c\n\nA.b =   \n", "line 3: empty description"},
        {"A.b = x\nA.b = y\n", "line 2: A.b given twice"},
    };
    for (const Refused& c : cases) {
        const EnumDescriptions read = ParseEnumDescriptions(c.file);
        EXPECT_EQ(read.error, c.error) << c.file;
        EXPECT_TRUE(read.texts.empty()) << c.file;
    }
}

TEST(EnumDescriptions, EmptyFileHasNoTexts) {
    const EnumDescriptions read = ParseEnumDescriptions("");
    EXPECT_EQ(read.error, "");
    EXPECT_TRUE(read.texts.empty());
}

}  // namespace
}  // namespace panorell
