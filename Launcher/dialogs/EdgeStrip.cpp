#include "EdgeStrip.h"

namespace corvella {

void OnStripMouseMove(EdgeStripPort& strip) { strip.SetBackColor(kStripFlashColour); }

void OnStripTimer(EdgeStripPort& strip) {
    if (strip.BackColor() == kStripFlashColour) strip.SetBackColor(kStripRestColour);
}

void OnStripMouseUp(EdgeStripPort& strip, bool launcherBusy, int16_t windowShade,
                    const std::function<void()>& toggleShade) {
    if (launcherBusy) return;
    if (windowShade == 1 && toggleShade) toggleShade();
    strip.Hide();
}

}  // namespace corvella
