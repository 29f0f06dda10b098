#include "ListShell_win.h"

#include <commctrl.h>

#include <vector>

#include "../ListMessages_win.h"
#include "../ListWindow_win.h"
#include "DropTarget_win.h"

namespace panorell {

namespace {

// Where the menu key opens the menu, from the focused item's corner.
constexpr POINT kMenuKeyOffset{20, 10};

}  // namespace

ListShell::ListShell(ListWindow& list) : list_(list), drops_(std::make_unique<DropRegistration>()) {}

ListShell::~ListShell() = default;

void ListShell::AcceptDrops() {
    if (list_.List() != nullptr) drops_->Register(list_, *this);
}

void ListShell::RefuseDrops() { drops_->Revoke(); }

IDropTarget* ListShell::DropIn() const { return drops_->Target(); }

void ListShell::ReportError(long code) const {
    if (list_.sink_ != nullptr) list_.sink_->OnControlError(code);
}

void ListShell::ShowMenu(POINT screen) {
    if (!switches_.contextMenus || list_.FillerRunning()) return;
    SelectionMenu menu;
    if (!menu.Build(list_, control_)) return;
    open_ = &menu;
    const UINT id = static_cast<UINT>(
        TrackPopupMenu(menu.Menu(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, list_.Pane(), nullptr));
    open_ = nullptr;
    if (id != 0) Commands().RunStopped(menu, id);
}

void ListShell::OnRightClick() {
    POINT at{};
    GetCursorPos(&at);
    ShowMenu(at);
    if (control_ != nullptr) SendMessageA(control_, kMsgRaiseClick, 0, 0);
}

void ListShell::OnMenuKey() {
    const int focused = list_.FocusedIndex();
    POINT at{};
    if (focused >= 0) ListView_GetItemPosition(list_.List(), focused, &at);
    at.x += kMenuKeyOffset.x;
    at.y += kMenuKeyOffset.y;
    ClientToScreen(list_.List(), &at);
    ShowMenu(at);
}

bool ListShell::OnPaneMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == kMsgEditAgain) {
        SetFocus(list_.List());
        ListView_EditLabel(list_.List(), static_cast<int>(wParam));
        result = 0;
        return true;
    }
    if (open_ == nullptr || open_->Second() == nullptr) return false;
    if (message != WM_INITMENUPOPUP && message != WM_DRAWITEM && message != WM_MEASUREITEM) return false;
    open_->Second()->HandleMenuMsg(message, wParam, lParam);
    result = message == WM_INITMENUPOPUP ? 0 : TRUE;
    return true;
}

bool ListShell::OnKey(WPARAM key) {
    if (key == VK_DELETE) {
        Commands().RunByVerb("Delete");
        return true;
    }
    if (key == VK_RETURN) {
        const std::vector<int> selected = list_.SelectionInOrder();
        if (!selected.empty()) OpenItem(selected.front());
        return true;
    }
    if (key == VK_ESCAPE) {
        // Cut items are only marked until the paste: without the marks the
        // clipboard would move files the user no longer sees as cut.
        if (Commands().ClearCutMarks() && OpenClipboard(list_.Pane())) {
            EmptyClipboard();
            CloseClipboard();
        }
        return true;
    }
    return false;
}

void ListShell::OnFocus() {
    if (!flags_.refreshOnNextFocus) return;
    flags_.refreshOnNextFocus = false;
    list_.Refresh();
}

}  // namespace panorell
