#pragma once
// The name pattern of a list: one wildcard pattern ("*" any run of
// characters, "?" exactly one), matched without regard to case.
#include <string_view>

namespace panorell {

// True when `name` matches `pattern`. An empty name or an empty pattern
// never matches. There is no list separator: "*.txt;*.doc" is one pattern.
bool MatchesPattern(std::string_view name, std::string_view pattern) noexcept;

// The two patterns that list every name, compared exactly: "*.*" and "*".
bool PatternListsEverything(std::string_view pattern) noexcept;

// The name part of a path: the text after its last backslash.
std::string_view NameOfPath(std::string_view path) noexcept;

}  // namespace panorell
