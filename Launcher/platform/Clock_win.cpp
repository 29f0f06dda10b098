#include "Clock_win.h"

#include <windows.h>

namespace corvella {

LocalTime WinClock::Now() const {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char date[80] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, sizeof date);
    return LocalTime{now.wHour, now.wMinute, date};
}

}  // namespace corvella
