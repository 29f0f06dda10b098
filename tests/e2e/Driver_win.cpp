#include "Driver_win.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace corvella::testing {

namespace {

constexpr char kMainWindowClass[] = "CorvellaMainWindow";

void CopyDistInto(const TempFolder& folder) {
    WIN32_FIND_DATAA found;
    const std::string dist = CORVELLA_DIST_DIR;
    HANDLE search = FindFirstFileA((dist + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        CopyFileA((dist + "\\" + found.cFileName).c_str(), folder.File(found.cFileName).c_str(), FALSE);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[128] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && IsWindowVisible(window) &&
        lstrcmpA(className, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

LauncherProcess::LauncherProcess(const TempFolder& folder, bool install) : folder_(folder) {
    if (install) CopyDistInto(folder);
}

LauncherProcess::~LauncherProcess() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

namespace {

// This process's environment with `changes` ("NAME=value") applied, as the
// NUL-separated block CreateProcessA takes.
std::vector<char> EnvironmentBlock(const std::vector<std::string>& changes) {
    std::vector<std::string> entries;
    char* block = GetEnvironmentStringsA();
    for (const char* p = block; *p; p += strlen(p) + 1) entries.emplace_back(p);
    FreeEnvironmentStringsA(block);
    for (const std::string& change : changes) {
        std::string name = change.substr(0, change.find('=') + 1);
        for (auto it = entries.begin(); it != entries.end();) {
            it = (lstrcmpiA(it->substr(0, name.size()).c_str(), name.c_str()) == 0) ? entries.erase(it) : it + 1;
        }
        entries.push_back(change);
    }
    std::vector<char> result;
    for (const std::string& entry : entries) result.insert(result.end(), entry.c_str(), entry.c_str() + entry.size() + 1);
    result.push_back('\0');
    return result;
}

}  // namespace

bool LauncherProcess::Start(const std::vector<std::string>& environment) {
    std::string exe = folder_.File("corvella.exe");
    std::vector<char> commandLine(exe.begin(), exe.end());
    commandLine.push_back('\0');
    std::vector<char> block = EnvironmentBlock(environment);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                          environment.empty() ? nullptr : block.data(), folder_.Path().c_str(),
                          &startup, &process_) != FALSE;
}

HWND LauncherProcess::WaitForMainWindow(DWORD timeoutMs) {
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindProcessWindow(process_.dwProcessId, kMainWindowClass)) != nullptr; },
              timeoutMs);
    return window;
}

bool LauncherProcess::WaitForExit(DWORD timeoutMs, DWORD* code) {
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    if (code) GetExitCodeProcess(process_.hProcess, code);
    return true;
}

HWND FindProcessWindow(DWORD processId, const char* className) {
    WindowSearch search{processId, className, nullptr};
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindMessageBox(DWORD processId) { return FindProcessWindow(processId, "#32770"); }

std::string MessageBoxText(HWND box) {
    // The message is the box's static text (control id 0xFFFF in message boxes).
    HWND label = GetDlgItem(box, 0xFFFF);
    return label ? WindowText(label) : std::string();
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string WindowText(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

}  // namespace corvella::testing
