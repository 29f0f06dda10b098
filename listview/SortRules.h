#pragma once
// The order of a list's items when sorted by one of its columns.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ItemDetails.h"

namespace panorell {

enum SortColumn : int { kSortName = 0, kSortSize = 1, kSortType = 2, kSortModified = 3 };

// What the comparison reads of one item.
struct SortKey {
    std::string_view displayName;
    std::string_view parsingName;  // used only in My Computer
    std::string_view typeName;
    double sizeKb = 0;
    LocalTime modified;
    bool isFolder = false;
};

// A parsing name such as "C:\": a letter, anything, then a backslash.
bool IsDriveName(std::string_view parsingName) noexcept;

// A time as one number in its sort order; invalid times are 0, the earliest.
uint64_t SortTimeValue(const LocalTime& t) noexcept;

// -1, 0 or 1: the order of `a` and `b` sorted by `column`. Folders come
// before other items in either direction; `descending` reverses the rest.
// Sizes never compare equal; equal types fall back to ascending names.
int CompareItems(const SortKey& a, const SortKey& b, int column, bool descending, bool inMyComputer) noexcept;

// CompareItems made a strict order for a sort, given where `a` and `b`
// stood before it: the size rule never calls two sizes equal, which no sort
// may be given. Equal sizes keep the order that rule gave under a stable
// sort: ascending, the item that stood later comes first; descending, they
// keep their order.
int CompareForSort(const SortKey& a, size_t positionA, const SortKey& b, size_t positionB, int column,
                   bool descending, bool inMyComputer) noexcept;
// The result for two items of equal size (not folder against file) that
// stood at `positionA` and `positionB`, direction included.
inline int EqualSizesOrder(size_t positionA, size_t positionB, bool descending) noexcept {
    if (positionA == positionB) return 0;  // the item itself
    int laterFirst = positionA > positionB ? -1 : 1;
    return descending ? -laterFirst : laterFirst;
}

// Header clicks: the same column again flips the direction, another column
// starts ascending.
struct SortState {
    int column = kSortName;
    bool descending = false;
    void Click(int clicked) noexcept;
};

}  // namespace panorell
