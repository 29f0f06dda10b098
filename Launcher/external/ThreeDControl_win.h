#pragma once
// The object behind one window of the 3-D control family, shared by the
// window procedure, the painter, the drag tracker and the file-drop target.
#include <windows.h>
#include <ole2.h>

#include <memory>
#include <string>

#include "external/ThreeDLook.h"
#include "external/ThreeD_win.h"

namespace corvella::threed {

struct DragTrack {
    bool active = false;
    HWND target = nullptr;  // the family control under the pointer, if any
};

struct Control {
    HWND window = nullptr;
    Kind kind = Kind::Button;
    int id = 0;
    Events* events = nullptr;

    Look look;
    std::string caption;
    std::string toolTip;
    HICON icon = nullptr;      // our copy, or an image list's icon shared through `sharedIcon`
    std::shared_ptr<void> sharedIcon;
    HBITMAP bitmap = nullptr;  // our copy
    SIZE pictureSize{};
    int32_t backColour = static_cast<int32_t>(0x8000000F);  // button face
    int32_t foreColour = static_cast<int32_t>(0x80000012);  // button text
    FontSpec fontSpec;
    HFONT font = nullptr;
    HWND tip = nullptr;

    bool automaticDrag = false;
    State state;
    int pressedButton = 0;      // the mouse button that pressed it, 0 none
    bool spaceDown = false;
    bool trackingLeave = false;
    DragTrack drag;

    IDropTarget* dropTarget = nullptr;  // registered with OLE, when OLE is up

    int messageDepth = 0;  // messages of this control being handled
    bool destroyed = false;
};

// The control of a window of this family created in this process, or null.
Control* ControlOf(HWND window);

// Paints the whole client area into `dc` through an off-screen buffer.
void PaintControl(Control& control, HDC dc);
// Lets go of the control's picture.
void FreePicture(Control& control);
// Recreates the control's font from its description at the screen resolution.
void RebuildFont(Control& control);
// Makes the control's tip window, if it has a tip text and no window yet;
// `mouseMove` is the WM_MOUSEMOVE that brought the pointer.
void MakeTipOnHover(Control& control, LPARAM mouseMove);

int ScreenDpi();
int ShiftState();
// A point of `window`'s client area in twips.
POINT ClientTwips(HWND window, POINT clientPixels);

// Automatic drag mode (ThreeDDrag_win.cpp).
void BeginDrag(Control& control);
void UpdateDrag(Control& control);
// Ends the drag; delivers the drop to the control under the pointer when
// `drop`, else tells it the drag left.
void EndDrag(Control& control, bool drop);
// Private message carrying a drag notification to the control under the
// pointer (a SendMessage, so it reaches controls of any thread).
constexpr UINT kMsgDragNotify = WM_USER + 0x40;
struct DragNotice {
    int sourceId;
    POINT screen;
    int state;  // kDragEnter, kDragLeave, kDragOver, or -1 for the drop
};
void HandleDragNotice(Control& target, const DragNotice& notice);

// Files dropped from the shell (ThreeDDrop_win.cpp). Registering again is
// harmless: it joins OLE drag and drop once OLE is up on the thread.
void RegisterFileDrop(Control& control);
void RevokeFileDrop(Control& control);
void HandleDropFiles(Control& control, HDROP drop);
// A new OLE drop target for `window` (one reference, the caller's).
IDropTarget* NewFileDropTarget(HWND window);

// Runs an event of the owner's listener; nothing it throws leaves the control.
template <typename Call>
void Raise(Control& control, Call call) noexcept {
    if (!control.events) return;
    try {
        call(*control.events);
    } catch (...) {
    }
}

}  // namespace corvella::threed
