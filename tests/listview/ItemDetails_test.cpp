// The Size(KB), Type and Modified texts of an item.
#include "ItemDetails.h"

#include <gtest/gtest.h>

namespace panorell {
namespace {

TEST(ItemDetails, SizeTexts) {
    struct Case {
        uint32_t high, low;
        bool directory;
        const char* filled;
        const char* onDemand;
    };
    const Case cases[] = {
        {0, 0, false, "", "0"},           // a 0-byte file
        {0, 0, true, "", ""},             // a folder
        {0, 1536, false, "1.50", "1.50"},
        {0, 1, false, "0.00", "0.00"},    // a non-zero size is never blank
        {1, 0, false, "4194304.00", "4194304.00"},  // 4 GB: the high half counts
    };
    for (const auto& c : cases) {
        double kb = KilobytesOf(c.high, c.low);
        EXPECT_EQ(FilledSizeText(kb), c.filled) << c.low;
        EXPECT_EQ(OnDemandSizeText(kb, c.directory), c.onDemand) << c.low;
    }
}

TEST(ItemDetails, ModifiedTextJoinsDateAndTimeWithTwoSpaces) {
    EXPECT_EQ(ModifiedText("12/31/1999", "11:59 PM"), "12/31/1999  11:59 PM");
}

TEST(ItemDetails, LongTypeNamesAreCut) {
    EXPECT_EQ(FittedTypeName("Text Document"), "Text Document");
    EXPECT_EQ(FittedTypeName(std::string(39, 't')).size(), 39u);
    EXPECT_EQ(FittedTypeName(std::string(80, 't')), std::string(39, 't'));
}

}  // namespace
}  // namespace panorell
