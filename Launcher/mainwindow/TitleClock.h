#pragma once
// The title clock: every tick of Timer1 the caption shows the next of three
// texts (the date, the time, the program's name or " LOCKED").
#include <cstdint>
#include <string>

#include "../platform/Clock.h"
#include "../platform/MainWindowPort.h"

namespace corvella {

inline constexpr int kTitleClockIntervalMs = 3000;

// The time as "h:nnam/pm": twelve-hour, no leading zero on the hour, two
// digits of minutes ("12:05am", "3:07pm").
std::string ClockTimeText(int hour, int minute);

// One tick: sets the caption of phase `gTitlePhase` (0 date, 1 time, 2 name)
// and moves on to the next phase. A hidden caption (empty title) stays empty.
void OnTitleClockTick(int16_t& gTitlePhase, bool locked, MainWindowPort& window, const Clock& clock);

}  // namespace corvella
