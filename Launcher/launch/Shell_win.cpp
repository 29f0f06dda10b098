#include "Shell_win.h"

#include <shellapi.h>

#include <utility>

#include "../platform/Desktop_win.h"

namespace corvella {

namespace {

// The shell takes an empty parameter or folder text and a null one alike;
// null says "none" without doubt.
const char* TextOrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

// A list of paths as the shell's file operations want it: each path ends in
// a NUL and the list in one more. `list` already ends each path in a NUL;
// two more close it even when its last path lacks one.
std::string ClosedPathList(std::string list) {
    list.append(2, '\0');
    return list;
}

}  // namespace

WinShell::WinShell(std::function<HWND()> ownerWindow) : ownerWindow_(std::move(ownerWindow)) {}

bool WinShell::Open(const std::string& file, const std::string& parameters, const std::string& directory) {
    ShellExecuteA(GetDesktopWindow(), "open", file.c_str(), TextOrNull(parameters), TextOrNull(directory),
                  SW_SHOWNORMAL);
    return true;
}

void WinShell::StartCommand(const std::string& commandLine) {
    // CreateProcessA may write into the command line it is given.
    std::string writable = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void WinShell::PlaySound(const std::string& path) { WinSoundPlayer().PlayAsync(path); }

std::string WinShell::ShortPath(const std::string& path) {
    constexpr DWORD kCapacity = 255;
    char buffer[kCapacity + 1] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, kCapacity);
    // A length as large as the buffer is the size it would have needed.
    if (length == 0 || length >= kCapacity) return std::string();
    return std::string(buffer, length);
}

bool WinShell::IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

Shell::CopyResult WinShell::CopyInto(const std::string& sources, const std::string& folderWithBackslash) {
    const std::string from = ClosedPathList(sources);
    const std::string to = ClosedPathList(folderWithBackslash);
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = ownerWindow_ ? ownerWindow_() : nullptr;
    operation.wFunc = FO_COPY;
    operation.pFrom = from.c_str();
    operation.pTo = to.c_str();
    operation.fFlags = 0;
    operation.lpszProgressTitle = nullptr;
    CopyResult copy;
    copy.result = SHFileOperationA(&operation);
    copy.aborted = operation.fAnyOperationsAborted != FALSE;
    return copy;
}

}  // namespace corvella
