#pragma once
// The main window's folder list-view control: one instance, created with
// the window through the control's registration and its stored design
// values, kept out of sight for the launch route, and closed with the
// window. Without a registered control the launcher runs without it.
#include <windows.h>

#include "ControlSite_win.h"

namespace corvella {

class FolderListHost {
public:
    static constexpr wchar_t kProgId[] = L"PANORELLLISTVIEW.PanorellListViewCtrl.1";

    // True when the control registered under `progId` now lives on `mainWindow`.
    bool Create(HWND mainWindow, const wchar_t* progId = kProgId);
    // The control is made later: by CreatePending, or at the first call of
    // Control. Loading the control's library and activating it costs a good
    // part of a second under some systems, and nothing asks for the control
    // before the user launches an item, so the start-up leaves it to idle
    // time. `progId` must live as long as the host.
    void CreateLater(HWND mainWindow, const wchar_t* progId = kProgId);
    // Makes the control if it waits to be made; true when there is one now.
    bool CreatePending();
    // Closes the control, and one that waits is never made.
    void Destroy();
    // The control's automation interface, made now if it waits; null
    // without a control.
    IDispatch* Control();
    // The control's window; null while there is no control.
    HWND Window() const { return site_.Window(); }

private:
    panorell::ControlSite site_;
    HWND pendingWindow_ = nullptr;
    const wchar_t* pendingProgId_ = nullptr;
};

}  // namespace corvella
