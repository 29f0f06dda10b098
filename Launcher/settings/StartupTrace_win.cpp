#include "StartupTrace_win.h"

#include <windows.h>

#include <cstdio>

namespace corvella {

namespace {

struct Trace {
    HANDLE file = INVALID_HANDLE_VALUE;
    // The counter's reading at the first mark, and how long the process had
    // lived by then (the loader's work before the program's first line).
    LARGE_INTEGER first{}, frequency{};
    double firstMs = 0;
};

double MsSinceCreation() {
    FILETIME created, exited, kernel, user, now;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER a{}, b{};
    a.LowPart = created.dwLowDateTime;
    a.HighPart = created.dwHighDateTime;
    b.LowPart = now.dwLowDateTime;
    b.HighPart = now.dwHighDateTime;
    return b.QuadPart > a.QuadPart ? static_cast<double>(b.QuadPart - a.QuadPart) / 10000.0 : 0;
}

Trace* Open() {
    char path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("CORVELLA_STARTUP_TRACE", path, sizeof path);
    if (length == 0 || length >= sizeof path) return nullptr;
    static Trace trace;
    trace.firstMs = MsSinceCreation();
    QueryPerformanceFrequency(&trace.frequency);
    QueryPerformanceCounter(&trace.first);
    trace.file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    return trace.file == INVALID_HANDLE_VALUE ? nullptr : &trace;
}

}  // namespace

void MarkStartup(const char* step) {
    static Trace* const trace = Open();
    if (!trace) return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const double ms = trace->firstMs + 1000.0 * static_cast<double>(now.QuadPart - trace->first.QuadPart) /
                                           static_cast<double>(trace->frequency.QuadPart);
    char line[160];
    const int n = std::snprintf(line, sizeof line, "%9.1f %s\r\n", ms, step);
    DWORD written = 0;
    if (n > 0) WriteFile(trace->file, line, static_cast<DWORD>(n), &written, nullptr);
}

}  // namespace corvella
