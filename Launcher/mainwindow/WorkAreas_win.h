#pragma once
#include <vector>

#include "../platform/MainWindowPort.h"
#include "../platform/Screen.h"

namespace corvella {

// The work area of every monitor (the screen less its task bars), in twips.
std::vector<Placement> MonitorWorkAreas(const Screen& screen);

}  // namespace corvella
