#pragma once
// What the system actions ask of the platform: the drives, the eject
// library, a stopwatch for the polls, and the session (privilege and exit).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvella {

// Drive types as the platform numbers them.
inline constexpr int kDriveUnknown = 0;
inline constexpr int kDriveNoRootDir = 1;
inline constexpr int kDriveRemovable = 2;
inline constexpr int kDriveFixed = 3;
inline constexpr int kDriveRemote = 4;
inline constexpr int kDriveCdRom = 5;

// The four counts of a disk's free-space query.
struct DiskCounts {
    uint32_t sectorsPerCluster = 0;
    uint32_t bytesPerSector = 0;
    uint32_t freeClusters = 0;
    uint32_t totalClusters = 0;
};

class Drives {
public:
    virtual ~Drives() = default;
    // The drive list as the platform reports it, one entry per drive, each
    // starting with the letter and a colon ("c:", "d:\", ...).
    virtual std::vector<std::string> DriveList() = 0;
    // The type of the drive whose root is `root` ("D:\").
    virtual int DriveType(const std::string& root) = 0;
    // The counts of `root`, or nothing when the query fails (no media).
    virtual std::optional<DiskCounts> DiskFreeSpace(const std::string& root) = 0;
};

// The one function of the eject library; a missing library does nothing.
class EjectLibrary {
public:
    virtual ~EjectLibrary() = default;
    virtual void Eject(int16_t driveNumber, uint8_t letterCode) = 0;
};

// Time passed, for the polls that give up after a while.
class Stopwatch {
public:
    virtual ~Stopwatch() = default;
    virtual int64_t Milliseconds() const = 0;
};

// The end of the session. The privilege steps each answer the platform's
// last-error value after the step (the value is cleared once, before the
// first step, and not between steps).
class Session {
public:
    virtual ~Session() = default;
    virtual void ClearLastError() = 0;
    virtual uint32_t OpenCurrentProcess() = 0;
    virtual uint32_t OpenProcessToken() = 0;
    virtual uint32_t LookupShutdownPrivilege() = 0;
    virtual uint32_t AdjustTokenPrivileges() = 0;
    // Ends the session; the result is not examined.
    virtual void EndSession(uint32_t flags, uint32_t reserved) = 0;
};

}  // namespace corvella
