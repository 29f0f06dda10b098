// The links to a folder tree and a folder combo, the folder hand-over, the
// way up a level, and the mouse icon.
#include <olectl.h>

#include "AutomationText_win.h"
#include "ControlFrame_win.h"
#include "Control_win.h"
#include "ListMessages_win.h"

namespace panorell {

namespace {

// A Variant's value, seen through one level of reference.
const VARIANT& Dereferenced(const VARIANT& value) {
    if (V_VT(&value) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(&value) != nullptr) return *V_VARIANTREF(&value);
    return value;
}

// Sets a combo's property by name, as a property put with the named
// argument that puts carry.
bool PutProperty(IDispatch* target, const wchar_t* name, VARIANT& value) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    constexpr LCID kLocale = 0x800;
    if (FAILED(target->GetIDsOfNames(IID_NULL, names, 1, kLocale, &id))) return false;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    return SUCCEEDED(target->Invoke(id, IID_NULL, kLocale, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr));
}

bool PutLong(IDispatch* target, const wchar_t* name, LONG number) {
    VARIANT value;
    VariantInit(&value);
    V_VT(&value) = VT_I4;
    V_I4(&value) = number;
    return PutProperty(target, name, value);
}

// The picture kinds MouseIcon takes: an icon, an empty or an unset picture.
bool IsIconOrEmpty(IPictureDisp* picture) {
    if (picture == nullptr) return true;
    IPicture* held = nullptr;
    if (FAILED(picture->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&held)))) return false;
    SHORT type = PICTYPE_UNINITIALIZED;
    const HRESULT hr = held->get_Type(&type);
    held->Release();
    return SUCCEEDED(hr) && (type == PICTYPE_ICON || type == PICTYPE_NONE || type == PICTYPE_UNINITIALIZED);
}

}  // namespace

HRESULT Control::get_AutoLinkTreeHwnd(LONG* value) {
    if (value != nullptr) *value = 0;
    return Fail(ControlFault::WriteOnly);
}

HRESULT Control::put_AutoLinkTreeHwnd(LONG value) {
    // Window handles fit in 32 bits on every Windows, also the 64-bit one.
    treeWindow_ = reinterpret_cast<HWND>(static_cast<LONG_PTR>(value));
    if (frame_) frame_->SetTreeWindow(treeWindow_);
    dirty_ = true;
    return S_OK;
}

HRESULT Control::get_FolderItem(VARIANT* value) {
    if (value != nullptr) VariantInit(value);
    return Fail(ControlFault::WriteOnly);
}

// The Variant carries the address of a folder record. The list moves to a
// copy of it; when it cannot, the caller's pointer is cleared.
HRESULT Control::put_FolderItem(VARIANT value) {
    const VARIANT& held = Dereferenced(value);
    const FolderRecord* record = nullptr;
    if (V_VT(&held) == VT_I4) record = reinterpret_cast<const FolderRecord*>(static_cast<LONG_PTR>(V_I4(&held)));
    if (V_VT(&held) == VT_I8) record = reinterpret_cast<const FolderRecord*>(static_cast<LONG_PTR>(V_I8(&held)));
    FolderRecordPtr copy = (record != nullptr && frame_) ? CopyRecord(*record) : nullptr;
    if (copy && frame_->ShowRecord(std::move(copy))) {
        dirty_ = true;
        return S_OK;
    }
    if (V_VT(&value) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(&value) != nullptr) {
        VARIANT* caller = V_VARIANTREF(&value);
        if (V_VT(caller) == VT_I4) V_I4(caller) = 0;
        if (V_VT(caller) == VT_I8) V_I8(caller) = 0;
    } else if (V_VT(&value) == (VT_BYREF | VT_I4) && V_I4REF(&value) != nullptr) {
        *V_I4REF(&value) = 0;
    }
    return S_OK;
}

HRESULT Control::get_AutoLinkPanorellCombo(VARIANT* value) {
    if (value != nullptr) VariantInit(value);
    return Fail(ControlFault::WriteOnly);
}

HRESULT Control::put_AutoLinkPanorellCombo(VARIANT value) {
    if (!UserMode()) return S_OK;
    const VARIANT& held = Dereferenced(value);
    ComPtr<IDispatch> combo;
    if ((V_VT(&held) == VT_DISPATCH || V_VT(&held) == VT_UNKNOWN) && V_UNKNOWN(&held) != nullptr)
        V_UNKNOWN(&held)->QueryInterface(IID_IDispatch, combo.PutVoid());
    if (combo_) PutLong(combo_.Get(), L"ListWnd", 0);
    combo_.Reset();
    if (!combo) return S_OK;
    const HWND frame = frame_ ? frame_->Window() : nullptr;
    if (!PutLong(combo.Get(), L"ListWnd", static_cast<LONG>(reinterpret_cast<LONG_PTR>(frame)))) return S_OK;
    combo_.Share(combo.Get());
    TellComboFolder();
    return S_OK;
}

// The combo hears the absolute id of the folder shown, as a by-reference
// Variant pointing to a copy that is freed after the call.
void Control::TellComboFolder() {
    const ListWindow* list = List();
    if (!combo_ || list == nullptr || list->Current() == nullptr) return;
    ITEMIDLIST* copy = ILClone(list->Current()->absoluteId);
    if (copy == nullptr) return;
    VARIANT address;
    VariantInit(&address);
    V_VT(&address) = sizeof(void*) == 8 ? VT_I8 : VT_I4;
    if (sizeof(void*) == 8)
        V_I8(&address) = static_cast<LONGLONG>(reinterpret_cast<LONG_PTR>(copy));
    else
        V_I4(&address) = static_cast<LONG>(reinterpret_cast<LONG_PTR>(copy));
    VARIANT byReference;
    VariantInit(&byReference);
    V_VT(&byReference) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&byReference) = &address;
    PutProperty(combo_.Get(), L"CurrentItem", byReference);
    ILFree(copy);
}

HRESULT Control::BackOneLevel(VARIANT_BOOL* done) {
    if (done == nullptr) return E_POINTER;
    *done = VARIANT_FALSE;
    if (treeWindow_ != nullptr && SendMessageA(treeWindow_, kMsgTreeUpOneLevel, 0, 0) != 0) return S_OK;
    if (ListWindow* list = List()) *done = ToVariantBool(list->BackOneLevel());
    return S_OK;
}

HRESULT Control::get_MouseIcon(IPictureDisp** value) {
    if (value == nullptr) return E_POINTER;
    *value = nullptr;
    if (!mouseIcon_ && UserMode()) {
        PICTDESC empty{sizeof empty, PICTYPE_NONE, {}};
        OleCreatePictureIndirect(&empty, IID_IPictureDisp, TRUE, mouseIcon_.PutVoid());
    }
    *value = mouseIcon_.Get();
    if (*value != nullptr) (*value)->AddRef();
    return S_OK;
}

HRESULT Control::put_MouseIcon(IPictureDisp* value) {
    if (!IsIconOrEmpty(value)) return Fail(ControlFault::InvalidValue);
    mouseIcon_.Share(value);
    Changed(dispid::kMouseIcon);
    return S_OK;
}

}  // namespace panorell
