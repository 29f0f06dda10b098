#pragma once
#include "SettingsFile.h"

namespace corvella {

// The main window's close request, whatever its cause: the options and the
// switches are saved (nothing is written while the configuration is locked).
void OnMainWindowCloseRequest(Settings& s, const SettingsDeps& deps);

}  // namespace corvella
