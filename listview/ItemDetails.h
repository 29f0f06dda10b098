#pragma once
// What a list knows of each item beyond its id, and the texts it shows of it
// in the Size(KB), Type and Modified columns.
#include <cstdint>
#include <string>
#include <string_view>

namespace panorell {

// A local time in the platform's 16-bit field form.
struct LocalTime {
    uint16_t year = 0, month = 0, dayOfWeek = 0, day = 0;
    uint16_t hour = 0, minute = 0, second = 0, milliseconds = 0;
    bool operator==(const LocalTime&) const = default;
};

// True for a usable calendar date and time of day (year 1900 or later).
bool IsValidLocalTime(const LocalTime& t) noexcept;

// Type names longer than this are cut (the column is narrow and the texts of
// the shell end in the words that matter least).
inline constexpr size_t kMaxTypeNameLength = 39;

// The Modified text is not kept: it is made from `modified` when the list
// shows it, so an item of a big folder does not carry it.
struct ItemDetails {
    std::string displayName;
    double sizeKb = 0;
    std::string_view typeName;  // one shared copy per type, held by the list
    LocalTime modified;
    uint32_t fileAttributes = 0;
    bool operator==(const ItemDetails&) const = default;
};

// The file's byte size (high and low halves) in kilobytes of 1024 bytes.
double KilobytesOf(uint32_t sizeHigh, uint32_t sizeLow) noexcept;

// The Size text a detail fill sets: two decimals, or empty for 0.
std::string FilledSizeText(double kb);
// The Size text given on demand: two decimals above 0; at 0 empty for a
// directory and "0" for a file.
std::string OnDemandSizeText(double kb, bool isDirectory);

// The Modified text: the short date, two spaces, the time without seconds.
std::string ModifiedText(const std::string& date, const std::string& time);

// `name` cut to kMaxTypeNameLength characters.
std::string FittedTypeName(std::string name);

}  // namespace panorell
