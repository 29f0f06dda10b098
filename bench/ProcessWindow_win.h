#pragma once
// Finding the window a started program shows, for the benchmarks that time
// other processes.
#include <windows.h>

namespace corvella::bench {

// The visible top-level window of `processId` with the class `className`,
// or with any class and a non-empty title when `className` is null.
HWND FindProcessWindow(DWORD processId, const char* className);

}  // namespace corvella::bench
