#pragma once
// The shortcut reader's automation object and its class factory.
#include <windows.h>

namespace corvella::shortcutreader {

// The class factory of the reader, for DllGetClassObject.
[[nodiscard]] HRESULT GetReaderClassObject(REFIID iid, void** out) noexcept;

}  // namespace corvella::shortcutreader
