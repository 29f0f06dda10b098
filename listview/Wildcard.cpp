#include "Wildcard.h"

#include "TextFold.h"

namespace panorell {

bool MatchesPattern(std::string_view name, std::string_view pattern) noexcept {
    if (name.empty() || pattern.empty()) return false;
    // Greedy scan that remembers the last "*": on a mismatch the star takes
    // one more character and the rest of the pattern is tried again from
    // there. Linear memory, and at worst name x pattern steps.
    size_t i = 0, j = 0;
    size_t starJ = std::string_view::npos, starI = 0;
    while (i < name.size()) {
        if (j < pattern.size() && pattern[j] == '*') {
            starJ = j++;
            starI = i;
        } else if (j < pattern.size() && (pattern[j] == '?' || FoldByte(pattern[j]) == FoldByte(name[i]))) {
            ++i;
            ++j;
        } else if (starJ != std::string_view::npos) {
            j = starJ + 1;
            i = ++starI;
        } else {
            return false;
        }
    }
    while (j < pattern.size() && pattern[j] == '*') ++j;
    return j == pattern.size();
}

bool PatternListsEverything(std::string_view pattern) noexcept {
    return pattern == "*.*" || pattern == "*";
}

std::string_view NameOfPath(std::string_view path) noexcept {
    size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace panorell
