#pragma once
// An INI text held in memory with the rules of the Windows profile functions:
// sections and keys match without regard to case, keys and values are trimmed
// of blanks, a value enclosed in matching quotes loses them, a key written
// again is replaced where it stands, a new key goes to the end of its section
// and a new section to the end of the text; a key written again keeps the
// spelling it has in the file. Lines that are neither a section header nor a
// key (comments, blank lines) are kept as they are. (Wine's profile functions
// also rewrite the rest of the file in a normal form, dropping blank lines and
// the blanks around '='; the values read back are the same either way.)
#include <optional>
#include <string>
#include <string_view>
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
    bool Empty() const { return lines_.empty(); }

private:
    struct Line {
        std::string raw;      // the line as read or written, without its line end
        std::string section;  // for headers: the section name
        std::string key;      // for keys: the trimmed key
        bool header = false;
    };

    std::vector<Line> lines_;
};

std::string_view TrimBlanks(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace corvella
