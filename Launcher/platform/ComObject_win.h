#pragma once
// One IUnknown for the COM objects of this code base: a reference count
// that starts at one, QueryInterface answering IUnknown and each listed
// interface (and whatever a derived class adds through FindMore), and the
// module's live object and lock counts that an in-process server's
// DllCanUnloadNow reads. Header only: each binary that includes it keeps
// counts of its own.
#include <windows.h>

#include <new>
#include <tuple>

namespace corvella::com {

inline LONG gLiveObjects = 0;
inline LONG gServerLocks = 0;

[[nodiscard]] inline bool ModuleInUse() noexcept { return gLiveObjects != 0 || gServerLocks != 0; }

inline void LockModule(bool lock) noexcept {
    if (lock)
        InterlockedIncrement(&gServerLocks);
    else
        InterlockedDecrement(&gServerLocks);
}

template <typename... Interfaces>
class ComObject : public Interfaces... {
    using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;

public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        IUnknown* found = nullptr;
        if (IsEqualIID(iid, IID_IUnknown)) {
            found = static_cast<First*>(this);
        } else {
            (void)((IsEqualIID(iid, __uuidof(Interfaces)) ? (found = static_cast<Interfaces*>(this), true) : false) ||
                   ...);
        }
        if (found == nullptr) found = FindMore(iid);
        if (found == nullptr) return E_NOINTERFACE;
        found->AddRef();
        *out = found;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // This object as its IUnknown (the identity QueryInterface hands out).
    IUnknown* Identity() noexcept { return static_cast<First*>(this); }

protected:
    ComObject() noexcept { InterlockedIncrement(&gLiveObjects); }
    virtual ~ComObject() { InterlockedDecrement(&gLiveObjects); }

    // Interfaces answered besides the listed ones: the bases of listed
    // interfaces (IPersist, IOleWindow, ...) and identifiers that name an
    // interface by another id (a dispatch interface). Not yet AddRef'ed.
    virtual IUnknown* FindMore(REFIID) { return nullptr; }

private:
    LONG references_ = 1;
};

// A new object for `iid`, handed out with one reference; the creation's own
// reference is dropped, so a failed QueryInterface frees it.
template <typename Object, typename... Args>
HRESULT CreateAndQuery(REFIID iid, void** out, Args&&... args) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    Object* object = new (std::nothrow) Object(static_cast<Args&&>(args)...);
    if (object == nullptr) return E_OUTOFMEMORY;
    const HRESULT hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
}

// Holds one reference and releases it when it goes.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { Reset(); }
    void Reset(Interface* taken = nullptr) noexcept {
        if (pointer_ != nullptr) pointer_->Release();
        pointer_ = taken;
    }
    // Keeps its own reference to `shared`.
    void Share(Interface* shared) noexcept {
        if (shared != nullptr) shared->AddRef();
        Reset(shared);
    }
    Interface** Put() noexcept {
        Reset();
        return &pointer_;
    }
    void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }
    Interface* Get() const noexcept { return pointer_; }
    Interface* operator->() const noexcept { return pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }

private:
    Interface* pointer_ = nullptr;
};

}  // namespace corvella::com
