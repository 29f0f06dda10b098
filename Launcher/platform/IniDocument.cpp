#include "IniDocument.h"

#include <cctype>

namespace corvella {

namespace {

// The name of a header line ("[ name ]" gives "name"); nothing for other lines.
std::optional<std::string_view> HeaderName(std::string_view trimmed) {
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    std::size_t close = trimmed.find(']');
    return TrimBlanks(trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

// The key of a key line; empty for comments and lines without '='.
std::string KeyOf(std::string_view trimmed) {
    std::size_t eq = trimmed.find('=');
    if (eq == std::string_view::npos || trimmed.front() == ';') return {};
    return std::string(TrimBlanks(trimmed.substr(0, eq)));
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

IniDocument::IniDocument(std::string_view text) {
    sections_.emplace_back();  // the lines before the first header
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

        std::string_view trimmed = TrimBlanks(raw);
        if (auto name = HeaderName(trimmed)) {
            AddSection(std::string(raw), *name);
            continue;
        }
        AddLine(sections_.back(), Line{std::string(raw), trimmed.empty() ? std::string() : KeyOf(trimmed)});
    }
}

IniDocument::Section& IniDocument::AddSection(std::string header, std::string_view name) {
    index_.try_emplace(LowerAscii(name), sections_.size());
    sections_.push_back(Section{std::move(header), {}, {}, 0});
    return sections_.back();
}

void IniDocument::AddLine(Section& section, Line line) {
    if (!line.key.empty()) section.keys.try_emplace(LowerAscii(line.key), section.lines.size());
    const bool blank = TrimBlanks(line.raw).empty();
    section.lines.push_back(std::move(line));
    if (!blank) section.contentEnd = section.lines.size();
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    auto found = index_.find(LowerAscii(section));
    if (found == index_.end()) return std::nullopt;
    const Section& s = sections_[found->second];
    auto line = s.keys.find(LowerAscii(key));
    if (line == s.keys.end()) return std::nullopt;
    const std::string& raw = s.lines[line->second].raw;
    std::string_view value = TrimBlanks(std::string_view(raw).substr(raw.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (sections_.empty()) sections_.emplace_back();
    auto found = index_.find(LowerAscii(section));
    Section& s = found != index_.end() ? sections_[found->second]
                                       : AddSection("[" + std::string(section) + "]", section);
    const std::string lowerKey = LowerAscii(key);
    if (auto line = s.keys.find(lowerKey); line != s.keys.end()) {
        Line& existing = s.lines[line->second];
        existing.raw = existing.key + "=" + std::string(value);
        return;
    }
    // After the section's last non-blank line, so that the blank lines that
    // part it from the next section stay where they are. Only blank lines
    // (never keys) follow that point, so no indexed position moves.
    // A key the file could not read back as one (";x" reads as a comment) is
    // not indexed, just as it would not be found after a re-read.
    const std::size_t at = s.contentEnd;
    std::string raw = std::string(key) + "=" + std::string(value);
    std::string readKey = KeyOf(TrimBlanks(raw));
    if (!readKey.empty()) s.keys.try_emplace(LowerAscii(readKey), at);
    s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(raw), std::move(readKey)});
    s.contentEnd = at + 1;
}

std::string IniDocument::Text() const {
    std::size_t size = 0;
    for (const Section& s : sections_) {
        size += s.header.size() + 2;
        for (const Line& line : s.lines) size += line.raw.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        const Section& s = sections_[i];
        if (i > 0) text.append(s.header).append("\r\n");
        for (const Line& line : s.lines) text.append(line.raw).append("\r\n");
    }
    return text;
}

bool IniDocument::Empty() const {
    return sections_.size() <= 1 && (sections_.empty() || sections_.front().lines.empty());
}

}  // namespace corvella
