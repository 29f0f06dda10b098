#pragma once
// The components that come with the launcher in its folder (the shortcut
// reader, the list-view control), made available to it without a step by
// hand.
#include <string>

namespace corvella {

// For each component the launcher cannot create as things stand (no
// registration finds it), registers the copy in
// `programFolder` for the current user through its own DllRegisterServer.
// COM must be up on the calling thread. Failures are left alone: the
// launcher then starts items through the shell.
void RegisterMissingComponents(const std::string& programFolder);

}  // namespace corvella
