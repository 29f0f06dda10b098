#include "PathText.h"

namespace corvella {

std::string ParentFolderOf(std::string_view path) {
    std::size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos) return {};
    std::string_view parent = path.substr(0, slash);
    if (!parent.empty() && parent.back() == '\\') parent.remove_suffix(1);
    return std::string(parent);
}

std::string FileNameOf(std::string_view path) {
    std::size_t slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

}  // namespace corvella
