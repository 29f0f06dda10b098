#pragma once
// The shortcut reader's registration as an in-process server.
#include <windows.h>

namespace corvella::shortcutreader {

// Registers the class and ProgID of the DLL `module` per user. Where the
// system's class lookup does not read per-user classes, the same entries go
// to the machine-wide classes as well. On failure nothing stays behind.
[[nodiscard]] HRESULT RegisterServer(HMODULE module);
// Removes what RegisterServer wrote; nothing to remove is no failure.
[[nodiscard]] HRESULT UnregisterServer();

}  // namespace corvella::shortcutreader
