// The window procedure of the 3-D control family: each message goes to a
// short handler that turns it into the control's state change or event.
#include <windows.h>
#include <windowsx.h>

#include "external/ThreeDControl_win.h"

namespace corvella::threed {

namespace {

ATOM gAtoms[3] = {};
// The object of the window being created on this thread, until WM_NCCREATE
// takes it over.
thread_local Control* tPending = nullptr;

LRESULT CALLBACK ThreeDProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

Kind KindOfAtom(ATOM atom) {
    if (atom == gAtoms[1]) return Kind::Panel;
    if (atom == gAtoms[2]) return Kind::Check;
    return Kind::Button;
}

// The shift state a mouse message was sent with (Alt is not in its flags).
int MouseShift(WPARAM wParam) {
    int shift = 0;
    if (wParam & MK_SHIFT) shift |= kShiftMask;
    if (wParam & MK_CONTROL) shift |= kControlMask;
    if (GetKeyState(VK_MENU) < 0) shift |= kAltMask;
    return shift;
}

POINT PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

bool Inside(HWND window, POINT client) {
    RECT r;
    GetClientRect(window, &r);
    return PtInRect(&r, client) != FALSE;
}

void Redraw(Control& c) { InvalidateRect(c.window, nullptr, FALSE); }

void SetPressed(Control& c, bool pressed) {
    if (c.state.pressed == pressed) return;
    c.state.pressed = pressed;
    Redraw(c);
}

// A check box turns over on each click, before its Click event.
void Clicked(Control& c) {
    if (c.kind == Kind::Check) {
        c.look.value = c.look.value ? 0 : 1;
        Redraw(c);
    }
    Raise(c, [&](Events& e) { e.OnClick(c.id); });
}

void OnMouseDown(Control& c, int button, WPARAM wParam, LPARAM lParam) {
    if (c.kind != Kind::Panel) SetFocus(c.window);
    if (c.automaticDrag && button == kLeftButton) {
        BeginDrag(c);
        return;
    }
    if (!c.pressedButton) {
        c.pressedButton = button;
        SetCapture(c.window);
    }
    if (button == kLeftButton && c.kind != Kind::Panel) SetPressed(c, true);
    POINT twips = ClientTwips(c.window, PointOf(lParam));
    Raise(c, [&](Events& e) { e.OnMouseDown(c.id, button, MouseShift(wParam), twips.x, twips.y); });
}

void OnMouseUp(Control& c, int button, WPARAM wParam, LPARAM lParam) {
    if (c.drag.active) {
        if (button == kLeftButton) EndDrag(c, true);
        return;
    }
    POINT client = PointOf(lParam);
    bool clickable = button == kLeftButton && c.state.pressed && Inside(c.window, client);
    if (button == c.pressedButton) {
        c.pressedButton = 0;
        if (GetCapture() == c.window) ReleaseCapture();
    }
    if (button == kLeftButton) SetPressed(c, false);
    POINT twips = ClientTwips(c.window, client);
    Raise(c, [&](Events& e) { e.OnMouseUp(c.id, button, MouseShift(wParam), twips.x, twips.y); });
    if (clickable && !c.destroyed) Clicked(c);
}

void OnMouseMove(Control& c, LPARAM lParam) {
    if (c.drag.active) {
        UpdateDrag(c);
        return;
    }
    MakeTipOnHover(c, lParam);
    if (!c.trackingLeave) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, c.window, 0};
        c.trackingLeave = TrackMouseEvent(&track) != FALSE;
    }
    bool inside = Inside(c.window, PointOf(lParam));
    if (c.state.hot != inside) {
        c.state.hot = inside;
        Redraw(c);
    }
    if (c.pressedButton == kLeftButton && c.kind != Kind::Panel) SetPressed(c, inside);
}

void OnMouseLeave(Control& c) {
    c.trackingLeave = false;
    if (!c.state.hot) return;
    c.state.hot = false;
    Redraw(c);
}

void OnKey(Control& c, bool down, WPARAM key) {
    int code = static_cast<int>(key);
    if (down && code == VK_ESCAPE && c.drag.active) {
        EndDrag(c, false);
        return;
    }
    if (down)
        Raise(c, [&](Events& e) { e.OnKeyDown(c.id, code, ShiftState()); });
    else
        Raise(c, [&](Events& e) { e.OnKeyUp(c.id, code, ShiftState()); });
    if (c.destroyed || c.kind == Kind::Panel || code != VK_SPACE) return;
    // Space works the control as the left mouse button does.
    if (down) {
        c.spaceDown = true;
        SetPressed(c, true);
    } else if (c.spaceDown) {
        c.spaceDown = false;
        SetPressed(c, false);
        Clicked(c);
    }
}

void OnCaptureLost(Control& c) {
    if (c.drag.active) EndDrag(c, false);
    c.pressedButton = 0;
    if (!c.spaceDown) SetPressed(c, false);
}

void OnKillFocus(Control& c) {
    c.spaceDown = false;
    if (!c.pressedButton) SetPressed(c, false);
    Redraw(c);
}

// The window text is what readers of the window see: the caption, or the
// tool tip when there is no caption (an icon-only launch button).
LRESULT OnSetText(Control& c, LPARAM lParam) {
    const char* text = reinterpret_cast<const char*>(lParam);
    c.caption = text ? text : "";
    const std::string& shown = c.caption.empty() ? c.toolTip : c.caption;
    LRESULT result = DefWindowProcA(c.window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    Redraw(c);
    return result;
}

void OnPaint(Control& c) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(c.window, &ps);
    if (dc) PaintControl(c, dc);
    EndPaint(c.window, &ps);
}

void OnDestroy(Control& c) {
    if (c.drag.active) EndDrag(c, false);
    RevokeFileDrop(c);
    if (c.tip) DestroyWindow(c.tip);
    c.tip = nullptr;
}

void FreeControl(Control* c) {
    FreePicture(*c);
    if (c->font) DeleteObject(c->font);
    delete c;
}

LRESULT OnNcCreate(HWND window, LPARAM lParam) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* c = static_cast<Control*>(create->lpCreateParams);
    if (c == tPending) tPending = nullptr;
    c->window = window;
    c->kind = KindOfAtom(static_cast<ATOM>(GetClassWord(window, GCW_ATOM)));
    c->look = DefaultLook(c->kind);
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(c));
    RebuildFont(*c);
    return DefWindowProcA(window, WM_NCCREATE, 0, lParam);
}

LRESULT Dispatch(Control& c, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: OnPaint(c); return 0;
    case WM_PRINTCLIENT: PaintControl(c, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: OnMouseDown(c, kLeftButton, wParam, lParam); return 0;
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: OnMouseDown(c, kRightButton, wParam, lParam); return 0;
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: OnMouseDown(c, kMiddleButton, wParam, lParam); return 0;
    case WM_LBUTTONUP: OnMouseUp(c, kLeftButton, wParam, lParam); return 0;
    case WM_RBUTTONUP: OnMouseUp(c, kRightButton, wParam, lParam); return 0;
    case WM_MBUTTONUP: OnMouseUp(c, kMiddleButton, wParam, lParam); return 0;
    case WM_MOUSEMOVE: OnMouseMove(c, lParam); return 0;
    case WM_MOUSELEAVE: OnMouseLeave(c); return 0;
    case WM_KEYDOWN: OnKey(c, true, wParam); return 0;
    case WM_KEYUP: OnKey(c, false, wParam); return 0;
    // Alt combinations and F10 are reported too, then left to the system
    // (Alt+F4, the window menu).
    case WM_SYSKEYDOWN: case WM_SYSKEYUP:
        OnKey(c, message == WM_SYSKEYDOWN, wParam);
        return DefWindowProcA(c.window, message, wParam, lParam);
    case WM_GETDLGCODE: return DLGC_BUTTON | DLGC_WANTCHARS;
    case WM_CAPTURECHANGED: OnCaptureLost(c); return 0;
    case WM_SETFOCUS: Redraw(c); return 0;
    case WM_UPDATEUISTATE:
        Redraw(c);
        return DefWindowProcA(c.window, message, wParam, lParam);
    case WM_KILLFOCUS: OnKillFocus(c); return 0;
    case WM_ENABLE: case WM_SIZE: Redraw(c); return 0;
    // An owner that starts OLE after creating its controls but before
    // showing them still gets the OLE drops.
    case WM_SHOWWINDOW:
        if (wParam) RegisterFileDrop(c);
        return DefWindowProcA(c.window, message, wParam, lParam);
    case WM_SETTEXT: return OnSetText(c, lParam);
    case WM_DROPFILES: HandleDropFiles(c, reinterpret_cast<HDROP>(wParam)); return 0;
    case kMsgDragNotify: HandleDragNotice(c, *reinterpret_cast<const DragNotice*>(lParam)); return 0;
    case WM_DESTROY: OnDestroy(c); return 0;
    default: return DefWindowProcA(c.window, message, wParam, lParam);
    }
}

LRESULT CALLBACK ThreeDProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_NCCREATE) return OnNcCreate(window, lParam);
        auto* c = reinterpret_cast<Control*>(GetWindowLongPtrA(window, 0));
        if (!c) return DefWindowProcA(window, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(window, 0, 0);
            c->destroyed = true;
            c->window = nullptr;
            // An owner that destroys the control from one of its events gets
            // the object freed when that event's message has unwound.
            if (c->messageDepth == 0) FreeControl(c);
            return DefWindowProcA(window, message, wParam, lParam);
        }
        ++c->messageDepth;
        LRESULT result = 0;
        try {
            result = Dispatch(*c, message, wParam, lParam);
        } catch (...) {
        }
        if (--c->messageDepth == 0 && c->destroyed) FreeControl(c);
        return result;
    } catch (...) {
        return 0;
    }
}

HWND Create(HWND parent, int controlId, Events* events, int kindIndex) {
    if (!gAtoms[kindIndex]) return nullptr;
    auto* c = new Control;
    c->id = controlId;
    c->events = events;
    tPending = c;
    HWND window = CreateWindowExA(0, MAKEINTATOM(gAtoms[kindIndex]), "", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP,
                                  0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                                  GetModuleHandleA(nullptr), c);
    if (!window) {
        // When WM_NCCREATE took the object, WM_NCDESTROY has freed it.
        if (tPending == c) FreeControl(c);
        tPending = nullptr;
        return nullptr;
    }
    RegisterFileDrop(*c);
    return window;
}

}  // namespace

bool RegisterClasses(HINSTANCE instance) {
    static const char* const names[3] = {kButtonClass, kPanelClass, kCheckClass};
    for (int i = 0; i < 3; ++i) {
        if (gAtoms[i]) continue;
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = ThreeDProc;
        wc.cbWndExtra = sizeof(LONG_PTR);
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = names[i];
        gAtoms[i] = RegisterClassExA(&wc);
        if (!gAtoms[i]) return false;
    }
    return true;
}

Control* ControlOf(HWND window) {
    if (!window || !IsWindow(window)) return nullptr;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return nullptr;
    ATOM atom = static_cast<ATOM>(GetClassWord(window, GCW_ATOM));
    if (!atom || (atom != gAtoms[0] && atom != gAtoms[1] && atom != gAtoms[2])) return nullptr;
    return reinterpret_cast<Control*>(GetWindowLongPtrA(window, 0));
}

HWND CreateButton(HWND parent, int controlId, Events* events) { return Create(parent, controlId, events, 0); }
HWND CreatePanel(HWND parent, int controlId, Events* events) { return Create(parent, controlId, events, 1); }
HWND CreateCheck(HWND parent, int controlId, Events* events) { return Create(parent, controlId, events, 2); }

}  // namespace corvella::threed
