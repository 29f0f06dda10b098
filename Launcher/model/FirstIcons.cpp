#include "FirstIcons.h"

#include <unordered_set>

#include "Buttons.h"
#include "Sections.h"
#include "platform/IniFileProfile.h"

namespace corvella {

std::vector<std::string> FirstSectionIconSources(const IniDocument& settings, const std::string& programFolder) {
    std::vector<std::string> sources;
    std::unordered_set<std::string> seen;
    for (int n = 1;; ++n) {
        // As the profile reads it: up to a NUL, no longer than the longest record.
        const std::string value =
            ProfileReadResult(settings.Get(kButtonsSection, NumberedKey("Button", n)), "", kLongestRecord);
        const std::optional<ButtonRecord> record = DecodeButtonRecord(value);
        if (!record) break;
        if (record->section != 1) continue;
        std::string source = IconSource(record->icon, record->target, programFolder);
        if (seen.insert(source).second) sources.push_back(std::move(source));
    }
    return sources;
}

}  // namespace corvella
