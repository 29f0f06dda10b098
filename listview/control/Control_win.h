#pragma once
// The control object: automation through the type library, persistence,
// the OLE embedding interfaces and the events. Its stored state is the
// portable ControlState; at run time, with a window, the frame owns the
// list window and the getters read the live state from it.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include <string>

#include "ComObject_win.h"
#include "ConnectionPoint_win.h"
#include "ControlErrors.h"
#include "ControlProperties.h"
#include "PanorellIds_win.h"
#include "PropertyStream.h"
#include "shell/ShellCommands_win.h"

namespace panorell {

class ControlFrame;
class ListWindow;
using corvella::com::ComPtr;

class Control final
    : public corvella::com::ComObject<IDispatch, IPanorellListViewCalls, IOleObject, IOleInPlaceObject,
                                      IOleInPlaceActiveObject, IOleControl, IViewObject2, IPersistStreamInit,
                                      IPersistPropertyBag, IPersistStorage, IConnectionPointContainer,
                                      IProvideClassInfo2, ISpecifyPropertyPages> {
public:
    Control();
    ~Control() override;

    // IDispatch, through the type library (ControlDispatch_win.cpp).
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* badArgument) override;
    // IProvideClassInfo2.
    HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) override;

    // The calls behind the dispatch interface (ControlCalls_win.cpp,
    // ControlLinks_win.cpp).
    HRESULT STDMETHODCALLTYPE get_MousePointer(MousePointerConstants* value) override;
    HRESULT STDMETHODCALLTYPE put_MousePointer(MousePointerConstants value) override;
    HRESULT STDMETHODCALLTYPE get_AllowOleDrag(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_AllowOleDrag(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_AllowOleDrop(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_AllowOleDrop(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_AllowFileRename(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_AllowFileRename(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_ShowSystemContextMenus(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_ShowSystemContextMenus(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_CurrentNameSpace(NameSpaceConstants* value) override;
    HRESULT STDMETHODCALLTYPE put_CurrentNameSpace(NameSpaceConstants value) override;
    HRESULT STDMETHODCALLTYPE get_CurrentFolder(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE put_CurrentFolder(BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_MultiSelect(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_MultiSelect(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_ContextMenuItemCount(LONG* value) override;
    HRESULT STDMETHODCALLTYPE put_ContextMenuItemCount(LONG value) override;
    HRESULT STDMETHODCALLTYPE get_ReadOnly(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_ReadOnly(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_Hidden(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_Hidden(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_System(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_System(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_Archive(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_Archive(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_Pattern(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE put_Pattern(BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_AutoLinkTreeHwnd(LONG* value) override;
    HRESULT STDMETHODCALLTYPE put_AutoLinkTreeHwnd(LONG value) override;
    HRESULT STDMETHODCALLTYPE get_FolderItem(VARIANT* value) override;
    HRESULT STDMETHODCALLTYPE put_FolderItem(VARIANT value) override;
    HRESULT STDMETHODCALLTYPE get_ListCount(LONG* value) override;
    HRESULT STDMETHODCALLTYPE put_ListCount(LONG value) override;
    HRESULT STDMETHODCALLTYPE get_ShowSizeColumn(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_ShowSizeColumn(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_ShowTypeColumn(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_ShowTypeColumn(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_ShowModifiedColumn(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_ShowModifiedColumn(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_CurrentType(CurrentTypeConstants* value) override;
    HRESULT STDMETHODCALLTYPE put_CurrentType(CurrentTypeConstants value) override;
    HRESULT STDMETHODCALLTYPE get_BorderStyle(short* value) override;
    HRESULT STDMETHODCALLTYPE put_BorderStyle(short value) override;
    HRESULT STDMETHODCALLTYPE get_View(ListViewConstants* value) override;
    HRESULT STDMETHODCALLTYPE put_View(ListViewConstants value) override;
    HRESULT STDMETHODCALLTYPE get_AutoLinkPanorellCombo(VARIANT* value) override;
    HRESULT STDMETHODCALLTYPE put_AutoLinkPanorellCombo(VARIANT value) override;
    HRESULT STDMETHODCALLTYPE get_Caption(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE put_Caption(BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_MouseIcon(IPictureDisp** value) override;
    HRESULT STDMETHODCALLTYPE put_MouseIcon(IPictureDisp* value) override;
    HRESULT STDMETHODCALLTYPE get_ScreenUpdate(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_ScreenUpdate(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE ExecuteContextMenuItem(VARIANT item, VARIANT_BOOL* done) override;
    HRESULT STDMETHODCALLTYPE BackOneLevel(VARIANT_BOOL* done) override;
    HRESULT STDMETHODCALLTYPE get_ContextMenuItemText(LONG index, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE put_ContextMenuItemText(LONG index, BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_List(LONG index, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE put_List(LONG index, BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_Selected(LONG index, VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_Selected(LONG index, VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_ContextMenuItemVerb(LONG index, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE put_ContextMenuItemVerb(LONG index, BSTR value) override;
    HRESULT STDMETHODCALLTYPE Refresh() override;
    HRESULT STDMETHODCALLTYPE AboutBox() override;

    // IOleObject (ControlOle_win.cpp).
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Close(DWORD saveOption) override;
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject** data) override;
    HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent,
                                     LPCRECT rect) override;
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** verbs) override;
    HRESULT STDMETHODCALLTYPE Update() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE IsUpToDate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* classId) override;
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD form, LPOLESTR* type) override;
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override;
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** advises) override;
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override;
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject (ControlInPlace_win.cpp).
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE UIDeactivate() override;
    HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT clip) override;
    HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message) override;
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }

    // IOleControl.
    HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) override;
    HRESULT STDMETHODCALLTYPE OnMnemonic(LPMSG) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID id) override;
    HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL freeze) override;

    // IViewObject2 (ControlView_win.cpp).
    HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC target, LPCRECTL bounds,
                                   LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) override;
    HRESULT STDMETHODCALLTYPE GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Freeze(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unfreeze(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
    HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) override;

    // IPersistStreamInit, IPersistPropertyBag, IPersistStorage
    // (ControlPersist_win.cpp).
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* classId) override;
    HRESULT STDMETHODCALLTYPE IsDirty() override { return dirty_ ? S_OK : S_FALSE; }
    HRESULT STDMETHODCALLTYPE Load(IStream* stream) override;
    HRESULT STDMETHODCALLTYPE Save(IStream* stream, BOOL clearDirty) override;
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;
    HRESULT STDMETHODCALLTYPE InitNew() override;
    HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* log) override;
    HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;
    HRESULT STDMETHODCALLTYPE InitNew(IStorage* storage) override;
    HRESULT STDMETHODCALLTYPE Load(IStorage* storage) override;
    HRESULT STDMETHODCALLTYPE Save(IStorage* storage, BOOL sameAsLoad) override;
    HRESULT STDMETHODCALLTYPE SaveCompleted(IStorage*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE HandsOffStorage() override { return S_OK; }

    // IConnectionPointContainer, ISpecifyPropertyPages.
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;
    HRESULT STDMETHODCALLTYPE GetPages(CAUUID* pages) override;

    // What the frame tells the control (ControlEvents_win.cpp).
    void RaiseChange(short action);
    void RaiseControlError(long error);
    void RaiseClick();
    // Tells a linked combo the folder shown.
    void TellComboFolder();
    HWND Window() const { return window_; }
    // The stored state, for tests of the saved form and for the pages.
    const ControlState& State() const { return state_; }

protected:
    IUnknown* FindMore(REFIID iid) override;

private:
    // Dispatch helpers.
    HRESULT LoadTypeInfos();
    HRESULT Fail(ControlFault fault);
    // Tells the property-notify sinks and marks the control modified.
    void Changed(long dispid);
    bool UserMode() const;
    bool AmbientBool(DISPID id, bool fallback) const;
    COLORREF AmbientBackColor() const;
    ListWindow* List() const;

    HRESULT GetBool(bool ControlState::*member, VARIANT_BOOL* value);
    HRESULT PutBool(long dispid, bool ControlState::*member, VARIANT_BOOL value);
    HRESULT GetFilterBit(uint32_t bit, bool ControlState::*member, VARIANT_BOOL* value);
    HRESULT PutFilterBit(long dispid, bool ControlState::*member, VARIANT_BOOL value);
    void ApplyFilter();
    void ApplyToList(long dispid);
    HRESULT IndexedText(long index, ControlFault whenBad, long count, const std::string& text, BSTR* value);
    // The shell commands on the list's selection; null without a list.
    std::unique_ptr<ShellCommands> Commands();

    // Persistence helpers.
    void SetState(ControlState state);
    HRESULT LoadMouseIcon(const std::vector<uint8_t>& bytes);
    HRESULT SaveMouseIcon(std::vector<uint8_t>& bytes) const;
    HRESULT ReadBagValue(IPropertyBag* bag, const PropertyEntry& entry, ControlState& state);

    // Window (ControlInPlace_win.cpp).
    HRESULT InPlaceActivate(IOleClientSite* site, bool uiActivate, HWND parent, LPCRECT rect);
    bool CreateControlWindow(HWND parent, const RECT& rect);
    void DestroyControlWindow();
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnSetCursor(HWND over, UINT hitTest);
    void OnCreated();
    void FireStockMouse(long dispid, WPARAM wParam, LPARAM lParam);
    void FireStockKey(long dispid, WPARAM wParam);
    void Paint(HDC dc, const RECT& bounds) const;

    ControlState state_;
    Extent extent_{2646, 2646};  // HIMETRIC: 100 pixels at 96 dpi
    bool dirty_ = false;
    bool eventsFrozen_ = false;
    long lastChangeAction_ = 0;
    HWND treeWindow_ = nullptr;
    ComPtr<IDispatch> combo_;
    ComPtr<IPictureDisp> mouseIcon_;
    ComPtr<ITypeInfo> callsInfo_;
    ComPtr<ITypeInfo> dispatchInfo_;
    ComPtr<ITypeInfo> classInfo_;
    ComPtr<IOleClientSite> site_;
    ComPtr<IOleInPlaceSite> inPlaceSite_;
    ComPtr<IOleAdviseHolder> adviseHolder_;
    ComPtr<IAdviseSink> viewSink_;
    DWORD viewAspects_ = 0;
    DWORD viewFlags_ = 0;
    ConnectionPoint events_;
    ConnectionPoint propertyNotify_;
    HWND window_ = nullptr;
    bool uiActive_ = false;
    std::unique_ptr<ControlFrame> frame_;
    ControlFault pendingFault_ = ControlFault::None;
};

}  // namespace panorell
