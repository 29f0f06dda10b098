// The sort rules and the item array of a list on fuzzed items: comparisons
// are -1, 0 or 1 and (sizes aside) antisymmetric, a sort leaves neighbours
// in order and returns a permutation, removals and the carried marks never
// give an index outside the array, and a search finds only what is there.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "FuzzInput.h"
#include "ItemArray.h"

using namespace panorell;

namespace {

class HeapAllocator final : public IdAllocator {
public:
    void* Allocate(size_t bytes) override { return std::malloc(bytes); }
    void Free(void* block) override { std::free(block); }
};

constexpr const char* kTypes[] = {"", "Folder", "Text Document", "text document", "Application"};

std::unique_ptr<ListItem> MakeItem(fuzzing::FuzzInput& in, IdAllocator& memory) {
    auto item = std::make_unique<ListItem>(memory);
    const uint8_t flags = in.Byte();
    item->shellAttributes = (flags & 1) ? kShellAttrFolder : 0;
    item->details.typeName = kTypes[in.Below(std::size(kTypes))];
    item->details.sizeKb = (flags & 2) ? in.Number<double>() : in.Byte();
    LocalTime& t = item->details.modified;
    t.year = static_cast<uint16_t>(1890 + in.Byte());
    t.month = in.Byte() % 14;
    t.day = in.Byte() % 33;
    t.hour = in.Byte() % 25;
    t.minute = in.Byte() % 61;
    item->details.displayName = in.Text('\x01');
    item->parsingName = in.Text('\x01');
    return item;
}

void CheckPermutation(const std::vector<int>& newIndexOf, int count, bool allowGone) {
    std::vector<bool> taken(static_cast<size_t>(count));
    for (int to : newIndexOf) {
        if (allowGone && to == -1) continue;
        FUZZ_CHECK(to >= 0 && to < count);
        FUZZ_CHECK(!taken[static_cast<size_t>(to)]);
        taken[static_cast<size_t>(to)] = true;
    }
}

Marks MarksFrom(fuzzing::FuzzInput& in) {
    Marks marks;
    for (int n = in.Byte() % 8; n > 0; --n) marks.selected.push_back(in.Number<int8_t>());
    std::sort(marks.selected.begin(), marks.selected.end());
    marks.focused = in.Number<int8_t>();
    marks.anchor = in.Number<int8_t>();
    return marks;
}

void CheckMarks(const Marks& marks, int count) {
    FUZZ_CHECK(std::is_sorted(marks.selected.begin(), marks.selected.end()));
    for (int index : marks.selected) FUZZ_CHECK(index >= 0 && index < count);
    FUZZ_CHECK(marks.focused >= -1 && marks.focused < count);
    FUZZ_CHECK(marks.anchor >= -1 && marks.anchor < count);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::FuzzInput in(data, size);
    HeapAllocator memory;
    ItemArray items;
    const int wanted = in.Byte() % 40;
    for (int i = 0; i < wanted && !in.Empty(); ++i) items.Append(MakeItem(in, memory));
    const int column = in.Byte() % 5;
    const bool descending = in.Bool(), inMyComputer = in.Bool();

    for (int a = 0; a < items.Count(); ++a)
        for (int b = 0; b < items.Count(); ++b) {
            const SortKey ka = SortKeyOf(items.At(a)), kb = SortKeyOf(items.At(b));
            const int ab = CompareItems(ka, kb, column, descending, inMyComputer);
            FUZZ_CHECK(ab == -1 || ab == 0 || ab == 1);
            if (column != kSortSize) FUZZ_CHECK_EQ(ab, -CompareItems(kb, ka, column, descending, inMyComputer));
        }

    std::vector<const ListItem*> before;
    for (int i = 0; i < items.Count(); ++i) before.push_back(&items.At(i));
    const std::vector<int> sorted = items.Sort(column, descending, inMyComputer);
    FUZZ_CHECK_EQ(sorted.size(), before.size());
    CheckPermutation(sorted, items.Count(), false);
    for (size_t i = 0; i < before.size(); ++i) FUZZ_CHECK(&items.At(sorted[i]) == before[i]);
    for (int i = 1; i < items.Count(); ++i) {
        const int order = CompareItems(SortKeyOf(items.At(i - 1)), SortKeyOf(items.At(i)), column, descending,
                                       inMyComputer);
        if (column != kSortSize) FUZZ_CHECK(order <= 0);
        else FUZZ_CHECK(items.At(i - 1).IsFolder() >= items.At(i).IsFolder());
    }
    CheckMarks(RemapMarks(MarksFrom(in), sorted), items.Count());

    const int count = items.Count();
    std::vector<bool> gone;
    for (int n = in.Byte() % 48; n > 0; --n) gone.push_back(in.Bool());
    const std::vector<int> kept = items.Remove(gone);
    FUZZ_CHECK_EQ(kept.size(), static_cast<size_t>(count));
    CheckPermutation(kept, items.Count(), true);
    CheckMarks(RemapMarks(MarksFrom(in), kept), items.Count());

    const int start = in.Number<int8_t>();
    const bool partial = in.Bool(), wrap = in.Bool();
    const std::string text = in.Rest();
    const int found = items.Find(text, start, partial, wrap);
    FUZZ_CHECK(found == -1 || items.Contains(found));
    return 0;
}
