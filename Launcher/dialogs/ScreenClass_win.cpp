#include "ScreenClass_win.h"

#include <windows.h>

#include "AuxWindows.h"

namespace corvella {

std::string ScreenClass() {
    HWND desktop = GetDesktopWindow();
    HDC dc = GetWindowDC(desktop);
    if (!dc) return ScreenClassFor(0);
    const int previous = SetMapMode(dc, MM_TEXT);
    TEXTMETRICA metrics{};
    const bool measured = GetTextMetricsA(dc, &metrics) != FALSE;
    if (previous) SetMapMode(dc, previous);
    ReleaseDC(desktop, dc);
    return ScreenClassFor(measured ? metrics.tmHeight : 0);
}

}  // namespace corvella
