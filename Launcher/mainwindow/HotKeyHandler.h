#pragma once
#include <functional>

#include "../platform/HotKeyReceiverPort.h"
#include "../platform/MainWindowPort.h"
#include "../platform/EventLoop.h"
#include "../settings/Settings.h"

namespace corvella {

struct HotKeyDeps {
    MainWindowPort& window;
    EventLoop& events;
    HotKeyReceiverPort& receiver;
    // Rolls the window back when it is shaded.
    std::function<void()> toggleShade;
    // Hides the shade bar once the window is back.
    std::function<void()> hideShadeBar;
};

// The global hot key was pressed: the window comes to the front (or back from
// the shade), with the receiver disarmed meanwhile. Nothing while a shade
// runs (`busy`).
void OnHotKey(const Settings& s, bool busy, const HotKeyDeps& deps);

}  // namespace corvella
