// A library holding a list window, for the test that the list's window
// classes are registered under the library that holds its code.
#include "ListWindow_win.h"

namespace {
panorell::ListWindow* gList = nullptr;
}  // namespace

extern "C" __declspec(dllexport) HWND __cdecl MakeProbeList(HWND parent) {
    delete gList;
    gList = new panorell::ListWindow();
    RECT rect{0, 0, 100, 100};
    return gList->Create(parent, rect) ? gList->Pane() : nullptr;
}

extern "C" __declspec(dllexport) void __cdecl DropProbeList() {
    delete gList;
    gList = nullptr;
}
