#include "TitleClock.h"

namespace corvella {

std::string ClockTimeText(int hour, int minute) {
    const int twelve = hour % 12 == 0 ? 12 : hour % 12;
    std::string text = std::to_string(twelve) + ":";
    if (minute < 10) text += "0";
    text += std::to_string(minute);
    text += hour < 12 ? "am" : "pm";
    return text;
}

void OnTitleClockTick(int16_t& gTitlePhase, bool locked, MainWindowPort& window, const Clock& clock) {
    if (window.Title().empty()) return;
    switch (gTitlePhase) {
        case 0:
            window.SetTitle(" " + clock.Now().shortDate);
            gTitlePhase = 1;
            return;
        case 1: {
            const LocalTime now = clock.Now();
            window.SetTitle(" " + ClockTimeText(now.hour, now.minute));
            gTitlePhase = 2;
            return;
        }
        default:
            window.SetTitle(locked ? " LOCKED" : " Corvella");
            gTitlePhase = 0;
            return;
    }
}

}  // namespace corvella
