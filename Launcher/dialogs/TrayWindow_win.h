#pragma once
// frmTray: a hidden window that owns the notification-area icon. Loading it
// adds the icon, unloading it removes the icon; the icon's mouse messages
// arrive as its mouse-move message.
#include <windows.h>
#include <shellapi.h>

#include <functional>

#include "AuxWindow_win.h"

namespace corvella {

class TrayWindow final : public AuxWindow {
public:
    explicit TrayWindow(HINSTANCE instance) : instance_(instance) {}
    ~TrayWindow() override;

    // Creates the window and adds the icon; nothing when already loaded.
    void Load();
    // Removes the icon and destroys the window (also from inside its own
    // message handler: the object outlives the window).
    void Unload();
    bool Loaded() const { return Exists(); }
    // The shell took the icon: a window hidden behind it can be found again.
    bool IconShown() const { return iconAdded_; }

    static constexpr char kClassName[] = "CorvellaTray";

    // The icon reported a mouse message (514 left release, 517 right release, ...).
    std::function<void(int mouseMessage)> onIconMessage;

private:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroyed() override;
    NOTIFYICONDATAA Record() const;

    HINSTANCE instance_;
    HICON icon_ = nullptr;
    bool iconAdded_ = false;
};

}  // namespace corvella
