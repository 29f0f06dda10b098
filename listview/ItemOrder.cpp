#include "ItemOrder.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <numeric>
#include <string_view>
#include <unordered_map>

#include "ItemArray.h"
#include "SortRules.h"
#include "TextFold.h"

namespace panorell {

namespace {

// One item as the comparison sees it: 24 bytes, read in sequence.
struct Entry {
    uint64_t value = 0;  // Size: the bits of the size; Modified: the time's value; Type: the type's rank
    uint64_t name = 0;   // the first folded bytes of the name
    uint32_t index = 0;
    bool folder = false;
};

// A type name's text by where it lies: items share one copy per type.
struct TextAt {
    const char* data;
    size_t size;
    bool operator==(const TextAt&) const = default;
};
struct TextAtHash {
    size_t operator()(const TextAt& t) const noexcept { return std::hash<const void*>()(t.data) ^ (t.size * 31); }
};

// The rank of each item's type name in case-folded order, equal names
// sharing a rank. Each distinct copy is compared, not each item.
std::vector<uint64_t> TypeRanks(const std::vector<std::unique_ptr<ListItem>>& items) {
    std::unordered_map<TextAt, uint32_t, TextAtHash> slotOf;
    std::vector<std::string_view> texts;
    std::vector<uint32_t> slots;
    slots.reserve(items.size());
    for (const auto& item : items) {
        std::string_view type = item->details.typeName;
        auto [at, added] = slotOf.try_emplace(TextAt{type.data(), type.size()}, static_cast<uint32_t>(texts.size()));
        if (added) texts.push_back(type);
        slots.push_back(at->second);
    }
    std::vector<uint32_t> byText(texts.size());
    std::iota(byText.begin(), byText.end(), 0u);
    std::sort(byText.begin(), byText.end(),
              [&](uint32_t a, uint32_t b) { return CompareIgnoringCase(texts[a], texts[b]) < 0; });
    std::vector<uint64_t> rankOfSlot(texts.size());
    uint64_t rank = 0;
    for (size_t i = 0; i < byText.size(); ++i) {
        if (i > 0 && CompareIgnoringCase(texts[byText[i - 1]], texts[byText[i]]) != 0) ++rank;
        rankOfSlot[byText[i]] = rank;
    }
    std::vector<uint64_t> ranks;
    ranks.reserve(items.size());
    for (uint32_t slot : slots) ranks.push_back(rankOfSlot[slot]);
    return ranks;
}

uint64_t SizeBits(double kb) noexcept {
    if (!(kb > 0)) return 0;  // zero of either sign as zero
    uint64_t bits;
    std::memcpy(&bits, &kb, sizeof bits);
    return bits;
}

std::vector<Entry> EntriesOf(const std::vector<std::unique_ptr<ListItem>>& items, int column) {
    std::vector<uint64_t> ranks;
    if (column == kSortType) ranks = TypeRanks(items);
    std::vector<Entry> entries(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const ListItem& item = *items[i];
        Entry& e = entries[i];
        e.index = static_cast<uint32_t>(i);
        e.folder = item.IsFolder();
        e.name = FoldedPrefix(item.details.displayName);
        // Sizes are never negative, and the bits of non-negative doubles
        // order as their values do.
        if (column == kSortSize) e.value = SizeBits(item.details.sizeKb);
        if (column == kSortModified) e.value = SortTimeValue(item.details.modified);
        if (column == kSortType) e.value = ranks[i];
    }
    return entries;
}

// The order of the generic rules (My Computer's drive names): every
// comparison reads the items.
std::vector<int> GenericOrder(const std::vector<std::unique_ptr<ListItem>>& items, int column, bool descending,
                              bool inMyComputer) {
    std::vector<SortKey> keys;
    keys.reserve(items.size());
    for (const auto& item : items) keys.push_back(SortKeyOf(*item));
    std::vector<int> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        auto pa = static_cast<size_t>(a), pb = static_cast<size_t>(b);
        return CompareForSort(keys[pa], pa, keys[pb], pb, column, descending, inMyComputer) < 0;
    });
    return order;
}

}  // namespace

std::vector<int> SortedOrder(const std::vector<std::unique_ptr<ListItem>>& items, int column, bool descending,
                             bool inMyComputer) {
    if (inMyComputer) return GenericOrder(items, column, descending, inMyComputer);
    std::vector<Entry> entries = EntriesOf(items, column);
    auto names = [&](const Entry& a, const Entry& b) {
        if (a.name != b.name) return a.name < b.name ? -1 : 1;
        return CompareIgnoringCase(items[a.index]->details.displayName, items[b.index]->details.displayName);
    };
    // CompareItems, step for step: folders first in either direction, the
    // column's result, then the direction.
    auto compare = [&](const Entry& a, const Entry& b) {
        if (a.folder != b.folder) return a.folder ? -1 : 1;
        int result = 0;
        switch (column) {
        case kSortName:
            result = names(a, b);
            break;
        case kSortSize:
            if (a.value == b.value) return EqualSizesOrder(a.index, b.index, descending);  // directed already
            result = a.value < b.value ? -1 : 1;
            break;
        case kSortType:
            result = a.value == b.value ? (descending ? -names(a, b) : names(a, b)) : (a.value < b.value ? -1 : 1);
            break;
        case kSortModified:
            result = a.value == b.value ? 0 : (a.value < b.value ? -1 : 1);
            break;
        default:
            break;
        }
        return descending ? -result : result;
    };
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) { return compare(a, b) < 0; });
    std::vector<int> order;
    order.reserve(entries.size());
    for (const Entry& e : entries) order.push_back(static_cast<int>(e.index));
    return order;
}

}  // namespace panorell
