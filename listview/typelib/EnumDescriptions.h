#pragma once
// The description texts of enumeration constants, kept in a text file
// beside the IDL because the IDL compiler takes no help string on a
// constant. One line per constant: "Enumeration.Constant = text"; blank
// lines and lines starting with '#' are skipped.
#include <map>
#include <string>
#include <string_view>

namespace panorell {

struct EnumDescriptions {
    // "Enumeration.Constant" to its text.
    std::map<std::string, std::string> texts;
    // Empty when the whole file was read; else "line N: what is wrong".
    std::string error;
};

EnumDescriptions ParseEnumDescriptions(std::string_view file);

}  // namespace panorell
