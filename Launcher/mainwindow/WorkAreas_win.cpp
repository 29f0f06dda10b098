#include "WorkAreas_win.h"

#include <windows.h>

namespace corvella {

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) reinterpret_cast<std::vector<RECT>*>(data)->push_back(info.rcWork);
    return TRUE;
}

}  // namespace

std::vector<Placement> MonitorWorkAreas(const Screen& screen) {
    std::vector<RECT> pixels;
    EnumDisplayMonitors(nullptr, nullptr, &AddWorkArea, reinterpret_cast<LPARAM>(&pixels));
    const int tx = screen.TwipsPerPixelX(), ty = screen.TwipsPerPixelY();
    std::vector<Placement> areas;
    for (const RECT& r : pixels)
        areas.push_back({r.left * tx, r.top * ty, (r.right - r.left) * tx, (r.bottom - r.top) * ty});
    return areas;
}

}  // namespace corvella
