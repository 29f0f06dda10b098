// The events the control raises to its sinks: Change, ControlError, Click
// and the stock key and mouse events.
#include "ControlFrame_win.h"
#include "Control_win.h"
#include "Variants_win.h"

namespace panorell {

namespace {

short ShiftState() {
    short shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
    if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    return shift;
}

short ButtonsOf(WPARAM keys) {
    short buttons = 0;
    if (keys & MK_LBUTTON) buttons |= 1;
    if (keys & MK_RBUTTON) buttons |= 2;
    if (keys & MK_MBUTTON) buttons |= 4;
    return buttons;
}

}  // namespace

void Control::RaiseChange(short action) {
    lastChangeAction_ = action;
    if (action == 1 && treeWindow_ == nullptr) TellComboFolder();
    if (eventsFrozen_) return;
    VARIANT args[] = {ShortVariant(action)};
    events_.Fire(dispid::kChange, args, 1);
}

void Control::RaiseControlError(long error) {
    if (eventsFrozen_) return;
    VARIANT args[] = {LongVariant(error)};
    events_.Fire(dispid::kControlError, args, 1);
}

void Control::RaiseClick() {
    if (!eventsFrozen_) events_.Fire(dispid::kClick, nullptr, 0);
}

// KeyDown and KeyUp pass the key code by reference, KeyPress the character.
void Control::FireStockKey(long dispid, WPARAM wParam) {
    if (eventsFrozen_) return;
    short code = static_cast<short>(wParam);
    VARIANT args[2];
    VariantInit(&args[0]);
    V_VT(&args[0]) = VT_BYREF | VT_I2;
    V_I2REF(&args[0]) = &code;
    if (dispid == dispid::kKeyPress) {
        events_.Fire(dispid, args, 1);
        return;
    }
    args[1] = args[0];
    args[0] = ShortVariant(ShiftState());
    events_.Fire(dispid, args, 2);
}

void Control::FireStockMouse(long dispid, WPARAM wParam, LPARAM lParam) {
    if (eventsFrozen_) return;
    VARIANT args[] = {LongVariant(static_cast<short>(HIWORD(lParam))), LongVariant(static_cast<short>(LOWORD(lParam))),
                      ShortVariant(ShiftState()), ShortVariant(ButtonsOf(wParam))};
    events_.Fire(dispid, args, 4);
}

}  // namespace panorell
