#include "DropTexts.h"

#include <cstring>

namespace panorell {

std::vector<std::string> ParsePathList(const char* data, std::size_t size) {
    std::vector<std::string> paths;
    if (data == nullptr) return paths;
    std::size_t at = 0;
    while (at < size) {
        const void* end = std::memchr(data + at, '\0', size - at);
        if (end == nullptr) break;  // an unfinished string is not a path
        const std::size_t length = static_cast<const char*>(end) - (data + at);
        if (length == 0) break;
        paths.emplace_back(data + at, length);
        at += length + 1;
    }
    return paths;
}

std::string DoubleNulList(const std::vector<std::string>& paths) {
    std::string list;
    for (const std::string& path : paths) {
        // An empty path would end the list early, and one with a NUL inside
        // would split in two: the first is skipped, the second cut there.
        if (path.empty() || path[0] == '\0') continue;
        list.append(path.c_str());
        list += '\0';
    }
    list += '\0';
    return list;
}

std::string LastName(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ShortcutFileFor(const std::string& folder, const std::string& dragged) {
    std::string file = folder;
    if (file.empty() || file.back() != '\\') file += '\\';
    return file + LastName(dragged) + ".lnk";
}

std::string ShortcutDescriptionFor(const std::string& dragged) { return "Shortcut to " + LastName(dragged); }

}  // namespace panorell
