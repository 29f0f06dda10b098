#include "FolderListHost_win.h"

#include <oleauto.h>

namespace corvella {

namespace {

HRESULT PutText(IDispatch* control, const wchar_t* name, const wchar_t* text) {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocString(text);
    if (value.bstrVal == nullptr) return E_OUTOFMEMORY;
    return panorell::PutProperty(control, name, value);
}

}  // namespace

bool FolderListHost::Create(HWND mainWindow, const wchar_t* progId) {
    CLSID classId;
    if (FAILED(CLSIDFromProgID(progId, &classId))) return false;
    // In place but out of sight: the launcher only drives it by automation.
    const RECT nowhere{0, 0, 0, 0};
    if (FAILED(site_.Create(classId, mainWindow, nowhere, true))) return false;
    if (HWND window = site_.Window()) ShowWindow(window, SW_HIDE);
    IDispatch* control = site_.Dispatch();
    if (FAILED(PutText(control, L"Pattern", L"*.*")) || FAILED(PutText(control, L"CurrentFolder", L"C:\\"))) {
        site_.Destroy();
        return false;
    }
    return true;
}

void FolderListHost::CreateLater(HWND mainWindow, const wchar_t* progId) {
    pendingWindow_ = mainWindow;
    pendingProgId_ = progId;
}

bool FolderListHost::CreatePending() {
    if (pendingWindow_) {
        HWND window = pendingWindow_;
        pendingWindow_ = nullptr;
        // A window already closing gets no control.
        if (IsWindow(window)) Create(window, pendingProgId_);
    }
    return site_.Dispatch() != nullptr;
}

void FolderListHost::Destroy() {
    pendingWindow_ = nullptr;
    site_.Destroy();
}

IDispatch* FolderListHost::Control() {
    CreatePending();
    return site_.Dispatch();
}

}  // namespace corvella
