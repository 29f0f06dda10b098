#include "ControlFrame_win.h"

#include <commctrl.h>

#include "Control_win.h"
#include "ListMessages_win.h"
#include "shell/ListShell_win.h"

namespace panorell {

namespace {

constexpr char kFrameClass[] = "PanorellListViewFrame";
constexpr char kFrameTitle[] = "PanorellListView";

bool RegisterFrameClass() {
    WNDCLASSA wc{};
    if (GetClassInfoA(ListModule(), kFrameClass, &wc)) return true;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = ListModule();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kFrameClass;
    return RegisterClassA(&wc) != 0;
}

// Words of the folder record a linked combo hands over with 0x545:
// parent folder, relative id, absolute id, attributes, root flag.
struct HandedRecord {
    IShellFolder* parentFolder;
    ITEMIDLIST* relativeId;
    ITEMIDLIST* absoluteId;
    ULONG attributes;
    BOOL isRoot;
};

constexpr UINT_PTR kInputSubclass = 0x5045;

void PassOn(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsWindow(control)) SendMessageA(control, message, wParam, lParam);
}

// The list's keys, mouse and focus go to the control window too, which
// raises the stock events and runs its focus handling. The list-view
// follows a left button-down with its own loop that takes the button-up:
// when that loop returns with the button released, the click is over.
LRESULT CALLBACK ListInput(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    const auto control = reinterpret_cast<HWND>(data);
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_MOUSEMOVE:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONUP: PassOn(control, message, wParam, lParam); break;
    case WM_RBUTTONUP:
        if ((wParam & MK_LBUTTON) == 0) PassOn(control, message, wParam, lParam);
        break;
    case WM_SETFOCUS: PassOn(control, kMsgGotFocus, 0, 0); break;
    case WM_KILLFOCUS: PassOn(control, kMsgLostFocus, 0, 0); break;
    case WM_LBUTTONDOWN: {
        PassOn(control, message, wParam, lParam);
        const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
        if (GetKeyState(VK_LBUTTON) >= 0) {
            PassOn(control, WM_LBUTTONUP, wParam & ~static_cast<WPARAM>(MK_LBUTTON), lParam);
            PassOn(control, kMsgRaiseClick, 0, 0);
        }
        return result;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(list, &ListInput, kInputSubclass); break;
    default: break;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace

ControlFrame::~ControlFrame() {
    // The window stops hearing its own messages below: it leaves the chain
    // while it can still pass the hand-over on.
    viewer_.Leave();
    list_.Destroy();
    if (window_ != nullptr) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

bool ControlFrame::Create(HWND controlWindow, const RECT& rect, const FrameStart& start) {
    if (!RegisterFrameClass()) return false;
    window_ = CreateWindowExA(WS_EX_CLIENTEDGE, kFrameClass, kFrameTitle, WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, controlWindow, nullptr, ListModule(),
                              nullptr);
    if (window_ == nullptr) return false;
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlFrame::FrameProc));
    RECT client{};
    GetClientRect(window_, &client);
    if (!list_.Create(window_, client, start.multiSelect)) return false;
    SetWindowSubclass(list_.List(), &ListInput, kInputSubclass, reinterpret_cast<DWORD_PTR>(controlWindow));
    SetTreeWindow(start.treeWindow);
    currentType_ = start.currentType;
    if (start.treeWindow == nullptr) {
        if (start.currentType == 1)
            ShowNameSpace(start.nameSpace);
        else
            ShowPath(start.folder);
    }
    viewer_.Join(window_);
    return true;
}

bool ControlFrame::ShowPath(const std::string& path) {
    FolderRecordPtr record = RecordFromPath(path);
    if (!record) return false;  // names no folder: nothing changes
    const bool shown = list_.MoveTo(std::move(record));
    folderPath_ = shown ? path : std::string();
    if (shown) currentType_ = 0;
    return shown;
}

bool ControlFrame::ShowNameSpace(int nameSpace) {
    if (!list_.MoveToNameSpace(nameSpace)) return false;
    nameSpace_ = nameSpace;
    currentType_ = 1;
    folderPath_.clear();
    return true;
}

bool ControlFrame::ShowRecord(FolderRecordPtr record) { return list_.MoveTo(std::move(record)); }

void ControlFrame::SetTreeWindow(HWND tree) {
    treeWindow_ = tree;
    list_.SetTreeWindow(tree);
}

void ControlFrame::Resize(int width, int height) {
    MoveWindow(window_, 0, 0, width, height, TRUE);
    RECT client{};
    GetClientRect(window_, &client);
    MoveWindow(list_.Pane(), 0, 0, client.right, client.bottom, TRUE);
    MoveWindow(list_.List(), 0, 0, client.right, client.bottom, TRUE);
}

LRESULT CALLBACK ControlFrame::FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ControlFrame*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    try {
        return self->OnMessage(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT ControlFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS: SetFocus(list_.List()); return 0;
    case WM_KEYDOWN:
    case WM_KEYUP: {
        // The arrow keys the control routes here: default handling first,
        // then the key-down goes to the list.
        const LRESULT result = DefWindowProcA(window_, message, wParam, lParam);
        if (message == WM_KEYDOWN) SendMessageA(list_.List(), WM_KEYDOWN, wParam, lParam);
        return result;
    }
    case WM_DRAWCLIPBOARD:
        OnClipboardChanged();
        viewer_.PassOnChange(wParam, lParam);
        return 0;
    case WM_CHANGECBCHAIN: viewer_.OnChainChange(wParam, lParam); return 0;
    case WM_DESTROY:
        // Destroyed with the control window, before the frame object goes.
        viewer_.Leave();
        return DefWindowProcA(window_, message, wParam, lParam);
    case kMsgShowFolderRecord: {
        if (treeWindow_ != nullptr || lParam == 0) return 0;
        const auto* handed = reinterpret_cast<const HandedRecord*>(lParam);
        FolderRecordPtr record = RecordFromAbsoluteId(handed->absoluteId, handed->attributes);
        if (!record || !list_.MoveTo(std::move(record))) control_.TellComboFolder();
        return 0;
    }
    default: return DefWindowProcA(window_, message, wParam, lParam);
    }
}

// Cut items are marked only while the clipboard holds them for a paste:
// anything else filling the clipboard takes the marks away. The list's own
// Cut and Copy raise the flag first, so their own notice passes.
void ControlFrame::OnClipboardChanged() {
    ShellFlags& flags = list_.Shell().Flags();
    if (!flags.clipboardFilledHere) list_.Shell().Commands().ClearCutMarks();
    flags.clipboardFilledHere = false;
}

void ControlFrame::OnMovedOnItsOwn(const FolderRecord* record, int how) {
    if (treeWindow_ != nullptr)
        SendMessageA(treeWindow_, kMsgTreeMovedOnItsOwn, reinterpret_cast<WPARAM>(record), static_cast<LPARAM>(how));
}

void ControlFrame::OnFolderShown(bool special, int nameSpace, const std::string& path) {
    currentType_ = special ? 1 : 0;
    if (special) {
        nameSpace_ = nameSpace;
        folderPath_.clear();
    } else {
        folderPath_ = path;
    }
    control_.RaiseChange(1);
}

void ControlFrame::OnContentsChanged(int) { control_.RaiseChange(2); }

void ControlFrame::OnControlError(long code) { control_.RaiseControlError(code); }
void ControlFrame::OnRenameAttempted() { control_.RaiseChange(3); }

}  // namespace panorell
