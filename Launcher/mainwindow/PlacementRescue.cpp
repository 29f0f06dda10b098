#include "PlacementRescue.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace corvella {

namespace {

int64_t Overlap(int32_t a0, int32_t a1, int32_t b0, int32_t b1) {
    return std::max<int64_t>(0, static_cast<int64_t>(std::min(a1, b1)) - std::max(a0, b0));
}

// The gap between two ranges along one axis (0 when they meet or overlap).
int64_t Gap(int32_t a0, int32_t a1, int32_t b0, int32_t b1) {
    if (a1 < b0) return static_cast<int64_t>(b0) - a1;
    if (b1 < a0) return static_cast<int64_t>(a0) - b1;
    return 0;
}

bool Reachable(const Placement& w, const Placement& area, RescueGrip grip) {
    const int64_t across = Overlap(w.left, w.left + w.width, area.left, area.left + area.width);
    const int64_t down = Overlap(w.top, w.top + w.height, area.top, area.top + area.height);
    return across >= std::min(grip.width, w.width) && down >= std::min(grip.height, w.height) && across > 0 &&
           down > 0;
}

int64_t DistanceSquared(const Placement& w, const Placement& area) {
    const int64_t dx = Gap(w.left, w.left + w.width, area.left, area.left + area.width);
    const int64_t dy = Gap(w.top, w.top + w.height, area.top, area.top + area.height);
    return dx * dx + dy * dy;
}

int32_t Fit(int32_t start, int32_t& length, int32_t areaStart, int32_t areaLength) {
    length = std::min(length, areaLength);
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

}  // namespace

std::optional<Placement> RescuePlacement(const Placement& window, std::span<const Placement> workAreas,
                                         RescueGrip grip) {
    if (workAreas.empty()) return std::nullopt;
    for (const Placement& area : workAreas)
        if (Reachable(window, area, grip)) return std::nullopt;
    const Placement* nearest = nullptr;
    int64_t best = std::numeric_limits<int64_t>::max();
    for (const Placement& area : workAreas) {
        const int64_t d = DistanceSquared(window, area);
        if (d < best) best = d, nearest = &area;
    }
    Placement moved = window;
    moved.left = Fit(window.left, moved.width, nearest->left, nearest->width);
    moved.top = Fit(window.top, moved.height, nearest->top, nearest->height);
    return moved;
}

}  // namespace corvella
