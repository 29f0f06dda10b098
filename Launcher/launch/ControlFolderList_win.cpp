#include "ControlFolderList_win.h"

#include <oleauto.h>

#include <string>

namespace corvella {

namespace {

// Texts cross as automation strings in the ANSI code page, as the control
// keeps them.
BSTR ToBstr(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (out != nullptr && length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out, length);
    return out;
}

std::string FromBstr(BSTR text) {
    const int chars = static_cast<int>(SysStringLen(text));
    if (chars == 0) return std::string();
    const int length = WideCharToMultiByte(CP_ACP, 0, text, chars, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, chars, out.data(), length, nullptr, nullptr);
    return out;
}

// Calls member `name` with `args` (in the interface's reverse order); the
// arguments are cleared afterwards, as the receiver copies what it keeps.
HRESULT Call(IDispatch* control, const wchar_t* name, WORD kind, VARIANT* args, UINT count, VARIANT* result) {
    HRESULT hr = E_POINTER;
    if (control != nullptr) {
        DISPID id = DISPID_UNKNOWN;
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        hr = control->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
        if (SUCCEEDED(hr)) {
            DISPID put = DISPID_PROPERTYPUT;
            DISPPARAMS params{args, kind == DISPATCH_PROPERTYPUT ? &put : nullptr, count,
                              kind == DISPATCH_PROPERTYPUT ? 1u : 0u};
            hr = control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result, nullptr, nullptr);
        }
    }
    for (UINT i = 0; i < count; ++i) VariantClear(&args[i]);
    return hr;
}

VARIANT Long(long value) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
    return v;
}

// The result as the wanted kind; false when it cannot be had.
bool ResultAs(VARIANT& result, VARTYPE type) {
    const bool ok = SUCCEEDED(VariantChangeType(&result, &result, 0, type));
    if (!ok) VariantClear(&result);
    return ok;
}

}  // namespace

bool ControlFolderList::SetCurrentFolder(const std::string& folder) {
    VARIANT text;
    VariantInit(&text);
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = ToBstr(folder);
    if (V_BSTR(&text) == nullptr) return false;
    return SUCCEEDED(Call(host_.Control(), L"CurrentFolder", DISPATCH_PROPERTYPUT, &text, 1, nullptr));
}

std::optional<int> ControlFolderList::ListCount() {
    VARIANT result;
    VariantInit(&result);
    if (FAILED(Call(host_.Control(), L"ListCount", DISPATCH_PROPERTYGET, nullptr, 0, &result)) ||
        !ResultAs(result, VT_I4))
        return std::nullopt;
    return static_cast<int>(V_I4(&result));
}

std::optional<std::string> ControlFolderList::List(int index) {
    VARIANT arg = Long(index);
    VARIANT result;
    VariantInit(&result);
    if (FAILED(Call(host_.Control(), L"List", DISPATCH_PROPERTYGET, &arg, 1, &result)) || !ResultAs(result, VT_BSTR))
        return std::nullopt;
    std::string text = FromBstr(V_BSTR(&result));
    VariantClear(&result);
    return text;
}

bool ControlFolderList::Focus() {
    HWND window = host_.Window();
    if (window == nullptr || !IsWindow(window)) return false;
    SetFocus(window);
    return true;
}

bool ControlFolderList::Select(int index) {
    VARIANT args[2];
    VariantInit(&args[0]);
    V_VT(&args[0]) = VT_BOOL;
    V_BOOL(&args[0]) = VARIANT_TRUE;
    args[1] = Long(index);
    return SUCCEEDED(Call(host_.Control(), L"Selected", DISPATCH_PROPERTYPUT, args, 2, nullptr));
}

std::optional<bool> ControlFolderList::Execute(VARIANT item) {
    VARIANT result;
    VariantInit(&result);
    if (FAILED(Call(host_.Control(), L"ExecuteContextMenuItem", DISPATCH_METHOD, &item, 1, &result)) ||
        !ResultAs(result, VT_BOOL))
        return std::nullopt;
    return V_BOOL(&result) != VARIANT_FALSE;
}

std::optional<bool> ControlFolderList::ExecuteContextMenuItem(int position) { return Execute(Long(position)); }

std::optional<bool> ControlFolderList::ExecuteContextMenuItem(const std::string& verb) {
    VARIANT text;
    VariantInit(&text);
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = ToBstr(verb);
    if (V_BSTR(&text) == nullptr) return std::nullopt;
    return Execute(text);
}

}  // namespace corvella
