#pragma once
// The global hot-key receiver: raises onHotKey once per press of the
// configured combination anywhere on the desktop, while enabled.
#include <windows.h>

#include <functional>

#include "external/HotKeyPress.h"
#include "platform/HotKeyReceiverPort.h"

namespace corvella {

class HotKeyReceiver final : public HotKeyReceiverPort {
public:
    // The receiver works on the thread of `owner`; onHotKey runs there too.
    explicit HotKeyReceiver(HWND owner);
    ~HotKeyReceiver() override;
    HotKeyReceiver(const HotKeyReceiver&) = delete;
    HotKeyReceiver& operator=(const HotKeyReceiver&) = delete;

    void SetKeyCode(int32_t virtualKey) override;
    void SetShift(bool required) override;
    void SetControl(bool required) override;
    void SetSensitivity(int32_t value) override;
    void SetEnabled(bool enabled) override;

    bool Armed() const { return timer_ != 0; }

    std::function<void()> onHotKey;

private:
    void Rearm();
    void Disarm();
    void Poll();
    static LRESULT CALLBACK WatcherProc(HWND, UINT, WPARAM, LPARAM);

    HWND watcher_ = nullptr;
    UINT_PTR timer_ = 0;
    HotKeyWatch watch_;
};

}  // namespace corvella
