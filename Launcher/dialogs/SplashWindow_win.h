#pragma once
// frmSplash, the welcome window: the program's picture, its version, a Help
// button that opens the tour and a button that closes it. Shown without
// waiting while the launcher starts, and modally by the About command.
#include <functional>
#include <string>

#include "AuxWindow_win.h"

namespace corvella {

class SplashWindow final : public AuxWindow {
public:
    SplashWindow(HINSTANCE instance, const Screen& screen) : instance_(instance), screen_(screen) {}
    ~SplashWindow() override;

    // Created hidden, its buttons disabled until start-up is done.
    bool Load(bool largeFonts);
    // Shown without taking the focus from anything and without waiting.
    void ShowWithoutWaiting();
    void Unload() { Destroy(); }
    // Loads (if needed), shows the window and returns when it is closed.
    void ShowModal(HWND owner, bool largeFonts);

    static constexpr char kClassName[] = "CorvellaSplash";
    static constexpr int kCloseId = 3;  // Command3
    static constexpr int kHelpId = 4;   // Command4

    // The hot-key receiver is disarmed while the window is active and armed
    // again when it closes.
    std::function<void(bool enabled)> setHotKeyEnabled;
    // Help: the tour, modally.
    std::function<void(HWND owner)> showTour;

private:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroyed() override;
    void Layout(bool largeFonts);
    void Paint(HDC dc) override;

    HINSTANCE instance_;
    const Screen& screen_;
    HBITMAP picture_ = nullptr;
    RECT pictureRect_{};
    POINT versionAt_{};
    HWND close_ = nullptr, help_ = nullptr;
};

}  // namespace corvella
