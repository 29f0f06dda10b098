#pragma once
// Which items of a folder a list shows: the attribute filter word, the
// attribute test, and the two item filters (one while a folder is listed,
// one when its contents are brought up to date).
#include <cstdint>
#include <string_view>

namespace panorell {

// File attribute bits, as the file system reports them.
inline constexpr uint32_t kAttrReadOnly = 0x1;
inline constexpr uint32_t kAttrHidden = 0x2;
inline constexpr uint32_t kAttrSystem = 0x4;
inline constexpr uint32_t kAttrDirectory = 0x10;
inline constexpr uint32_t kAttrArchive = 0x20;

// The filter a new list starts with: read-only and archive files allowed.
inline constexpr uint32_t kDefaultAttributeFilter = 0x31;

// The filter word for the four allowed kinds; the directory bit is always on.
uint32_t MakeAttributeFilter(bool readOnly, bool hidden, bool system, bool archive) noexcept;

// True when a file with attributes `attributes` may be shown under `filter`:
// an attribute word of 0 always passes; otherwise each of read-only, archive,
// hidden and system that the file has must be allowed by the filter.
bool PassesAttributeTest(uint32_t attributes, uint32_t filter) noexcept;

// What the filters know of one item.
struct FilterItem {
    bool isFolder = false;        // the shell's folder bit
    bool hasPath = false;         // the item has a file-system path
    std::string_view path;        // that path, when it has one
    uint32_t fileAttributes = 0;  // the file system's attribute word
};

// The filter of a first listing: by name only, never by attributes, so that
// every file a caller may look up by name is in the list.
bool PassesListingFilter(const FilterItem& item, std::string_view pattern) noexcept;

// The filter of an update: by name and by attributes (directories always pass).
bool PassesRefreshFilter(const FilterItem& item, std::string_view pattern, uint32_t filter) noexcept;

}  // namespace panorell
