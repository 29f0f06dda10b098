#include "ItemArray.h"

#include <algorithm>

#include "ItemOrder.h"
#include "TextFold.h"

namespace panorell {

std::string_view ListItem::FileName() const noexcept {
    switch (pathForm) {
    case PathForm::kInFolder:
        return fileName.empty() ? std::string_view(details.displayName) : std::string_view(fileName);
    case PathForm::kFull: {
        std::string_view path = fileName;
        size_t slash = path.rfind('\\');
        return slash == std::string_view::npos ? path : path.substr(slash + 1);
    }
    default:
        return {};
    }
}

std::string ListItem::PathIn(std::string_view folderPath) const {
    if (pathForm == PathForm::kFull) return fileName;
    if (pathForm != PathForm::kInFolder) return {};
    std::string path(folderPath);
    if (!path.empty() && path.back() != '\\') path += '\\';
    path += FileName();
    return path;
}

uint8_t OverlayOf(uint32_t shellAttributes) noexcept {
    if (shellAttributes & kShellAttrLink) return 2;
    if (shellAttributes & kShellAttrShare) return 1;
    return 0;
}

SortKey SortKeyOf(const ListItem& item) noexcept {
    SortKey key;
    key.displayName = item.details.displayName;
    key.parsingName = item.parsingName;
    key.typeName = item.details.typeName;
    key.sizeKb = item.details.sizeKb;
    key.modified = item.details.modified;
    key.isFolder = item.IsFolder();
    return key;
}

std::vector<int> ItemArray::Sort(int column, bool descending, bool inMyComputer) {
    std::vector<int> order = SortedOrder(items_, column, descending, inMyComputer);
    std::vector<std::unique_ptr<ListItem>> sorted;
    sorted.reserve(items_.size());
    std::vector<int> newIndexOf(items_.size());
    for (size_t i = 0; i < order.size(); ++i) {
        newIndexOf[static_cast<size_t>(order[i])] = static_cast<int>(i);
        sorted.push_back(std::move(items_[static_cast<size_t>(order[i])]));
    }
    items_.swap(sorted);
    return newIndexOf;
}

std::vector<int> ItemArray::Remove(const std::vector<bool>& gone) {
    std::vector<int> newIndexOf(items_.size(), -1);
    size_t kept = 0;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (i < gone.size() && gone[i]) continue;
        newIndexOf[i] = static_cast<int>(kept);
        items_[kept++] = std::move(items_[i]);
    }
    items_.resize(kept);
    return newIndexOf;
}

int ItemArray::Find(std::string_view text, int start, bool partial, bool wrap) const {
    int count = Count();
    if (count == 0) return -1;
    start = std::clamp(start, 0, count);
    int steps = wrap ? count : count - start;
    for (int n = 0; n < steps; ++n) {
        int i = (start + n) % count;
        const std::string& name = At(i).details.displayName;
        bool hit = partial ? StartsWithIgnoringCase(name, text) : CompareIgnoringCase(name, text) == 0;
        if (hit) return i;
    }
    return -1;
}

Marks RemapMarks(const Marks& marks, const std::vector<int>& newIndexOf) {
    auto mapped = [&](int index) {
        return index >= 0 && static_cast<size_t>(index) < newIndexOf.size() ? newIndexOf[static_cast<size_t>(index)]
                                                                             : -1;
    };
    Marks result;
    for (int index : marks.selected) {
        int moved = mapped(index);
        if (moved >= 0) result.selected.push_back(moved);
    }
    std::sort(result.selected.begin(), result.selected.end());
    result.focused = mapped(marks.focused);
    result.anchor = mapped(marks.anchor);
    return result;
}

}  // namespace panorell
