#pragma once
// System libraries the launcher needs only for work that comes after its
// window is up (the colour and file dialogs, the sound cues). They are
// loaded at the first call instead of by the loader: under some systems each
// costs a noticeable part of the start-up, and most runs never call them.
#include <windows.h>

namespace corvella {

// `name` exported by the system library `library`, which is loaded from the
// system folder (never from the program's folder or the current one) at the
// first call and stays loaded; null when either cannot be had.
FARPROC SystemFunction(const char* library, const char* name);

template <typename Function>
Function SystemFunctionOf(const char* library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemFunction(library, name)));
}

}  // namespace corvella
