// The control's IDispatch: names and types come from the type library, and
// ITypeInfo::Invoke calls the matching get or put of the hidden vtable
// interface. Errors a call raises reach the caller as an exception.
#include "AutomationText_win.h"
#include "Control_win.h"

namespace panorell {


HRESULT Control::LoadTypeInfos() {
    if (callsInfo_) return S_OK;
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(ControlModule(), path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return TYPE_E_CANTLOADLIBRARY;
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadTypeLibEx(path, REGKIND_NONE, library.Put());
    if (FAILED(hr)) return hr;
    ComPtr<ITypeInfo> calls, dispatch, coclass;
    if (FAILED(hr = library->GetTypeInfoOfGuid(IID_IPanorellListViewCalls, calls.Put())) ||
        FAILED(hr = library->GetTypeInfoOfGuid(DIID__DPanorellListView, dispatch.Put())) ||
        FAILED(hr = library->GetTypeInfoOfGuid(CLSID_PanorellListView, coclass.Put())))
        return hr;
    callsInfo_.Share(calls.Get());
    dispatchInfo_.Share(dispatch.Get());
    classInfo_.Share(coclass.Get());
    return S_OK;
}

HRESULT Control::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT Control::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (info == nullptr) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    const HRESULT hr = LoadTypeInfos();
    if (FAILED(hr)) return hr;
    *info = dispatchInfo_.Get();
    (*info)->AddRef();
    return S_OK;
}

HRESULT Control::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    const HRESULT hr = LoadTypeInfos();
    if (FAILED(hr)) return hr;
    return DispGetIDsOfNames(dispatchInfo_.Get(), names, count, ids);
}

HRESULT Control::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* badArgument) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (params == nullptr) return E_INVALIDARG;
    HRESULT hr = LoadTypeInfos();
    if (FAILED(hr)) return hr;
    pendingFault_ = ControlFault::None;
    AddRef();  // the call may end in events whose sinks release the control
    hr = callsInfo_->Invoke(static_cast<IPanorellListViewCalls*>(this), id, flags, params, result, exception,
                            badArgument);
    const ControlFault fault = pendingFault_;
    pendingFault_ = ControlFault::None;
    if (fault != ControlFault::None) {
        const ControlErrorInfo info = DescribeFault(fault);
        if (exception != nullptr) {
            SysFreeString(exception->bstrSource);
            SysFreeString(exception->bstrDescription);
            SysFreeString(exception->bstrHelpFile);
            *exception = EXCEPINFO{};
            exception->bstrSource = SysAllocString(L"PanorellListView");
            exception->bstrDescription = ToBstr(info.text);
            exception->scode = static_cast<SCODE>(info.hresult);
        }
        hr = DISP_E_EXCEPTION;
    }
    Release();
    return hr;
}

HRESULT Control::Fail(ControlFault fault) {
    pendingFault_ = fault;
    const ControlErrorInfo info = DescribeFault(fault);
    // Vtable callers get the same text through the error object.
    ICreateErrorInfo* made = nullptr;
    if (SUCCEEDED(CreateErrorInfo(&made))) {
        BSTR text = ToBstr(info.text);
        made->SetGUID(DIID__DPanorellListView);
        made->SetSource(const_cast<LPOLESTR>(L"PanorellListView"));
        made->SetDescription(text);
        SysFreeString(text);
        IErrorInfo* error = nullptr;
        if (SUCCEEDED(made->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&error)))) {
            SetErrorInfo(0, error);
            error->Release();
        }
        made->Release();
    }
    return static_cast<HRESULT>(info.hresult);
}

HRESULT Control::GetClassInfo(ITypeInfo** info) {
    if (info == nullptr) return E_POINTER;
    *info = nullptr;
    const HRESULT hr = LoadTypeInfos();
    if (FAILED(hr)) return hr;
    *info = classInfo_.Get();
    (*info)->AddRef();
    return S_OK;
}

HRESULT Control::GetGUID(DWORD kind, GUID* guid) {
    if (guid == nullptr) return E_POINTER;
    *guid = GUID_NULL;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *guid = DIID__DPanorellListViewEvents;
    return S_OK;
}

}  // namespace panorell
