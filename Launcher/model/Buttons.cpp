#include "Buttons.h"

#include <algorithm>

#include "../platform/IniDocument.h"
#include "../settings/ProfileText.h"

namespace corvella {

void ButtonTable::Clear() {
    gButtonCount = 0;
    gButtonTarget.clear();
    gButtonSection.clear();
    gButtonTooltip.clear();
    gButtonText.clear();
    gButtonIcon.clear();
}

void ButtonTable::Append(const ButtonRecord& r) {
    gButtonTarget.push_back(r.target);
    gButtonSection.push_back(r.section);
    gButtonTooltip.push_back(r.tooltip);
    gButtonText.push_back(r.text);
    gButtonIcon.push_back(r.icon);
    ++gButtonCount;
}

ButtonRecord ButtonTable::Record(int k) const {
    const auto i = static_cast<size_t>(k);
    return {gButtonTarget[i], gButtonSection[i], gButtonTooltip[i], gButtonText[i], gButtonIcon[i]};
}

void ButtonTable::SetRecord(int k, const ButtonRecord& r) {
    const auto i = static_cast<size_t>(k);
    gButtonTarget[i] = r.target;
    gButtonSection[i] = r.section;
    gButtonTooltip[i] = r.tooltip;
    gButtonText[i] = r.text;
    gButtonIcon[i] = r.icon;
}

void MoveButton(ButtonTable& table, int from, int to) {
    if (!table.Valid(from) || !table.Valid(to) || from == to) return;
    const int16_t section = table.gButtonSection[static_cast<size_t>(from)];
    // The positions taking part, in the direction the moved record travels.
    std::vector<int> chain;
    const int step = to > from ? 1 : -1;
    for (int k = from; k != to + step; k += step)
        if (table.gButtonSection[static_cast<size_t>(k)] == section) chain.push_back(k);
    if (chain.back() != to) return;  // the target belongs to another section
    const ButtonRecord moved = table.Record(from);
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) table.SetRecord(chain[i], table.Record(chain[i + 1]));
    table.SetRecord(chain.back(), moved);
}

std::optional<ButtonRecord> DecodeButtonRecord(std::string_view raw) {
    std::string value = Trimmed(raw);
    while (value.size() > 1 && static_cast<unsigned char>(value.back()) < 14) value.pop_back();
    if (value == "<done>") return std::nullopt;
    std::size_t first = value.find(kFieldSeparator);
    if (first == std::string::npos || first == 0) return std::nullopt;
    if (std::count(value.begin(), value.end(), kFieldSeparator) == 3) value += kFieldSeparator;

    std::vector<std::string> fields;
    std::size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        std::size_t end = value.find(kFieldSeparator, start);
        if (end == std::string::npos) end = value.size();
        fields.push_back(value.substr(start, end - start));
        start = std::min(end + 1, value.size());
    }
    fields.push_back(value.substr(start));
    return ButtonRecord{fields[0], ParseInteger(fields[1], 0), fields[2], fields[3], fields[4]};
}

namespace {

// Blanks are trimmed after the bytes are taken out, so that a blank next to
// a removed byte does not surface at the field's end and vanish only at the
// next save.
std::string CleanField(std::string_view field) {
    std::string clean;
    for (char c : field)
        if (static_cast<unsigned char>(c) >= 32 && c != kFieldSeparator && c != 127) clean += c;
    return Trimmed(clean);
}

}  // namespace

std::string EncodeButtonRecord(const ButtonRecord& r) {
    std::string value = CleanField(r.target);
    value += kFieldSeparator;
    value += std::to_string(r.section);
    value += kFieldSeparator;
    value += CleanField(r.tooltip);
    value += kFieldSeparator;
    value += CleanField(r.text);
    value += kFieldSeparator;
    value += CleanField(r.icon);
    return ProfileValue(value);
}

std::string IconSource(const std::string& icon, const std::string& target, const std::string& programFolder) {
    if (!icon.empty()) return icon;
    return IsShortcutCopyName(target) ? programFolder + "\\" + target : target;
}

bool IsShortcutCopyName(std::string_view target) {
    if (target.size() < 4) return false;
    std::string_view ext = target.substr(target.size() - 4);
    for (const char* known : {".lnk", ".rnk", ".pif", ".url"})
        if (EqualsNoCase(ext, known)) return true;
    return false;
}

}  // namespace corvella
