#pragma once
// The items of a list in list order, and what the list does to them as a
// whole: append, sort, remove, find by the start of a name. The list-view
// keeps selection and focus by index, so every reordering returns where
// each old index went, and RemapMarks carries the marks along.
#include <memory>
#include <string_view>
#include <vector>

#include "ListItem.h"
#include "SortRules.h"

namespace panorell {

class ItemArray {
public:
    int Count() const noexcept { return static_cast<int>(items_.size()); }
    bool Contains(int index) const noexcept { return index >= 0 && index < Count(); }
    ListItem& At(int index) { return *items_[static_cast<size_t>(index)]; }
    const ListItem& At(int index) const { return *items_[static_cast<size_t>(index)]; }

    void Reserve(size_t count) { items_.reserve(count); }
    void Append(std::unique_ptr<ListItem> item) { items_.push_back(std::move(item)); }
    void Clear() noexcept { items_.clear(); }

    // Sorts by `column` (SortRules), equal items keeping their order.
    // Returns the new index of each old index.
    std::vector<int> Sort(int column, bool descending, bool inMyComputer);
    // Removes the items whose flag is set in `gone` (one flag per item).
    // Returns the new index of each old index, -1 for the removed.
    std::vector<int> Remove(const std::vector<bool>& gone);

    // The first item from `start` on whose display name is `text` (or starts
    // with it when `partial`), ignoring case; with `wrap` the search goes on
    // from the top. -1 when there is none.
    int Find(std::string_view text, int start, bool partial, bool wrap) const;

private:
    std::vector<std::unique_ptr<ListItem>> items_;
};

// What a comparison reads of an item.
SortKey SortKeyOf(const ListItem& item) noexcept;

// Selection and focus of a list by index.
struct Marks {
    std::vector<int> selected;  // ascending
    int focused = -1;
    int anchor = -1;            // where a shift-click range starts
};

// The marks after a reordering that sent old index i to `newIndexOf[i]`
// (-1: the item is gone, and so is its mark).
Marks RemapMarks(const Marks& marks, const std::vector<int>& newIndexOf);

}  // namespace panorell
