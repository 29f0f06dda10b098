#include "Startup_win.h"

namespace corvella {

namespace {

// One name for every copy of the launcher in the session.
constexpr char kInstanceMutexName[] = "Corvella.Launcher.SingleInstance";

struct OtherCopySearch {
    const char* className;
    HWND found;
};

// The main window of another process, never this copy's own (still hidden) one.
BOOL CALLBACK FindOtherCopy(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<OtherCopySearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == GetCurrentProcessId() || lstrcmpA(className, search->className) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

int CALLBACK CountFamily(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM param) {
    ++*reinterpret_cast<int*>(param);
    return 1;
}

int CALLBACK StoreFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM param) {
    auto* names = reinterpret_cast<std::vector<std::string>*>(param);
    names->emplace_back(font->lfFaceName, strnlen(font->lfFaceName, LF_FACESIZE));
    return 1;
}

}  // namespace

WinStartupPlatform::~WinStartupPlatform() {
    if (instanceMutex_) CloseHandle(instanceMutex_);
}

bool WinStartupPlatform::PreviousInstanceRunning() {
    if (instanceMutex_) return false;
    instanceMutex_ = CreateMutexA(nullptr, FALSE, kInstanceMutexName);
    return instanceMutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
}

void WinStartupPlatform::ActivatePreviousInstance() {
    OtherCopySearch search{mainWindowClass_, nullptr};
    EnumWindows(&FindOtherCopy, reinterpret_cast<LPARAM>(&search));
    HWND running = search.found;
    if (!running) return;
    if (IsIconic(running) || !IsWindowVisible(running)) ShowWindow(running, SW_RESTORE);
    // The running copy is allowed to come to the front: this copy is the
    // foreground process, having just been started by the user.
    DWORD runningProcess = 0;
    GetWindowThreadProcessId(running, &runningProcess);
    AllowSetForegroundWindow(runningProcess);
    SetForegroundWindow(running);
}

std::vector<std::string> WinStartupPlatform::FontFaceNames() {
    HWND desktop = GetDesktopWindow();
    HDC dc = GetWindowDC(desktop);
    if (!dc) return {};
    int count = 0;
    EnumFontFamiliesA(dc, nullptr, &CountFamily, reinterpret_cast<LPARAM>(&count));
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(count));
    EnumFontFamiliesA(dc, nullptr, &StoreFamily, reinterpret_cast<LPARAM>(&names));
    ReleaseDC(desktop, dc);
    return names;
}

uint32_t WinStartupPlatform::PlatformVersion() { return static_cast<uint32_t>(GetVersion()); }

void WinStartupPlatform::ShowMainWindow() {
    if (!mainWindow_) return;
    ShowWindow(mainWindow_, SW_SHOW);
    UpdateWindow(mainWindow_);
}

void WinStartupPlatform::CloseMainWindow() {
    if (mainWindow_) PostMessageA(mainWindow_, WM_CLOSE, 0, 0);
}

std::optional<std::string> WinFileSystem::Environment(const std::string& name) const {
    DWORD size = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    if (size == 0) return std::nullopt;
    std::string value(size, '\0');
    DWORD length = GetEnvironmentVariableA(name.c_str(), value.data(), size);
    value.resize(length);
    return value;
}

std::vector<std::string> WinFileSystem::FilesIn(const std::string& folder) const {
    std::vector<std::string> names;
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\') pattern += '\\';
    pattern += '*';
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

void WinFileSystem::RemoveFile(const std::string& path) { DeleteFileA(path.c_str()); }

}  // namespace corvella
