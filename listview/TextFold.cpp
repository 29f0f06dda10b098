#include "TextFold.h"

namespace panorell {

namespace {

FoldTable gTable = WesternFoldTable();

// The folded byte at `i` of `text`; `i` steps over a whole double-byte
// character, whose second byte is returned unfolded on the next call.
struct Folder {
    std::string_view text;
    size_t i = 0;
    bool trail = false;
    bool Done() const { return i >= text.size(); }
    unsigned char Next() {
        auto c = static_cast<unsigned char>(text[i++]);
        if (trail) {
            trail = false;
            return c;
        }
        if (gTable.lead[c] && i < text.size()) {
            trail = true;
            return c;
        }
        return gTable.lower[c];
    }
};

}  // namespace

FoldTable AsciiFoldTable() noexcept {
    FoldTable table;
    for (int c = 0; c < 256; ++c) {
        table.lower[static_cast<size_t>(c)] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 0x20 : c);
    }
    return table;
}

FoldTable WesternFoldTable() noexcept {
    FoldTable table = AsciiFoldTable();
    // Accented capitals (the multiplication sign is no letter), then the four
    // capitals of the 0x80 row.
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7) table.lower[static_cast<size_t>(c)] = static_cast<unsigned char>(c + 0x20);
    }
    table.lower[0x8A] = 0x9A;  // S caron
    table.lower[0x8C] = 0x9C;  // OE
    table.lower[0x8E] = 0x9E;  // Z caron
    table.lower[0x9F] = 0xFF;  // Y diaeresis
    return table;
}

void InstallFoldTable(const FoldTable& table) noexcept { gTable = table; }

const FoldTable& CurrentFoldTable() noexcept { return gTable; }

char FoldByte(char c) noexcept { return static_cast<char>(gTable.lower[static_cast<unsigned char>(c)]); }

int CompareIgnoringCase(std::string_view a, std::string_view b) noexcept {
    Folder x{a}, y{b};
    while (!x.Done() && !y.Done()) {
        unsigned char p = x.Next(), q = y.Next();
        if (p != q) return p < q ? -1 : 1;
    }
    if (x.Done() && y.Done()) return 0;
    return x.Done() ? -1 : 1;
}

uint64_t FoldedPrefix(std::string_view text) noexcept {
    Folder x{text};
    uint64_t prefix = 0;
    for (int n = 0; n < 8; ++n) prefix = prefix << 8 | (x.Done() ? 0u : x.Next());
    return prefix;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) noexcept {
    Folder x{text}, y{prefix};
    while (!y.Done()) {
        if (x.Done() || x.Next() != y.Next()) return false;
    }
    return true;
}

}  // namespace panorell
