#pragma once
// The section table: up to 20 named groups of buttons, each shown as a tab.
// Section i (1-based) is shown by the tab sectionButton(i - 1).
#include <array>
#include <cstdint>
#include <string>

namespace corvella {

inline constexpr int kMaxSections = 20;
// Button styles: small icons, large icons, full width, text only.
inline constexpr int16_t kStyleCodes = 4;
// Marks a deleted section in memory until the table is rewritten; it never
// reaches the file.
inline constexpr char kDeletedSectionName[] = "<<<<<killme>>>>>";
inline constexpr char kSectionsSection[] = "Sections";

struct SectionTable {
    int16_t gSectionCount = 0;
    int16_t gCurrentSection = 0;
    // Indexed by section number 1..20; position 0 is the extra position that
    // start-up also gives a style.
    std::array<std::string, kMaxSections + 1> gSectionName{};
    std::array<int16_t, kMaxSections + 1> gSectionSize{};
    std::array<int32_t, kMaxSections + 1> gSectionColor{};
    std::array<int32_t, kMaxSections + 1> gSectionFGColor{};

    // The style code of a section: 0 small icons, 1 large, 2 full width, 3 text.
    int16_t StyleCode(int section) const;
    friend bool operator==(const SectionTable&, const SectionTable&) = default;
};

// A stored section size as it is kept: `value` when it names a style (-3..3),
// else `fallback`.
int16_t KnownStyleOr(int16_t value, int16_t fallback);

// The key of a numbered section value: "Section" 3 "Name" gives Section3Name.
std::string SectionKey(int section, const char* suffix);
std::string NumberedKey(const char* stem, int number);

// A value as it may be written into one line of the settings file: control
// characters (line breaks among them) removed, so that it reads back as written.
std::string SingleLineValue(std::string_view value);

}  // namespace corvella
