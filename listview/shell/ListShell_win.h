#pragma once
// The list's shell side as the user meets it: the context menu on a right
// click or the menu key, its sub-menus filling themselves, the keys that
// delete and clear cut marks, and the refresh the recycle bin owes when the
// list is next focused. One per list window, on its thread.
#include <windows.h>

#include "ShellCommands_win.h"

namespace panorell {

class ListWindow;

// The control's switches the shell side reads when it acts.
struct ShellSwitches {
    bool contextMenus = true;
    bool fileRename = true;
    bool oleDrag = true;
    bool oleDrop = true;
};

class ListShell {
public:
    explicit ListShell(ListWindow& list) : list_(list) {}

    ShellSwitches& Switches() { return switches_; }
    ShellFlags& Flags() { return flags_; }
    // The control window: owner of the shell's windows, told of clicks.
    void SetControlWindow(HWND control) { control_ = control; }
    ShellCommands Commands() { return ShellCommands(list_, control_, flags_); }

    // A right click: the menu at the cursor, then the control's Click.
    void OnRightClick();
    // The menu key: the menu beside the focused item.
    void OnMenuKey();
    // Menu messages for the open menu's sub-menus; true when taken.
    bool OnMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Delete, Enter and Escape; true when the key was one of them.
    bool OnKey(WPARAM key);
    void OnFocus();

    // Opens item `index`: a folder in the list itself, anything else with
    // its default shell action (ShellOpen_win.cpp).
    void OpenItem(int index);

private:
    void ShowMenu(POINT screen);
    bool OpensAsFolder(int index) const;
    void OpenFolder(int index);
    void OpenFile(int index);

    ListWindow& list_;
    HWND control_ = nullptr;
    ShellSwitches switches_;
    ShellFlags flags_;
    const SelectionMenu* open_ = nullptr;  // the menu being tracked
};

}  // namespace panorell
