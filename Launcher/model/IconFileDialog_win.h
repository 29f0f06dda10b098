#pragma once
#include <windows.h>

#include <string>

namespace corvella {

// The platform's open-file dialog for choosing a button's icon file: the
// chosen path, or empty when cancelled.
std::string ChooseIconFile(HWND owner);

}  // namespace corvella
