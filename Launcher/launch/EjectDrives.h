#pragma once
// The removable drives found at start-up, the one selected on the eject
// button MinBut, and ejecting their media: one drive from the button, or all
// of them before the session ends.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "../mainwindow/WindowControls.h"
#include "../platform/EventLoop.h"
#include "SystemPorts.h"

namespace corvella {

// How long a drive may answer "unknown" before it is left out, how long a
// drive is given to show its media, and the pause between two asks.
inline constexpr int64_t kDriveTypeWaitMs = 15000;
inline constexpr int64_t kMediaWaitMs = 2000;
inline constexpr int kDrivePollPauseMs = 50;

struct EjectDriveState {
    // "D: cd", "E: disk", ... in drive-list order.
    std::vector<std::string> gEjectDrives;
    int16_t gEjectIndex = 0;
    int16_t gEjectDriveCount() const { return static_cast<int16_t>(gEjectDrives.size()); }
};

struct EjectDeps {
    Drives& drives;
    EjectLibrary& library;
    const Stopwatch& clock;
    EventLoop& events;
    WindowControls& controls;
    std::function<void()> focusCurrentTab;
};

// Fills the list from the platform's drive list: removable-media drives as
// "X: disk", CD-ROM drives as "X: cd". A drive answering unknown is asked
// again for up to 15 seconds.
void BuildEjectDriveList(EjectDriveState& state, Drives& drives, const Stopwatch& clock, EventLoop& events);

// Selects the last entry whose letter is the first letter of `ejectDefault`
// (any case), else the first, and shows it on MinBut.
void RestoreEjectSelection(EjectDriveState& state, const std::string& ejectDefault, WindowControls& controls);

// MinBut released: the right button selects the next drive; any other
// ejects the selected one. The current tab takes the focus afterwards.
void OnMinButMouseUp(EjectDriveState& state, int button, const EjectDeps& deps);

// Ejects the media of every listed drive but A:, waiting up to 2 seconds
// each for media to show; a drive without media is left alone.
void EjectAllMedia(const EjectDriveState& state, const EjectDeps& deps);

// A disk's capacity in bytes from its counts, without overflow.
uint64_t CapacityOf(const DiskCounts& counts);

}  // namespace corvella
