#include "PropertyPage_win.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "AutomationText_win.h"
#include "PanorellIds_win.h"

namespace panorell {

namespace {

constexpr int kDialogOf[] = {0, 300, 301, 302};  // by Page
constexpr const wchar_t* kTitleOf[] = {L"", L"General", L"Filters", L"Columns"};
constexpr int kCurrentTypeList = 209, kFolderEdit = 205, kNameSpaceList = 208;

// The drop-down lists of the General page and the enumeration each shows.
struct EnumList {
    int control;
    GUID enumeration;
};
const EnumList kEnumLists[] = {
    {208, {0xBC937740, 0x1D04, 0x11D0, {0x89, 0x82, 0x00, 0x80, 0xC8, 0x2D, 0x4E, 0x38}}},  // NameSpaceConstants
    {211, {0xCD3DD2C0, 0x1D04, 0x11D0, {0x89, 0x82, 0x00, 0x80, 0xC8, 0x2D, 0x4E, 0x38}}},  // ListViewConstants
    {226, {0xAFF83B60, 0x1D04, 0x11D0, {0x89, 0x82, 0x00, 0x80, 0xC8, 0x2D, 0x4E, 0x38}}},  // BorderStyleConstants
    {209, {0x5224B100, 0x22AC, 0x11D0, {0x89, 0x82, 0x00, 0x80, 0xC8, 0x2D, 0x4E, 0x38}}},  // CurrentTypeConstants
};

HRESULT CallByName(IDispatch* target, const char* ansiName, WORD flags, VARIANT* value) {
    std::wstring name(ansiName, ansiName + std::char_traits<char>::length(ansiName));
    LPOLESTR names[] = {name.data()};
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = target->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) return hr;
    DISPID named = DISPID_PROPERTYPUT;
    const bool put = flags == DISPATCH_PROPERTYPUT;
    DISPPARAMS params{put ? value : nullptr, put ? &named : nullptr, put ? 1u : 0u, put ? 1u : 0u};
    return target->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, put ? nullptr : value, nullptr, nullptr);
}

// One entry "%d - %s" per constant in type-library order, with the
// constant's description, or its name where the library has none.
void FillFromEnumeration(HWND list, ITypeInfo* info) {
    TYPEATTR* attributes = nullptr;
    if (FAILED(info->GetTypeAttr(&attributes))) return;
    for (UINT i = 0; i < attributes->cVars; ++i) {
        VARDESC* constant = nullptr;
        if (FAILED(info->GetVarDesc(i, &constant))) continue;
        BSTR name = nullptr, description = nullptr;
        info->GetDocumentation(constant->memid, &name, &description, nullptr, nullptr);
        VARIANT number;
        VariantInit(&number);
        VariantChangeType(&number, constant->lpvarValue, 0, VT_I4);
        const std::string text = FromBstr(SysStringLen(description) ? description : name);
        char entry[160];
        std::snprintf(entry, sizeof entry, "%ld - %s", static_cast<long>(V_I4(&number)), text.c_str());
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        SysFreeString(name);
        SysFreeString(description);
        info->ReleaseVarDesc(constant);
    }
    info->ReleaseTypeAttr(attributes);
}

INT_PTR CALLBACK IgnoreAll(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

enum class ControlKind { Check, Edit, List };

ControlKind KindOf(const PropertyEntry& entry) {
    if (entry.type == StoredType::Bool) return ControlKind::Check;
    if (entry.type == StoredType::String) return ControlKind::Edit;
    return ControlKind::List;
}

}  // namespace

PropertyPage::~PropertyPage() {
    Deactivate();
    for (IDispatch* object : objects_) object->Release();
}

HRESULT PropertyPage::SetPageSite(IPropertyPageSite* site) {
    site_.Share(site);
    return S_OK;
}

HRESULT PropertyPage::SetObjects(ULONG count, IUnknown** objects) {
    for (IDispatch* object : objects_) object->Release();
    objects_.clear();
    for (ULONG i = 0; objects != nullptr && i < count; ++i) {
        IDispatch* dispatch = nullptr;
        if (objects[i] && SUCCEEDED(objects[i]->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
            objects_.push_back(dispatch);
    }
    if (window_ != nullptr) ReadProperties();
    return S_OK;
}

HRESULT PropertyPage::Activate(HWND parent, LPCRECT rect, BOOL) {
    if (window_ != nullptr) return E_UNEXPECTED;
    window_ = CreateDialogParamA(ControlModule(), MAKEINTRESOURCEA(kDialogOf[static_cast<int>(page_)]), parent,
                                 &PropertyPage::DialogProc, reinterpret_cast<LPARAM>(this));
    if (window_ == nullptr) return E_OUTOFMEMORY;
    if (rect != nullptr) Move(rect);
    return S_OK;
}

HRESULT PropertyPage::Deactivate() {
    if (window_ == nullptr) return S_OK;
    HWND window = window_;
    window_ = nullptr;
    SetWindowLongPtrA(window, DWLP_USER, 0);
    DestroyWindow(window);
    return S_OK;
}

HRESULT PropertyPage::GetPageInfo(PROPPAGEINFO* info) {
    if (info == nullptr) return E_POINTER;
    // The page's size in pixels: its dialog made once, hidden, and measured.
    HWND probe = CreateDialogParamA(ControlModule(), MAKEINTRESOURCEA(kDialogOf[static_cast<int>(page_)]),
                                    GetDesktopWindow(), &IgnoreAll, 0);
    RECT bounds{0, 0, 375, 179};
    if (probe != nullptr) {
        GetWindowRect(probe, &bounds);
        DestroyWindow(probe);
    }
    const wchar_t* title = kTitleOf[static_cast<int>(page_)];
    const size_t bytes = (std::char_traits<wchar_t>::length(title) + 1) * sizeof(wchar_t);
    info->cb = sizeof *info;
    info->pszTitle = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
    if (info->pszTitle != nullptr) std::memcpy(info->pszTitle, title, bytes);
    info->size = {bounds.right - bounds.left, bounds.bottom - bounds.top};
    info->pszDocString = nullptr;
    info->pszHelpFile = nullptr;
    info->dwHelpContext = 0;
    return S_OK;
}

HRESULT PropertyPage::Show(UINT show) {
    if (window_ != nullptr) ShowWindow(window_, show);
    return S_OK;
}

HRESULT PropertyPage::Move(LPCRECT rect) {
    if (window_ != nullptr && rect != nullptr)
        MoveWindow(window_, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, TRUE);
    return S_OK;
}

HRESULT PropertyPage::TranslateAccelerator(MSG* message) {
    return window_ != nullptr && message != nullptr && IsDialogMessageA(window_, message) ? S_OK : S_FALSE;
}

INT_PTR CALLBACK PropertyPage::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        auto* self = reinterpret_cast<PropertyPage*>(lParam);
        self->window_ = window;
        self->OnInit();
        return TRUE;
    }
    auto* self = reinterpret_cast<PropertyPage*>(GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr || message != WM_COMMAND) return FALSE;
    try {
        self->OnCommand(LOWORD(wParam), HIWORD(wParam));
    } catch (...) {
    }
    return TRUE;
}

void PropertyPage::OnInit() {
    if (page_ == Page::General) FillLists();
    ReadProperties();
}

void PropertyPage::FillLists() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(ControlModule(), path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    corvella::com::ComPtr<ITypeLib> library;
    if (FAILED(LoadTypeLibEx(path, REGKIND_NONE, library.Put()))) return;
    for (const EnumList& list : kEnumLists) {
        corvella::com::ComPtr<ITypeInfo> info;
        if (SUCCEEDED(library->GetTypeInfoOfGuid(list.enumeration, info.Put())))
            FillFromEnumeration(GetDlgItem(window_, list.control), info.Get());
    }
}

// Each bound control shows the first object's value.
void PropertyPage::ReadProperties() {
    if (objects_.empty()) return;
    loading_ = true;
    for (const PropertyEntry& entry : PropertyTable()) {
        if (entry.page != page_) continue;
        HWND control = GetDlgItem(window_, entry.pageControl);
        VARIANT value;
        VariantInit(&value);
        if (FAILED(CallByName(objects_.front(), entry.name, DISPATCH_PROPERTYGET, &value))) continue;
        switch (KindOf(entry)) {
        case ControlKind::Check:
            VariantChangeType(&value, &value, 0, VT_BOOL);
            SendMessageA(control, BM_SETCHECK, V_BOOL(&value) ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case ControlKind::Edit:
            if (V_VT(&value) == VT_BSTR) SetWindowTextA(control, FromBstr(V_BSTR(&value)).c_str());
            break;
        case ControlKind::List:
            VariantChangeType(&value, &value, 0, VT_I4);
            SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(V_I4(&value)), 0);
            break;
        }
        VariantClear(&value);
    }
    if (page_ == Page::General) EnableByType();
    loading_ = false;
    dirty_ = false;
}

// Folder path for type 0, namespace for type 1.
void PropertyPage::EnableByType() {
    const LRESULT type = SendDlgItemMessageA(window_, kCurrentTypeList, CB_GETCURSEL, 0, 0);
    EnableWindow(GetDlgItem(window_, kFolderEdit), type == 0);
    EnableWindow(GetDlgItem(window_, kNameSpaceList), type == 1);
}

void PropertyPage::MarkDirty() {
    if (loading_) return;
    dirty_ = true;
    if (site_) site_->OnStatusChange(PROPPAGESTATUS_DIRTY | PROPPAGESTATUS_VALIDATE);
}

void PropertyPage::OnCommand(int id, int code) {
    if (id == kCurrentTypeList && code == CBN_SELCHANGE) EnableByType();
    if (code == BN_CLICKED || code == CBN_SELCHANGE || code == EN_CHANGE) MarkDirty();
}

HRESULT PropertyPage::Apply() {
    if (window_ == nullptr || !dirty_) return S_OK;
    for (IDispatch* object : objects_) {
        for (const PropertyEntry& entry : PropertyTable()) {
            if (entry.page != page_) continue;
            HWND control = GetDlgItem(window_, entry.pageControl);
            VARIANT value;
            VariantInit(&value);
            switch (KindOf(entry)) {
            case ControlKind::Check:
                V_VT(&value) = VT_BOOL;
                V_BOOL(&value) = ToVariantBool(SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
                break;
            case ControlKind::Edit: {
                char text[1024] = {};
                GetWindowTextA(control, text, sizeof text);
                V_VT(&value) = VT_BSTR;
                V_BSTR(&value) = ToBstr(text);
                break;
            }
            case ControlKind::List:
                V_VT(&value) = VT_I4;
                V_I4(&value) = static_cast<LONG>(SendMessageA(control, CB_GETCURSEL, 0, 0));
                break;
            }
            // A property the control refuses (CurrentType at run time) keeps its value.
            if (!(KindOf(entry) == ControlKind::List && V_I4(&value) < 0))
                (void)CallByName(object, entry.name, DISPATCH_PROPERTYPUT, &value);
            VariantClear(&value);
        }
    }
    dirty_ = false;
    return S_OK;
}

}  // namespace panorell
