#include "RenameRules.h"

namespace panorell {

bool IsValidNewName(const std::string& name) noexcept {
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) return false;
    return name.find_first_of("\\/:*?\"<>|", first) == std::string::npos;
}

bool HasThreeLetterExtension(const std::string& name) noexcept {
    return name.size() >= 4 && name[name.size() - 4] == '.';
}

}  // namespace panorell
