// The three property pages on a control: their controls show the
// control's properties, the General page lists the enumerations and
// enables the folder or the namespace by the current type, and applying
// puts the edited values back.
#include <windows.h>
#include <ocidl.h>

#include <gtest/gtest.h>

#include <string>

#include "ControlHarness_win.h"
#include "PanorellIds_win.h"
#include "e2e/Driver_win.h"

namespace panorell::testing {
namespace {

class Pages : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        control = Create();
        ASSERT_NE(control, nullptr);
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "PageTestHost";
        RegisterClassA(&wc);
        host = CreateWindowExA(0, "PageTestHost", "page", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 420, 240, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override {
        if (page) {
            page->Deactivate();
            page->SetObjects(0, nullptr);
            page->Release();
        }
        if (control) control->Release();
        DestroyWindow(host);
        ControlTest::TearDown();
    }
    HWND Open(const CLSID& id) {
        EXPECT_EQ(CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage, reinterpret_cast<void**>(&page)),
                  S_OK);
        if (!page) return nullptr;
        IUnknown* objects[] = {control};
        EXPECT_EQ(page->SetObjects(1, objects), S_OK);
        PROPPAGEINFO info{};
        EXPECT_EQ(page->GetPageInfo(&info), S_OK);
        title.assign(info.pszTitle, info.pszTitle + lstrlenW(info.pszTitle));
        size = info.size;
        CoTaskMemFree(info.pszTitle);
        const RECT rect{0, 0, info.size.cx, info.size.cy};
        EXPECT_EQ(page->Activate(host, &rect, TRUE), S_OK);
        page->Show(SW_SHOW);
        return FindWindowExA(host, nullptr, nullptr, nullptr);
    }
    static std::string Item(HWND list, int index) {
        char text[128] = {};
        SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return text;
    }
    void Settle() {
        MSG message;
        for (int i = 0; i < 20; ++i) {
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            Sleep(10);
        }
    }

    IDispatch* control = nullptr;
    IPropertyPage* page = nullptr;
    HWND host = nullptr;
    std::string title;
    SIZE size{};
};

TEST_F(Pages, GeneralPageShowsAndAppliesTheProperties) {
    ASSERT_EQ(Put(control, L"AllowFileRename", Bool(false)).hr, S_OK);
    ASSERT_EQ(Put(control, L"View", Long(3)).hr, S_OK);
    HWND dialog = Open(kGeneralPageId);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(title, "General");
    EXPECT_GT(size.cx, 250);
    EXPECT_EQ(SendDlgItemMessageA(dialog, 201, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendDlgItemMessageA(dialog, 204, BM_GETCHECK, 0, 0), BST_CHECKED);
    HWND views = GetDlgItem(dialog, 211);
    ASSERT_EQ(SendMessageA(views, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(Item(views, 0), "0 - pvIcon");
    EXPECT_EQ(Item(views, 3), "3 - pvReport");
    EXPECT_EQ(SendMessageA(views, CB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(SendDlgItemMessageA(dialog, 208, CB_GETCOUNT, 0, 0), 6);
    EXPECT_EQ(Item(GetDlgItem(dialog, 208), 5), "5 - pvRecycleBin");
    EXPECT_EQ(SendDlgItemMessageA(dialog, 226, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(Item(GetDlgItem(dialog, 209), 1), "1 - pvNameSpace");
    char folder[64] = {};
    GetDlgItemTextA(dialog, 205, folder, sizeof folder);
    EXPECT_STREQ(folder, "C:\\");
    // Type 0: the folder edit is enabled, the namespace list not; and back.
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, 205)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 208)));
    SendDlgItemMessageA(dialog, 209, CB_SETCURSEL, 1, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(209, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, 209)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 205)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, 208)));
    SendDlgItemMessageA(dialog, 209, CB_SETCURSEL, 0, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(209, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, 209)));
    Settle();
    EXPECT_TRUE(corvella::testing::SaveScreenshot(host, "panorell_page_general"));

    // Edits come back to the control when applied.
    SendDlgItemMessageA(dialog, 201, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(201, BN_CLICKED), 0);
    SendMessageA(views, CB_SETCURSEL, 1, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(211, CBN_SELCHANGE), reinterpret_cast<LPARAM>(views));
    EXPECT_EQ(page->IsPageDirty(), S_OK);
    ASSERT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(AsLong(Get(control, L"AllowFileRename").value), -1);
    EXPECT_EQ(AsLong(Get(control, L"View").value), 1);
}

TEST_F(Pages, FiltersAndColumnsPagesBindTheirProperties) {
    ASSERT_EQ(Put(control, L"Hidden", Bool(true)).hr, S_OK);
    ASSERT_EQ(Put(control, L"Pattern", Text(L"*.log")).hr, S_OK);
    HWND dialog = Open(kFiltersPageId);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(title, "Filters");
    EXPECT_EQ(SendDlgItemMessageA(dialog, 214, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendDlgItemMessageA(dialog, 216, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    char pattern[64] = {};
    GetDlgItemTextA(dialog, 218, pattern, sizeof pattern);
    EXPECT_STREQ(pattern, "*.log");
    Settle();
    EXPECT_TRUE(corvella::testing::SaveScreenshot(host, "panorell_page_filters"));
    SetDlgItemTextA(dialog, 218, "*.txt");
    ASSERT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(AsText(Get(control, L"Pattern").value), L"*.txt");
    page->Deactivate();
    page->Release();
    page = nullptr;

    ASSERT_EQ(Put(control, L"ShowTypeColumn", Bool(false)).hr, S_OK);
    dialog = Open(kColumnsPageId);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(title, "Columns");
    EXPECT_EQ(SendDlgItemMessageA(dialog, 221, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendDlgItemMessageA(dialog, 222, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    Settle();
    EXPECT_TRUE(corvella::testing::SaveScreenshot(host, "panorell_page_columns"));
}

TEST_F(Pages, ControlNamesItsThreePagesInOrder) {
    ISpecifyPropertyPages* specify = nullptr;
    ASSERT_EQ(control->QueryInterface(IID_ISpecifyPropertyPages, reinterpret_cast<void**>(&specify)), S_OK);
    CAUUID pages{};
    ASSERT_EQ(specify->GetPages(&pages), S_OK);
    ASSERT_EQ(pages.cElems, 3u);
    EXPECT_TRUE(IsEqualGUID(pages.pElems[0], kGeneralPageId));
    EXPECT_TRUE(IsEqualGUID(pages.pElems[1], kFiltersPageId));
    EXPECT_TRUE(IsEqualGUID(pages.pElems[2], kColumnsPageId));
    CoTaskMemFree(pages.pElems);
    specify->Release();
}

}  // namespace
}  // namespace panorell::testing
