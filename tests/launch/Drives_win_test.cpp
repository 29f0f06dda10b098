// The drive list on the real platform. The tests' Wine prefix has a CD-ROM
// drive R: (over an empty folder) besides the fixed C: and Z:.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "launch/EjectDrives.h"
#include "launch/SystemPorts_win.h"

namespace corvella {
namespace {

struct NoWait final : EventLoop {
    void LetPendingEventsRun() override {}
    void SleepMs(int ms) override { Sleep(static_cast<DWORD>(ms)); }
};

TEST(Drives, TheCdDriveIsListedAndFixedDrivesAreNot) {
    WinDrives drives;
    const std::vector<std::string> list = drives.DriveList();
    auto has = [&](const char* root) {
        return std::any_of(list.begin(), list.end(), [&](const std::string& d) { return _stricmp(d.c_str(), root) == 0; });
    };
    ASSERT_TRUE(has("C:\\"));
    ASSERT_TRUE(has("R:\\")) << "the prefix has no CD-ROM drive R:";
    EXPECT_EQ(drives.DriveType("C:\\"), kDriveFixed);
    EXPECT_EQ(drives.DriveType("R:\\"), kDriveCdRom);

    EjectDriveState state;
    WinStopwatch clock;
    NoWait events;
    BuildEjectDriveList(state, drives, clock, events);
    EXPECT_NE(std::find(state.gEjectDrives.begin(), state.gEjectDrives.end(), "R: cd"), state.gEjectDrives.end());
    for (const std::string& entry : state.gEjectDrives) EXPECT_NE(entry[0], 'C') << entry;
}

TEST(Drives, TheSystemDriveReportsItsCapacityAndAMissingDriveFails) {
    WinDrives drives;
    const std::optional<DiskCounts> c = drives.DiskFreeSpace("C:\\");
    ASSERT_TRUE(c.has_value());
    EXPECT_GT(CapacityOf(*c), 0u);
    EXPECT_FALSE(drives.DiskFreeSpace("Q:\\").has_value());
}

}  // namespace
}  // namespace corvella
