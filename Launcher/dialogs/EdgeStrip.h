#pragma once
// Form2, the edge strip: flashes red while the pointer moves over it and
// brings the main window back when clicked.
#include <cstdint>
#include <functional>

#include "EdgeStripPort.h"

namespace corvella {

inline constexpr int32_t kStripFlashColour = 255;  // pure red
inline constexpr int32_t kStripRestColour = 0;     // black
inline constexpr int kStripTimerIntervalMs = 250;

void OnStripMouseMove(EdgeStripPort& strip);
void OnStripTimer(EdgeStripPort& strip);

// A mouse button was released over the strip. While a dialog of the launcher
// (or a running shade) keeps it busy, nothing happens.
void OnStripMouseUp(EdgeStripPort& strip, bool launcherBusy, int16_t windowShade,
                    const std::function<void()>& toggleShade);

}  // namespace corvella
