#include "ControlSite_win.h"

#include <olectl.h>

#include "ComObject_win.h"

namespace panorell {

using corvella::com::ComObject;

// The site's COM face: what an embedded control asks of its container.
class SiteObject final
    : public ComObject<IOleClientSite, IOleInPlaceSite, IOleControlSite, IDispatch> {
public:
    SiteObject(HWND parent, const RECT& rect, bool userMode) : parent_(parent), rect_(rect), userMode_(userMode) {}
    void SetRect(const RECT& rect) { rect_ = rect; }

    // IOleClientSite.
    HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
        if (moniker != nullptr) *moniker = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
        if (container != nullptr) *container = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow, IOleInPlaceSite.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (window == nullptr) return E_POINTER;
        *window = parent_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                               LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
        if (frame != nullptr) *frame = nullptr;
        if (document != nullptr) *document = nullptr;
        if (position != nullptr) *position = rect_;
        if (clip != nullptr) *clip = rect_;
        if (info != nullptr) {
            info->fMDIApp = FALSE;
            info->hwndFrame = parent_;
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleControlSite.
    HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** control) override {
        if (control != nullptr) *control = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE OnFocus(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override { return E_NOTIMPL; }

    // IDispatch: the ambient properties.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count != nullptr) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info != nullptr) *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override {
        if ((flags & DISPATCH_PROPERTYGET) == 0 || result == nullptr) return DISP_E_MEMBERNOTFOUND;
        VariantInit(result);
        switch (id) {
        case DISPID_AMBIENT_USERMODE:
            V_VT(result) = VT_BOOL;
            V_BOOL(result) = userMode_ ? VARIANT_TRUE : VARIANT_FALSE;
            return S_OK;
        case DISPID_AMBIENT_BACKCOLOR:
            V_VT(result) = VT_I4;
            V_I4(result) = static_cast<LONG>(0x80000000 | COLOR_WINDOW);
            return S_OK;
        case DISPID_AMBIENT_UIDEAD:
        case DISPID_AMBIENT_SHOWHATCHING:
        case DISPID_AMBIENT_SHOWGRABHANDLES:
            V_VT(result) = VT_BOOL;
            V_BOOL(result) = VARIANT_FALSE;
            return S_OK;
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }

protected:
    IUnknown* FindMore(REFIID iid) override {
        return IsEqualIID(iid, IID_IOleWindow) ? static_cast<IOleInPlaceSite*>(this) : nullptr;
    }

private:
    HWND parent_;
    RECT rect_;
    bool userMode_;
};

HRESULT ControlSite::Create(const CLSID& classId, HWND parent, const RECT& rect, bool userMode, IStream* saved) {
    Destroy();
    HRESULT hr = CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                  reinterpret_cast<void**>(&control_));
    if (FAILED(hr)) return hr;
    site_ = new (std::nothrow) SiteObject(parent, rect, userMode);
    if (site_ == nullptr) {
        Destroy();
        return E_OUTOFMEMORY;
    }
    // The site comes before loading, as the control's status asks.
    control_->SetClientSite(site_);
    IPersistStreamInit* persist = nullptr;
    if (SUCCEEDED(control_->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)))) {
        hr = saved ? persist->Load(saved) : persist->InitNew();
        persist->Release();
    }
    if (SUCCEEDED(hr)) hr = control_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch_));
    RECT position = rect;
    if (SUCCEEDED(hr)) hr = control_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, parent, &position);
    if (FAILED(hr)) Destroy();
    return hr;
}

void ControlSite::Destroy() {
    if (control_ != nullptr) {
        IOleInPlaceObject* inPlace = nullptr;
        if (SUCCEEDED(control_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
            inPlace->InPlaceDeactivate();
            inPlace->Release();
        }
        control_->Close(OLECLOSE_NOSAVE);
        control_->SetClientSite(nullptr);
    }
    if (dispatch_ != nullptr) dispatch_->Release();
    if (control_ != nullptr) control_->Release();
    if (site_ != nullptr) site_->Release();
    dispatch_ = nullptr;
    control_ = nullptr;
    site_ = nullptr;
}

HWND ControlSite::Window() const {
    HWND window = nullptr;
    IOleWindow* ole = nullptr;
    if (control_ != nullptr && SUCCEEDED(control_->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&ole)))) {
        ole->GetWindow(&window);
        ole->Release();
    }
    return window;
}

void ControlSite::Move(const RECT& rect) {
    if (site_ != nullptr) site_->SetRect(rect);
    IOleInPlaceObject* inPlace = nullptr;
    if (control_ != nullptr &&
        SUCCEEDED(control_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
        inPlace->SetObjectRects(&rect, &rect);
        inPlace->Release();
    }
}

bool ControlSite::TranslateAccelerator(MSG& message) {
    IOleInPlaceActiveObject* active = nullptr;
    if (control_ == nullptr ||
        FAILED(control_->QueryInterface(IID_IOleInPlaceActiveObject, reinterpret_cast<void**>(&active))))
        return false;
    const bool taken = active->TranslateAccelerator(&message) == S_OK;
    active->Release();
    return taken;
}

HRESULT PutProperty(IDispatch* target, const wchar_t* name, VARIANT value) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = target ? target->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id) : E_POINTER;
    if (SUCCEEDED(hr)) {
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params{&value, &named, 1, 1};
        hr = target->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                            nullptr);
    }
    VariantClear(&value);
    return hr;
}

}  // namespace panorell
