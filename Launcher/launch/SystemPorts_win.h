#pragma once
// The system actions' ports on the real platform.
#include <windows.h>

#include <string>

#include "SystemPorts.h"

namespace corvella {

class WinDrives final : public Drives {
public:
    std::vector<std::string> DriveList() override;
    int DriveType(const std::string& root) override;
    std::optional<DiskCounts> DiskFreeSpace(const std::string& root) override;
};

class WinStopwatch final : public Stopwatch {
public:
    int64_t Milliseconds() const override { return static_cast<int64_t>(GetTickCount64()); }
};

class WinSession final : public Session {
public:
    ~WinSession() override;
    void ClearLastError() override { SetLastError(0); }
    uint32_t OpenCurrentProcess() override;
    uint32_t OpenProcessToken() override;
    uint32_t LookupShutdownPrivilege() override;
    uint32_t AdjustTokenPrivileges() override;
    void EndSession(uint32_t flags, uint32_t reserved) override;

private:
    HANDLE process_ = nullptr;
    HANDLE token_ = nullptr;
    LUID privilege_{};
};

// eject.dll, loaded on the first call from the program folder and from
// nowhere else: a library of that name planted in the current folder or on
// the path is never looked at. Without the library a call does nothing.
class WinEjectLibrary final : public EjectLibrary {
public:
    explicit WinEjectLibrary(std::string programFolder) : programFolder_(std::move(programFolder)) {}
    ~WinEjectLibrary() override;
    void Eject(int16_t driveNumber, uint8_t letterCode) override;
    // Whether the library is loaded (after the first call).
    bool Loaded() const { return module_ != nullptr; }

private:
    using EjectFunction = int(WINAPI*)(short, BYTE);
    void Load();

    std::string programFolder_;
    bool tried_ = false;
    HMODULE module_ = nullptr;
    EjectFunction eject_ = nullptr;
};

// Loads `path` (a full path) without searching anywhere for the library
// itself; its own dependencies come from its folder and the system folder.
HMODULE LoadLibraryByFullPath(const std::string& path);

}  // namespace corvella
