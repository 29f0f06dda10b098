#pragma once
// The portable half of the hot-key receiver: when the keyboard state counts as
// the configured combination, and the once-per-press rule.
//
// The receiver polls the keyboard (see HotKeyReceiver_win.cpp). Its
// sensitivity is the polling interval in milliseconds: 2 (most sensitive) to
// 500 (the combination must be held for about half a second to be seen); the
// window system's timers tick no faster than every 10 ms, so 2 and 5 poll as
// fast as it allows. 0 stops the watcher (the launcher sets it at shut-down).
#include <cstdint>

namespace corvella {

struct HotKeyCombination {
    int32_t key = 0;  // virtual-key code, 1..254
    bool shift = false;
    bool control = false;
};

// One look at the keyboard.
struct KeyboardSample {
    bool key = false;
    bool shift = false;
    bool control = false;
    bool alt = false;
};

// The modifiers must match exactly (Shift and Control held when required and
// not held otherwise, Alt never), so that Ctrl+key and key are different hot
// keys. A modifier that is itself the hot key is not checked twice.
bool CombinationHeld(const HotKeyCombination& combination, const KeyboardSample& sample);

constexpr int32_t kMinSensitivity = 2;
constexpr int32_t kMaxSensitivity = 500;
constexpr int kTimerFloorMs = 10;

// Milliseconds between two looks at the keyboard; 0 when not to watch.
int PollIntervalMs(int32_t sensitivity);

// State of one receiver. Enabled and a valid key and sensitivity mean the
// watcher runs; a press raises the event once, however long the key is held
// and however often the keyboard repeats it.
class HotKeyWatch {
public:
    void SetKey(int32_t key) { combination_.key = key; }
    void SetShift(bool required) { combination_.shift = required; }
    void SetControl(bool required) { combination_.control = required; }
    // 0 stops the watcher; other values outside 2..500 are ignored.
    void SetSensitivity(int32_t value);
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    const HotKeyCombination& Combination() const { return combination_; }
    int32_t Sensitivity() const { return sensitivity_; }
    bool Enabled() const { return enabled_; }
    bool ShouldWatch() const;

    // Starts a watch: a combination already held when the watch starts (the
    // user still holds the hot key when the launcher re-arms after handling
    // it) does not count until it has been released.
    void Start(const KeyboardSample& now);
    // One look at the keyboard; true when this look begins a new press.
    bool Observe(const KeyboardSample& now);

private:
    HotKeyCombination combination_;
    int32_t sensitivity_ = 0;
    bool enabled_ = false;
    bool held_ = false;
};

}  // namespace corvella
