#pragma once
// The profile functions' rules in their plainest form: a list of lines
// searched from the top at every call. Slow, and so obviously right that the
// launcher's indexed document is checked against it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IniDocument.h"

namespace corvella::testing {

class ReferenceIni {
public:
    explicit ReferenceIni(std::string_view text = {}) {
        while (!text.empty()) {
            std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            lines_.emplace_back(line);
        }
    }

    std::optional<std::string> Get(std::string_view section, std::string_view key) const {
        const auto at = Find(section, key);
        if (!at.line) return std::nullopt;
        const std::string& raw = lines_[*at.line];
        std::string_view value = TrimBlanks(std::string_view(raw).substr(raw.find('=') + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }

    void Set(std::string_view section, std::string_view key, std::string_view value) {
        const auto at = Find(section, key);
        if (at.line) {
            std::string_view raw = lines_[*at.line];
            lines_[*at.line] = std::string(TrimBlanks(raw.substr(0, raw.find('=')))) + "=" + std::string(value);
        } else if (at.lastOfSection) {
            lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*at.lastOfSection + 1),
                          std::string(key) + "=" + std::string(value));
        } else {
            lines_.push_back("[" + std::string(section) + "]");
            lines_.push_back(std::string(key) + "=" + std::string(value));
        }
    }

    std::string Text() const {
        std::string text;
        for (const std::string& line : lines_) text += line + "\r\n";
        return text;
    }

private:
    struct Place {
        std::optional<std::size_t> line;           // the key's line
        std::optional<std::size_t> lastOfSection;  // the section's last non-blank line
    };

    static std::optional<std::string_view> Header(std::string_view line) {
        line = TrimBlanks(line);
        if (line.empty() || line[0] != '[') return std::nullopt;
        std::size_t close = line.find(']');
        return TrimBlanks(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    }

    // Only the first section of the name counts, and in it the first key.
    Place Find(std::string_view section, std::string_view key) const {
        Place place;
        bool inside = false;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (auto name = Header(lines_[i])) {
                if (inside) break;
                inside = EqualsNoCase(*name, section);
                if (inside) place.lastOfSection = i;
                continue;
            }
            if (!inside) continue;
            std::string_view trimmed = TrimBlanks(lines_[i]);
            if (trimmed.empty()) continue;
            place.lastOfSection = i;
            std::size_t eq = trimmed.find('=');
            if (eq != std::string_view::npos && trimmed[0] != ';' &&
                EqualsNoCase(TrimBlanks(trimmed.substr(0, eq)), key) && !key.empty())
                return {i, place.lastOfSection};
        }
        return place;
    }

    std::vector<std::string> lines_;
};

}  // namespace corvella::testing
