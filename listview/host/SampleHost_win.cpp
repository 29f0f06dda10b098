// panorellhost.exe: a small file browser for developers who embed the
// panorell control. A path box, a view choice, the property pages button
// and a status line that shows the control's events, around one control
// embedded through ControlSite. The control must be registered.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>

#include "ComObject_win.h"
#include "ControlSite_win.h"

namespace {

constexpr CLSID kControlClass = {0x8F1F5403, 0x1AA7, 0x11D0, {0xB6, 0xD4, 0x00, 0x80, 0xC8, 0x1D, 0x4C, 0x9C}};
constexpr IID kEventsInterface = {0x8F1F5402, 0x1AA7, 0x11D0, {0xB6, 0xD4, 0x00, 0x80, 0xC8, 0x1D, 0x4C, 0x9C}};
constexpr int kPathBox = 10, kGoButton = 11, kViewList = 12, kPagesButton = 13, kStatusLine = 14;
constexpr int kBarHeight = 30, kStatusHeight = 22;

// Shows each event of the control in the status line.
class StatusSink final : public corvella::com::ComObject<IDispatch> {
public:
    explicit StatusSink(HWND status) : status_(status) {}
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        std::string text;
        switch (id) {
        case 1: text = "Change"; break;
        case 2: text = "ControlError"; break;
        case -600: text = "Click"; break;
        default: return S_OK;  // keys and mouse moves would flood the line
        }
        if (params != nullptr && params->cArgs == 1) {
            VARIANT number;
            VariantInit(&number);
            if (SUCCEEDED(VariantChangeType(&number, &params->rgvarg[0], 0, VT_I4)))
                text += " " + std::to_string(V_I4(&number));
        }
        SetWindowTextA(status_, text.c_str());
        return S_OK;
    }

protected:
    IUnknown* FindMore(REFIID iid) override {
        return IsEqualIID(iid, kEventsInterface) ? static_cast<IDispatch*>(this) : nullptr;
    }

private:
    HWND status_;
};

struct Browser {
    HWND window = nullptr;
    panorell::ControlSite site;
    StatusSink* sink = nullptr;
    DWORD cookie = 0;
};

Browser gBrowser;

RECT ControlRect(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {0, kBarHeight, client.right, client.bottom - kStatusHeight};
}

void ConnectEvents(HWND status) {
    IConnectionPointContainer* container = nullptr;
    if (FAILED(gBrowser.site.Object()->QueryInterface(IID_IConnectionPointContainer,
                                                      reinterpret_cast<void**>(&container))))
        return;
    IConnectionPoint* point = nullptr;
    if (SUCCEEDED(container->FindConnectionPoint(kEventsInterface, &point))) {
        gBrowser.sink = new StatusSink(status);
        point->Advise(gBrowser.sink, &gBrowser.cookie);
        point->Release();
    }
    container->Release();
}

void MakeChildren(HWND window, HINSTANCE instance) {
    auto child = [&](const char* type, const char* text, DWORD style, int x, int w, int id) {
        return CreateWindowExA(0, type, text, WS_CHILD | WS_VISIBLE | style, x, 4, w, 22, window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    };
    child("EDIT", "C:\\", WS_BORDER | ES_AUTOHSCROLL, 4, 300, kPathBox);
    child("BUTTON", "Go", BS_DEFPUSHBUTTON, 308, 40, kGoButton);
    HWND views = child("COMBOBOX", "", CBS_DROPDOWNLIST, 352, 100, kViewList);
    SetWindowPos(views, nullptr, 352, 4, 100, 120, SWP_NOZORDER);
    for (const char* view : {"Icons", "Small icons", "List", "Details"})
        SendMessageA(views, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(view));
    SendMessageA(views, CB_SETCURSEL, 3, 0);
    child("BUTTON", "Properties...", BS_PUSHBUTTON, 456, 90, kPagesButton);
    CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_SUNKEN, 0, 0, 0, 0, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusLine)), instance, nullptr);
}

void ShowPages() {
    ISpecifyPropertyPages* specify = nullptr;
    if (FAILED(gBrowser.site.Object()->QueryInterface(IID_ISpecifyPropertyPages, reinterpret_cast<void**>(&specify))))
        return;
    CAUUID pages{};
    if (SUCCEEDED(specify->GetPages(&pages))) {
        IUnknown* objects[] = {gBrowser.site.Dispatch()};
        OleCreatePropertyFrame(gBrowser.window, 40, 40, L"PanorellListView", 1, objects, pages.cElems, pages.pElems,
                               LOCALE_USER_DEFAULT, 0, nullptr);
        CoTaskMemFree(pages.pElems);
    }
    specify->Release();
}

void OnCommand(HWND window, int id, int code) {
    IDispatch* control = gBrowser.site.Dispatch();
    if (control == nullptr) return;
    if (id == kGoButton || id == IDOK) {
        char path[MAX_PATH] = {};
        GetDlgItemTextA(window, kPathBox, path, MAX_PATH);
        wchar_t wide[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH);
        VARIANT value;
        VariantInit(&value);
        V_VT(&value) = VT_BSTR;
        V_BSTR(&value) = SysAllocString(wide);
        panorell::PutProperty(control, L"CurrentFolder", value);
    } else if (id == kViewList && code == CBN_SELCHANGE) {
        VARIANT value;
        VariantInit(&value);
        V_VT(&value) = VT_I4;
        V_I4(&value) = static_cast<LONG>(SendDlgItemMessageA(window, kViewList, CB_GETCURSEL, 0, 0));
        panorell::PutProperty(control, L"View", value);
    } else if (id == kPagesButton) {
        ShowPages();
    }
}

LRESULT CALLBACK BrowserProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: OnCommand(window, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_SIZE: {
        gBrowser.site.Move(ControlRect(window));
        MoveWindow(GetDlgItem(window, kStatusLine), 0, HIWORD(lParam) - kStatusHeight, LOWORD(lParam), kStatusHeight,
                   TRUE);
        return 0;
    }
    case WM_DESTROY:
        gBrowser.site.Destroy();
        PostQuitMessage(0);
        return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    if (FAILED(OleInitialize(nullptr))) return 1;
    WNDCLASSA wc{};
    wc.lpfnWndProc = BrowserProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "PanorellSampleHost";
    RegisterClassA(&wc);
    gBrowser.window = CreateWindowExA(0, wc.lpszClassName, "PanorellListView sample host", WS_OVERLAPPEDWINDOW,
                                      CW_USEDEFAULT, CW_USEDEFAULT, 640, 440, nullptr, nullptr, instance, nullptr);
    MakeChildren(gBrowser.window, instance);
    const HRESULT hr = gBrowser.site.Create(kControlClass, gBrowser.window, ControlRect(gBrowser.window), true);
    if (FAILED(hr)) {
        MessageBoxA(gBrowser.window, "The PanorellListView control is not registered (regsvr32 panorell.ocx).",
                    "PanorellListView sample host", MB_OK | MB_ICONSTOP);
        DestroyWindow(gBrowser.window);
    } else {
        ConnectEvents(GetDlgItem(gBrowser.window, kStatusLine));
        SendMessageA(gBrowser.window, WM_COMMAND, kGoButton, 0);
        OnCommand(gBrowser.window, kViewList, CBN_SELCHANGE);  // the view the choice shows
        RECT client{};
        GetClientRect(gBrowser.window, &client);
        SendMessageA(gBrowser.window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
        ShowWindow(gBrowser.window, show);
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (gBrowser.site.TranslateAccelerator(message)) continue;
        if (IsDialogMessageA(gBrowser.window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (gBrowser.sink != nullptr) gBrowser.sink->Release();
    OleUninitialize();
    return 0;
}
