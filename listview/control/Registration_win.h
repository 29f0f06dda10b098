#pragma once
// Self-registration of the control library: its type library, the control
// class and the three property-page classes, per user where the class
// lookup sees per-user entries, else for the machine.
#include <windows.h>

namespace panorell {

// 0 when done; SELFREG_E_TYPELIB when the type library could not be
// registered, SELFREG_E_CLASS when a class could not. A failure leaves
// nothing registered.
HRESULT RegisterControlLibrary(HMODULE module);
// 0 when nothing is left (also when nothing was registered), else the
// same two codes.
HRESULT UnregisterControlLibrary(HMODULE module);

}  // namespace panorell
