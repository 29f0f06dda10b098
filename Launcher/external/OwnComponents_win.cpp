#include "OwnComponents_win.h"

#include <windows.h>
#include <objbase.h>

#include "shortcutreader/ShortcutReaderId_win.h"

namespace corvella {

namespace {

// The list-view control's class (fixed: hosts depend on it).
constexpr CLSID kListViewControl = {0x8F1F5403, 0x1AA7, 0x11D0, {0xB6, 0xD4, 0x00, 0x80, 0xC8, 0x1D, 0x4C, 0x9C}};

struct OwnComponent {
    const CLSID& classId;
    const char* file;
};

const OwnComponent kOwnComponents[] = {
    {shortcutreader::kClassId, "shortcutreader.dll"},
    {kListViewControl, "panorell.ocx"},
};

// Whether the class object can be had: through an activation context or a
// registration of the user's or the machine's.
bool Available(const CLSID& classId) {
    IClassFactory* factory = nullptr;
    if (FAILED(CoGetClassObject(classId, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                                reinterpret_cast<void**>(&factory))))
        return false;
    factory->Release();
    return true;
}

void Register(const std::string& path) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (!module) return;
    using Entry = HRESULT(STDAPICALLTYPE*)();
    if (auto entry = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(module, "DllRegisterServer"))))
        (void)entry();
    FreeLibrary(module);
}

}  // namespace

void RegisterMissingComponents(const std::string& programFolder) {
    for (const OwnComponent& component : kOwnComponents) {
        const std::string path = programFolder + "\\" + component.file;
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES || Available(component.classId)) continue;
        Register(path);
    }
}

}  // namespace corvella
