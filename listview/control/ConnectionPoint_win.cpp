#include "ConnectionPoint_win.h"

#include "ComEnumerator_win.h"

namespace panorell {

ConnectionPoint::~ConnectionPoint() { Clear(); }

HRESULT ConnectionPoint::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IConnectionPoint)) return E_NOINTERFACE;
    *out = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (iid == nullptr) return E_POINTER;
    *iid = iid_;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** owner) {
    if (owner == nullptr) return E_POINTER;
    *owner = owner_;
    owner_->AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (cookie == nullptr) return E_POINTER;
    *cookie = 0;
    if (sink == nullptr) return E_POINTER;
    // Event sinks may answer only IDispatch for the event interface.
    IUnknown* advised = nullptr;
    if (FAILED(sink->QueryInterface(iid_, reinterpret_cast<void**>(&advised))) &&
        (IsEqualIID(iid_, IID_IPropertyNotifySink) ||
         FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&advised)))))
        return CONNECT_E_CANNOTCONNECT;
    sinks_.push_back({nextCookie_, advised});
    *cookie = nextCookie_++;
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
        if (it->cookie != cookie) continue;
        IUnknown* sink = it->sink;
        sinks_.erase(it);
        sink->Release();
        return S_OK;
    }
    return CONNECT_E_NOCONNECTION;
}

namespace {

struct ConnectionItem {
    static void AddRef(const CONNECTDATA& item) { item.pUnk->AddRef(); }
    static void Release(const CONNECTDATA& item) { item.pUnk->Release(); }
};

}  // namespace

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** connections) {
    if (connections == nullptr) return E_POINTER;
    *connections = nullptr;
    std::vector<CONNECTDATA> items;
    try {
        items.reserve(sinks_.size());
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    for (const Sink& entry : sinks_) {
        entry.sink->AddRef();
        items.push_back({entry.sink, entry.cookie});
    }
    return corvella::com::ComEnumerator<IEnumConnections, CONNECTDATA, ConnectionItem>::Create(std::move(items),
                                                                                              connections);
}

std::vector<IUnknown*> ConnectionPoint::Snapshot() const {
    std::vector<IUnknown*> sinks;
    sinks.reserve(sinks_.size());
    for (const Sink& entry : sinks_) {
        entry.sink->AddRef();
        sinks.push_back(entry.sink);
    }
    return sinks;
}

void ConnectionPoint::Fire(DISPID id, VARIANT* args, UINT count) {
    for (IUnknown* sink : Snapshot()) {
        DISPPARAMS params{args, nullptr, count, 0};
        static_cast<IDispatch*>(sink)->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                                              nullptr, nullptr);
        sink->Release();
    }
}

void ConnectionPoint::NotifyChanged(DISPID id) {
    for (IUnknown* sink : Snapshot()) {
        static_cast<IPropertyNotifySink*>(sink)->OnChanged(id);
        sink->Release();
    }
}

void ConnectionPoint::Clear() {
    std::vector<Sink> sinks;
    sinks.swap(sinks_);
    for (const Sink& entry : sinks) entry.sink->Release();
}

}  // namespace panorell
