#pragma once
// Keeps the main window reachable: a placement saved on a monitor that has
// since gone (unplugged, or a lower resolution) is moved fully onto the
// nearest monitor's work area instead of opening where nobody can reach it.
#include <optional>
#include <span>

#include "../platform/MainWindowPort.h"

namespace corvella {

// How much of the window must lie on one work area for it to count as
// reachable (a grip on the caption): in the placement's own unit.
struct RescueGrip {
    int32_t width;
    int32_t height;
};

// The placement to move the window to, or none when it may stay where it
// is. A window larger than the chosen work area is shrunk to fit it.
std::optional<Placement> RescuePlacement(const Placement& window, std::span<const Placement> workAreas,
                                         RescueGrip grip);

}  // namespace corvella
