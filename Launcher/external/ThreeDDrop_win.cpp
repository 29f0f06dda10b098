// Files dragged from the shell onto a control: an OLE drop target when OLE is
// initialised on the control's thread, and the older WM_DROPFILES route in any
// case (a source without OLE, or a thread without it). Both deliver the paths
// in the order of the dropped list. A top-level window may instead hold one
// target for all its controls: one OLE registration rather than one each,
// which start-up pays for.
#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>

#include <vector>

#include "external/FileDropEffect.h"
#include "external/ThreeDControl_win.h"
#include "platform/ComObject_win.h"

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

// Raises an event on an owner's listener; nothing it throws reaches OLE.
template <typename Call>
void RaiseTo(Events* events, Call call) noexcept {
    if (!events) return;
    try {
        call(*events);
    } catch (...) {
    }
}

// Who hears about a drag at a point: a listener, its number for the window
// under the point, and that window (positions are relative to it).
struct DropHit {
    Events* events = nullptr;
    int id = 0;
    HWND window = nullptr;
};

// The OLE side of a drop target; what lies under the pointer, and whether
// data without a file list is taken too, is up to the kind of target.
class DropTargetBase : public corvella::com::ComObject<IDropTarget> {
public:
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL point, DWORD* effect) override {
        try {
            FORMATETC format = HdropFormat();
            hasData_ = data != nullptr;
            hasFiles_ = data && data->QueryGetData(&format) == S_OK;
            return Over(point, effect);
        } catch (...) {
            return E_UNEXPECTED;
        }
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL point, DWORD* effect) override {
        try {
            return Over(point, effect);
        } catch (...) {
            return E_UNEXPECTED;
        }
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        hasFiles_ = hasData_ = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) override {
        try {
            if (!effect) return E_INVALIDARG;
            DWORD allowed = *effect;
            *effect = DROPEFFECT_NONE;
            hasFiles_ = hasData_ = false;
            const DropHit hit = HitAt(point);
            if (!hit.events || !data) return S_OK;
            FORMATETC format = HdropFormat();
            STGMEDIUM medium{};
            if (data->GetData(&format, &medium) != S_OK) {
                if (!AcceptsOtherData()) return S_OK;
                *effect = ChooseFileDropEffect(allowed);
                RaiseTo(hit.events, [&](Events& e) { e.OnOtherDataDropped(hit.id); });
                return S_OK;
            }
            std::vector<std::string> paths = PathsOf(static_cast<HDROP>(medium.hGlobal));
            ReleaseStgMedium(&medium);
            *effect = ChooseFileDropEffect(allowed);
            POINT twips = TwipsAtScreen(hit.window, point);
            RaiseTo(hit.events, [&](Events& e) { e.OnFilesDropped(hit.id, paths, twips.x, twips.y); });
            return S_OK;
        } catch (...) {
            return E_UNEXPECTED;
        }
    }

protected:
    virtual DropHit HitAt(POINTL screen) = 0;
    virtual bool AcceptsOtherData() const = 0;

private:
    HRESULT Over(POINTL point, DWORD* effect) {
        if (!effect) return E_INVALIDARG;
        const DropHit hit = HitAt(point);
        if (!hit.events || !hasData_ || (!hasFiles_ && !AcceptsOtherData())) {
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        *effect = ChooseFileDropEffect(*effect);
        RaiseTo(hit.events, [&](Events& e) { e.OnFilesDragOver(hit.id); });
        return S_OK;
    }

    bool hasData_ = false;
    bool hasFiles_ = false;
};

// One control's own target: file lists only.
class FileDropTarget final : public DropTargetBase {
public:
    explicit FileDropTarget(HWND window) : window_(window) {}

protected:
    DropHit HitAt(POINTL) override {
        Control* c = ControlOf(window_);
        return c ? DropHit{c->events, c->id, window_} : DropHit{};
    }
    bool AcceptsOtherData() const override { return false; }

private:
    HWND window_;
};

// A top-level window's target for itself and its children: the 3-D control
// under the pointer hears as if it had a target of its own; other children
// and the window itself are reported to the window's listener by their
// child-window id (0 for the window). Any data is taken, so that the owner
// can tell the user why what he dropped is refused.
class WindowDropTarget final : public DropTargetBase {
public:
    WindowDropTarget(HWND window, Events* events) : window_(window), events_(events) {}

protected:
    DropHit HitAt(POINTL screen) override {
        const POINT at{screen.x, screen.y};
        HWND plain = nullptr;
        // 3-D controls win over plain children they lie on (launch buttons
        // over the button area), whatever the order of the siblings.
        for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            RECT r{};
            if (!IsWindowVisible(child) || !GetWindowRect(child, &r) || !PtInRect(&r, at)) continue;
            if (Control* c = ControlOf(child)) return {c->events, c->id, child};
            if (!plain) plain = child;
        }
        if (plain) return {events_, GetDlgCtrlID(plain), plain};
        return {events_, 0, window_};
    }
    bool AcceptsOtherData() const override { return true; }

private:
    HWND window_;
    Events* events_;
};

constexpr char kWindowDropProperty[] = "CorvellaWindowDrop";
constexpr UINT_PTR kRevokeSubclass = 0x3DD0;

// A window's target must be revoked while the window still exists.
LRESULT CALLBACK RevokeOnDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_DESTROY) RevokeWindowFileDrop(window);
    return DefSubclassProc(window, message, wParam, lParam);
}

bool HasWindowFileDrop(HWND control) {
    HWND root = GetAncestor(control, GA_ROOT);
    return root && GetPropA(root, kWindowDropProperty) != nullptr;
}

}  // namespace

IDropTarget* NewFileDropTarget(HWND window) { return new FileDropTarget(window); }

bool RegisterWindowFileDrop(HWND window, Events* events) {
    if (!window || GetPropA(window, kWindowDropProperty)) return false;
    auto* target = new WindowDropTarget(window, events);
    if (RegisterDragDrop(window, target) != S_OK) {
        target->Release();
        return false;
    }
    SetPropA(window, kWindowDropProperty, target);
    SetWindowSubclass(window, RevokeOnDestroy, kRevokeSubclass, 0);
    return true;
}

void RevokeWindowFileDrop(HWND window) {
    auto* target = static_cast<IDropTarget*>(GetPropA(window, kWindowDropProperty));
    if (!target) return;
    RevokeDragDrop(window);
    RemovePropA(window, kWindowDropProperty);
    RemoveWindowSubclass(window, RevokeOnDestroy, kRevokeSubclass);
    target->Release();
}

void RegisterFileDrop(Control& c) {
    // The window's own target hears for the control.
    if (HasWindowFileDrop(c.window)) return;
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
