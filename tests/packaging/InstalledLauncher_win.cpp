// Checks an installed or unzipped launcher from the outside, the way a user
// meets it: run by the package tests in a fresh Wine prefix, with the program
// folder in CORVELLA_INSTALLED. A shortcut button must start the probe, and
// the launcher must have its own shortcut reader (the copy beside it) loaded
// through the component's registration, with no step by hand.
// Exit code 0 when everything held; what failed goes to the error output.
#include <windows.h>
#include <objbase.h>
#include <psapi.h>

#include <algorithm>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/Driver_win.h"
#include "e2e/Shortcut_win.h"

namespace {

using corvella::testing::FindProcessWindow;
using corvella::testing::WaitUntil;

int failures = 0;

void Check(bool held, const std::string& what) {
    if (held) return;
    std::fprintf(stderr, "installed launcher: %s\n", what.c_str());
    ++failures;
}

std::string Environment(const char* name) {
    char value[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

bool WriteWhole(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// Whether `process` has the DLL at `path` loaded.
bool LoadsModule(HANDLE process, const std::string& path) {
    HMODULE modules[512];
    DWORD needed = 0;
    if (!EnumProcessModules(process, modules, sizeof modules, &needed)) return false;
    const DWORD count = std::min<DWORD>(needed / sizeof(HMODULE), 512);
    for (DWORD i = 0; i < count; ++i) {
        char name[MAX_PATH] = {};
        if (GetModuleFileNameExA(process, modules[i], name, MAX_PATH) && lstrcmpiA(name, path.c_str()) == 0) return true;
    }
    return false;
}

// Starts corvella.exe in `folder` with the probe's log named in its
// environment; the process handle, or nullptr.
HANDLE StartLauncher(const std::string& folder, const std::string& log, DWORD* processId) {
    SetEnvironmentVariableA("CORVELLA_PROBE_LOG", log.c_str());
    std::string command = "\"" + folder + "\\corvella.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        return nullptr;
    CloseHandle(process.hThread);
    *processId = process.dwProcessId;
    return process.hProcess;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = Environment("CORVELLA_INSTALLED");
    if (folder.empty() || argc < 2) {
        std::fprintf(stderr, "usage: CORVELLA_INSTALLED=folder installed_launcher probe.exe\n");
        return 2;
    }
    CoInitialize(nullptr);
    // The probe in a folder of its own, beside the launcher.
    const std::string tools = folder + "\\Probe Tools";
    CreateDirectoryA(tools.c_str(), nullptr);
    const std::string probe = tools + "\\probe.exe";
    Check(CopyFileA(argv[1], probe.c_str(), FALSE) != FALSE, "the probe could not be copied");
    Check(corvella::testing::MakeShortcut(folder + "\\probe.lnk", probe, "", tools), "no shortcut made");
    const std::string log = folder + "\\probe.log";
    DeleteFileA(log.c_str());
    // A prepared settings file is kept as it is (the upgrade test made it).
    if (GetFileAttributesA((folder + "\\Corvella.ini").c_str()) == INVALID_FILE_ATTRIBUTES)
        Check(WriteWhole(folder + "\\Corvella.ini",
                         "[Options]\r\nWindowLeft=1500\r\nWindowTop=750\r\nWindowWidth=3000\r\nWindowHeight=6000\r\n"
                         "EnableSound=0\r\n[Buttons]\r\nButton1=probe.lnk\xFF" "1\xFF\xFFProbe\xFF\r\n"),
              "no settings file written");

    DWORD processId = 0;
    HANDLE process = StartLauncher(folder, log, &processId);
    Check(process != nullptr, "corvella.exe did not start");
    if (!process) return 1;
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindProcessWindow(processId, "CorvellaMainWindow")) != nullptr; }, 60000);
    Check(window != nullptr, "no main window");
    if (window) {
        HWND button = GetDlgItem(window, corvella::testing::kButton);
        Check(button != nullptr, "no launch button");
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(button, WM_KEYDOWN, VK_SPACE, 0x00390001, SMTO_NORMAL, 10000, &ignored);
        SendMessageTimeoutA(button, WM_KEYUP, VK_SPACE, 0xC0390001, SMTO_NORMAL, 10000, &ignored);
        const bool started =
            WaitUntil([&] { return Lines(corvella::testing::FileBytes(log)).size() >= 2; }, 20000);
        Check(started, "the shortcut button started nothing");
        // The shortcut reader the launcher creates by its class is its own
        // copy, found through the registration (a registration of a copy
        // elsewhere, or none, would not load this file).
        Check(LoadsModule(process, folder + "\\shortcutreader.dll"),
              "the launcher has not loaded the shortcut reader beside it");
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    Check(WaitForSingleObject(process, 30000) == WAIT_OBJECT_0, "the launcher did not end");
    CloseHandle(process);
    DeleteFileA(log.c_str());
    DeleteFileA(probe.c_str());
    RemoveDirectoryA(tools.c_str());
    CoUninitialize();
    std::printf("installed launcher: %s\n", failures ? "FAILED" : "all checks held");
    return failures ? 1 : 0;
}
