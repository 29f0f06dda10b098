// A stand-in for a launched program: it appends its command line and its
// working folder, one line each, to the file named by CORVELLA_PROBE_LOG,
// then ends. Tests start it through the launcher and read what it saw.
#include <windows.h>

#include <cstdio>

int main() {
    char log[MAX_PATH] = {};
    if (GetEnvironmentVariableA("CORVELLA_PROBE_LOG", log, sizeof log) == 0) return 2;
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    FILE* out = std::fopen(log, "ab");
    if (!out) return 3;
    std::fprintf(out, "%s\r\n%s\r\n", GetCommandLineA(), folder);
    std::fclose(out);
    return 0;
}
