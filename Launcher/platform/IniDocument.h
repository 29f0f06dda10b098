#pragma once
// An INI text held in memory with the rules of the Windows profile functions:
// sections and keys match without regard to case, keys and values are trimmed
// of blanks, a value enclosed in matching quotes loses them, a key written
// again is replaced where it stands (keeping the spelling it has in the file),
// a new key goes after the last non-blank line of its section and a new
// section to the end of the text. Only the first of several sections of one
// name is seen, and of several equal keys only the first. Lines that are
// neither a section header nor a key (comments, blank lines, text without
// '=') are kept as they are. (Wine's profile functions also rewrite the rest
// of the file in a normal form, dropping blank lines and the blanks around
// '='; the values read back are the same either way.)
//
// Look-ups and writes take constant time whatever the size of the text, so
// that rewriting every record of a large file stays linear.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvella {

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view text);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The text with CR LF line ends, as the profile functions write it.
    std::string Text() const;
    bool Empty() const;

private:
    struct Line {
        std::string raw;  // the line as read or written, without its line end
        std::string key;  // the trimmed key; empty for lines that are not keys
    };
    struct Section {
        std::string header;  // the header line as read; empty for the lines before the first header
        std::vector<Line> lines;
        std::unordered_map<std::string, std::size_t> keys;  // lower-case key -> its first line
        std::size_t contentEnd = 0;                          // one past the last non-blank line
    };

    Section& AddSection(std::string header, std::string_view name);
    static void AddLine(Section& section, Line line);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> index_;  // lower-case name -> first section
};

std::string_view TrimBlanks(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
std::string LowerAscii(std::string_view text);

}  // namespace corvella
