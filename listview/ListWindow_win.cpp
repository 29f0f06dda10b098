// The list window's creation, its two window procedures (the file pane and
// the list-view subclass) and the read operations on its items.
#include "ListWindow_win.h"

#include "ItemReader_win.h"
#include "ListMessages_win.h"
#include "ShellText_win.h"
#include "TextFold_win.h"
#include "shell/DropTarget_win.h"
#include "shell/ListShell_win.h"

namespace panorell {

namespace {

constexpr char kPaneClass[] = "PanorellFilePane";

// List-view styles: list view, shared image lists, auto-arrange and label
// editing; the single-selection bit is added when multi-select is off. The
// items are the window's own (owner data): the list-view keeps their count,
// selection and focus, and asks for the rest.
constexpr DWORD kListStyle = LVS_LIST | LVS_SHAREIMAGELISTS | LVS_AUTOARRANGE | LVS_EDITLABELS | LVS_OWNERDATA;

constexpr DWORD kViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};

bool RegisterPaneClass() {
    WNDCLASSA wc{};
    if (GetClassInfoA(ListModule(), kPaneClass, &wc)) return true;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = ListModule();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kPaneClass;
    return RegisterClassA(&wc) != 0;
}

}  // namespace

HINSTANCE ListModule() noexcept {
    // The module holding this very function: the control library when the
    // list lives in one, the program when it is linked in.
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ListModule), &module);
    return module;
}

ListWindow::ListWindow(ListSink* sink) : sink_(sink), shell_(std::make_unique<ListShell>(*this)) {
    static const bool folded = (InstallSystemFoldTable(), true);
    (void)folded;
}

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
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFilePaneId)), ListModule(), nullptr);
    if (!pane_) return false;
    SetWindowLongPtrA(pane_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(pane_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PaneProc));

    DWORD style = WS_CHILD | WS_VISIBLE | kListStyle | (multiSelect ? 0 : LVS_SINGLESEL);
    list_ = CreateWindowExA(0, WC_LISTVIEWA, "", style, 0, 0, rect.right - rect.left, rect.bottom - rect.top, pane_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), ListModule(), nullptr);
    if (!list_) {
        Destroy();
        return false;
    }
    redrawing_ = true;
    ListView_SetImageList(list_, small, LVSIL_SMALL);
    ListView_SetImageList(list_, large, LVSIL_NORMAL);
    // The overlay, cut and drop marks come from the items, like their texts.
    ListView_SetCallbackMask(list_, LVIS_OVERLAYMASK | LVIS_CUT | LVIS_DROPHILITED);
    columnsMade_ = false;
    RebuildColumns();
    shell_->AcceptDrops();
    return true;
}

void ListWindow::Destroy() {
    StopWorkers();
    shell_->RefuseDrops();
    folderWatcher_.End();
    fileWatcher_.End();
    if (pane_) {
        SetWindowLongPtrA(pane_, GWLP_USERDATA, 0);
        DestroyWindow(pane_);
    }
    pane_ = list_ = nullptr;
    DropItems();
    sweeper_.End();
    types_.Clear();
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
    LRESULT handled = 0;
    if (shell_->OnPaneMessage(message, wParam, lParam, handled)) return handled;
    switch (message) {
    case kMsgFolderChanged:
        OnFolderChanged(wParam, lParam);
        return 0;
    case kMsgRunUpdate:
        OnRunUpdate();
        return 0;
    case kMsgFillIcons:
        FillWantedIcons();
        return 0;
    case kMsgSweep:
        sweeper_.Go();
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
    case WM_CONTEXTMENU:
        if (lParam == -1) shell_->OnMenuKey();  // the keyboard's menu key
        return 0;
    case WM_DESTROY:
        // The frame is going away with the list in it: no thread may go on
        // posting to the list or reading its folder, and no drop may reach it.
        StopWorkers();
        shell_->RefuseDrops();
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
    case LVN_ODFINDITEMA:
        return OnFindItem(*reinterpret_cast<NMLVFINDITEMA*>(header));
    case LVN_ODFINDITEMW:
        return OnFindItemWide(*reinterpret_cast<NMLVFINDITEMW*>(header));
    case LVN_ODCACHEHINT:
        OnCacheHint(*reinterpret_cast<NMLVCACHEHINT*>(header));
        return 0;
    case LVN_KEYDOWN:
        OnKeyDown(reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey);
        return 0;
    case NM_RCLICK:
        shell_->OnRightClick();
        return 1;  // the menu was the answer: no context-menu message follows
    case NM_CUSTOMDRAW:
        return PaintDropHighlight(*this, *reinterpret_cast<NMLVCUSTOMDRAW*>(header));
    case LVN_BEGINDRAG:
    case LVN_BEGINRDRAG:
        shell_->BeginDrag();
        return 0;
    case NM_SETFOCUS:
        shell_->OnFocus();
        return 0;
    case LVN_BEGINLABELEDITA:
        return shell_->MayRename(reinterpret_cast<NMLVDISPINFOA*>(header)->item.iItem) ? FALSE : TRUE;
    case LVN_ENDLABELEDITA: {
        const LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
        shell_->OnRenamed(item.iItem, item.pszText);
        return FALSE;  // the list sets the new text itself
    }
    case NM_DBLCLK:
        if (reinterpret_cast<NMITEMACTIVATE*>(header)->iItem >= 0)
            shell_->OpenItem(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
        return 0;
    case LVN_COLUMNCLICK:
        SortBy(KindOfColumn(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem));
        return 0;
    default:
        return 0;
    }
}

void ListWindow::OnKeyDown(WPARAM key) {
    if (shell_->OnKey(key)) return;
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
        return std::string(d.typeName);
    case kModifiedColumn:
        return ModifiedTextOf(d.modified);
    default:
        return {};
    }
}

void ListWindow::Redraw(bool on) {
    if (!list_) return;
    SendMessageA(list_, WM_SETREDRAW, on, 0);
    redrawing_ = on;
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

}  // namespace panorell
