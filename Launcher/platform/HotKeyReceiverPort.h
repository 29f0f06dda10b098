#pragma once
#include <cstdint>

namespace corvella {

// The global hot-key receiver as the launcher drives it: arm it by setting the
// key code, the Shift and Control flags, the sensitivity, then Enabled.
class HotKeyReceiverPort {
public:
    virtual ~HotKeyReceiverPort() = default;
    virtual void SetKeyCode(int32_t virtualKey) = 0;
    virtual void SetShift(bool required) = 0;
    virtual void SetControl(bool required) = 0;
    virtual void SetSensitivity(int32_t value) = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

}  // namespace corvella
