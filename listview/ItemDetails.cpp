#include "ItemDetails.h"

#include <cstdio>

namespace panorell {

bool IsValidLocalTime(const LocalTime& t) noexcept {
    return t.day >= 1 && t.day <= 31 && t.month >= 1 && t.month <= 12 && t.year >= 1900 && t.hour <= 23 &&
           t.minute < 60 && t.second < 60;
}

double KilobytesOf(uint32_t sizeHigh, uint32_t sizeLow) noexcept {
    return static_cast<double>((static_cast<uint64_t>(sizeHigh) << 32) | sizeLow) / 1024.0;
}

namespace {

std::string TwoDecimals(double kb) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", kb);
    return text;
}

}  // namespace

std::string FilledSizeText(double kb) { return kb != 0 ? TwoDecimals(kb) : std::string(); }

std::string OnDemandSizeText(double kb, bool isDirectory) {
    if (kb > 0) return TwoDecimals(kb);
    return isDirectory ? std::string() : std::string("0");
}

std::string ModifiedText(const std::string& date, const std::string& time) { return date + "  " + time; }

std::string FittedTypeName(std::string name) {
    if (name.size() > kMaxTypeNameLength) name.resize(kMaxTypeNameLength);
    return name;
}

}  // namespace panorell
