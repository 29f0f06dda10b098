// The shortcut reader's in-process server: its entry points, the class
// object and the module's object and lock counts.
#include <windows.h>

#include "ComObject_win.h"
#include "ReaderObject_win.h"
#include "Registration_win.h"
#include "ShortcutReaderId_win.h"

namespace corvella::shortcutreader {

namespace {

HMODULE gModule = nullptr;
LONG gObjects = 0;
LONG gLocks = 0;

}  // namespace

void CountObject(bool created) noexcept {
    if (created)
        InterlockedIncrement(&gObjects);
    else
        InterlockedDecrement(&gObjects);
}

void CountLock(bool locked) noexcept {
    if (locked)
        InterlockedIncrement(&gLocks);
    else
        InterlockedDecrement(&gLocks);
}

bool ModuleInUse() noexcept { return gObjects != 0 || gLocks != 0; }

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

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return ModuleInUse() ? S_FALSE : S_OK; }

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
    try {
        return RegisterServer(gModule);
    } catch (...) {
        (void)UnregisterServer();
        return E_OUTOFMEMORY;
    }
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() { return UnregisterServer(); }
