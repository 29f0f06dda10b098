#pragma once
#include <string>
#include <string_view>

namespace corvella {

// The text before the last backslash, without a backslash it would end with;
// empty when there is none (c:\tools\x.exe gives c:\tools, c:\x.exe gives c:).
std::string ParentFolderOf(std::string_view path);
// The text after the last backslash; the path itself when it has none.
std::string FileNameOf(std::string_view path);
bool EndsWith(std::string_view text, std::string_view suffix);

}  // namespace corvella
