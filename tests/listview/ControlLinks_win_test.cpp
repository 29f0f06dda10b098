// The control's links at run time: a folder combo hears the frame window
// and every folder shown, a combo hands folders over with message 0x545,
// a linked tree freezes both, and the cursor follows MousePointer.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ComObject_win.h"
#include "EmbeddedControl_win.h"
#include "FolderRecord_win.h"
#include "win/TempFolder_win.h"

namespace panorell::testing {
namespace {

constexpr UINT kShowFolderRecord = 0x545;

// A folder combo as the control meets it: two properties set by name.
// Records what it was told and whether every call came as a property put
// with its named argument in locale 0x800.
class FakeCombo final : public corvella::com::ComObject<IDispatch> {
public:
    explicit FakeCombo(bool knowsListWnd = true) : knowsListWnd_(knowsListWnd) {}
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        if (knowsListWnd_ && lstrcmpW(names[0], L"ListWnd") == 0) return *ids = 1, S_OK;
        if (lstrcmpW(names[0], L"CurrentItem") == 0) return *ids = 2, S_OK;
        *ids = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID locale, WORD flags, DISPPARAMS* params, VARIANT*,
                                     EXCEPINFO*, UINT*) override {
        wellFormed = wellFormed && locale == 0x800 && flags == DISPATCH_PROPERTYPUT && params->cArgs == 1 &&
                     params->cNamedArgs == 1 && params->rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;
        const VARIANT& value = params->rgvarg[0];
        if (id == 1) {
            wellFormed = wellFormed && V_VT(&value) == VT_I4;
            listWindows.push_back(V_I4(&value));
        } else if (id == 2) {
            folders.push_back(PathOf(value));
        }
        return S_OK;
    }
    std::vector<LONG> listWindows;
    std::vector<std::string> folders;
    bool wellFormed = true;

private:
    // The folder a by-reference Variant with an id list's address names.
    std::string PathOf(const VARIANT& value) {
        wellFormed = wellFormed && V_VT(&value) == (VT_BYREF | VT_VARIANT);
        if (V_VT(&value) != (VT_BYREF | VT_VARIANT)) return "<not by reference>";
        const VARIANT& address = *V_VARIANTREF(&value);
        LONG_PTR pointer = V_VT(&address) == VT_I8 ? static_cast<LONG_PTR>(V_I8(&address))
                           : V_VT(&address) == VT_I4 ? static_cast<LONG_PTR>(V_I4(&address))
                                                     : 0;
        char path[MAX_PATH] = {};
        if (pointer == 0 || !SHGetPathFromIDListA(reinterpret_cast<const ITEMIDLIST*>(pointer), path))
            return "<no path>";
        return path;
    }
    bool knowsListWnd_;
};

VARIANT Object(IDispatch* object) {
    VARIANT value;
    VariantInit(&value);
    V_VT(&value) = VT_DISPATCH;
    V_DISPATCH(&value) = object;
    object->AddRef();  // Put clears the Variant
    return value;
}

// The five words a combo hands over with 0x545.
struct HandedRecord {
    IShellFolder* parentFolder;
    ITEMIDLIST* relativeId;
    ITEMIDLIST* absoluteId;
    ULONG attributes;
    BOOL isRoot;
};

HandedRecord Handed(const FolderRecord& record) {
    return {record.parentFolder, record.relativeId, record.absoluteId, record.attributes, record.isRoot};
}

class Links : public Embedded {
protected:
    void Start() {
        folder.WriteFile("here.txt", "x");
        ASSERT_TRUE(CreateDirectoryA(folder.File("sub").c_str(), nullptr));
        ASSERT_EQ(Embed(true), S_OK);
        sink = new EventSink();
        Connect(sink);
        frame = FindWindowExA(site.Window(), nullptr, nullptr, "PanorellListView");
        ASSERT_NE(frame, nullptr);
        Show(folder.Path());
    }
    void TearDown() override {
        site.Destroy();
        if (sink) sink->Release();
        Embedded::TearDown();
    }
    // Sets CurrentFolder and waits for the listing's Change 1.
    void Show(const std::string& path) {
        sink->events.clear();
        const std::wstring wide(path.begin(), path.end());
        ASSERT_EQ(Put(site.Dispatch(), L"CurrentFolder", Text(wide.c_str())).hr, S_OK);
        ASSERT_TRUE(PumpUntil([&] { return sink->Saw("Change 1"); }));
    }
    std::string Shown() {
        const std::wstring wide = AsText(Get(site.Dispatch(), L"CurrentFolder").value);
        return std::string(wide.begin(), wide.end());
    }
    LONG FrameHandle() const { return static_cast<LONG>(reinterpret_cast<LONG_PTR>(frame)); }
    void LinkTree(HWND tree) {
        ASSERT_EQ(Put(site.Dispatch(), L"AutoLinkTreeHwnd", Long(static_cast<long>(reinterpret_cast<LONG_PTR>(tree))))
                      .hr,
                  S_OK);
    }

    corvella::testing::TempFolder folder;
    EventSink* sink = nullptr;
    HWND frame = nullptr;
};

TEST_F(Links, ComboHearsTheFrameAndEveryFolderShownUntilReplaced) {
    Start();
    auto* first = new FakeCombo();
    ASSERT_EQ(Put(site.Dispatch(), L"AutoLinkPanorellCombo", Object(first)).hr, S_OK);
    EXPECT_EQ(first->listWindows, (std::vector<LONG>{FrameHandle()}));
    EXPECT_EQ(first->folders, (std::vector<std::string>{folder.Path()}));

    Show(folder.File("sub"));
    EXPECT_EQ(first->folders.back(), folder.File("sub"));

    // A second combo: the first is told to let go (ListWnd 0).
    auto* second = new FakeCombo();
    ASSERT_EQ(Put(site.Dispatch(), L"AutoLinkPanorellCombo", Object(second)).hr, S_OK);
    EXPECT_EQ(first->listWindows, (std::vector<LONG>{FrameHandle(), 0}));
    EXPECT_EQ(second->listWindows, (std::vector<LONG>{FrameHandle()}));
    EXPECT_EQ(second->folders, (std::vector<std::string>{folder.File("sub")}));
    const size_t heardByFirst = first->folders.size();
    Show(folder.Path());
    EXPECT_EQ(first->folders.size(), heardByFirst);
    EXPECT_EQ(second->folders.back(), folder.Path());

    // A Variant without an object clears the link.
    ASSERT_EQ(Put(site.Dispatch(), L"AutoLinkPanorellCombo", Long(5)).hr, S_OK);
    EXPECT_EQ(second->listWindows.back(), 0);
    const size_t heardBySecond = second->folders.size();
    Show(folder.File("sub"));
    EXPECT_EQ(second->folders.size(), heardBySecond);
    EXPECT_TRUE(first->wellFormed);
    EXPECT_TRUE(second->wellFormed);
    first->Release();
    second->Release();
}

TEST_F(Links, ComboWithoutListWndIsNotLinked) {
    Start();
    auto* combo = new FakeCombo(false);
    ASSERT_EQ(Put(site.Dispatch(), L"AutoLinkPanorellCombo", Object(combo)).hr, S_OK);
    Show(folder.File("sub"));
    EXPECT_TRUE(combo->folders.empty());
    combo->Release();
}

TEST_F(Links, TreeLinkKeepsTheComboUntoldAndIgnoresHandedFolders) {
    Start();
    auto* combo = new FakeCombo();
    ASSERT_EQ(Put(site.Dispatch(), L"AutoLinkPanorellCombo", Object(combo)).hr, S_OK);
    LinkTree(host);
    FolderRecordPtr sub = RecordFromPath(folder.File("sub"));
    ASSERT_NE(sub, nullptr);
    HandedRecord handed = Handed(*sub);
    sink->events.clear();
    SendMessageA(frame, kShowFolderRecord, 0, reinterpret_cast<LPARAM>(&handed));
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(Shown(), folder.Path()) << "0x545 is ignored while a tree is linked";
    EXPECT_FALSE(sink->Saw("Change 1"));

    // The tree answers 0 to "up a level", so the list goes up itself; the
    // folder change is announced but the combo is not told.
    const size_t heard = combo->folders.size();
    EXPECT_EQ(AsLong(Invoke(site.Dispatch(), L"BackOneLevel", DISPATCH_METHOD).value), -1);
    EXPECT_TRUE(PumpUntil([&] { return sink->Saw("Change 1"); }));
    EXPECT_EQ(combo->folders.size(), heard);
    combo->Release();
}

TEST_F(Links, HandedFolderRecordIsShownAndAFailureTellsTheComboTheFolderStillShown) {
    Start();
    auto* combo = new FakeCombo();
    ASSERT_EQ(Put(site.Dispatch(), L"AutoLinkPanorellCombo", Object(combo)).hr, S_OK);

    FolderRecordPtr sub = RecordFromPath(folder.File("sub"));
    ASSERT_NE(sub, nullptr);
    HandedRecord handed = Handed(*sub);
    sink->events.clear();
    SendMessageA(frame, kShowFolderRecord, 0, reinterpret_cast<LPARAM>(&handed));
    EXPECT_TRUE(PumpUntil([&] { return sink->Saw("Change 1"); }));
    EXPECT_EQ(Shown(), folder.File("sub"));
    EXPECT_EQ(combo->folders.back(), folder.File("sub"));
    SendMessageA(frame, kShowFolderRecord, 0, 0);  // no record: nothing happens

    // A record with no id list cannot be shown: the combo hears the folder
    // the list still shows.
    const size_t heard = combo->folders.size();
    HandedRecord broken = Handed(*sub);
    broken.absoluteId = nullptr;
    SendMessageA(frame, kShowFolderRecord, 0, reinterpret_cast<LPARAM>(&broken));
    ASSERT_EQ(combo->folders.size(), heard + 1);
    EXPECT_EQ(combo->folders.back(), folder.File("sub"));
    EXPECT_EQ(Shown(), folder.File("sub"));
    EXPECT_TRUE(combo->wellFormed);
    combo->Release();
}

TEST_F(Embedded, ComboLinkIsIgnoredAtDesignTime) {
    ASSERT_EQ(Embed(false), S_OK);
    auto* combo = new FakeCombo();
    ASSERT_EQ(Put(site.Dispatch(), L"AutoLinkPanorellCombo", Object(combo)).hr, S_OK);
    EXPECT_TRUE(combo->listWindows.empty());
    EXPECT_TRUE(combo->folders.empty());
    combo->Release();
}

// The cursor over the control, the pane and the list follows the table of
// MousePointer values; over other windows, outside the client area or at
// 0 the control leaves the cursor alone.
TEST_F(Links, CursorFollowsMousePointerOverTheControlsWindowsOnly) {
    Start();
    HWND control = site.Window();
    HWND pane = GetDlgItem(frame, 1005);
    HWND list = GetDlgItem(pane, 1001);
    ASSERT_NE(list, nullptr);
    auto setCursor = [&](HWND over, UINT hit = HTCLIENT) {
        return SendMessageA(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(over), MAKELPARAM(hit, WM_MOUSEMOVE));
    };
    const std::pair<long, LPCSTR> table[] = {
        {1, IDC_ARROW},    {2, IDC_CROSS},      {3, IDC_IBEAM},         {4, IDC_ARROW},   {5, IDC_SIZEALL},
        {6, IDC_SIZENESW}, {7, IDC_SIZENS},     {8, IDC_SIZENWSE},      {9, IDC_SIZEWE},  {10, IDC_UPARROW},
        {11, IDC_WAIT},    {12, IDC_NO},        {13, IDC_APPSTARTING},  {14, IDC_HELP},   {15, IDC_SIZEALL},
    };
    for (const auto& [pointer, shape] : table) {
        ASSERT_EQ(Put(site.Dispatch(), L"MousePointer", Long(pointer)).hr, S_OK);
        for (HWND over : {control, pane, list}) {
            SetCursor(nullptr);
            EXPECT_TRUE(setCursor(over)) << pointer;
            EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, shape)) << pointer;
        }
    }

    // 16 is refused and the shape stays as it was.
    ASSERT_EQ(Put(site.Dispatch(), L"MousePointer", Long(2)).hr, S_OK);
    EXPECT_EQ(Put(site.Dispatch(), L"MousePointer", Long(16)).scode, static_cast<HRESULT>(0x800A017C));
    EXPECT_EQ(AsLong(Get(site.Dispatch(), L"MousePointer").value), 2);
    setCursor(list);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_CROSS));
    // Elsewhere the table does not apply.
    SetCursor(LoadCursorA(nullptr, IDC_IBEAM));
    setCursor(host);
    EXPECT_NE(GetCursor(), LoadCursorA(nullptr, IDC_CROSS));
    SetCursor(LoadCursorA(nullptr, IDC_IBEAM));
    setCursor(list, HTBORDER);
    EXPECT_NE(GetCursor(), LoadCursorA(nullptr, IDC_CROSS));

    // 99 without an icon handles the request and leaves the cursor; with
    // an icon it shows the icon.
    ASSERT_EQ(Put(site.Dispatch(), L"MousePointer", Long(99)).hr, S_OK);
    const HCURSOR before = LoadCursorA(nullptr, IDC_HELP);
    SetCursor(before);
    EXPECT_TRUE(setCursor(list));
    EXPECT_EQ(GetCursor(), before);
    HICON icon = LoadIconA(nullptr, IDI_QUESTION);
    PICTDESC description{sizeof description, PICTYPE_ICON, {}};
    description.icon.hicon = icon;
    IPictureDisp* picture = nullptr;
    ASSERT_EQ(OleCreatePictureIndirect(&description, IID_IPictureDisp, FALSE, reinterpret_cast<void**>(&picture)),
              S_OK);
    VARIANT value;
    VariantInit(&value);
    V_VT(&value) = VT_DISPATCH;
    V_DISPATCH(&value) = picture;  // Put releases it
    ASSERT_EQ(Put(site.Dispatch(), L"MouseIcon", value).hr, S_OK);
    SetCursor(before);
    EXPECT_TRUE(setCursor(list));
    EXPECT_EQ(GetCursor(), static_cast<HCURSOR>(icon));

    // 0: the control's own table is off.
    ASSERT_EQ(Put(site.Dispatch(), L"MousePointer", Long(0)).hr, S_OK);
    SetCursor(before);
    setCursor(list);
    EXPECT_NE(GetCursor(), static_cast<HCURSOR>(icon));
}

}  // namespace
}  // namespace panorell::testing
