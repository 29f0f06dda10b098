#include "Sections.h"

#include <cstdlib>

namespace corvella {

int16_t KnownStyleOr(int16_t value, int16_t fallback) {
    return value >= -kStyleCodes + 1 && value <= kStyleCodes - 1 ? value : fallback;
}

// The style code indexes the per-style settings: a value that names no style
// (a hand-edited file) must never reach them, so it shows large icons.
int16_t SectionTable::StyleCode(int section) const {
    if (section < 0 || section > kMaxSections) return 1;
    return static_cast<int16_t>(std::abs(KnownStyleOr(gSectionSize[static_cast<size_t>(section)], 1)));
}

std::string SectionKey(int section, const char* suffix) {
    return "Section" + std::to_string(section) + suffix;
}

std::string NumberedKey(const char* stem, int number) { return stem + std::to_string(number); }

std::string SingleLineValue(std::string_view value) {
    std::string clean;
    clean.reserve(value.size());
    for (char c : value)
        if (static_cast<unsigned char>(c) >= 32 && c != 127) clean += c;
    return clean;
}

}  // namespace corvella
