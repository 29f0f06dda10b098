// The attribute test and the two item filters.
#include "ItemFilter.h"

#include <gtest/gtest.h>

namespace panorell {
namespace {

TEST(ItemFilter, FilterWordHasTheDirectoryBitAndTheAllowedKinds) {
    EXPECT_EQ(MakeAttributeFilter(false, false, false, false), 0x10u);
    EXPECT_EQ(MakeAttributeFilter(true, false, false, true), kDefaultAttributeFilter);
    EXPECT_EQ(MakeAttributeFilter(true, true, true, true), 0x37u);
}

TEST(ItemFilter, AttributeTestTable) {
    struct Case {
        uint32_t attributes, filter;
        bool passes;
    };
    const Case cases[] = {
        {0, 0x10, true},                         // no attributes at all
        {0x80, 0x10, true},                      // "normal" is not filtered
        {kAttrArchive, 0x31, true},
        {kAttrArchive, 0x10, false},
        {kAttrReadOnly, 0x31, true},
        {kAttrReadOnly, 0x30, false},
        {kAttrHidden, 0x31, false},              // the defaults drop hidden files...
        {kAttrSystem, 0x31, false},              // ...and system files
        {kAttrHidden | kAttrArchive, 0x33, true},
        {kAttrHidden | kAttrSystem, 0x33, false},
        {kAttrHidden | kAttrSystem | kAttrReadOnly | kAttrArchive, 0x37, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PassesAttributeTest(c.attributes, c.filter), c.passes)
            << std::hex << c.attributes << " under " << c.filter;
    }
}

TEST(ItemFilter, ListingFiltersByNameOnly) {
    FilterItem hidden{false, true, "C:\\d\\secret.txt", kAttrHidden};
    EXPECT_TRUE(PassesListingFilter(hidden, "*.*"));   // attributes are not looked at
    EXPECT_TRUE(PassesListingFilter(hidden, "*.TXT"));
    EXPECT_FALSE(PassesListingFilter(hidden, "*.doc"));
    FilterItem folder{true, true, "C:\\d\\sub", kAttrDirectory};
    EXPECT_TRUE(PassesListingFilter(folder, "*.doc"));
    FilterItem virtualItem{false, false, "", 0};
    EXPECT_TRUE(PassesListingFilter(virtualItem, "*.doc"));
    // An empty pattern keeps only folders and items without a path.
    EXPECT_FALSE(PassesListingFilter(hidden, ""));
    EXPECT_TRUE(PassesListingFilter(folder, ""));
    EXPECT_TRUE(PassesListingFilter(virtualItem, ""));
}

TEST(ItemFilter, RefreshFiltersByNameAndAttributes) {
    FilterItem hidden{false, true, "C:\\d\\secret.txt", kAttrHidden | kAttrArchive};
    EXPECT_FALSE(PassesRefreshFilter(hidden, "*.*", kDefaultAttributeFilter));
    EXPECT_TRUE(PassesRefreshFilter(hidden, "*.*", 0x33));
    EXPECT_FALSE(PassesRefreshFilter(hidden, "*.doc", 0x33));
    FilterItem hiddenDir{true, true, "C:\\d\\sub", kAttrDirectory | kAttrHidden};
    EXPECT_TRUE(PassesRefreshFilter(hiddenDir, "*.doc", 0x10));
    FilterItem virtualItem{false, false, "", 0};
    EXPECT_TRUE(PassesRefreshFilter(virtualItem, "", 0x10));
}

}  // namespace
}  // namespace panorell
