#include "EjectDrives.h"

#include <cctype>

namespace corvella {

namespace {

char UpperLetter(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool IsDriveLetter(char c) { return c >= 'A' && c <= 'Z'; }

// The platform takes a moment to learn what a drive just attached is; it
// says "unknown" or "no root" until then.
int SettledDriveType(const std::string& root, Drives& drives, const Stopwatch& clock, EventLoop& events) {
    const int64_t start = clock.Milliseconds();
    int type = drives.DriveType(root);
    while (type < kDriveRemovable && clock.Milliseconds() - start < kDriveTypeWaitMs) {
        events.SleepMs(kDrivePollPauseMs);
        type = drives.DriveType(root);
    }
    return type;
}

void Eject(char letter, EjectLibrary& library) {
    const auto code = static_cast<uint8_t>(UpperLetter(letter));
    library.Eject(static_cast<int16_t>(code - 64), code);
}

bool HasMedia(char letter, const EjectDeps& deps) {
    const std::string root = std::string(1, letter) + ":\\";
    const int64_t start = deps.clock.Milliseconds();
    DiskCounts counts;
    for (;;) {
        if (auto answer = deps.drives.DiskFreeSpace(root)) counts = *answer;
        if (CapacityOf(counts) > 0) return true;
        if (deps.clock.Milliseconds() - start >= kMediaWaitMs) return false;
        deps.events.LetPendingEventsRun();
        deps.events.SleepMs(kDrivePollPauseMs);
    }
}

}  // namespace

uint64_t CapacityOf(const DiskCounts& c) {
    return uint64_t{c.sectorsPerCluster} * c.bytesPerSector * c.totalClusters;
}

void BuildEjectDriveList(EjectDriveState& state, Drives& drives, const Stopwatch& clock, EventLoop& events) {
    state.gEjectDrives.clear();
    for (const std::string& entry : drives.DriveList()) {
        if (entry.size() < 2 || entry[1] != ':') continue;
        const char letter = UpperLetter(entry[0]);
        if (!IsDriveLetter(letter)) continue;
        const int type = SettledDriveType(std::string(1, letter) + ":\\", drives, clock, events);
        if (type == kDriveRemovable) state.gEjectDrives.push_back(std::string(1, letter) + ": disk");
        if (type == kDriveCdRom) state.gEjectDrives.push_back(std::string(1, letter) + ": cd");
    }
    state.gEjectIndex = 0;
}

void RestoreEjectSelection(EjectDriveState& state, const std::string& ejectDefault, WindowControls& controls) {
    state.gEjectIndex = 0;
    if (!ejectDefault.empty()) {
        const char wanted = UpperLetter(ejectDefault[0]);
        for (size_t i = 0; i < state.gEjectDrives.size(); ++i)
            if (UpperLetter(state.gEjectDrives[i][0]) == wanted) state.gEjectIndex = static_cast<int16_t>(i);
    }
    const bool any = !state.gEjectDrives.empty();
    controls.SetCaption({ControlName::MinBut}, any ? state.gEjectDrives[static_cast<size_t>(state.gEjectIndex)] : "");
}

void OnMinButMouseUp(EjectDriveState& state, int button, const EjectDeps& deps) {
    constexpr int kRightButton = 2;
    const int16_t count = state.gEjectDriveCount();
    if (button != kRightButton) {
        deps.controls.Focus({ControlName::hider});
        if (state.gEjectIndex >= 0 && state.gEjectIndex < count)
            Eject(state.gEjectDrives[static_cast<size_t>(state.gEjectIndex)][0], deps.library);
    } else if (count > 0) {
        state.gEjectIndex = static_cast<int16_t>(state.gEjectIndex + 1 >= count ? 0 : state.gEjectIndex + 1);
        deps.controls.SetCaption({ControlName::MinBut}, state.gEjectDrives[static_cast<size_t>(state.gEjectIndex)]);
    }
    if (deps.focusCurrentTab) deps.focusCurrentTab();
}

void EjectAllMedia(const EjectDriveState& state, const EjectDeps& deps) {
    for (const std::string& entry : state.gEjectDrives) {
        const char letter = UpperLetter(entry[0]);
        if (letter == 'A') continue;
        if (HasMedia(letter, deps)) Eject(letter, deps.library);
    }
}

}  // namespace corvella
