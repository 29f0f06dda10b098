#pragma once
// The notification-area icon's owner window (frmTray): the record given to
// the shell, and what a click on the icon does.
#include <cstdint>
#include <functional>

#include "../platform/EventLoop.h"
#include "../platform/MainWindowPort.h"
#include "../platform/WindowStatePort.h"
#include "../settings/Settings.h"

namespace corvella {

inline constexpr char kTrayCaption[] = "Tray";
inline constexpr char kTrayTip[] = "Corvella";
inline constexpr uint32_t kTrayIconId = 1;
// Message, icon and tip are valid.
inline constexpr uint32_t kTrayFlags = 7;
// The icon reports its mouse events as this message (the mouse-move
// message number), with the mouse message itself in place of X.
inline constexpr uint32_t kTrayCallbackMessage = 512;
// The record's size in the 32-bit layout the shell has always accepted.
inline constexpr uint32_t kTrayRecordSize = 88;
inline constexpr int kLeftButtonUp = 514;
inline constexpr int kRightButtonUp = 517;

struct TrayClickDeps {
    const Settings& settings;
    MainWindowPort& window;
    WindowStatePort& windowState;
    EventLoop& events;
    // Back from the shade, or rolled away (Settings.WindowShade is cleared on restore).
    std::function<void()> toggleShade;
    std::function<void()> clearWindowShade;
    // Unloads the owner window, which removes the icon.
    std::function<void()> unloadTray;
};

class TrayClickHandler {
public:
    // The icon's callback message arrived with `mouseMessage`.
    void OnIconMessage(int mouseMessage, const TrayClickDeps& deps);
    bool busy() const { return busy_; }

private:
    void Restore(const TrayClickDeps& deps);
    bool busy_ = false;
};

}  // namespace corvella
