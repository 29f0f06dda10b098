#pragma once
// The list's shell side as the user meets it: the context menu on a right
// click or the menu key, its sub-menus filling themselves, the keys that
// delete and clear cut marks, and the refresh the recycle bin owes when the
// list is next focused. One per list window, on its thread.
#include <windows.h>
#include <ole2.h>

#include <memory>

#include "ShellCommands_win.h"

namespace panorell {

class ListWindow;
class DropRegistration;

// Pane message: open the label editor on item wParam again, after a
// refused name (the editor cannot reopen while it is closing).
inline constexpr UINT kMsgEditAgain = 0x53E;

// The control's switches the shell side reads when it acts.
struct ShellSwitches {
    bool contextMenus = true;
    bool fileRename = true;
    bool oleDrag = true;
    bool oleDrop = true;
};

class ListShell {
public:
    explicit ListShell(ListWindow& list);
    ~ListShell();
    ListShell(const ListShell&) = delete;
    ListShell& operator=(const ListShell&) = delete;

    ShellSwitches& Switches() { return switches_; }
    ShellFlags& Flags() { return flags_; }
    // The control window: owner of the shell's windows, told of clicks.
    void SetControlWindow(HWND control) { control_ = control; }
    ShellCommands Commands() { return ShellCommands(list_, control_, flags_); }

    // A right click: the menu at the cursor, then the control's Click.
    void OnRightClick();
    // The menu key: the menu beside the focused item.
    void OnMenuKey();
    // The pane's messages for the open menu's sub-menus, and the re-opened
    // label editor; true when taken.
    bool OnPaneMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Delete, Enter and Escape; true when the key was one of them.
    bool OnKey(WPARAM key);
    void OnFocus();

    // Opens item `index`: a folder in the list itself, anything else with
    // its default shell action (ShellOpen_win.cpp).
    void OpenItem(int index);

    // In-place rename (ShellRename_win.cpp): whether editing may begin on
    // item `index`, and the end of an edit (`text` null when cancelled).
    bool MayRename(int index) const;
    void OnRenamed(int index, const char* text);

    // Dragging the selection out, from a press on an item (DragOut_win.cpp).
    void BeginDrag();
    // The drop target on the list-view, from its creation to its end; the
    // target is null when it could not be registered.
    void AcceptDrops();
    void RefuseDrops();
    IDropTarget* DropIn() const;
    // Raises ControlError `code` with the control.
    void ReportError(long code) const;

private:
    void ShowMenu(POINT screen);
    bool GiveName(int index, const std::string& name);
    void EditAgain(int index);
    bool OpensAsFolder(int index) const;
    void OpenFolder(int index);
    void OpenFile(int index);

    ListWindow& list_;
    HWND control_ = nullptr;
    ShellSwitches switches_;
    ShellFlags flags_;
    const SelectionMenu* open_ = nullptr;  // the menu being tracked
    std::unique_ptr<DropRegistration> drops_;
};

}  // namespace panorell
