// The three property pages on a control: their controls show the
// control's properties, the General page lists the enumerations and
// enables the folder or the namespace by the current type, and applying
// puts the edited values back.
#include <windows.h>
#include <commctrl.h>
#include <ocidl.h>
#include <olectl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <utility>
#include <vector>

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
        // The host's client area fits the whole page, so its screenshot
        // shows every control.
        RECT outer{0, 0, info.size.cx + 16, info.size.cy + 16};
        AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
        SetWindowPos(host, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const RECT rect{8, 8, 8 + info.size.cx, 8 + info.size.cy};
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
    EXPECT_EQ(SendMessageA(views, CB_GETCURSEL, 0, 0), 3);
    // Every entry of the four lists: value and description, in order.
    const std::pair<int, std::vector<std::string>> lists[] = {
        {208,
         {"0 - Desktop", "1 - My Computer", "2 - Control Panel", "3 - Printers", "4 - Network Neighborhood",
          "5 - Recycle Bin"}},
        {211, {"0 - Icon", "1 - Small Icon", "2 - List", "3 - Report"}},
        {226, {"0 - None", "1 - Fixed Single"}},
        {209, {"0 - Folder", "1 - NameSpace"}},
    };
    for (const auto& [id, entries] : lists) {
        HWND list = GetDlgItem(dialog, id);
        ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(entries.size())) << id;
        for (size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(Item(list, static_cast<int>(i)), entries[i]) << id;
    }
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

// What the frame showed, read on a thread of its own while the frame's
// modal loop runs on the test's.
struct FrameVisit {
    bool found = false;
    std::vector<std::string> tabs;
    std::vector<bool> pageShown;  // by tab: its page's first bound control visible
    std::vector<bool> screenshots;
    LRESULT renameBox = -1;  // the General page's Allow File Rename box
};

// The property frame the test's thread shows: a visible dialog of that
// thread holding a tab control.
HWND FindFrame(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM out) -> BOOL {
            if (!IsWindowVisible(window) || FindWindowExA(window, nullptr, WC_TABCONTROLA, nullptr) == nullptr)
                return TRUE;
            *reinterpret_cast<HWND*>(out) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The visible control `id` on the frame's page shown (pages sit in the
// frame's own page dialogs, so it is looked for at any depth).
HWND FindPageControl(HWND frame, int id) {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        frame,
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (GetDlgCtrlID(window) != s->id || !IsWindowVisible(window)) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void VisitFrame(DWORD thread, FrameVisit& visit) {
    HWND frame = nullptr;
    visit.found = corvella::testing::WaitUntil([&] { return (frame = FindFrame(thread)) != nullptr; }, 15000);
    if (!visit.found) return;
    HWND tabs = FindWindowExA(frame, nullptr, WC_TABCONTROLA, nullptr);
    const int firstControl[] = {204, 213, 221};
    const char* names[] = {"panorell_frame_general", "panorell_frame_filters", "panorell_frame_columns"};
    const LRESULT count = SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < count && i < 3; ++i) {
        char text[64] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        visit.tabs.push_back(text);
        SendMessageA(frame, PSM_SETCURSEL, static_cast<WPARAM>(i), 0);
        visit.pageShown.push_back(corvella::testing::WaitUntil(
            [&] { return FindPageControl(frame, firstControl[i]) != nullptr; }, 5000));
        HWND rename = i == 0 ? FindPageControl(frame, 201) : nullptr;
        if (rename != nullptr) visit.renameBox = SendMessageA(rename, BM_GETCHECK, 0, 0);
        visit.screenshots.push_back(corvella::testing::SaveScreenshot(frame, names[i]));
    }
    // (Wine's frame never asks its pages to apply, so OK only closes it.)
    PostMessageA(frame, PSM_PRESSBUTTON, PSBTN_OK, 0);
}

// The platform's property frame shows the control's three pages as tabs in
// order, each page with its controls and the control's values.
TEST_F(Pages, PlatformFrameShowsTheThreePages) {
    ASSERT_EQ(Put(control, L"AllowFileRename", Bool(false)).hr, S_OK);
    ISpecifyPropertyPages* specify = nullptr;
    ASSERT_EQ(control->QueryInterface(IID_ISpecifyPropertyPages, reinterpret_cast<void**>(&specify)), S_OK);
    CAUUID pages{};
    ASSERT_EQ(specify->GetPages(&pages), S_OK);
    specify->Release();
    FrameVisit visit;
    const DWORD thread = GetCurrentThreadId();
    std::thread visitor([&] { VisitFrame(thread, visit); });
    IUnknown* objects[] = {control};
    const HRESULT shown = OleCreatePropertyFrame(host, 40, 40, L"PanorellListView", 1, objects, pages.cElems,
                                                 pages.pElems, LOCALE_USER_DEFAULT, 0, nullptr);
    if (!visit.found) PostMessageA(FindFrame(thread), WM_CLOSE, 0, 0);
    visitor.join();
    CoTaskMemFree(pages.pElems);
    EXPECT_EQ(shown, S_OK);
    ASSERT_TRUE(visit.found);
    EXPECT_EQ(visit.tabs, (std::vector<std::string>{"General", "Filters", "Columns"}));
    EXPECT_EQ(visit.pageShown, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(visit.screenshots, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(visit.renameBox, BST_UNCHECKED);
    EXPECT_EQ(FindFrame(thread), nullptr) << "the frame closed";
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
