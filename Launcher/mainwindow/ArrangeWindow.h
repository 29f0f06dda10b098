#pragma once
// The one routine that lays out the whole main window from the settings and
// the two tables: tabs (one column or a grid), the button area with the
// buttons of the current section in pages side by side, the page scroll bar,
// the hint panel and the bottom bar. All lengths in twips. It never reports
// an error: a step a control does not take is skipped.
#include <cstdint>

#include "../model/Buttons.h"
#include "../model/Sections.h"
#include "../platform/EventLoop.h"
#include "../platform/MainWindowPort.h"
#include "../platform/Screen.h"
#include "../settings/Settings.h"
#include "WindowControls.h"

namespace corvella {

// Kept between calls; both start at 0.
struct LayoutState {
    int16_t TabsPerRow = 0;
    int32_t TabWidth = 0;
};

struct LayoutDeps {
    const Settings& settings;
    const SectionTable& sections;
    ButtonTable& buttons;
    MainWindowPort& window;
    WindowControls& controls;
    const Screen& screen;
    EventLoop& events;
    bool largeFonts;  // the system font is taller than 16 pixels
    bool moveMode;    // gMoveMode
};

void ArrangeWindow(LayoutState& state, const LayoutDeps& deps);

// The main window's title: " Corvella" when shown, else empty.
void SetWindowTitle(MainWindowPort& window, bool shown);

// ceil(x / 2) the way the layout computes it: the absolute value of the
// integer part, rounded towards minus infinity, of -x / 2.
double CeilHalf(double x);
// half(x): the absolute value of the integer part, rounded towards minus
// infinity, of x / 2.
double Half(double x);

}  // namespace corvella
