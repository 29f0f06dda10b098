#include "BareList_bench_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include "BenchFolders_win.h"

namespace panorell::bench {

namespace {

constexpr char kParentClass[] = "PanorellBareListParent";
constexpr int kListId = 1001;

// The same answer for every item and column: the cheapest display request
// there can be.
LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == LVN_GETDISPINFOA) {
            LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(lParam)->item;
            if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
                lstrcpynA(item.pszText, item.iSubItem == 0 ? "bare item name.txt" : "1 KB", item.cchTextMax);
            }
            if (item.mask & LVIF_IMAGE) item.iImage = 0;
            if (item.mask & LVIF_STATE) item.state &= ~item.stateMask;
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterParent() {
    WNDCLASSA wc{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kParentClass, &wc)) return true;
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kParentClass;
    return RegisterClassA(&wc) != 0;
}

void AddColumn(HWND list, int index, const char* text, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.cx = width;
    column.pszText = const_cast<char*>(text);
    column.iSubItem = index;
    SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}

// Times `step` and the paint it leaves behind.
template <typename Step>
double Painted(HWND list, Step step) {
    double start = NowMs();
    step();
    UpdateWindow(list);
    return NowMs() - start;
}

}  // namespace

BareList::BareList(HWND frame) {
    if (!RegisterParent()) return;
    RECT client;
    GetClientRect(frame, &client);
    parent_ = CreateWindowExA(0, kParentClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, client.right,
                              client.bottom, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    // The list window's own style: report view, shared image lists, owner data.
    list_ = CreateWindowExA(0, WC_LISTVIEWA, "",
                            WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHAREIMAGELISTS | LVS_AUTOARRANGE |
                                LVS_EDITLABELS | LVS_OWNERDATA,
                            0, 0, client.right, client.bottom, parent_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), GetModuleHandleA(nullptr),
                            nullptr);
    SHFILEINFOA info{};
    auto small = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    ListView_SetImageList(list_, small, LVSIL_SMALL);
    AddColumn(list_, 0, "Name", 200);
    AddColumn(list_, 1, "Size(KB)", 45);
    AddColumn(list_, 2, "Type", 80);
    AddColumn(list_, 3, "Modified", 53);
    UpdateWindow(parent_);
}

BareList::~BareList() {
    if (parent_) DestroyWindow(parent_);
}

BareRound BareList::Measure(int count) {
    BareRound round;
    if (!list_) return round;
    HWND list = list_;
    round.firstPage = Painted(list, [&] {
        ListView_SetItemCountEx(list, count, 0);
        ListView_SetItemState(list, 0, LVIS_FOCUSED, LVIS_FOCUSED);
    });
    round.resort = Painted(list, [&] {
        ListView_SetItemCountEx(list, count, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
        InvalidateRect(list, nullptr, TRUE);
    });
    round.redraw = Painted(list, [&] {
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    });
    round.clear = Painted(list, [&] { ListView_SetItemCountEx(list, 0, 0); });
    return round;
}

}  // namespace panorell::bench
