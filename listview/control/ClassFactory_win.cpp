#include "ClassFactory_win.h"

#include "ComObject_win.h"
#include "Control_win.h"
#include "PanorellIds_win.h"
#include "PropertyPage_win.h"

namespace panorell {

namespace {

using corvella::com::ComObject;

// Makes objects of one class; aggregation is not offered.
template <typename Object>
class ClassFactory final : public ComObject<IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (out != nullptr) *out = nullptr;
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        try {
            return corvella::com::CreateAndQuery<Object>(iid, out);
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        corvella::com::LockModule(lock != FALSE);
        return S_OK;
    }
};

}  // namespace

HRESULT GetClassObject(REFCLSID classId, REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (IsEqualCLSID(classId, CLSID_PanorellListView))
        return corvella::com::CreateAndQuery<ClassFactory<Control>>(iid, out);
    if (IsEqualCLSID(classId, kGeneralPageId))
        return corvella::com::CreateAndQuery<ClassFactory<PageOf<Page::General>>>(iid, out);
    if (IsEqualCLSID(classId, kFiltersPageId))
        return corvella::com::CreateAndQuery<ClassFactory<PageOf<Page::Filters>>>(iid, out);
    if (IsEqualCLSID(classId, kColumnsPageId))
        return corvella::com::CreateAndQuery<ClassFactory<PageOf<Page::Columns>>>(iid, out);
    return CLASS_E_CLASSNOTAVAILABLE;
}

}  // namespace panorell
