#pragma once
#include "Clock.h"

namespace corvella {

// The local time, the date in the user's short date form.
class WinClock final : public Clock {
public:
    LocalTime Now() const override;
};

}  // namespace corvella
