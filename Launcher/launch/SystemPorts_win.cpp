#include "SystemPorts_win.h"

#include <vector>

namespace corvella {

std::vector<std::string> WinDrives::DriveList() {
    std::vector<char> buffer(GetLogicalDriveStringsA(0, nullptr) + 1u, '\0');
    const DWORD length = GetLogicalDriveStringsA(static_cast<DWORD>(buffer.size()), buffer.data());
    std::vector<std::string> drives;
    if (length == 0 || length >= buffer.size()) return drives;
    for (const char* p = buffer.data(); *p; p += drives.back().size() + 1) drives.emplace_back(p);
    return drives;
}

int WinDrives::DriveType(const std::string& root) { return static_cast<int>(GetDriveTypeA(root.c_str())); }

std::optional<DiskCounts> WinDrives::DiskFreeSpace(const std::string& root) {
    // An empty drive must answer at once, not with the platform's "insert a
    // disk" box.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    DWORD spc = 0, bps = 0, free = 0, total = 0;
    const BOOL ok = GetDiskFreeSpaceA(root.c_str(), &spc, &bps, &free, &total);
    SetErrorMode(oldMode);
    if (!ok) return std::nullopt;
    return DiskCounts{spc, bps, free, total};
}

WinSession::~WinSession() {
    if (token_) CloseHandle(token_);
}

uint32_t WinSession::OpenCurrentProcess() {
    process_ = GetCurrentProcess();
    return GetLastError();
}

uint32_t WinSession::OpenProcessToken() {
    if (token_) CloseHandle(token_);
    token_ = nullptr;
    ::OpenProcessToken(process_, TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token_);
    return GetLastError();
}

uint32_t WinSession::LookupShutdownPrivilege() {
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privilege_);
    return GetLastError();
}

uint32_t WinSession::AdjustTokenPrivileges() {
    TOKEN_PRIVILEGES wanted{};
    wanted.PrivilegeCount = 1;
    wanted.Privileges[0].Luid = privilege_;
    wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    TOKEN_PRIVILEGES previous{};
    DWORD returned = 0;
    ::AdjustTokenPrivileges(token_, FALSE, &wanted, sizeof previous, &previous, &returned);
    return GetLastError();
}

void WinSession::EndSession(uint32_t flags, uint32_t reserved) { ExitWindowsEx(flags, reserved); }

HMODULE LoadLibraryByFullPath(const std::string& path) {
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr,
                                    LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Systems without those flags refuse them; a full path with the altered
    // search order still names the one file.
    if (!module && GetLastError() == ERROR_INVALID_PARAMETER)
        module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    return module;
}

WinEjectLibrary::~WinEjectLibrary() {
    if (module_) FreeLibrary(module_);
}

void WinEjectLibrary::Load() {
    tried_ = true;
    if (programFolder_.empty()) return;
    module_ = LoadLibraryByFullPath(programFolder_ + "\\eject.dll");
    if (module_) eject_ = reinterpret_cast<EjectFunction>(reinterpret_cast<void*>(GetProcAddress(module_, "Eject")));
}

void WinEjectLibrary::Eject(int16_t driveNumber, uint8_t letterCode) {
    if (!tried_) Load();
    if (eject_) eject_(driveNumber, letterCode);
}

}  // namespace corvella
