#pragma once
// The IUnknown recipe of the shortcut reader's objects: a reference count
// starting at one, QueryInterface answering IUnknown and the one interface
// the object implements, and the module's live object count kept for
// DllCanUnloadNow.
#include <windows.h>

#include <new>

namespace corvella::shortcutreader {

// The module's live objects and server locks; the DLL may unload when both
// are zero.
void CountObject(bool created) noexcept;
void CountLock(bool locked) noexcept;
[[nodiscard]] bool ModuleInUse() noexcept;

template <typename Interface, const IID& kInterfaceId>
class ComObject : public Interface {
public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, kInterfaceId)) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

protected:
    ComObject() noexcept { CountObject(true); }
    virtual ~ComObject() { CountObject(false); }

private:
    LONG references_ = 1;
};

// A new object for `iid`, handed out with one reference; the creation's own
// reference is dropped, so a failed QueryInterface frees it.
template <typename Object>
HRESULT CreateAndQuery(REFIID iid, void** out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    Object* object = new (std::nothrow) Object();
    if (object == nullptr) return E_OUTOFMEMORY;
    const HRESULT hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
}

}  // namespace corvella::shortcutreader
