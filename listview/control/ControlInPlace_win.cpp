// In-place activation: the control window in the container's window, the
// frame and list inside it at run time, their size following the site's,
// and the arrow keys routed to the list before the container sees them.
#include <olectl.h>

#include "ControlFrame_win.h"
#include "Control_win.h"
#include "shell/ListShell_win.h"
#include "ListMessages_win.h"

namespace panorell {

namespace {

constexpr char kControlClass[] = "PanorellListViewControl";
constexpr char kDesignCaption[] = "PvListView Control";

bool RegisterControlClass() {
    WNDCLASSA wc{};
    if (GetClassInfoA(ControlModule(), kControlClass, &wc)) return true;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = ControlModule();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kControlClass;
    return RegisterClassA(&wc) != 0;
}

bool IsArrowKey(const MSG& message) {
    return (message.message == WM_KEYDOWN || message.message == WM_KEYUP) &&
           (message.wParam == VK_LEFT || message.wParam == VK_RIGHT || message.wParam == VK_UP ||
            message.wParam == VK_DOWN);
}

}  // namespace

HRESULT Control::InPlaceActivate(IOleClientSite* site, bool uiActivate, HWND parent, LPCRECT rect) {
    if (site == nullptr) site = site_.Get();
    if (site == nullptr) return E_UNEXPECTED;
    if (!inPlaceSite_) {
        ComPtr<IOleInPlaceSite> inPlace;
        if (FAILED(site->QueryInterface(IID_IOleInPlaceSite, inPlace.PutVoid()))) return E_NOINTERFACE;
        if (inPlace->CanInPlaceActivate() != S_OK) return E_FAIL;
        inPlace->OnInPlaceActivate();
        inPlaceSite_.Share(inPlace.Get());
    }
    if (window_ == nullptr) {
        HWND container = parent;
        if (container == nullptr && FAILED(inPlaceSite_->GetWindow(&container))) return E_FAIL;
        RECT position = rect ? *rect : RECT{0, 0, 100, 100};
        RECT clip = position;
        ComPtr<IOleInPlaceFrame> frame;
        ComPtr<IOleInPlaceUIWindow> document;
        OLEINPLACEFRAMEINFO frameInfo{};
        frameInfo.cb = sizeof frameInfo;
        if (SUCCEEDED(inPlaceSite_->GetWindowContext(frame.Put(), document.Put(), &position, &clip, &frameInfo)) &&
            rect != nullptr)
            position = *rect;
        if (!CreateControlWindow(container, position)) return E_OUTOFMEMORY;
    }
    ShowWindow(window_, SW_SHOW);
    if (uiActivate && !uiActive_) {
        uiActive_ = true;
        inPlaceSite_->OnUIActivate();
        if (!IsChild(window_, GetFocus())) SetFocus(window_);
    }
    return S_OK;
}

bool Control::CreateControlWindow(HWND parent, const RECT& rect) {
    if (!RegisterControlClass()) return false;
    const DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (state_.borderStyle ? WS_BORDER : 0);
    window_ = CreateWindowExA(0, kControlClass, "", style, rect.left, rect.top, rect.right - rect.left,
                              rect.bottom - rect.top, parent, nullptr, ControlModule(), nullptr);
    if (window_ == nullptr) return false;
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::WindowProc));
    OnCreated();
    return true;
}

// What creating the control window sets up: the caption always, and at
// run time the frame and the list with the stored properties applied.
void Control::OnCreated() {
    state_.caption = kDesignCaption;
    SetWindowTextA(window_, kDesignCaption);
    if (!UserMode()) return;
    RECT client{};
    GetClientRect(window_, &client);
    if (!frame_) frame_ = std::make_unique<ControlFrame>(*this);
    FrameStart start;
    if (treeWindow_ == nullptr) {
        start.folder = state_.currentFolder;
        start.currentType = state_.currentType;
        start.nameSpace = state_.currentNameSpace;
    }
    start.multiSelect = state_.multiSelect;
    start.treeWindow = treeWindow_;
    if (!frame_->Create(window_, client, start)) {
        frame_.reset();
        return;
    }
    for (long id : {dispid::kView, dispid::kScreenUpdate})
        ApplyToList(id);
    ApplyFilter();
    for (long id : {dispid::kShowSizeColumn, dispid::kShowTypeColumn, dispid::kShowModifiedColumn})
        ApplyToList(id);
    for (long id : {dispid::kShowSystemContextMenus, dispid::kAllowFileRename, dispid::kAllowOleDrag,
                    dispid::kAllowOleDrop})
        ApplyToList(id);
    frame_->List().Shell().SetControlWindow(window_);
}

void Control::DestroyControlWindow() {
    frame_.reset();
    if (window_ == nullptr) return;
    HWND window = window_;
    window_ = nullptr;
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

HRESULT Control::GetWindow(HWND* window) {
    if (window == nullptr) return E_POINTER;
    *window = window_;
    return window_ ? S_OK : E_FAIL;
}

HRESULT Control::InPlaceDeactivate() {
    UIDeactivate();
    DestroyControlWindow();
    if (inPlaceSite_) {
        ComPtr<IOleInPlaceSite> site;
        site.Share(inPlaceSite_.Get());
        inPlaceSite_.Reset();
        site->OnInPlaceDeactivate();
    }
    return S_OK;
}

HRESULT Control::UIDeactivate() {
    if (!uiActive_) return S_OK;
    uiActive_ = false;
    if (inPlaceSite_) inPlaceSite_->OnUIDeactivate(FALSE);
    return S_OK;
}

HRESULT Control::SetObjectRects(LPCRECT position, LPCRECT) {
    if (position == nullptr) return E_POINTER;
    if (window_ != nullptr)
        MoveWindow(window_, position->left, position->top, position->right - position->left,
                   position->bottom - position->top, TRUE);
    return S_OK;
}

// The arrow keys go to the list through the frame before the container can
// take them for moving between its controls.
HRESULT Control::TranslateAccelerator(LPMSG message) {
    if (message == nullptr || !frame_ || !IsArrowKey(*message)) return S_FALSE;
    SendMessageA(frame_->Window(), message->message, message->wParam, message->lParam);
    return S_OK;
}

LRESULT CALLBACK Control::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    try {
        return self->OnMessage(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT Control::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (frame_) frame_->Resize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SETFOCUS:
        if (frame_) SetFocus(frame_->List().List());
        return 0;
    case WM_SYSCOLORCHANGE:
        if (frame_) SendMessageA(frame_->List().List(), WM_SYSCOLORCHANGE, 0, 0);
        return 0;
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        RECT client{};
        GetClientRect(window_, &client);
        if (!frame_) Paint(dc, client);
        EndPaint(window_, &paint);
        return 0;
    }
    case kMsgRaiseChange: RaiseChange(static_cast<short>(wParam)); return 0;
    case kMsgRaiseClick: RaiseClick(); return 0;
    case kMsgRaiseControlError: RaiseControlError(static_cast<long>(lParam)); return 0;
    case kMsgGotFocus:
        if (inPlaceSite_ && !uiActive_) InPlaceActivate(nullptr, true, nullptr, nullptr);
        return 0;
    case kMsgLostFocus: return 0;
    case WM_KEYDOWN: FireStockKey(dispid::kKeyDown, wParam); break;
    case WM_KEYUP: FireStockKey(dispid::kKeyUp, wParam); break;
    case WM_CHAR: FireStockKey(dispid::kKeyPress, wParam); break;
    case WM_MOUSEMOVE: FireStockMouse(dispid::kMouseMove, wParam, lParam); break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: FireStockMouse(dispid::kMouseDown, wParam, lParam); break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: FireStockMouse(dispid::kMouseUp, wParam, lParam); break;
    default: break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

bool Control::OnSetCursor(HWND over, UINT hitTest) {
    if (hitTest != HTCLIENT || state_.mousePointer == 0 || !UserMode()) return false;
    const bool ours = over == window_ || (frame_ && (over == frame_->List().Pane() || over == frame_->List().List()));
    if (!ours) return false;
    static const LPCSTR kCursors[] = {IDC_ARROW,  IDC_CROSS,  IDC_IBEAM, IDC_SIZEALL, IDC_SIZENESW,
                                      IDC_SIZENS, IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW, IDC_WAIT,
                                      IDC_NO,     IDC_APPSTARTING, IDC_HELP};
    const CursorShape shape = CursorFor(state_.mousePointer);
    if (shape == CursorShape::Unchanged) return false;
    if (shape != CursorShape::Custom) {
        SetCursor(LoadCursorA(nullptr, kCursors[static_cast<int>(shape)]));
        return true;
    }
    // 99: the icon held by MouseIcon, when there is one.
    ComPtr<IPicture> picture;
    OLE_HANDLE handle = 0;
    if (!mouseIcon_ || FAILED(mouseIcon_->QueryInterface(IID_IPicture, picture.PutVoid())) ||
        FAILED(picture->get_Handle(&handle)) || handle == 0)
        return true;
    SetCursor(reinterpret_cast<HCURSOR>(static_cast<UINT_PTR>(handle)));
    return true;
}

}  // namespace panorell
