// Automatic drag mode: a control pressed with the left button follows the
// pointer as a drag (the pointer shows the move cursor) until the button is
// released. The family control under the pointer, of whatever owner, hears
// drag-over as the pointer enters, moves over and leaves it, and drag-drop on
// release; the dragged control raises no click or mouse events meanwhile.
#include "external/ThreeDControl_win.h"

namespace corvella::threed {

namespace {

POINT CursorNow() {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

// The family control under a screen point, or null.
HWND FamilyControlAt(POINT screen) {
    HWND under = WindowFromPoint(screen);
    return ControlOf(under) ? under : nullptr;
}

void Notify(HWND target, int sourceId, POINT screen, int state) {
    if (!target || !IsWindow(target)) return;
    DragNotice notice{sourceId, screen, state};
    SendMessageA(target, kMsgDragNotify, 0, reinterpret_cast<LPARAM>(&notice));
}

}  // namespace

void BeginDrag(Control& c) {
    c.drag.active = true;
    c.drag.target = nullptr;
    SetCapture(c.window);
    SetCursor(LoadCursor(nullptr, IDC_SIZEALL));
    UpdateDrag(c);
}

void UpdateDrag(Control& c) {
    if (!c.drag.active) return;
    SetCursor(LoadCursor(nullptr, IDC_SIZEALL));
    POINT screen = CursorNow();
    HWND under = FamilyControlAt(screen);
    HWND previous = c.drag.target;
    c.drag.target = under;
    if (previous != under) Notify(previous, c.id, screen, kDragLeave);
    if (under) Notify(under, c.id, screen, previous == under ? kDragOver : kDragEnter);
}

void EndDrag(Control& c, bool drop) {
    if (!c.drag.active) return;
    // Ended first, so that the capture change below does not end it twice.
    c.drag.active = false;
    HWND last = c.drag.target;
    c.drag.target = nullptr;
    if (GetCapture() == c.window) ReleaseCapture();
    POINT screen = CursorNow();
    if (drop) {
        HWND under = FamilyControlAt(screen);
        if (last && last != under) Notify(last, c.id, screen, kDragLeave);
        Notify(under, c.id, screen, -1);
    } else {
        Notify(last, c.id, screen, kDragLeave);
    }
}

void HandleDragNotice(Control& target, const DragNotice& notice) {
    POINT client = notice.screen;
    ScreenToClient(target.window, &client);
    POINT twips = ClientTwips(target.window, client);
    if (notice.state < 0)
        Raise(target, [&](Events& e) { e.OnDragDrop(target.id, notice.sourceId, twips.x, twips.y); });
    else
        Raise(target, [&](Events& e) { e.OnDragOver(target.id, notice.sourceId, twips.x, twips.y, notice.state); });
}

}  // namespace corvella::threed
