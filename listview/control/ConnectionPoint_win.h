#pragma once
// One connection point of the control: the sinks of one outgoing
// interface. It lives inside the control and shares its reference count.
#include <windows.h>
#include <ocidl.h>

#include <olectl.h>

#include <vector>

namespace panorell {

class ConnectionPoint final : public IConnectionPoint {
public:
    ConnectionPoint(IConnectionPointContainer* owner, const IID& iid) : owner_(owner), iid_(iid) {}
    ~ConnectionPoint();
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return owner_->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return owner_->Release(); }
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** owner) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

    const IID& Interface() const { return iid_; }
    // Calls `id` on every dispatch sink with `args` (last argument first,
    // as Invoke takes them). Sinks added or removed meanwhile are safe.
    void Fire(DISPID id, VARIANT* args, UINT count);
    // Tells every property-notify sink that `id` changed.
    void NotifyChanged(DISPID id);
    // Drops every sink (the control is closing).
    void Clear();

private:
    struct Sink {
        DWORD cookie;
        IUnknown* sink;  // one reference: the advised interface
    };
    std::vector<IUnknown*> Snapshot() const;

    IConnectionPointContainer* owner_;
    IID iid_;
    std::vector<Sink> sinks_;
    DWORD nextCookie_ = 1;
};

}  // namespace panorell
