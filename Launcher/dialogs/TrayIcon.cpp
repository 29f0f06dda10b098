#include "TrayIcon.h"

namespace corvella {

void TrayClickHandler::OnIconMessage(int mouseMessage, const TrayClickDeps& d) {
    if (busy_) return;
    busy_ = true;
    if (mouseMessage != kLeftButtonUp && mouseMessage != kRightButtonUp) {
        busy_ = false;
        return;
    }
    if (d.windowState.IsVisible() && !d.window.IsMinimised()) {
        d.toggleShade();
        busy_ = false;
        return;
    }
    Restore(d);
}

void TrayClickHandler::Restore(const TrayClickDeps& d) {
    d.windowState.RestoreNormal();
    d.events.LetPendingEventsRun();
    d.windowState.Show();
    d.events.LetPendingEventsRun();
    d.windowState.MakeVisible();
    d.events.LetPendingEventsRun();
    d.clearWindowShade();
    busy_ = false;
    if (d.settings.EnableTrayIcon == 0) d.unloadTray();
}

}  // namespace corvella
