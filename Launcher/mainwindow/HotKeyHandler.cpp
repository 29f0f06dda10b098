#include "HotKeyHandler.h"

namespace corvella {

void OnHotKey(const Settings& s, bool busy, const HotKeyDeps& deps) {
    if (busy) return;
    deps.receiver.SetEnabled(false);
    if (s.WindowShade == 0) {
        // Topmost for a moment raises the window above every other one.
        deps.window.SetTopMost(true);
        deps.events.LetPendingEventsRun();
        if (s.EnableOnTop == 0) deps.window.SetTopMost(false);
    } else if (deps.toggleShade) {
        deps.toggleShade();
    }
    deps.receiver.SetEnabled(true);
}

}  // namespace corvella
