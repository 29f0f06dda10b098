// The properties and methods behind the dispatch interface: each get reads
// the live state of the list when there is one, else the stored value;
// each accepted set stores, passes the value on and tells the container.
#include <olectl.h>

#include "AutomationText_win.h"
#include "ControlFrame_win.h"
#include "Control_win.h"
#include "ItemFilter.h"
#include "shell/ListShell_win.h"

namespace panorell {

ListWindow* Control::List() const { return frame_ ? &frame_->List() : nullptr; }

void Control::Changed(long dispid) {
    propertyNotify_.NotifyChanged(dispid);
    dirty_ = true;
    if (viewSink_) viewSink_->OnViewChange(DVASPECT_CONTENT, -1);
}

HRESULT Control::GetBool(bool ControlState::*member, VARIANT_BOOL* value) {
    if (value == nullptr) return E_POINTER;
    *value = ToVariantBool(state_.*member);
    return S_OK;
}

HRESULT Control::PutBool(long dispid, bool ControlState::*member, VARIANT_BOOL value) {
    if (!IsAutomationBool(value)) return Fail(ControlFault::InvalidValue);
    state_.*member = value != VARIANT_FALSE;
    ApplyToList(dispid);
    Changed(dispid);
    return S_OK;
}

// Passes one stored value on to the list, when there is one.
void Control::ApplyToList(long dispid) {
    ListWindow* list = List();
    if (list == nullptr) return;
    switch (dispid) {
    case dispid::kMultiSelect: list->SetMultiSelect(state_.multiSelect); break;
    case dispid::kShowSizeColumn: list->SetColumn(kSizeColumn, state_.showSizeColumn); break;
    case dispid::kShowTypeColumn: list->SetColumn(kTypeColumn, state_.showTypeColumn); break;
    case dispid::kShowModifiedColumn: list->SetColumn(kModifiedColumn, state_.showModifiedColumn); break;
    case dispid::kView: list->SetView(state_.view); break;
    case dispid::kScreenUpdate: list->SetScreenUpdate(state_.screenUpdate); break;
    case dispid::kShowSystemContextMenus: list->Shell().Switches().contextMenus = state_.showSystemContextMenus; break;
    case dispid::kAllowFileRename: list->Shell().Switches().fileRename = state_.allowFileRename; break;
    case dispid::kAllowOleDrag: list->Shell().Switches().oleDrag = state_.allowOleDrag; break;
    case dispid::kAllowOleDrop: list->Shell().Switches().oleDrop = state_.allowOleDrop; break;
    default: break;
    }
}

void Control::ApplyFilter() {
    if (ListWindow* list = List())
        list->SetFilter(state_.pattern, MakeAttributeFilter(state_.readOnly, state_.hidden, state_.system, state_.archive));
}

HRESULT Control::GetFilterBit(uint32_t bit, bool ControlState::*member, VARIANT_BOOL* value) {
    if (value == nullptr) return E_POINTER;
    const ListWindow* list = List();
    *value = ToVariantBool(list ? (list->AttributeFilter() & bit) != 0 : state_.*member);
    return S_OK;
}

HRESULT Control::PutFilterBit(long dispid, bool ControlState::*member, VARIANT_BOOL value) {
    if (!IsAutomationBool(value)) return Fail(ControlFault::InvalidValue);
    state_.*member = value != VARIANT_FALSE;
    ApplyFilter();
    Changed(dispid);
    return S_OK;
}

HRESULT Control::get_MousePointer(MousePointerConstants* value) {
    if (value == nullptr) return E_POINTER;
    *value = static_cast<MousePointerConstants>(state_.mousePointer);
    return S_OK;
}

HRESULT Control::put_MousePointer(MousePointerConstants value) {
    if (!IsMousePointer(value)) return Fail(ControlFault::InvalidValue);
    state_.mousePointer = static_cast<int16_t>(value);
    // The new shape shows at once, without waiting for the mouse to move.
    if (window_ != nullptr) {
        POINT at{};
        GetCursorPos(&at);
        HWND over = WindowFromPoint(at);
        SendMessageA(window_, WM_SETCURSOR, reinterpret_cast<WPARAM>(over), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
    Changed(dispid::kMousePointer);
    return S_OK;
}

HRESULT Control::get_AllowOleDrag(VARIANT_BOOL* value) { return GetBool(&ControlState::allowOleDrag, value); }
HRESULT Control::put_AllowOleDrag(VARIANT_BOOL value) {
    return PutBool(dispid::kAllowOleDrag, &ControlState::allowOleDrag, value);
}
HRESULT Control::get_AllowOleDrop(VARIANT_BOOL* value) { return GetBool(&ControlState::allowOleDrop, value); }
HRESULT Control::put_AllowOleDrop(VARIANT_BOOL value) {
    return PutBool(dispid::kAllowOleDrop, &ControlState::allowOleDrop, value);
}
HRESULT Control::get_AllowFileRename(VARIANT_BOOL* value) { return GetBool(&ControlState::allowFileRename, value); }
HRESULT Control::put_AllowFileRename(VARIANT_BOOL value) {
    return PutBool(dispid::kAllowFileRename, &ControlState::allowFileRename, value);
}
HRESULT Control::get_ShowSystemContextMenus(VARIANT_BOOL* value) {
    return GetBool(&ControlState::showSystemContextMenus, value);
}
HRESULT Control::put_ShowSystemContextMenus(VARIANT_BOOL value) {
    return PutBool(dispid::kShowSystemContextMenus, &ControlState::showSystemContextMenus, value);
}
HRESULT Control::get_MultiSelect(VARIANT_BOOL* value) { return GetBool(&ControlState::multiSelect, value); }
HRESULT Control::put_MultiSelect(VARIANT_BOOL value) {
    return PutBool(dispid::kMultiSelect, &ControlState::multiSelect, value);
}
HRESULT Control::get_ShowSizeColumn(VARIANT_BOOL* value) { return GetBool(&ControlState::showSizeColumn, value); }
HRESULT Control::put_ShowSizeColumn(VARIANT_BOOL value) {
    return PutBool(dispid::kShowSizeColumn, &ControlState::showSizeColumn, value);
}
HRESULT Control::get_ShowTypeColumn(VARIANT_BOOL* value) { return GetBool(&ControlState::showTypeColumn, value); }
HRESULT Control::put_ShowTypeColumn(VARIANT_BOOL value) {
    return PutBool(dispid::kShowTypeColumn, &ControlState::showTypeColumn, value);
}
HRESULT Control::get_ShowModifiedColumn(VARIANT_BOOL* value) {
    return GetBool(&ControlState::showModifiedColumn, value);
}
HRESULT Control::put_ShowModifiedColumn(VARIANT_BOOL value) {
    return PutBool(dispid::kShowModifiedColumn, &ControlState::showModifiedColumn, value);
}

HRESULT Control::get_ReadOnly(VARIANT_BOOL* value) { return GetFilterBit(kAttrReadOnly, &ControlState::readOnly, value); }
HRESULT Control::put_ReadOnly(VARIANT_BOOL value) {
    return PutFilterBit(dispid::kReadOnly, &ControlState::readOnly, value);
}
HRESULT Control::get_Hidden(VARIANT_BOOL* value) { return GetFilterBit(kAttrHidden, &ControlState::hidden, value); }
HRESULT Control::put_Hidden(VARIANT_BOOL value) { return PutFilterBit(dispid::kHidden, &ControlState::hidden, value); }
HRESULT Control::get_System(VARIANT_BOOL* value) { return GetFilterBit(kAttrSystem, &ControlState::system, value); }
HRESULT Control::put_System(VARIANT_BOOL value) { return PutFilterBit(dispid::kSystem, &ControlState::system, value); }
HRESULT Control::get_Archive(VARIANT_BOOL* value) { return GetFilterBit(kAttrArchive, &ControlState::archive, value); }
HRESULT Control::put_Archive(VARIANT_BOOL value) {
    return PutFilterBit(dispid::kArchive, &ControlState::archive, value);
}

HRESULT Control::get_Pattern(BSTR* value) {
    if (value == nullptr) return E_POINTER;
    const ListWindow* list = List();
    *value = ToBstr(list ? list->Pattern() : state_.pattern);
    return *value ? S_OK : E_OUTOFMEMORY;
}

HRESULT Control::put_Pattern(BSTR value) {
    state_.pattern = FromBstr(value);
    ApplyFilter();
    Changed(dispid::kPattern);
    return S_OK;
}

HRESULT Control::get_CurrentNameSpace(NameSpaceConstants* value) {
    if (value == nullptr) return E_POINTER;
    const bool live = frame_ && frame_->CurrentType() == 1;
    *value = static_cast<NameSpaceConstants>(live ? frame_->NameSpace() : state_.currentNameSpace);
    return S_OK;
}

HRESULT Control::put_CurrentNameSpace(NameSpaceConstants value) {
    if (!IsNameSpace(value)) return Fail(ControlFault::InvalidValue);
    if (treeWindow_ != nullptr) return S_OK;
    state_.currentNameSpace = value;
    if (frame_) frame_->ShowNameSpace(value);
    Changed(dispid::kCurrentNameSpace);
    return S_OK;
}

HRESULT Control::get_CurrentFolder(BSTR* value) {
    if (value == nullptr) return E_POINTER;
    *value = ToBstr(frame_ ? frame_->FolderPath() : state_.currentFolder);
    return *value ? S_OK : E_OUTOFMEMORY;
}

HRESULT Control::put_CurrentFolder(BSTR value) {
    if (treeWindow_ != nullptr) return S_OK;
    state_.currentFolder = FromBstr(value);
    if (frame_) frame_->ShowPath(state_.currentFolder);
    Changed(dispid::kCurrentFolder);
    return S_OK;
}

HRESULT Control::get_CurrentType(CurrentTypeConstants* value) {
    if (value == nullptr) return E_POINTER;
    if (frame_) state_.currentType = frame_->CurrentType();
    *value = static_cast<CurrentTypeConstants>(state_.currentType);
    return S_OK;
}

HRESULT Control::put_CurrentType(CurrentTypeConstants value) {
    if (UserMode()) return Fail(ControlFault::ReadOnly);
    // Only the enumeration's two values: anything else could not be shown
    // and would be saved as it is.
    if (!IsCurrentType(value)) return Fail(ControlFault::InvalidValue);
    if (treeWindow_ != nullptr) return S_OK;
    state_.currentType = value;
    if (frame_) frame_->SetCurrentType(value);
    Changed(dispid::kCurrentType);
    return S_OK;
}

HRESULT Control::get_View(ListViewConstants* value) {
    if (value == nullptr) return E_POINTER;
    const ListWindow* list = List();
    *value = static_cast<ListViewConstants>(list ? list->View() : state_.view);
    return S_OK;
}

HRESULT Control::put_View(ListViewConstants value) {
    if (!IsListView(value)) return Fail(ControlFault::InvalidValue);
    state_.view = value;
    ApplyToList(dispid::kView);
    Changed(dispid::kView);
    return S_OK;
}

HRESULT Control::get_BorderStyle(short* value) {
    if (value == nullptr) return E_POINTER;
    *value = state_.borderStyle;
    return S_OK;
}

HRESULT Control::put_BorderStyle(short value) {
    if (!IsBorderStyle(value)) return Fail(ControlFault::InvalidValue);
    state_.borderStyle = value;
    if (window_ != nullptr) {
        LONG_PTR style = GetWindowLongPtrA(window_, GWL_STYLE);
        style = value ? (style | WS_BORDER) : (style & ~static_cast<LONG_PTR>(WS_BORDER));
        SetWindowLongPtrA(window_, GWL_STYLE, style);
        SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    Changed(dispid::kBorderStyle);
    return S_OK;
}

HRESULT Control::get_Caption(BSTR* value) {
    if (value == nullptr) return E_POINTER;
    *value = ToBstr(state_.caption);
    return *value ? S_OK : E_OUTOFMEMORY;
}

HRESULT Control::put_Caption(BSTR value) {
    state_.caption = FromBstr(value);
    if (window_ != nullptr) SetWindowTextA(window_, state_.caption.c_str());
    Changed(dispid::kCaption);
    return S_OK;
}

HRESULT Control::get_ScreenUpdate(VARIANT_BOOL* value) {
    if (value == nullptr) return E_POINTER;
    const ListWindow* list = List();
    *value = ToVariantBool(list ? list->ScreenUpdate() : state_.screenUpdate);
    return S_OK;
}

HRESULT Control::put_ScreenUpdate(VARIANT_BOOL value) {
    if (!IsAutomationBool(value)) return Fail(ControlFault::InvalidValue);
    state_.screenUpdate = value != VARIANT_FALSE;
    ApplyToList(dispid::kScreenUpdate);
    dirty_ = true;  // a switch of the moment: nothing for the container to show
    return S_OK;
}

HRESULT Control::put_ContextMenuItemCount(LONG) { return Fail(ControlFault::ReadOnly); }

HRESULT Control::get_ListCount(LONG* value) {
    if (value == nullptr) return E_POINTER;
    *value = 0;
    if (!UserMode()) return Fail(ControlFault::WriteOnly);
    if (const ListWindow* list = List()) *value = list->ListCount();
    return S_OK;
}

HRESULT Control::put_ListCount(LONG) { return Fail(ControlFault::ReadOnly); }

HRESULT Control::IndexedText(long index, ControlFault whenBad, long count, const std::string& text, BSTR* value) {
    if (value == nullptr) return E_POINTER;
    *value = nullptr;
    if (CheckIndex(index, count, whenBad) != ControlFault::None) return Fail(whenBad);
    *value = ToBstr(text);
    return *value ? S_OK : E_OUTOFMEMORY;
}

HRESULT Control::get_List(LONG index, BSTR* value) {
    const ListWindow* list = List();
    const long count = list ? list->ListCount() : 0;
    const bool inRange = CheckIndex(index, count, ControlFault::BadIndex) == ControlFault::None;
    return IndexedText(index, ControlFault::BadIndex, count, inRange ? list->List(index) : std::string(), value);
}

HRESULT Control::put_List(LONG, BSTR) { return Fail(ControlFault::ReadOnly); }

HRESULT Control::put_ContextMenuItemText(LONG, BSTR) { return Fail(ControlFault::ReadOnly); }

HRESULT Control::put_ContextMenuItemVerb(LONG, BSTR) { return Fail(ControlFault::ReadOnly); }

HRESULT Control::get_Selected(LONG index, VARIANT_BOOL* value) {
    if (value == nullptr) return E_POINTER;
    const ListWindow* list = List();
    *value = ToVariantBool(list && list->Selected(index));
    return S_OK;
}

HRESULT Control::put_Selected(LONG index, VARIANT_BOOL value) {
    if (!UserMode()) return Fail(ControlFault::ReadOnly);
    if (ListWindow* list = List()) list->SetSelected(index, value != VARIANT_FALSE);
    return S_OK;
}

HRESULT Control::Refresh() {
    if (ListWindow* list = List()) list->Refresh();
    if (window_ != nullptr) InvalidateRect(window_, nullptr, TRUE);
    return S_OK;
}

HRESULT Control::AboutBox() {
    MSGBOXPARAMSA box{};
    box.cbSize = sizeof box;
    box.hwndOwner = window_;
    box.hInstance = ControlModule();
    box.lpszText = "PanorellListView Control, version 1.00.0020\n\nA folder list for any host.";
    box.lpszCaption = "About PanorellListView";
    box.dwStyle = MB_OK | MB_USERICON;
    box.lpszIcon = MAKEINTRESOURCEA(kAboutIcon);
    MessageBoxIndirectA(&box);
    return S_OK;
}

}  // namespace panorell
