#include "ControlFolderList_win.h"

#include <oleauto.h>

#include <string>

#include "AutomationText_win.h"
#include "Variants_win.h"

namespace corvella {

namespace {

using panorell::FromBstr;
using panorell::LongVariant;
using panorell::ToBstr;

// Calls member `name`; the arguments are cleared afterwards, as the receiver
// copies what it keeps.
HRESULT Call(IDispatch* control, const wchar_t* name, WORD kind, VARIANT* args, UINT count, VARIANT* result) {
    const HRESULT hr = panorell::CallByName(control, name, kind, args, count, result);
    for (UINT i = 0; i < count; ++i) VariantClear(&args[i]);
    return hr;
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
    VARIANT arg = LongVariant(index);
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
    VARIANT args[] = {panorell::BoolVariant(true), LongVariant(index)};
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

std::optional<bool> ControlFolderList::ExecuteContextMenuItem(int position) { return Execute(LongVariant(position)); }

std::optional<bool> ControlFolderList::ExecuteContextMenuItem(const std::string& verb) {
    VARIANT text;
    VariantInit(&text);
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = ToBstr(verb);
    if (V_BSTR(&text) == nullptr) return std::nullopt;
    return Execute(text);
}

}  // namespace corvella
