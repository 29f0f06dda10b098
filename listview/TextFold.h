#pragma once
// Case folding of ANSI (Windows-1252) text, shared by the name matcher and the
// sort rules so that "ignoring case" means the same thing in both.
#include <string_view>

namespace panorell {

// The lower-case form of one byte of Windows-1252 text.
char FoldByte(char c) noexcept;

// Case-insensitive three-way comparison of two ANSI texts: -1, 0 or 1.
int CompareIgnoringCase(std::string_view a, std::string_view b) noexcept;

}  // namespace panorell
