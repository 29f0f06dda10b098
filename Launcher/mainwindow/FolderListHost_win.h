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
    void Destroy() { site_.Destroy(); }
    // The control's automation interface; null without a control.
    IDispatch* Control() const { return site_.Dispatch(); }
    // The control's window; null without a control.
    HWND Window() const { return site_.Window(); }

private:
    panorell::ControlSite site_;
};

}  // namespace corvella
