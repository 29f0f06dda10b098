#include "IniDocument.h"

#include <cctype>

namespace corvella {

std::string_view TrimBlanks(std::string_view text) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

IniDocument::IniDocument(std::string_view text) {
    std::string current;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

        Line line{std::string(raw), {}, {}, false};
        std::string_view trimmed = TrimBlanks(raw);
        if (!trimmed.empty() && trimmed.front() == '[') {
            std::size_t close = trimmed.find(']');
            current = std::string(TrimBlanks(trimmed.substr(1, close == std::string_view::npos
                                                                    ? std::string_view::npos
                                                                    : close - 1)));
            line.header = true;
            line.section = current;
        } else if (std::size_t eq = trimmed.find('='); eq != std::string_view::npos &&
                                                        trimmed.front() != ';') {
            line.section = current;
            line.key = std::string(TrimBlanks(trimmed.substr(0, eq)));
        } else {
            line.section = current;
        }
        lines_.push_back(std::move(line));
    }
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    for (const Line& line : lines_) {
        if (line.header || line.key.empty()) continue;
        if (!EqualsNoCase(line.section, section) || !EqualsNoCase(line.key, key)) continue;
        std::string_view value = TrimBlanks(std::string_view(line.raw).substr(line.raw.find('=') + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string raw = std::string(key) + "=" + std::string(value);
    std::size_t lastOfSection = std::string::npos;
    bool sectionFound = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        if (!EqualsNoCase(line.section, section)) continue;
        if (line.header) sectionFound = true;
        if (!sectionFound) continue;
        if (!line.header && EqualsNoCase(line.key, key)) {
            // The key keeps the spelling it has in the file.
            line.raw = line.key + "=" + std::string(value);
            return;
        }
        if (line.header || !TrimBlanks(line.raw).empty()) lastOfSection = i;
    }
    Line entry{raw, std::string(section), std::string(key), false};
    if (!sectionFound) {
        std::string header = "[";
        header.append(section).append("]");
        lines_.push_back(Line{std::move(header), std::string(section), {}, true});
        lines_.push_back(std::move(entry));
        return;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastOfSection + 1), std::move(entry));
}

std::string IniDocument::Text() const {
    std::string text;
    for (const Line& line : lines_) {
        text += line.raw;
        text += "\r\n";
    }
    return text;
}

}  // namespace corvella
