#pragma once
// The texts a drop is made of: the path lists that cross the clipboard and
// the file operation, and the names of the shortcuts a link drop makes.
#include <cstddef>
#include <string>
#include <vector>

namespace panorell {

// The control family's own path list: NUL-separated strings ended by an
// empty one. Reads at most `size` bytes; a list without its end is taken
// up to the last complete string.
std::vector<std::string> ParsePathList(const char* data, std::size_t size);

// Each path followed by a NUL, and one NUL more: the file operation's form.
std::string DoubleNulList(const std::vector<std::string>& paths);

// The text after the last backslash (the whole text without one).
std::string LastName(const std::string& path);

// The shortcut a link drop of `dragged` into `folder` makes: the folder, a
// backslash unless it ends with one, the name, and ".lnk".
std::string ShortcutFileFor(const std::string& folder, const std::string& dragged);
// Its description: "Shortcut to " and the name.
std::string ShortcutDescriptionFor(const std::string& dragged);

}  // namespace panorell
