#pragma once
// The 3-D control family the launcher's windows are built from: a button, a
// panel and a check box, as window classes of our own. The owner creates a
// control, positions and shows it with ordinary window calls (SetWindowPos,
// ShowWindow, EnableWindow), sets its look through the calls below and hears
// from it through an Events listener.
//
// Pictures: the control keeps its own copy of an icon or bitmap it is given
// (CopyIcon / CopyImage); the caller keeps and frees its handle. The copy is
// freed when the picture is replaced or cleared and when the control goes away.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "external/ThreeDIds.h"

namespace corvella::threed {

// Window class names, so that tools and tests can recognise the controls.
constexpr char kButtonClass[] = "CorvellaThreeDButton";
constexpr char kPanelClass[] = "CorvellaThreeDPanel";
constexpr char kCheckClass[] = "CorvellaThreeDCheck";

// What the controls tell their owner. `id` is the owner's number for the
// control (given at creation); positions are in twips relative to the control
// that raises the event. Every method has an empty default.
struct Events {
    virtual ~Events() = default;
    virtual void OnClick(int /*id*/) {}
    virtual void OnMouseDown(int /*id*/, int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
    virtual void OnMouseUp(int /*id*/, int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
    virtual void OnKeyDown(int /*id*/, int /*key*/, int /*shift*/) {}
    virtual void OnKeyUp(int /*id*/, int /*key*/, int /*shift*/) {}
    // A control of the family dragged in automatic drag mode is over this one.
    virtual void OnDragOver(int /*id*/, int /*sourceId*/, int /*x*/, int /*y*/, int /*state*/) {}
    // ... and was released over this one.
    virtual void OnDragDrop(int /*id*/, int /*sourceId*/, int /*x*/, int /*y*/) {}
    // Files dragged from the shell are over this control.
    virtual void OnFilesDragOver(int /*id*/) {}
    // Files dropped from the shell, in the order of the dropped list.
    virtual void OnFilesDropped(int /*id*/, const std::vector<std::string>& /*paths*/, int /*x*/, int /*y*/) {}
    // Data without a file list (text, a link from a browser) dropped; raised
    // only through a window's drop target (RegisterWindowFileDrop).
    virtual void OnOtherDataDropped(int /*id*/) {}
};

struct FontSpec {
    std::string name = "MS Sans Serif";
    double points = 8;
    bool bold = false;
    bool italic = false;
};

// Registers the three window classes once per process; true when they exist.
bool RegisterClasses(HINSTANCE instance);

// Child windows of `parent`, created hidden, with `controlId` as their child
// window id too (GetDlgItem finds them). `events` may be null; otherwise
// it must outlive the control. Files dropped from the shell arrive through
// OLE drag and drop (with files-drag-over events) when OLE is initialised on
// the thread before the control is created or shown, else as WM_DROPFILES
// (drops only, no files-drag-over).
// Events run on the control's thread, inside its message handling; the owner
// may destroy the control from one of them.
HWND CreateButton(HWND parent, int controlId, Events* events);
HWND CreatePanel(HWND parent, int controlId, Events* events);
HWND CreateCheck(HWND parent, int controlId, Events* events);

// One OLE drop target for top-level `window` and every 3-D control on it,
// instead of one per control. A drag is raised as events of the 3-D control
// under the pointer; over the window itself or another child, as events of
// `events` with that child's window id (0 for the window). Any data is taken
// there (OnOtherDataDropped when it holds no file list), and drag-over events
// come for any data. Call with OLE up and before creating the controls: they
// then register no target of their own. Revoked when the window is destroyed.
// False when OLE refuses (the controls then register their own as before).
bool RegisterWindowFileDrop(HWND window, Events* events);
void RevokeWindowFileDrop(HWND window);

// True when `window` is a control of this family (of any owner in the process).
bool IsThreeDControl(HWND window);
// The owner's number of a control of the family, -1 for any other window.
int ControlId(HWND window);

bool SetProperty(HWND control, int dispatchId, int32_t value);
// The current value of a property, or -1 for an identifier the control lacks.
int32_t Property(HWND control, int dispatchId);

// The caption is also the window text (what screen readers and test tools
// read); a control with an empty caption shows its tool tip as window text.
void SetCaption(HWND control, std::string_view caption);
std::string Caption(HWND control);

void SetPicture(HWND control, HICON icon);
// The icon at `index` of an image list; false when the list has none there.
// Controls showing the same entry share one icon, until the owner says the
// list's entries have changed (ForgetListIcons), which it must also say
// before it destroys the list.
bool SetPicture(HWND control, HIMAGELIST list, int index);
void ForgetListIcons(HIMAGELIST list);
void SetPicture(HWND control, HBITMAP bitmap);
void ClearPicture(HWND control);

// OLE colours: 0x00BBGGRR, or 0x800000nn for system colour nn.
void SetBackColor(HWND control, int32_t oleColour);
void SetForeColor(HWND control, int32_t oleColour);
void SetFont(HWND control, const FontSpec& font);
void SetToolTip(HWND control, std::string_view text);
// In automatic drag mode a mouse press drags the control itself: no click or
// mouse events, but drag-over and drag-drop on the control under the pointer.
void SetAutomaticDrag(HWND control, bool automatic);

}  // namespace corvella::threed
