#pragma once
// The window shade: rolls the main window off the top of the screen, slides
// it off the nearer side edge or minimises it, and brings it back. Every step
// of an animation lets pending events run, so the busy flag keeps a second
// shade from starting in the middle of one.
#include <functional>

#include "../dialogs/EdgeStripPort.h"
#include "../platform/EventLoop.h"
#include "../platform/MainWindowPort.h"
#include "../platform/Screen.h"
#include "../platform/WindowStatePort.h"
#include "../settings/Settings.h"
#include "../settings/SoundCues.h"
#include "WindowControls.h"

namespace corvella {

enum class ShadeMode : int16_t { TopOfScreen = 0, SideOfScreen = 1, Minimise = 2 };

struct ShadeDeps {
    Settings& settings;
    MainWindowPort& window;
    WindowStatePort& windowState;
    EdgeStripPort& strip;
    WindowControls& controls;
    const Screen& screen;
    EventLoop& events;
    const CuePlayer& cues;
    // gBusy, the busy flag shared with the icon dialog.
    std::function<bool()> busy;
    std::function<void(bool)> setBusy;
    std::function<void()> arrangeWindow;
    // Loads (true) or unloads (false) the notification-area window.
    std::function<void(bool)> loadTray;
};

// Shades the window when it is not shaded, brings it back when it is.
// Does nothing while a shade (or the icon dialog) keeps the window busy.
void ToggleShade(const ShadeDeps& deps);

// A click on the window's background, or another window asking the main
// window for the shade: the cue first when the window is about to be shaded.
void RequestShade(const ShadeDeps& deps);

// Puts the window above all non-topmost windows, or back among them.
void SetTopMost(MainWindowPort& window, bool onTop);

}  // namespace corvella
