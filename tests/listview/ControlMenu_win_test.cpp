// The shell's context menu through the control's automation interface, on
// real files: a document of a test type whose "open" command starts the
// probe program, which records each start.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ControlHarness_win.h"
#include "ControlSite_win.h"
#include "PanorellIds_win.h"
#include "e2e/Driver_win.h"
#include "e2e/ProbeRegistry_win.h"
#include "win/TempFolder_win.h"

namespace panorell::testing {
namespace {

VARIANT Real(double value) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_R8;
    V_R8(&v) = value;
    return v;
}

// Wine's own item menu runs "open" for folders only: for a document it
// answers success and starts nothing, so the menu cannot open documents
// there. The tests that need a document opened by the shell's menu run on
// Windows.
bool ShellMenuOpensDocuments() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") == nullptr;
}

// The control in a window of its own, listing a folder with a document of
// the test type and a text file.
class ControlMenu : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        folder.WriteFile("b.txt", "text");
        folder.WriteFile("doc.cvprobe", "document");
        SetEnvironmentVariableA("CORVELLA_PROBE_LOG", folder.File("probe.log").c_str());
        ASSERT_TRUE(type.Ok());
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ControlMenuHost";
        RegisterClassA(&wc);
        host = CreateWindowExA(0, wc.lpszClassName, "menu host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 420, 300,
                               nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(host, nullptr);
        const RECT rect{0, 0, 400, 260};
        ASSERT_EQ(site.Create(CLSID_PanorellListView, host, rect, true), S_OK);
        const std::wstring path(folder.Path().begin(), folder.Path().end());
        ASSERT_EQ(Put(Control(), L"CurrentFolder", Text(path.c_str())).hr, S_OK);
        ASSERT_TRUE(Pump([&] { return AsLong(Get(Control(), L"ListCount").value) == 2; }));
    }
    void TearDown() override {
        site.Destroy();
        if (host) DestroyWindow(host);
        SetEnvironmentVariableA("CORVELLA_PROBE_LOG", nullptr);
        ControlTest::TearDown();
    }
    IDispatch* Control() { return site.Dispatch(); }
    template <typename Done>
    bool Pump(Done done, DWORD ms = 15000) {
        return corvella::testing::WaitUntil(
            [&] {
                MSG message;
                while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
                return done();
            },
            ms);
    }
    int IndexOf(const char* name) {
        const std::string wanted = folder.File(name);
        for (long i = 0, count = AsLong(Get(Control(), L"ListCount").value); i < count; ++i) {
            const std::wstring item = AsText(GetIndexed(Control(), L"List", i).value);
            if (std::string(item.begin(), item.end()) == wanted) return static_cast<int>(i);
        }
        return -1;
    }
    // Selects one item; the list then answers commands once its
    // background work is done (a verb no entry has gives True).
    void SelectOnly(const char* name) {
        for (long i = 0, n = AsLong(Get(Control(), L"ListCount").value); i < n; ++i)
            PutIndexed(Control(), L"Selected", i, Bool(false));
        const int index = IndexOf(name);
        ASSERT_GE(index, 0) << name;
        ASSERT_EQ(PutIndexed(Control(), L"Selected", index, Bool(true)).hr, S_OK);
        ASSERT_TRUE(Pump([&] { return Run(Text(L"no such verb")) == -1; }));
    }
    long Run(VARIANT item) { return AsLong(Invoke(Control(), L"ExecuteContextMenuItem", DISPATCH_METHOD, &item, 1).value); }
    std::string ProbeLog() const { return folder.ReadFile("probe.log"); }

    corvella::testing::TempFolder folder;
    corvella::testing::ProbeDocumentType type{CORVELLA_PROBE_EXE};
    HWND host = nullptr;
    ControlSite site;
};

TEST_F(ControlMenu, OpenVerbStartsTheDocumentsProgram) {
    if (!ShellMenuOpensDocuments()) GTEST_SKIP() << "this system's item menu does not open documents";
    SelectOnly("doc.cvprobe");
    EXPECT_EQ(Run(Text(L"OPEN")), -1);
    ASSERT_TRUE(Pump([&] { return ProbeLog().find("doc.cvprobe") != std::string::npos; }))
        << "the probe was not started";
}

TEST_F(ControlMenu, FirstEntryIsTheDefaultCommand) {
    if (!ShellMenuOpensDocuments()) GTEST_SKIP() << "this system's item menu does not open documents";
    SelectOnly("doc.cvprobe");
    EXPECT_EQ(Run(Long(0)), -1);
    ASSERT_TRUE(Pump([&] { return ProbeLog().find("doc.cvprobe") != std::string::npos; }))
        << "the probe was not started";
}

TEST_F(ControlMenu, UnknownVerbsAndOtherKindsRunNothing) {
    SelectOnly("doc.cvprobe");
    const long count = AsLong(Get(Control(), L"ContextMenuItemCount").value);
    EXPECT_EQ(Run(Text(L"no such verb")), -1) << "no entry matched: True";
    EXPECT_EQ(Run(Real(0.0)), 0) << "a floating-point argument";
    EXPECT_EQ(Run(Long(count)), 0) << "a position past the entries";
    EXPECT_EQ(Run(Long(-1)), 0);
    // Anything started would have written by now: a start takes well under this.
    Pump([] { return false; }, 1500);
    EXPECT_EQ(ProbeLog(), "");
}

TEST_F(ControlMenu, EntriesHaveTextsAndVerbs) {
    SelectOnly("doc.cvprobe");
    const long count = AsLong(Get(Control(), L"ContextMenuItemCount").value);
    ASSERT_GT(count, 0);
    bool sawOpen = false;
    for (long i = 0; i < count; ++i) {
        EXPECT_FALSE(AsText(GetIndexed(Control(), L"ContextMenuItemText", i).value).empty()) << i;
        const std::wstring verb = AsText(GetIndexed(Control(), L"ContextMenuItemVerb", i).value);
        if (verb == L"open") sawOpen = true;
    }
    EXPECT_TRUE(sawOpen);
    EXPECT_EQ(AsText(GetIndexed(Control(), L"ContextMenuItemText", 0).value), L"&Open");
    EXPECT_EQ(GetIndexed(Control(), L"ContextMenuItemText", count).scode, static_cast<HRESULT>(0x800A017D));
    EXPECT_EQ(GetIndexed(Control(), L"ContextMenuItemVerb", -1).scode, static_cast<HRESULT>(0x800A017D));
}

TEST_F(ControlMenu, WithoutASelectionThereIsNoMenu) {
    for (long i = 0, n = AsLong(Get(Control(), L"ListCount").value); i < n; ++i)
        PutIndexed(Control(), L"Selected", i, Bool(false));
    EXPECT_EQ(AsLong(Get(Control(), L"ContextMenuItemCount").value), 0);
    EXPECT_EQ(Run(Text(L"open")), -1) << "nothing selected: True";
    EXPECT_EQ(Run(Long(0)), 0);
    EXPECT_EQ(GetIndexed(Control(), L"ContextMenuItemText", 0).scode, static_cast<HRESULT>(0x800A017D));
    Pump([] { return false; }, 1500);
    EXPECT_EQ(ProbeLog(), "");
}

}  // namespace
}  // namespace panorell::testing
