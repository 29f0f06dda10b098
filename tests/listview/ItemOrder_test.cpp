// The order a header click gives is made from compact keys; it must be the
// very order of the sort rules under a stable sort, ties and all, for every
// column and direction, also with double-byte names and type names held in
// several copies.
#include "ItemOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "ItemArray.h"
#include "SortRules.h"
#include "TextFold.h"

namespace panorell {
namespace {

class PlainAllocator final : public IdAllocator {
public:
    void* Allocate(size_t bytes) override { return std::malloc(bytes); }
    void Free(void* block) override { std::free(block); }
};

PlainAllocator gMemory;

// The order CompareItems gives under a stable sort: the statement of the rules.
std::vector<int> RuleOrder(const std::vector<std::unique_ptr<ListItem>>& items, int column, bool descending) {
    std::vector<int> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return CompareItems(SortKeyOf(*items[static_cast<size_t>(a)]), SortKeyOf(*items[static_cast<size_t>(b)]),
                            column, descending, false) < 0;
    });
    return order;
}

// Names that share long prefixes, differ only in case or in a second byte
// that looks like a letter; sizes, times and types with many ties.
class ItemOrderTest : public ::testing::Test {
protected:
    void SetUp() override {
        FoldTable table = WesternFoldTable();
        for (int c = 0x81; c <= 0x9F; ++c) table.lead[static_cast<size_t>(c)] = true;
        InstallFoldTable(table);
    }
    void TearDown() override { InstallFoldTable(WesternFoldTable()); }

    std::vector<std::unique_ptr<ListItem>> Items(int count, unsigned seed) {
        std::mt19937 random(seed);
        auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        const char* stems[] = {"report-2026-final", "Report-2026-FINAL", "a", "B", "\x82\x41x", "\x82\x61x",
                               "longcommonprefix", "LongCommonPrefix-b", "\xC9t\xE9", "\xE9t\xE9", ""};
        std::vector<std::unique_ptr<ListItem>> items;
        for (int i = 0; i < count; ++i) {
            auto item = std::make_unique<ListItem>(gMemory);
            item->details.displayName = std::string(stems[pick(11)]) + (pick(2) ? std::to_string(pick(5)) : "");
            item->details.sizeKb = pick(4) * 0.5;
            item->details.typeName = types_[static_cast<size_t>(pick(static_cast<int>(types_.size())))];
            if (pick(3)) item->details.modified = LocalTime{static_cast<uint16_t>(1999 + pick(2)), 1, 0, 1, 0, 0, 0, 0};
            item->shellAttributes = pick(4) == 0 ? kShellAttrFolder : 0;
            items.push_back(std::move(item));
        }
        return items;
    }

    // Two copies of "Text Document", one in other case, an empty type.
    std::string text1_ = "Text Document", text2_ = "Text Document", upper_ = "TEXT document", image_ = "Image";
    std::vector<std::string_view> types_ = {text1_, text2_, upper_, image_, {}};
};

TEST_F(ItemOrderTest, EveryColumnAndDirectionSortsAsTheRulesSay) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        auto items = Items(seed < 10 ? 40 : 700, seed);
        for (int column : std::vector<int>{kSortName, kSortSize, kSortType, kSortModified, 7}) {
            for (bool descending : {false, true}) {
                EXPECT_EQ(SortedOrder(items, column, descending, false), RuleOrder(items, column, descending))
                    << "seed " << seed << ", column " << column << (descending ? ", descending" : "");
            }
        }
    }
}

TEST_F(ItemOrderTest, FoldedPrefixesOrderAsTheirTexts) {
    const char* texts[] = {"",         "a",        "A",         "ab",        "abcdefgh",  "ABCDEFGHI", "abcdefgi",
                           "\x82\x41", "\x82\x61", "a\x82\x41", "\xC9",      "\xE9z",     "zzzzzzzzz", "a\x01"};
    for (const char* a : texts) {
        for (const char* b : texts) {
            uint64_t pa = FoldedPrefix(a), pb = FoldedPrefix(b);
            if (pa == pb) continue;  // equal prefixes leave it to the full comparison
            EXPECT_EQ(pa < pb ? -1 : 1, CompareIgnoringCase(a, b)) << '"' << a << "\" against \"" << b << '"';
        }
    }
    EXPECT_EQ(FoldedPrefix("ABCDEFGH1"), FoldedPrefix("abcdefgh2"));  // only eight bytes count
    EXPECT_NE(FoldedPrefix("\x82\x41"), FoldedPrefix("\x82\x61"));    // second bytes are not folded
}

}  // namespace
}  // namespace panorell
