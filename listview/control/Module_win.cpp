// The control library's entry points: the four exports of an in-process
// server and a DllMain that only remembers the module.
#include <windows.h>

#include "ClassFactory_win.h"
#include <olectl.h>

#include "ComObject_win.h"
#include "DetailFiller_win.h"
#include "PanorellIds_win.h"
#include "Registration_win.h"

namespace panorell {

namespace {

HMODULE gModule = nullptr;

}  // namespace

HMODULE ControlModule() noexcept { return gModule; }

}  // namespace panorell

using namespace panorell;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        gModule = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID classId, REFIID iid, void** out) {
    try {
        return GetClassObject(classId, iid, out);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

// A detail filler let go by a closed list still runs this library's code.
extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return corvella::com::ModuleInUse() || panorell::DetailFiller::WorkersAlive() > 0 ? S_FALSE : S_OK;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
    try {
        return RegisterControlLibrary(gModule);
    } catch (...) {
        (void)UnregisterControlLibrary(gModule);
        return SELFREG_E_CLASS;
    }
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
    try {
        return UnregisterControlLibrary(gModule);
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}
