#include "ProcessWindow_win.h"

namespace corvella::bench {

namespace {

struct Search {
    DWORD process;
    const char* className;
    HWND found;
};

bool Matches(HWND window, const Search& search) {
    if (!IsWindowVisible(window)) return false;
    if (!search.className) return GetWindowTextLengthA(window) > 0;
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpA(name, search.className) == 0;
}

BOOL CALLBACK Visit(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process || !Matches(window, *search)) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const char* className) {
    Search search{processId, className, nullptr};
    EnumWindows(&Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace corvella::bench
