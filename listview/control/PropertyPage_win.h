#pragma once
// The control's three property pages (General, Filters, Columns). Each
// page is a dialog from the library's resources whose controls are bound
// to properties by the property table; the page reads them from the
// objects it is given and puts them back when applied.
#include <windows.h>
#include <ocidl.h>

#include <string>
#include <vector>

#include "ComObject_win.h"
#include "ControlProperties.h"

namespace panorell {

class PropertyPage : public corvella::com::ComObject<IPropertyPage> {
public:
    explicit PropertyPage(Page page) : page_(page) {}
    ~PropertyPage() override;

    HRESULT STDMETHODCALLTYPE SetPageSite(IPropertyPageSite* site) override;
    HRESULT STDMETHODCALLTYPE Activate(HWND parent, LPCRECT rect, BOOL modal) override;
    HRESULT STDMETHODCALLTYPE Deactivate() override;
    HRESULT STDMETHODCALLTYPE GetPageInfo(PROPPAGEINFO* info) override;
    HRESULT STDMETHODCALLTYPE SetObjects(ULONG count, IUnknown** objects) override;
    HRESULT STDMETHODCALLTYPE Show(UINT show) override;
    HRESULT STDMETHODCALLTYPE Move(LPCRECT rect) override;
    HRESULT STDMETHODCALLTYPE IsPageDirty() override { return dirty_ ? S_OK : S_FALSE; }
    HRESULT STDMETHODCALLTYPE Apply() override;
    HRESULT STDMETHODCALLTYPE Help(LPCOLESTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* message) override;

    HWND Window() const { return window_; }

private:
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);
    void OnInit();
    void OnCommand(int id, int code);
    void FillLists();
    void EnableByType();
    void ReadProperties();
    void MarkDirty();

    Page page_;
    HWND window_ = nullptr;
    bool dirty_ = false;
    bool loading_ = false;
    std::vector<IDispatch*> objects_;
    corvella::com::ComPtr<IPropertyPageSite> site_;
};

template <Page kPage>
class PageOf final : public PropertyPage {
public:
    PageOf() : PropertyPage(kPage) {}
};

}  // namespace panorell
