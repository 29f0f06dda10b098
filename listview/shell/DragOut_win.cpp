// Dragging the list's selection out to other programs: the folder's own
// data object for the items, handed to the platform's drag loop.
#include <windows.h>
#include <ole2.h>

#include <vector>

#include "../ListWindow_win.h"
#include "ComObject_win.h"
#include "DropEffectRules.h"
#include "ListShell_win.h"

namespace panorell {

namespace {

// Escape gives up; letting go of both buttons drops. A drag may start with
// either button, so only when neither is held does it end.
class DropSource final : public corvella::com::ComObject<IDropSource> {
public:
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape) return DRAGDROP_S_CANCEL;
        if ((keys & (MK_LBUTTON | MK_RBUTTON)) == 0) return DRAGDROP_S_DROP;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

}  // namespace

void ListShell::BeginDrag() {
    IShellFolder* folder = list_.Folder();
    if (folder == nullptr || list_.FillerRunning() || !switches_.oleDrag) return;
    std::vector<LPCITEMIDLIST> ids;
    for (int index : list_.SelectionInOrder())
        if (const ITEMIDLIST* id = list_.ItemId(index)) ids.push_back(id);
    if (ids.empty()) return;
    IDataObject* data = nullptr;
    if (FAILED(folder->GetUIObjectOf(control_, static_cast<UINT>(ids.size()), ids.data(), IID_IDataObject, nullptr,
                                     reinterpret_cast<void**>(&data))) ||
        data == nullptr)
        return;
    auto* source = new DropSource;
    DWORD effect = kDropNone;
    DoDragDrop(data, source, kDragAllowed, &effect);
    source->Release();
    data->Release();
}

}  // namespace panorell
