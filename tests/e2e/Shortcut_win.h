#pragma once
#include <string>

namespace corvella::testing {

// Saves a shell shortcut at `path` to `target` with its arguments and working
// folder; COM must be up on the calling thread.
bool MakeShortcut(const std::string& path, const std::string& target, const std::string& arguments,
                  const std::string& folder);

}  // namespace corvella::testing
