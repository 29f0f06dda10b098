#pragma once
// What an in-place rename accepts, and what an accepted name changes.
#include <string>

namespace panorell {

// Valid: not empty once leading blanks are gone, and none of \ / : * ? " < > |.
bool IsValidNewName(const std::string& name) noexcept;

// A name with a dot four characters from its end has a three-letter
// extension: its type may have changed, so its details are read again.
bool HasThreeLetterExtension(const std::string& name) noexcept;

}  // namespace panorell
