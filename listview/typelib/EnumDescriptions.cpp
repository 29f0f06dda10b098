#include "EnumDescriptions.h"

namespace panorell {

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool IsIdentifier(std::string_view text) {
    if (text.empty() || (text[0] >= '0' && text[0] <= '9')) return false;
    for (char c : text) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && c != '_' && !(c >= '0' && c <= '9')) return false;
    }
    return true;
}

// The reason a line is refused, or empty when it was taken.
std::string TakeLine(std::string_view line, EnumDescriptions& out) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return "no '='";
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view text = Trim(line.substr(equals + 1));
    const auto dot = key.find('.');
    if (dot == std::string_view::npos || !IsIdentifier(key.substr(0, dot)) || !IsIdentifier(key.substr(dot + 1)))
        return "expected Enumeration.Constant before '='";
    if (text.empty()) return "empty description";
    if (!out.texts.emplace(std::string(key), std::string(text)).second) return std::string(key) + " given twice";
    return {};
}

}  // namespace

EnumDescriptions ParseEnumDescriptions(std::string_view file) {
    EnumDescriptions out;
    int number = 0;
    while (!file.empty()) {
        const auto end = file.find('\n');
        const std::string_view line = Trim(file.substr(0, end));
        file = end == std::string_view::npos ? std::string_view{} : file.substr(end + 1);
        ++number;
        if (line.empty() || line[0] == '#') continue;
        std::string why = TakeLine(line, out);
        if (!why.empty()) {
            out.texts.clear();
            out.error = "line " + std::to_string(number) + ": " + why;
            break;
        }
    }
    return out;
}

}  // namespace panorell
