#include "external/HotKeyPress.h"

namespace corvella {

namespace {
constexpr int32_t kShiftKeys[] = {0x10, 0xA0, 0xA1};    // Shift, left, right
constexpr int32_t kControlKeys[] = {0x11, 0xA2, 0xA3};  // Control, left, right

template <typename Keys>
bool IsOneOf(int32_t key, const Keys& keys) {
    for (int32_t k : keys)
        if (k == key) return true;
    return false;
}
}  // namespace

bool CombinationHeld(const HotKeyCombination& combination, const KeyboardSample& sample) {
    if (!sample.key || sample.alt) return false;
    if (!IsOneOf(combination.key, kShiftKeys) && sample.shift != combination.shift) return false;
    if (!IsOneOf(combination.key, kControlKeys) && sample.control != combination.control) return false;
    return true;
}

int PollIntervalMs(int32_t sensitivity) {
    if (sensitivity < kMinSensitivity || sensitivity > kMaxSensitivity) return 0;
    return sensitivity < kTimerFloorMs ? kTimerFloorMs : sensitivity;
}

void HotKeyWatch::SetSensitivity(int32_t value) {
    if (value == 0 || (value >= kMinSensitivity && value <= kMaxSensitivity)) sensitivity_ = value;
}

bool HotKeyWatch::ShouldWatch() const {
    return enabled_ && combination_.key > 0 && combination_.key < 255 && PollIntervalMs(sensitivity_) > 0;
}

void HotKeyWatch::Start(const KeyboardSample& now) { held_ = CombinationHeld(combination_, now); }

bool HotKeyWatch::Observe(const KeyboardSample& now) {
    bool heldNow = ShouldWatch() && CombinationHeld(combination_, now);
    bool pressed = heldNow && !held_;
    held_ = heldNow;
    return pressed;
}

}  // namespace corvella
