// The control as an embedded object: its site and the ambient properties
// read from it, the verbs, extent and status, IOleControl, the connection
// points and the property pages it names.
#include <olectl.h>

#include <cstring>
#include <vector>

#include "ComEnumerator_win.h"
#include "ControlFrame_win.h"
#include "Control_win.h"

namespace panorell {

Control::Control() : events_(this, DIID__DPanorellListViewEvents), propertyNotify_(this, IID_IPropertyNotifySink) {}

Control::~Control() {
    DestroyControlWindow();
    events_.Clear();
    propertyNotify_.Clear();
}

IUnknown* Control::FindMore(REFIID iid) {
    if (IsEqualIID(iid, DIID__DPanorellListView)) return static_cast<IDispatch*>(this);
    if (IsEqualIID(iid, IID_IOleWindow)) return static_cast<IOleInPlaceObject*>(this);
    if (IsEqualIID(iid, IID_IViewObject)) return static_cast<IViewObject2*>(this);
    if (IsEqualIID(iid, IID_IPersist)) return static_cast<IPersistStreamInit*>(this);
    if (IsEqualIID(iid, IID_IProvideClassInfo)) return static_cast<IProvideClassInfo2*>(this);
    return nullptr;
}

bool Control::AmbientBool(DISPID id, bool fallback) const {
    ComPtr<IDispatch> ambient;
    if (!site_ || FAILED(site_->QueryInterface(IID_IDispatch, ambient.PutVoid()))) return fallback;
    VARIANT value;
    VariantInit(&value);
    DISPPARAMS none{};
    bool result = fallback;
    if (SUCCEEDED(ambient->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, nullptr,
                                  nullptr)) &&
        SUCCEEDED(VariantChangeType(&value, &value, 0, VT_BOOL)))
        result = V_BOOL(&value) != VARIANT_FALSE;
    VariantClear(&value);
    return result;
}

// Without a site, or when the site does not say, the control runs.
bool Control::UserMode() const { return AmbientBool(DISPID_AMBIENT_USERMODE, true); }

COLORREF Control::AmbientBackColor() const {
    COLORREF color = GetSysColor(COLOR_WINDOW);
    ComPtr<IDispatch> ambient;
    if (!site_ || FAILED(site_->QueryInterface(IID_IDispatch, ambient.PutVoid()))) return color;
    VARIANT value;
    VariantInit(&value);
    DISPPARAMS none{};
    if (SUCCEEDED(ambient->Invoke(DISPID_AMBIENT_BACKCOLOR, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                                  &none, &value, nullptr, nullptr)) &&
        SUCCEEDED(VariantChangeType(&value, &value, 0, VT_I4)))
        OleTranslateColor(static_cast<OLE_COLOR>(V_I4(&value)), nullptr, &color);
    VariantClear(&value);
    return color;
}

HRESULT Control::SetClientSite(IOleClientSite* site) {
    site_.Share(site);
    return S_OK;
}

HRESULT Control::GetClientSite(IOleClientSite** site) {
    if (site == nullptr) return E_POINTER;
    *site = site_.Get();
    if (*site != nullptr) (*site)->AddRef();
    return S_OK;
}

HRESULT Control::Close(DWORD saveOption) {
    if ((saveOption == OLECLOSE_SAVEIFDIRTY || saveOption == OLECLOSE_PROMPTSAVE) && dirty_ && site_)
        site_->SaveObject();
    InPlaceDeactivate();
    return S_OK;
}

HRESULT Control::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker != nullptr) *moniker = nullptr;
    return E_NOTIMPL;
}

HRESULT Control::GetClipboardData(DWORD, IDataObject** data) {
    if (data != nullptr) *data = nullptr;
    return E_NOTIMPL;
}

HRESULT Control::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT rect) {
    switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_UIACTIVATE: return InPlaceActivate(site, true, parent, rect);
    case OLEIVERB_INPLACEACTIVATE: return InPlaceActivate(site, false, parent, rect);
    case OLEIVERB_HIDE:
        if (window_ != nullptr) ShowWindow(window_, SW_HIDE);
        return S_OK;
    case OLEIVERB_PROPERTIES: return OLEOBJ_S_CANNOT_DOVERB_NOW;
    default: return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
}

HRESULT Control::EnumVerbs(IEnumOLEVERB** verbs) {
    if (verbs != nullptr) *verbs = nullptr;
    return OleRegEnumVerbs(CLSID_PanorellListView, verbs);
}

HRESULT Control::GetUserClassID(CLSID* classId) { return GetClassID(classId); }

HRESULT Control::GetUserType(DWORD form, LPOLESTR* type) { return OleRegGetUserType(CLSID_PanorellListView, form, type); }

HRESULT Control::SetExtent(DWORD aspect, SIZEL* size) {
    if (size == nullptr) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    extent_ = {size->cx, size->cy};
    dirty_ = true;
    return S_OK;
}

HRESULT Control::GetExtent(DWORD aspect, SIZEL* size) {
    if (size == nullptr) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    *size = {extent_.cx, extent_.cy};
    return S_OK;
}

HRESULT Control::Advise(IAdviseSink* sink, DWORD* cookie) {
    if (!adviseHolder_ && FAILED(CreateOleAdviseHolder(adviseHolder_.Put()))) return E_OUTOFMEMORY;
    return adviseHolder_->Advise(sink, cookie);
}

HRESULT Control::Unadvise(DWORD cookie) {
    return adviseHolder_ ? adviseHolder_->Unadvise(cookie) : static_cast<HRESULT>(OLE_E_NOCONNECTION);
}

HRESULT Control::EnumAdvise(IEnumSTATDATA** advises) {
    if (advises != nullptr) *advises = nullptr;
    return adviseHolder_ ? adviseHolder_->EnumAdvise(advises) : E_FAIL;
}

HRESULT Control::GetMiscStatus(DWORD aspect, DWORD* status) {
    if (status == nullptr) return E_POINTER;
    *status = aspect == DVASPECT_CONTENT ? kMiscStatus : 0;
    return S_OK;
}

HRESULT Control::GetControlInfo(CONTROLINFO* info) {
    if (info == nullptr) return E_POINTER;
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

HRESULT Control::OnAmbientPropertyChange(DISPID) {
    if (window_ != nullptr) InvalidateRect(window_, nullptr, TRUE);
    return S_OK;
}

HRESULT Control::FreezeEvents(BOOL freeze) {
    eventsFrozen_ = freeze != FALSE;
    return S_OK;
}

HRESULT Control::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (points == nullptr) return E_POINTER;
    *points = nullptr;
    std::vector<IConnectionPoint*> items;
    try {
        items = {&events_, &propertyNotify_};
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    for (IConnectionPoint* point : items) point->AddRef();
    return corvella::com::ComEnumerator<IEnumConnectionPoints, IConnectionPoint*, corvella::com::InterfaceItem>::Create(
        std::move(items), points);
}

HRESULT Control::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    if (point == nullptr) return E_POINTER;
    *point = nullptr;
    ConnectionPoint* found = nullptr;
    if (IsEqualIID(iid, events_.Interface())) found = &events_;
    if (IsEqualIID(iid, propertyNotify_.Interface())) found = &propertyNotify_;
    if (found == nullptr) return CONNECT_E_NOCONNECTION;
    found->AddRef();
    *point = found;
    return S_OK;
}

HRESULT Control::GetPages(CAUUID* pages) {
    if (pages == nullptr) return E_POINTER;
    const GUID order[] = {kGeneralPageId, kFiltersPageId, kColumnsPageId};
    pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof order));
    if (pages->pElems == nullptr) {
        pages->cElems = 0;
        return E_OUTOFMEMORY;
    }
    std::memcpy(pages->pElems, order, sizeof order);
    pages->cElems = 3;
    return S_OK;
}

}  // namespace panorell
