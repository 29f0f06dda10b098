// The main window's folder list control: created through the registration
// with its stored design and kept out of sight; without a registration the
// host gets nothing and leaves nothing.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleauto.h>

#include <string>

#include "mainwindow/FolderListHost_win.h"
#include "win/RegisterControl_win.h"

namespace corvella {
namespace {

std::wstring TextProperty(IDispatch* control, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (FAILED(control->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return L"<no such property>";
    DISPPARAMS none{};
    VARIANT value;
    VariantInit(&value);
    if (FAILED(control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, nullptr,
                               nullptr)) ||
        V_VT(&value) != VT_BSTR)
        return L"<not read>";
    std::wstring text(V_BSTR(&value), SysStringLen(V_BSTR(&value)));
    VariantClear(&value);
    return text;
}

int ChildCount(HWND parent) {
    int count = 0;
    EnumChildWindows(
        parent, [](HWND, LPARAM counter) { return ++*reinterpret_cast<int*>(counter), TRUE; },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

class FolderListHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        window_ = CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        DestroyWindow(window_);
        OleUninitialize();
    }
    HWND window_ = nullptr;
};

TEST_F(FolderListHostTest, CarriesOneHiddenInstanceWithTheStoredDesign) {
    ASSERT_TRUE(testing::RegisterFolderListControl());

    FolderListHost host;
    ASSERT_TRUE(host.Create(window_));
    ASSERT_NE(host.Control(), nullptr);
    EXPECT_EQ(TextProperty(host.Control(), L"Caption"), L"PvListView Control");
    EXPECT_EQ(TextProperty(host.Control(), L"CurrentFolder"), L"C:\\");
    EXPECT_EQ(TextProperty(host.Control(), L"Pattern"), L"*.*");

    HWND control = FindWindowExA(window_, nullptr, "PanorellListViewControl", nullptr);
    ASSERT_NE(control, nullptr) << "the control's window is not a child of the main window";
    EXPECT_FALSE(IsWindowVisible(control)) << "the launcher's list control must stay out of sight";

    host.Destroy();
    EXPECT_EQ(host.Control(), nullptr);
    EXPECT_EQ(ChildCount(window_), 0) << "closing the control left windows behind";
    host.Destroy();  // a second close does nothing
}

// The start-up leaves the control to idle time: asked for later, it is made
// once, at the first of CreatePending and Control; closed before that, or
// with its window gone, it is never made.
TEST_F(FolderListHostTest, ACreationLeftForLaterHappensOnceAtTheFirstAsking) {
    ASSERT_TRUE(testing::RegisterFolderListControl());
    const auto controls = [this] { return FindWindowExA(window_, nullptr, "PanorellListViewControl", nullptr); };
    for (bool byCreatePending : {true, false}) {
        SCOPED_TRACE(byCreatePending ? "CreatePending" : "Control");
        FolderListHost host;
        host.CreateLater(window_);
        EXPECT_EQ(controls(), nullptr) << "made before it was asked for";
        if (byCreatePending)
            EXPECT_TRUE(host.CreatePending());
        else
            EXPECT_NE(host.Control(), nullptr);
        IDispatch* made = host.Control();
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(TextProperty(made, L"CurrentFolder"), L"C:\\");
        EXPECT_TRUE(host.CreatePending());
        EXPECT_EQ(host.Control(), made) << "made twice";
        EXPECT_EQ(ChildCount(window_), ChildCount(controls()) + 1) << "one control on the window";
        host.Destroy();
        EXPECT_EQ(ChildCount(window_), 0);
    }

    FolderListHost closedFirst;
    closedFirst.CreateLater(window_);
    closedFirst.Destroy();
    EXPECT_FALSE(closedFirst.CreatePending());
    EXPECT_EQ(closedFirst.Control(), nullptr);
    EXPECT_EQ(ChildCount(window_), 0);

    HWND gone = CreateWindowExA(0, "STATIC", "gone", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    FolderListHost orphan;
    orphan.CreateLater(gone);
    DestroyWindow(gone);
    EXPECT_EQ(orphan.Control(), nullptr);
}

TEST_F(FolderListHostTest, WithoutARegisteredControlGetsNothingAndLeavesNothing) {
    FolderListHost host;
    EXPECT_FALSE(host.Create(window_, L"PANORELLLISTVIEW.NeverRegistered.1"));
    EXPECT_EQ(host.Control(), nullptr);
    EXPECT_EQ(ChildCount(window_), 0);
    host.Destroy();
}

}  // namespace
}  // namespace corvella
