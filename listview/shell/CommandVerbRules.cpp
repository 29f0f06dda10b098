#include "CommandVerbRules.h"

namespace panorell {

bool SameVerb(const std::string& a, const std::string& b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

VerbKind ClassifyVerb(const std::string& verb) noexcept {
    if (SameVerb(verb, "cut")) return VerbKind::Cut;
    if (SameVerb(verb, "copy")) return VerbKind::Copy;
    if (SameVerb(verb, "delete") || SameVerb(verb, "link")) return VerbKind::Changes;
    return VerbKind::Other;
}

AfterCommand AfterCommandRules(bool showingRecycleBin, bool refreshAfterCommand) noexcept {
    AfterCommand after;
    if (showingRecycleBin)
        after.refreshOnNextFocus = true;
    else
        after.refreshNow = refreshAfterCommand;
    return after;
}

int FindVerb(const std::string* verbs, int count, const std::string& wanted) noexcept {
    for (int i = 0; verbs != nullptr && i < count; ++i)
        if (SameVerb(verbs[i], wanted)) return i;
    return -1;
}

}  // namespace panorell
