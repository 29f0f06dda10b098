// The context-menu members of the dispatch interface: the shell's menu of
// the list's selection, counted, read and run by position or by verb.
#include "AutomationText_win.h"
#include "ControlFrame_win.h"
#include "Control_win.h"
#include "shell/ListShell_win.h"

namespace panorell {

std::unique_ptr<ShellCommands> Control::Commands() {
    ListWindow* list = List();
    if (list == nullptr) return nullptr;
    return std::make_unique<ShellCommands>(list->Shell().Commands());
}

HRESULT Control::get_ContextMenuItemCount(LONG* value) {
    if (value == nullptr) return E_POINTER;
    *value = 0;
    if (!UserMode()) return Fail(ControlFault::WriteOnly);
    if (auto commands = Commands()) *value = commands->MenuCount();
    return S_OK;
}

HRESULT Control::get_ContextMenuItemText(LONG index, BSTR* value) {
    auto commands = Commands();
    const long count = commands ? commands->MenuCount() : 0;
    const bool inRange = CheckIndex(index, count, ControlFault::BadMenuTextIndex) == ControlFault::None;
    return IndexedText(index, ControlFault::BadMenuTextIndex, count,
                       inRange ? commands->MenuText(index) : std::string(), value);
}

HRESULT Control::get_ContextMenuItemVerb(LONG index, BSTR* value) {
    auto commands = Commands();
    const long count = commands ? commands->MenuCount() : 0;
    const bool inRange = CheckIndex(index, count, ControlFault::BadMenuVerbIndex) == ControlFault::None;
    return IndexedText(index, ControlFault::BadMenuVerbIndex, count,
                       inRange ? commands->MenuVerb(index) : std::string(), value);
}

// A string runs the entry with that verb, a whole number the entry at that
// position; any other kind of value runs nothing and gives False.
HRESULT Control::ExecuteContextMenuItem(VARIANT item, VARIANT_BOOL* done) {
    if (done == nullptr) return E_POINTER;
    *done = VARIANT_FALSE;
    VARIANT value;
    VariantInit(&value);
    // A caller's variable may come by reference.
    if (FAILED(VariantCopyInd(&value, &item))) return S_OK;
    auto commands = Commands();
    bool ran = false;
    if (commands) {
        switch (V_VT(&value)) {
        case VT_I2: ran = commands->RunByPosition(V_I2(&value)); break;
        case VT_I4: ran = commands->RunByPosition(V_I4(&value)); break;
        case VT_BSTR: ran = commands->RunByVerb(FromBstr(V_BSTR(&value))); break;
        default: break;
        }
    }
    VariantClear(&value);
    *done = ToVariantBool(ran);
    return S_OK;
}

}  // namespace panorell
