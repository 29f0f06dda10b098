// The shortcut reader's in-process server: its entry points.
#include <windows.h>

#include "../../platform/ComObject_win.h"
#include "ReaderObject_win.h"
#include "Registration_win.h"
#include "ShortcutReaderId_win.h"

namespace corvella::shortcutreader {

namespace {

HMODULE gModule = nullptr;

}  // namespace

}  // namespace corvella::shortcutreader

using namespace corvella::shortcutreader;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        gModule = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID classId, REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(classId, kClassId)) return CLASS_E_CLASSNOTAVAILABLE;
    return GetReaderClassObject(iid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return corvella::com::ModuleInUse() ? S_FALSE : S_OK; }

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
    try {
        return RegisterServer(gModule);
    } catch (...) {
        (void)UnregisterServer();
        return E_OUTOFMEMORY;
    }
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() { return UnregisterServer(); }
