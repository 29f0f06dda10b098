#include "ItemFilter.h"

#include "Wildcard.h"

namespace panorell {

uint32_t MakeAttributeFilter(bool readOnly, bool hidden, bool system, bool archive) noexcept {
    uint32_t filter = kAttrDirectory;
    if (archive) filter |= kAttrArchive;
    if (readOnly) filter |= kAttrReadOnly;
    if (hidden) filter |= kAttrHidden;
    if (system) filter |= kAttrSystem;
    return filter;
}

bool PassesAttributeTest(uint32_t attributes, uint32_t filter) noexcept {
    if (attributes == 0) return true;
    for (uint32_t bit : {kAttrReadOnly, kAttrArchive, kAttrHidden, kAttrSystem}) {
        if ((attributes & bit) && !(filter & bit)) return false;
    }
    return true;
}

namespace {

bool NameIsWanted(std::string_view path, std::string_view pattern) noexcept {
    return PatternListsEverything(pattern) || MatchesPattern(NameOfPath(path), pattern);
}

}  // namespace

bool PassesListingFilter(const FilterItem& item, std::string_view pattern) noexcept {
    if (PatternListsEverything(pattern) || item.isFolder || !item.hasPath) return true;
    return MatchesPattern(NameOfPath(item.path), pattern);
}

bool PassesRefreshFilter(const FilterItem& item, std::string_view pattern, uint32_t filter) noexcept {
    if (!item.hasPath) return true;
    if (item.fileAttributes & kAttrDirectory) return true;
    return NameIsWanted(item.path, pattern) && PassesAttributeTest(item.fileAttributes, filter);
}

}  // namespace panorell
