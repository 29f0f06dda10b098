#include "SortRules.h"

#include <cctype>

#include "TextFold.h"

namespace panorell {

bool IsDriveName(std::string_view name) noexcept {
    return name.size() >= 3 && std::isalpha(static_cast<unsigned char>(name[0])) && name[2] == '\\';
}

namespace {

int CompareNames(const SortKey& a, const SortKey& b, bool inMyComputer) noexcept {
    if (!inMyComputer) return CompareIgnoringCase(a.displayName, b.displayName);
    bool driveA = IsDriveName(a.parsingName), driveB = IsDriveName(b.parsingName);
    if (driveA && driveB) return CompareIgnoringCase(a.parsingName, b.parsingName);
    if (driveA != driveB) return driveA ? -1 : 1;
    return 0;
}

int Directed(int result, const SortKey& a, const SortKey& b, bool descending) noexcept {
    if (a.isFolder != b.isFolder) return a.isFolder ? -1 : 1;
    return descending ? -result : result;
}

}  // namespace

uint64_t SortTimeValue(const LocalTime& t) noexcept {
    if (!IsValidLocalTime(t)) return 0;
    uint64_t v = t.year;
    for (uint16_t part : {t.month, t.day, t.hour, t.minute, t.second, t.milliseconds}) v = v * 1000 + part;
    return v;
}

int CompareItems(const SortKey& a, const SortKey& b, int column, bool descending, bool inMyComputer) noexcept {
    int result = 0;
    switch (column) {
    case kSortName:
        result = CompareNames(a, b, inMyComputer);
        break;
    case kSortSize:
        result = a.sizeKb > b.sizeKb ? 1 : -1;
        break;
    case kSortType:
        result = CompareIgnoringCase(a.typeName, b.typeName);
        // The name order is directed here and once more below, so equal
        // types keep their names ascending in both directions.
        if (result == 0) result = Directed(CompareNames(a, b, inMyComputer), a, b, descending);
        break;
    case kSortModified: {
        uint64_t ta = SortTimeValue(a.modified), tb = SortTimeValue(b.modified);
        result = ta < tb ? -1 : (ta > tb ? 1 : 0);
        break;
    }
    default:
        break;
    }
    return Directed(result, a, b, descending);
}

int CompareForSort(const SortKey& a, size_t positionA, const SortKey& b, size_t positionB, int column,
                   bool descending, bool inMyComputer) noexcept {
    if (column == kSortSize && a.isFolder == b.isFolder && !(a.sizeKb < b.sizeKb) && !(b.sizeKb < a.sizeKb)) {
        return EqualSizesOrder(positionA, positionB, descending);
    }
    return CompareItems(a, b, column, descending, inMyComputer);
}

void SortState::Click(int clicked) noexcept {
    if (clicked == column) {
        descending = !descending;
    } else {
        column = clicked;
        descending = false;
    }
}

}  // namespace panorell
