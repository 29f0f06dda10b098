#include "HotKeyHandler.h"

namespace corvella {

void OnHotKey(const Settings& s, bool busy, const HotKeyDeps& deps) {
    if (busy) return;
    deps.receiver.SetEnabled(false);
    // A window minimised by hand (and so hidden behind the tray icon) comes
    // back the way a minimised shade does; raising it alone would not show it.
    if (s.WindowShade == 0 && !deps.window.IsMinimised()) {
        // Topmost for a moment raises the window above every other one.
        deps.window.SetTopMost(true);
        deps.events.LetPendingEventsRun();
        if (s.EnableOnTop == 0) deps.window.SetTopMost(false);
    } else {
        if (deps.toggleShade) deps.toggleShade();
        if (deps.hideShadeBar) deps.hideShadeBar();
    }
    deps.receiver.SetEnabled(true);
}

}  // namespace corvella
