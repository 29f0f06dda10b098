#pragma once
// Registers the built folder list control in this test's Wine prefix, as its
// installer would, so that hosts find it by its ProgID.
#include <windows.h>

#include <string>

namespace corvella::testing {

inline bool RegisterFolderListControl() {
    HMODULE library = LoadLibraryA((std::string(CORVELLA_DIST_DIR) + "\\panorell.ocx").c_str());
    if (library == nullptr) return false;
    using Entry = HRESULT(STDAPICALLTYPE*)();
    auto registerServer =
        reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library, "DllRegisterServer")));
    const bool registered = registerServer != nullptr && registerServer() == S_OK;
    FreeLibrary(library);
    return registered;
}

}  // namespace corvella::testing
