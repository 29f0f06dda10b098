#pragma once
#include <string>

namespace corvella {

// "8514" when the desktop's font is taller than 16 pixels (large fonts),
// else "VGA".
std::string ScreenClass();

}  // namespace corvella
