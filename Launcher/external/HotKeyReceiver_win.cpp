// The hot-key receiver watches the keyboard by polling rather than by a
// system-wide registration: a registration takes the key away from every
// other program (Scroll Lock, the default, would stop toggling its light) and
// repeats with the keyboard's auto-repeat, while a poll sees the key as it is
// and leaves it alone. A hidden message-only window owns the timer, so the
// event runs on the owner's thread in its ordinary message loop.
#include "external/HotKeyReceiver_win.h"

namespace corvella {

namespace {

constexpr char kWatcherClass[] = "CorvellaHotKeyWatcher";
constexpr UINT_PTR kPollTimer = 1;

bool Down(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

KeyboardSample SampleKeyboard(int32_t key) {
    KeyboardSample sample;
    sample.key = key > 0 && key < 255 && Down(key);
    sample.shift = Down(VK_SHIFT);
    sample.control = Down(VK_CONTROL);
    sample.alt = Down(VK_MENU);
    return sample;
}

ATOM WatcherClass(HINSTANCE instance, WNDPROC procedure) {
    static ATOM atom = 0;
    if (atom) return atom;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = instance;
    wc.lpszClassName = kWatcherClass;
    atom = RegisterClassExA(&wc);
    return atom;
}

}  // namespace

HotKeyReceiver::HotKeyReceiver(HWND owner) {
    HINSTANCE instance = owner ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE))
                               : GetModuleHandleA(nullptr);
    if (!instance) instance = GetModuleHandleA(nullptr);
    ATOM atom = WatcherClass(instance, WatcherProc);
    if (!atom) return;
    watcher_ = CreateWindowExA(0, MAKEINTATOM(atom), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (watcher_) SetWindowLongPtrA(watcher_, 0, reinterpret_cast<LONG_PTR>(this));
}

HotKeyReceiver::~HotKeyReceiver() {
    Disarm();
    if (watcher_) {
        SetWindowLongPtrA(watcher_, 0, 0);
        DestroyWindow(watcher_);
    }
}

void HotKeyReceiver::SetKeyCode(int32_t virtualKey) {
    watch_.SetKey(virtualKey);
    Rearm();
}

void HotKeyReceiver::SetShift(bool required) {
    watch_.SetShift(required);
    Rearm();
}

void HotKeyReceiver::SetControl(bool required) {
    watch_.SetControl(required);
    Rearm();
}

void HotKeyReceiver::SetSensitivity(int32_t value) {
    watch_.SetSensitivity(value);
    Rearm();
}

void HotKeyReceiver::SetEnabled(bool enabled) {
    watch_.SetEnabled(enabled);
    Rearm();
}

// Any change of the combination or the interval starts a fresh watch.
void HotKeyReceiver::Rearm() {
    Disarm();
    if (!watcher_ || !watch_.ShouldWatch()) return;
    watch_.Start(SampleKeyboard(watch_.Combination().key));
    timer_ = SetTimer(watcher_, kPollTimer, static_cast<UINT>(PollIntervalMs(watch_.Sensitivity())), nullptr);
}

void HotKeyReceiver::Disarm() {
    if (timer_ && watcher_) KillTimer(watcher_, kPollTimer);
    timer_ = 0;
}

void HotKeyReceiver::Poll() {
    if (!timer_) return;
    if (!watch_.Observe(SampleKeyboard(watch_.Combination().key))) return;
    if (onHotKey) onHotKey();
}

LRESULT CALLBACK HotKeyReceiver::WatcherProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_TIMER && wParam == kPollTimer) {
            if (auto* self = reinterpret_cast<HotKeyReceiver*>(GetWindowLongPtrA(window, 0))) self->Poll();
            return 0;
        }
    } catch (...) {
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace corvella
