#include "TrayWindow_win.h"

#include <cstring>

#include "TrayIcon.h"
#include "../CorvellaResources.h"

namespace corvella {

// The record the shell has accepted since its first version; on 32-bit
// Windows it is 88 bytes long.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == kTrayRecordSize);
static_assert(kTrayCallbackMessage == WM_MOUSEMOVE && kLeftButtonUp == WM_LBUTTONUP &&
              kRightButtonUp == WM_RBUTTONUP);

TrayWindow::~TrayWindow() {
    Unload();
    if (icon_) DestroyIcon(icon_);
}

NOTIFYICONDATAA TrayWindow::Record() const {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = Handle();
    record.uID = kTrayIconId;
    record.uFlags = kTrayFlags;
    record.uCallbackMessage = kTrayCallbackMessage;
    record.hIcon = icon_;
    std::strncpy(record.szTip, kTrayTip, sizeof record.szTip - 1);
    return record;
}

void TrayWindow::Load() {
    if (Loaded()) return;
    if (!icon_)
        icon_ = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(CORVELLA_TRAY_ICON), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    if (!CreateAux(instance_, kClassName, kTrayCaption, WS_OVERLAPPED, WS_EX_TOOLWINDOW, nullptr, nullptr)) return;
    NOTIFYICONDATAA record = Record();
    iconAdded_ = Shell_NotifyIconA(NIM_ADD, &record) != FALSE;
}

void TrayWindow::Unload() { Destroy(); }

void TrayWindow::OnDestroyed() {
    NOTIFYICONDATAA record = Record();
    Shell_NotifyIconA(NIM_DELETE, &record);
    iconAdded_ = false;
}

bool TrayWindow::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != kTrayCallbackMessage) return false;
    // The window measures in pixels, so X is the mouse message unchanged.
    if (onIconMessage) onIconMessage(static_cast<int>(LOWORD(lParam)));
    result = 0;
    return true;
}

}  // namespace corvella
