#pragma once
// Case folding of ANSI text, shared by the name matcher and the sort rules so
// that "ignoring case" means the same thing in both. The folding follows the
// system's ANSI code page: the adapter builds the table from it when the
// first list is made (TextFold_win); until then the Western (Windows-1252)
// table holds.
#include <array>
#include <cstdint>
#include <string_view>

namespace panorell {

struct FoldTable {
    std::array<unsigned char, 256> lower{};  // the lower-case form of each byte
    std::array<bool, 256> lead{};            // lead bytes of double-byte characters
};

// The table that folds A-Z and nothing else, with no lead bytes.
FoldTable AsciiFoldTable() noexcept;
// The table of Windows-1252: A-Z and the accented capitals.
FoldTable WesternFoldTable() noexcept;
// Makes `table` the one every comparison uses. Called on the window thread
// before the first list is made; the table is read-only afterwards.
void InstallFoldTable(const FoldTable& table) noexcept;
const FoldTable& CurrentFoldTable() noexcept;

// The lower-case form of one single-byte character.
char FoldByte(char c) noexcept;

// Case-insensitive three-way comparison of two ANSI texts: -1, 0 or 1. The
// second byte of a double-byte character is compared as it is: it may look
// like an ASCII letter without being one.
int CompareIgnoringCase(std::string_view a, std::string_view b) noexcept;

// The first eight bytes of `text` as CompareIgnoringCase sees them, packed
// high byte first and padded with zero bytes. When the prefixes of two texts
// differ, they order as the texts do; when they are equal, the texts must be
// compared.
uint64_t FoldedPrefix(std::string_view text) noexcept;

// True when `text` begins with `prefix`, ignoring case as above.
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) noexcept;

}  // namespace panorell
