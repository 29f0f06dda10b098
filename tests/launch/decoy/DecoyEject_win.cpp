// A planted eject.dll: it leaves a file named "decoy-loaded" beside itself
// the moment any process loads it, so a test can tell that it was loaded.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(instance, path, MAX_PATH);
    std::string marker(path, length);
    marker = marker.substr(0, marker.find_last_of('\\') + 1) + "decoy-loaded";
    HANDLE file = CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return TRUE;
}

extern "C" __declspec(dllexport) int WINAPI Eject(short, BYTE) { return 0; }
