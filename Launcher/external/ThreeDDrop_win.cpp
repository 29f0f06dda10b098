// Files dragged from the shell onto a control: an OLE drop target when OLE is
// initialised on the control's thread, and the older WM_DROPFILES route in any
// case (a source without OLE, or a thread without it). Both deliver the paths
// in the order of the dropped list.
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "external/FileDropEffect.h"
#include "external/ThreeDControl_win.h"

namespace corvella::threed {

namespace {

std::vector<std::string> PathsOf(HDROP drop) {
    std::vector<std::string> paths;
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string path(length + 1, '\0');
        UINT copied = DragQueryFileA(drop, i, path.data(), length + 1);
        path.resize(copied);
        paths.push_back(std::move(path));
    }
    return paths;
}

POINT TwipsAtScreen(HWND window, POINTL screen) {
    POINT client{screen.x, screen.y};
    ScreenToClient(window, &client);
    return ClientTwips(window, client);
}

FORMATETC HdropFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

class FileDropTarget final : public IDropTarget {
public:
    explicit FileDropTarget(HWND window) : window_(window) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
            *out = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        try {
            FORMATETC format = HdropFormat();
            hasFiles_ = data && data->QueryGetData(&format) == S_OK;
            return Over(effect);
        } catch (...) {
            return E_UNEXPECTED;
        }
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        try {
            return Over(effect);
        } catch (...) {
            return E_UNEXPECTED;
        }
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        hasFiles_ = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) override {
        try {
            if (!effect) return E_INVALIDARG;
            DWORD allowed = *effect;
            *effect = DROPEFFECT_NONE;
            hasFiles_ = false;
            Control* c = ControlOf(window_);
            FORMATETC format = HdropFormat();
            STGMEDIUM medium{};
            if (!c || !data || data->GetData(&format, &medium) != S_OK) return S_OK;
            std::vector<std::string> paths = PathsOf(static_cast<HDROP>(medium.hGlobal));
            ReleaseStgMedium(&medium);
            *effect = ChooseFileDropEffect(allowed);
            POINT twips = TwipsAtScreen(window_, point);
            Raise(*c, [&](Events& e) { e.OnFilesDropped(c->id, paths, twips.x, twips.y); });
            return S_OK;
        } catch (...) {
            return E_UNEXPECTED;
        }
    }

private:
    HRESULT Over(DWORD* effect) {
        if (!effect) return E_INVALIDARG;
        Control* c = ControlOf(window_);
        if (!hasFiles_ || !c) {
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        *effect = ChooseFileDropEffect(*effect);
        Raise(*c, [&](Events& e) { e.OnFilesDragOver(c->id); });
        return S_OK;
    }

    LONG references_ = 1;
    HWND window_;
    bool hasFiles_ = false;
};

}  // namespace

IDropTarget* NewFileDropTarget(HWND window) { return new FileDropTarget(window); }

void RegisterFileDrop(Control& c) {
    DragAcceptFiles(c.window, TRUE);
    if (c.dropTarget) return;
    IDropTarget* target = NewFileDropTarget(c.window);
    if (RegisterDragDrop(c.window, target) == S_OK)
        c.dropTarget = target;  // OLE holds its own reference; ours is released at revoke
    else
        target->Release();
}

void RevokeFileDrop(Control& c) {
    if (!c.dropTarget) return;
    RevokeDragDrop(c.window);
    c.dropTarget->Release();
    c.dropTarget = nullptr;
}

void HandleDropFiles(Control& c, HDROP drop) {
    std::vector<std::string> paths = PathsOf(drop);
    POINT at{};
    DragQueryPoint(drop, &at);
    DragFinish(drop);
    POINT twips = ClientTwips(c.window, at);
    Raise(c, [&](Events& e) { e.OnFilesDropped(c.id, paths, twips.x, twips.y); });
}

}  // namespace corvella::threed
