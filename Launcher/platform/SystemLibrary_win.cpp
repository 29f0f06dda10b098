#include "SystemLibrary_win.h"

#include <string>

namespace corvella {

FARPROC SystemFunction(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    if (!module) {
        char folder[MAX_PATH];
        const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return nullptr;
        // A full path: a file of that name beside the program is not loaded.
        module = LoadLibraryA((std::string(folder, length) + "\\" + library).c_str());
    }
    return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace corvella
