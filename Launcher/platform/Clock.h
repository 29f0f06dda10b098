#pragma once
#include <string>

namespace corvella {

// The local date and time as the title clock shows them.
struct LocalTime {
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    // Today in the system's short date form ("08/12/2026", "2026-12-08", ...).
    std::string shortDate;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() const = 0;
};

}  // namespace corvella
