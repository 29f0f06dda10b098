#include "Variants_win.h"

namespace panorell {

HRESULT CallByName(IDispatch* target, const wchar_t* name, WORD kind, VARIANT* args, UINT count, VARIANT* result,
                   EXCEPINFO* exception) {
    if (target == nullptr) return E_POINTER;
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = target->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) return hr;
    DISPID put = DISPID_PROPERTYPUT;
    const bool isPut = (kind & DISPATCH_PROPERTYPUT) != 0;
    DISPPARAMS params{args, isPut ? &put : nullptr, count, isPut ? 1u : 0u};
    UINT badArgument = 0;
    return target->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, isPut ? nullptr : result, exception,
                          &badArgument);
}

}  // namespace panorell
