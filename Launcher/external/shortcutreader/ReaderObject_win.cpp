#include "ReaderObject_win.h"

#include <oleauto.h>

#include "../../platform/ComObject_win.h"
#include "ShortcutLink_win.h"

namespace corvella::shortcutreader {

namespace {

constexpr UINT kArgumentCount = 1 + kShortcutTextCount;

// Invoke's arguments arrive last first: the path is rgvarg[7], the first
// text rgvarg[6].
VARIANT& Argument(DISPPARAMS& params, UINT position) { return params.rgvarg[kArgumentCount - 1 - position]; }

bool IsTextReference(const VARIANT& v) {
    if (V_VT(&v) == (VT_BYREF | VT_BSTR)) return V_BSTRREF(&v) != nullptr;
    if (V_VT(&v) == (VT_BYREF | VT_VARIANT)) return V_VARIANTREF(&v) != nullptr;
    return false;
}

// Hands a text to a by-reference argument, freeing what it held before.
void Store(VARIANT& v, BSTR text) {
    if (V_VT(&v) == (VT_BYREF | VT_BSTR)) {
        SysFreeString(*V_BSTRREF(&v));
        *V_BSTRREF(&v) = text;
        return;
    }
    VARIANT* target = V_VARIANTREF(&v);
    VariantClear(target);
    V_VT(target) = VT_BSTR;
    V_BSTR(target) = text;
}

// Reports a failure the automation way when the caller asked for details.
HRESULT Failure(HRESULT hr, EXCEPINFO* exception) {
    if (exception == nullptr) return hr;
    *exception = EXCEPINFO{};
    exception->bstrSource = SysAllocString(L"Corvella.ShortcutReader");
    exception->bstrDescription = SysAllocString(L"The file cannot be read as a shortcut.");
    exception->scode = hr;
    return DISP_E_EXCEPTION;
}

class ReaderObject final : public com::ComObject<IDispatch> {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_INVALIDARG;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info == nullptr) return E_INVALIDARG;
        *info = nullptr;
        return DISP_E_BADINDEX;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* badArgument) override;

private:
    static HRESULT CheckArguments(DISPPARAMS& params, UINT* badArgument);
    static HRESULT Read(DISPPARAMS& params, EXCEPINFO* exception, UINT* badArgument);
};

HRESULT ReaderObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
    // Parameter names are not known: the operation takes its arguments by position.
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    if (names[0] == nullptr || lstrcmpiW(names[0], kReadShortcutName) != 0) return DISP_E_UNKNOWNNAME;
    ids[0] = kReadShortcutId;
    return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT ReaderObject::CheckArguments(DISPPARAMS& params, UINT* badArgument) {
    if (params.cNamedArgs != 0) return DISP_E_NONAMEDARGS;
    if (params.cArgs != kArgumentCount || params.rgvarg == nullptr) return DISP_E_BADPARAMCOUNT;
    for (UINT position = 1; position < kArgumentCount; ++position) {
        if (IsTextReference(Argument(params, position))) continue;
        if (badArgument != nullptr) *badArgument = kArgumentCount - 1 - position;
        return DISP_E_TYPEMISMATCH;
    }
    return S_OK;
}

HRESULT ReaderObject::Read(DISPPARAMS& params, EXCEPINFO* exception, UINT* badArgument) {
    VARIANT path;
    VariantInit(&path);
    HRESULT hr = VariantChangeType(&path, &Argument(params, 0), 0, VT_BSTR);
    if (FAILED(hr)) {
        if (badArgument != nullptr) *badArgument = kArgumentCount - 1;
        return DISP_E_TYPEMISMATCH;
    }
    ShortcutTexts texts;
    hr = ReadShortcutTexts(V_BSTR(&path), texts);
    VariantClear(&path);
    if (FAILED(hr)) return Failure(hr, exception);

    // Every text is made before any argument changes, so a failure leaves
    // the caller's variables as they were.
    BSTR made[kShortcutTextCount] = {};
    for (int i = 0; i < kShortcutTextCount; ++i) {
        made[i] = SysAllocStringLen(texts[i].data(), static_cast<UINT>(texts[i].size()));
        if (made[i] != nullptr) continue;
        for (BSTR& text : made) SysFreeString(text);
        return E_OUTOFMEMORY;
    }
    for (int i = 0; i < kShortcutTextCount; ++i) Store(Argument(params, static_cast<UINT>(i) + 1), made[i]);
    return S_OK;
}

HRESULT ReaderObject::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                             EXCEPINFO* exception, UINT* badArgument) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (id != kReadShortcutId || (flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
    if (params == nullptr) return E_INVALIDARG;
    HRESULT hr = CheckArguments(*params, badArgument);
    if (FAILED(hr)) return hr;
    if (result != nullptr) VariantInit(result);
    return Read(*params, exception, badArgument);
}

class ReaderFactory final : public com::ComObject<IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (out != nullptr) *out = nullptr;
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        return com::CreateAndQuery<ReaderObject>(iid, out);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        com::LockModule(lock != FALSE);
        return S_OK;
    }
};

}  // namespace

HRESULT GetReaderClassObject(REFIID iid, void** out) noexcept { return com::CreateAndQuery<ReaderFactory>(iid, out); }

}  // namespace corvella::shortcutreader
