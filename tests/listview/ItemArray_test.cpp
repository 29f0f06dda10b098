// The item array: sorting and removal report where each item went, the
// marks (selection, focus, anchor) follow their items, and the find request
// behind type-ahead.
#include "ItemArray.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace panorell {
namespace {

class PlainAllocator final : public IdAllocator {
public:
    void* Allocate(size_t bytes) override { return std::malloc(bytes); }
    void Free(void* block) override { std::free(block); }
};

PlainAllocator gMemory;

ItemArray Make(const std::vector<std::pair<std::string, double>>& files, const std::vector<std::string>& folders = {}) {
    ItemArray items;
    auto add = [&](const std::string& name, double kb, bool folder) {
        auto item = std::make_unique<ListItem>(gMemory);
        item->id.reset(MakeEmptyIdList(gMemory));
        item->details.displayName = name;
        item->details.sizeKb = kb;
        item->shellAttributes = folder ? kShellAttrFolder : 0;
        items.Append(std::move(item));
    };
    for (const auto& [name, kb] : files) add(name, kb, false);
    for (const auto& name : folders) add(name, 0, true);
    return items;
}

std::vector<std::string> Names(const ItemArray& items) {
    std::vector<std::string> names;
    for (int i = 0; i < items.Count(); ++i) names.push_back(items.At(i).details.displayName);
    return names;
}

TEST(ItemArray, SortReportsWhereEachItemWent) {
    ItemArray items = Make({{"c", 3}, {"a", 1}, {"B", 2}}, {"zdir"});
    std::vector<int> moved = items.Sort(kSortName, false, false);
    EXPECT_EQ(Names(items), (std::vector<std::string>{"zdir", "a", "B", "c"}));
    EXPECT_EQ(moved, (std::vector<int>{3, 1, 2, 0}));
    moved = items.Sort(kSortSize, true, false);
    EXPECT_EQ(Names(items), (std::vector<std::string>{"zdir", "c", "B", "a"}));
    // Old index i held zdir, a, B, c.
    EXPECT_EQ(moved, (std::vector<int>{0, 3, 2, 1}));
}

TEST(ItemArray, RemovalKeepsTheOrderAndReportsTheGone) {
    ItemArray items = Make({{"a", 0}, {"b", 0}, {"c", 0}, {"d", 0}});
    std::vector<int> moved = items.Remove({true, false, true, false});
    EXPECT_EQ(Names(items), (std::vector<std::string>{"b", "d"}));
    EXPECT_EQ(moved, (std::vector<int>{-1, 0, -1, 1}));
    EXPECT_EQ(items.Remove({}), (std::vector<int>{0, 1}));  // no flags: nothing goes
}

TEST(ItemArray, MarksFollowTheirItems) {
    struct Case {
        const char* what;
        std::vector<int> selectedBefore;
        int focusedBefore, anchorBefore;
        std::vector<int> newIndexOf;
        std::vector<int> selected;
        int focused, anchor;
    };
    const std::vector<Case> cases = {
        {"reversed", {0, 1}, 1, 0, {3, 2, 1, 0}, {2, 3}, 2, 3},
        {"selected item removed", {0, 2}, 2, 2, {-1, 0, -1, 1}, {}, -1, -1},
        {"others removed", {1, 3}, 3, 1, {-1, 0, -1, 1}, {0, 1}, 1, 0},
        {"nothing marked", {}, -1, -1, {1, 0}, {}, -1, -1},
        {"index past the map", {5}, 5, 5, {0, 1}, {}, -1, -1},
    };
    for (const auto& c : cases) {
        Marks before;
        before.selected = c.selectedBefore;
        before.focused = c.focusedBefore;
        before.anchor = c.anchorBefore;
        Marks after = RemapMarks(before, c.newIndexOf);
        EXPECT_EQ(after.selected, c.selected) << c.what;
        EXPECT_EQ(after.focused, c.focused) << c.what;
        EXPECT_EQ(after.anchor, c.anchor) << c.what;
    }
}

TEST(ItemArray, FindByTheStartOfANameIgnoringCase) {
    ItemArray items = Make({{"Alpha", 0}, {"beta", 0}, {"Bravo", 0}, {"charlie", 0}});
    struct Case {
        const char* text;
        int start;
        bool partial, wrap;
        int found;
    };
    const Case cases[] = {
        {"b", 0, true, true, 1},
        {"B", 2, true, true, 2},       // from the start index on
        {"b", 3, true, true, 1},       // wraps round to the top
        {"b", 3, true, false, -1},     // ... only when asked to
        {"br", 0, true, false, 2},
        {"beta", 0, false, false, 1},  // a whole name
        {"bet", 0, false, false, -1},  // ... is not a prefix
        {"x", 0, true, true, -1},
        {"a", 9, true, true, 0},       // a start past the end wraps from the top
    };
    for (const auto& c : cases) {
        EXPECT_EQ(items.Find(c.text, c.start, c.partial, c.wrap), c.found) << c.text << " from " << c.start;
    }
    EXPECT_EQ(ItemArray().Find("a", 0, true, true), -1);
}

TEST(ItemArray, ItemPathsAndFileNames) {
    ListItem item(gMemory);
    item.details.displayName = "report";
    EXPECT_EQ(item.PathIn("C:\\docs"), "");  // no path
    item.pathForm = PathForm::kInFolder;
    EXPECT_EQ(item.PathIn("C:\\docs"), "C:\\docs\\report");
    item.fileName = "report.txt";  // the display name hides the extension
    EXPECT_EQ(item.PathIn("C:\\"), "C:\\report.txt");
    item.pathForm = PathForm::kFull;
    item.fileName = "D:\\elsewhere\\x.txt";
    EXPECT_EQ(item.PathIn("C:\\docs"), "D:\\elsewhere\\x.txt");
    EXPECT_EQ(item.FileName(), "x.txt");
}

TEST(ItemArray, OverlaysOfLinksAndShares) {
    EXPECT_EQ(OverlayOf(kShellAttrLink | kShellAttrShare), 2);
    EXPECT_EQ(OverlayOf(kShellAttrShare), 1);
    EXPECT_EQ(OverlayOf(kShellAttrFolder), 0);
}

}  // namespace
}  // namespace panorell
