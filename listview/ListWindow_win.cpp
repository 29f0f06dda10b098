// The list window's creation, its two window procedures (the file pane and
// the list-view subclass) and the read operations on its items.
#include "ListWindow_win.h"

#include "ItemReader_win.h"
#include "ListMessages_win.h"
#include "ShellText_win.h"

namespace panorell {

namespace {

constexpr char kPaneClass[] = "PanorellFilePane";

// List-view styles: list view, shared image lists, auto-arrange and label
// editing; the single-selection bit is added when multi-select is off.
constexpr DWORD kListStyle = LVS_LIST | LVS_SHAREIMAGELISTS | LVS_AUTOARRANGE | LVS_EDITLABELS;

constexpr DWORD kViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};

bool RegisterPaneClass() {
    WNDCLASSA wc{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kPaneClass, &wc)) return true;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kPaneClass;
    return RegisterClassA(&wc) != 0;
}

}  // namespace

ListItem::~ListItem() {
    if (folder) folder->Release();
    FreeId(relativeId);
}

ListWindow::ListWindow(ListSink* sink) : sink_(sink) {}

ListWindow::~ListWindow() { Destroy(); }

bool ListWindow::Create(HWND parent, const RECT& rect, bool multiSelect) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    // The system image lists belong to the shell; the list only shares them.
    SHFILEINFOA info{};
    auto small = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    auto large = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_LARGEICON));
    if (!small || !large || !RegisterPaneClass()) return false;

    pane_ = CreateWindowExA(0, kPaneClass, "FolderListView", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect.left,
                            rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFilePaneId)), GetModuleHandleA(nullptr), nullptr);
    if (!pane_) return false;
    SetWindowLongPtrA(pane_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(pane_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PaneProc));

    DWORD style = WS_CHILD | WS_VISIBLE | kListStyle | (multiSelect ? 0 : LVS_SINGLESEL);
    list_ = CreateWindowExA(0, WC_LISTVIEWA, "", style, 0, 0, rect.right - rect.left, rect.bottom - rect.top, pane_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), GetModuleHandleA(nullptr), nullptr);
    if (!list_) {
        Destroy();
        return false;
    }
    ListView_SetImageList(list_, small, LVSIL_SMALL);
    ListView_SetImageList(list_, large, LVSIL_NORMAL);
    RebuildColumns();
    return true;
}

void ListWindow::Destroy() {
    StopWorkers();
    if (list_) {
        // Deleting the items frees their records through LVN_DELETEITEM.
        ListView_DeleteAllItems(list_);
    }
    if (pane_) {
        SetWindowLongPtrA(pane_, GWLP_USERDATA, 0);
        DestroyWindow(pane_);
    }
    pane_ = list_ = nullptr;
    bySerial_.clear();
    current_.reset();
    if (currentFolder_) currentFolder_->Release();
    currentFolder_ = nullptr;
}

LRESULT CALLBACK ListWindow::PaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ListWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    try {
        return self->OnPaneMessage(message, wParam, lParam);
    } catch (...) {
        return 0;  // nothing may unwind into the system's dispatch
    }
}

// The pane, not the list-view, receives the threads' notices and the
// list-view's notifications: the list-view keeps its own window procedure,
// and every message to it stays a direct call.
LRESULT ListWindow::OnPaneMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kMsgFolderChanged:
        OnFolderChanged(wParam, lParam);
        return 0;
    case kMsgDetailsReady:
        OnDetailsReady(wParam);
        return 0;
    case kMsgFillerDone:
        OnFillerDone(wParam);
        return 0;
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_SIZE:
        if (list_) MoveWindow(list_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (list_) SetFocus(list_);
        return 0;
    case WM_DESTROY:
        // The frame is going away with the list in it: no thread may go on
        // posting to the list or reading its folder.
        StopWorkers();
        return 0;
    case WM_NCDESTROY:
        pane_ = list_ = nullptr;
        return 0;
    default:
        return DefWindowProcA(pane_, message, wParam, lParam);
    }
}

LRESULT ListWindow::OnNotify(NMHDR* header) {
    if (!header || header->hwndFrom != list_) return 0;
    switch (header->code) {
    case LVN_GETDISPINFOA:
        OnGetDisplayInfo(reinterpret_cast<NMLVDISPINFOA*>(header));
        return 0;
    case LVN_DELETEITEM:
        OnDeleteItem(reinterpret_cast<NMLISTVIEW*>(header));
        return 0;
    case LVN_KEYDOWN:
        OnKeyDown(reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey);
        return 0;
    case LVN_COLUMNCLICK:
        SortBy(KindOfColumn(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem));
        return 0;
    default:
        return 0;
    }
}

void ListWindow::OnGetDisplayInfo(NMLVDISPINFOA* info) {
    auto* item = reinterpret_cast<ListItem*>(info->item.lParam);
    if (!item) return;
    if (info->item.mask & LVIF_TEXT && info->item.pszText && info->item.cchTextMax > 0) {
        std::string text = ColumnText(*item, KindOfColumn(info->item.iSubItem));
        lstrcpynA(info->item.pszText, text.c_str(), info->item.cchTextMax);
    }
    if (info->item.mask & LVIF_IMAGE) info->item.iImage = item->icon;
}

void ListWindow::OnDeleteItem(NMLISTVIEW* info) {
    auto* item = reinterpret_cast<ListItem*>(info->lParam);
    if (!item) return;
    bySerial_.erase(item->serial);
    delete item;
}

void ListWindow::OnKeyDown(WPARAM key) {
    if (key == VK_BACK && BackOneLevel() && sink_) sink_->OnBackspaceUp();
}

int ListWindow::KindOfColumn(int index) const {
    for (int kind = kSizeColumn; kind <= kModifiedColumn; ++kind) {
        if (columnIndex_[kind] == index) return kind;
    }
    return index == 0 ? 0 : -1;
}

std::string ListWindow::ColumnText(const ListItem& item, int column) const {
    const ItemDetails& d = item.details;
    switch (column) {
    case 0:
        return d.displayName;
    case kSizeColumn:
        if (item.textsOnDemand) return OnDemandSizeText(d.sizeKb, (d.fileAttributes & kAttrDirectory) != 0);
        return FilledSizeText(d.sizeKb);
    case kTypeColumn:
        return d.typeName;
    case kModifiedColumn:
        return d.modifiedText;
    default:
        return {};
    }
}

void ListWindow::Redraw(bool on) {
    if (list_) SendMessageA(list_, WM_SETREDRAW, on, 0);
}

void ListWindow::SetView(int view) {
    if (view < kViewIcon || view > kViewReport || !list_) return;
    LONG_PTR style = GetWindowLongPtrA(list_, GWL_STYLE);
    SetWindowLongPtrA(list_, GWL_STYLE, (style & ~LVS_TYPEMASK) | kViewStyles[view]);
    view_ = view;
    InvalidateRect(list_, nullptr, TRUE);
}

void ListWindow::SetScreenUpdate(bool on) {
    screenUpdate_ = on;
    Redraw(on);
    if (on && list_) InvalidateRect(list_, nullptr, TRUE);
}

void ListWindow::SetMultiSelect(bool on) {
    if (!list_) return;
    LONG_PTR style = GetWindowLongPtrA(list_, GWL_STYLE);
    SetWindowLongPtrA(list_, GWL_STYLE, on ? (style & ~LVS_SINGLESEL) : (style | LVS_SINGLESEL));
}

int ListWindow::ItemCount() const { return list_ ? ListView_GetItemCount(list_) : 0; }

const ListItem* ListWindow::Item(int index) const {
    if (!list_ || index < 0 || index >= ItemCount()) return nullptr;
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
    return reinterpret_cast<const ListItem*>(item.lParam);
}

std::string ListWindow::ItemText(int index) const {
    const ListItem* item = Item(index);
    if (!item) return {};
    return item->path.empty() ? item->details.displayName : item->path;
}

bool ListWindow::IsSelected(int index) const {
    if (!Item(index)) return false;
    return (ListView_GetItemState(list_, index, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void ListWindow::Select(int index, bool on) {
    if (!Item(index)) return;
    ListView_SetItemState(list_, index, on ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

std::string ListWindow::CurrentPath() const { return currentPath_; }

void ListWindow::OnDetailsReady(WPARAM generation) {
    if (generation != generation_) return;
    ApplyFillResults(filler_.TakeResults());
}

void ListWindow::OnFillerDone(WPARAM generation) {
    if (generation != generation_) return;
    ApplyFillResults(filler_.TakeResults());
    filler_.Stop();
}

void ListWindow::ApplyFillResults(std::vector<FillResult> results) {
    if (results.empty()) return;
    for (auto& result : results) {
        auto found = bySerial_.find(result.serial);
        if (found == bySerial_.end()) continue;  // deleted by an update meanwhile
        ListItem& item = *found->second;
        if (result.fileRead) {
            item.details.sizeKb = result.details.sizeKb;
            item.details.fileAttributes = result.details.fileAttributes;
            item.details.modified = result.details.modified;
            item.details.modifiedText = std::move(result.details.modifiedText);
        }
        item.icon = result.icon;
    }
    if (screenUpdate_) InvalidateRect(list_, nullptr, FALSE);
}

}  // namespace panorell
