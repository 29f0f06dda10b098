#include "Shutdown.h"

namespace corvella {

void OnMainWindowCloseRequest(Settings& s, const SettingsDeps& deps) {
    SaveSettings(s, deps);
    SaveSwitches(s, deps);
    deps.events.LetPendingEventsRun();
}

}  // namespace corvella
