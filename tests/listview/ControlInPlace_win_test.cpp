// The control embedded through our container site: in-place activation
// with the frame and list inside, events at a connected sink, and
// design-time rules from the ambient user mode.
#include <windows.h>
#include <ocidl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ComObject_win.h"
#include "ControlHarness_win.h"
#include "ControlSite_win.h"
#include "EmbeddedControl_win.h"
#include "FolderRecord_win.h"
#include "e2e/Driver_win.h"
#include "win/TempFolder_win.h"

namespace panorell::testing {
namespace {

TEST_F(Embedded, RunTimeActivationMakesTheFrameAndListAndRaisesChange) {
    corvella::testing::TempFolder folder;
    for (const char* name : {"a.txt", "b.txt", "c.ini"}) folder.WriteFile(name, "x");
    ASSERT_EQ(Embed(true), S_OK);
    auto* sink = new EventSink();
    Connect(sink);
    HWND control = site.Window();
    ASSERT_NE(control, nullptr);
    char caption[64] = {};
    GetWindowTextA(control, caption, sizeof caption);
    EXPECT_STREQ(caption, "PvListView Control");
    EXPECT_EQ(AsText(Get(site.Dispatch(), L"Caption").value), L"PvListView Control");
    HWND frame = FindWindowExA(control, nullptr, nullptr, "PanorellListView");
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    HWND pane = GetDlgItem(frame, 1005);
    ASSERT_NE(pane, nullptr);
    EXPECT_NE(GetDlgItem(pane, 1001), nullptr);

    const std::wstring path(folder.Path().begin(), folder.Path().end());
    ASSERT_EQ(Put(site.Dispatch(), L"Pattern", Text(L"*.txt")).hr, S_OK);
    ASSERT_EQ(Put(site.Dispatch(), L"CurrentFolder", Text(path.c_str())).hr, S_OK);
    EXPECT_TRUE(PumpUntil([&] { return sink->Saw("Change 1"); }));
    EXPECT_EQ(AsText(Get(site.Dispatch(), L"CurrentFolder").value), path);
    EXPECT_EQ(AsLong(Get(site.Dispatch(), L"ListCount").value), 2);
    EXPECT_EQ(AsText(GetIndexed(site.Dispatch(), L"List", 0).value), path + L"\\a.txt");
    EXPECT_EQ(GetIndexed(site.Dispatch(), L"List", 2).scode, static_cast<HRESULT>(0x800A017D));
    ASSERT_EQ(PutIndexed(site.Dispatch(), L"Selected", 1, Bool(true)).hr, S_OK);
    EXPECT_EQ(AsLong(GetIndexed(site.Dispatch(), L"Selected", 1).value), -1);
    EXPECT_EQ(AsLong(GetIndexed(site.Dispatch(), L"Selected", 0).value), 0);

    // The list's keys reach the sinks as the stock events; the arrow keys
    // go to the list before the container's dialog handling sees them.
    HWND list = GetDlgItem(pane, 1001);
    sink->events.clear();
    SendMessageA(list, WM_KEYDOWN, VK_END, 0);
    SendMessageA(list, WM_CHAR, 'a', 0);
    SendMessageA(list, WM_KEYUP, VK_END, 0);
    EXPECT_TRUE(sink->Saw("Event-602"));
    EXPECT_TRUE(sink->Saw("Event-603 97"));
    EXPECT_TRUE(sink->Saw("Event-604"));
    MSG arrow{list, WM_KEYDOWN, VK_DOWN, 0, 0, {}};
    EXPECT_TRUE(site.TranslateAccelerator(arrow));
    MSG tab{list, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_FALSE(site.TranslateAccelerator(tab));

    // A file appearing is a change of contents.
    sink->events.clear();
    folder.WriteFile("d.txt", "x");
    EXPECT_TRUE(PumpUntil([&] { return sink->Saw("Change 2"); }));
    EXPECT_EQ(AsLong(Get(site.Dispatch(), L"ListCount").value), 3);
    // A linked tree freezes the folder; unlinking frees it again.
    ASSERT_EQ(Put(site.Dispatch(), L"AutoLinkTreeHwnd", Long(static_cast<long>(reinterpret_cast<LONG_PTR>(host)))).hr,
              S_OK);
    EXPECT_EQ(Put(site.Dispatch(), L"CurrentFolder", Text(L"C:\\windows")).hr, S_OK);
    EXPECT_EQ(AsText(Get(site.Dispatch(), L"CurrentFolder").value), path);
    ASSERT_EQ(Put(site.Dispatch(), L"AutoLinkTreeHwnd", Long(0)).hr, S_OK);
    EXPECT_EQ(Put(site.Dispatch(), L"CurrentFolder", Text(L"C:\\windows")).hr, S_OK);
    EXPECT_EQ(AsText(Get(site.Dispatch(), L"CurrentFolder").value), L"C:\\windows");
    site.Destroy();
    sink->Release();
}

// A folder handed over as a folder record that can no longer be listed
// raises ControlError 1, and the list falls back to its parent.
TEST_F(Embedded, HandedOverFolderThatVanishedRaisesControlError) {
    corvella::testing::TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA(folder.File("gone").c_str(), nullptr));
    folder.WriteFile("here.txt", "x");
    FolderRecordPtr record = RecordFromPath(folder.File("gone"));
    ASSERT_NE(record, nullptr);
    ASSERT_TRUE(RemoveDirectoryA(folder.File("gone").c_str()));
    ASSERT_EQ(Embed(true), S_OK);
    auto* sink = new EventSink();
    Connect(sink);
    VARIANT address;
    VariantInit(&address);
    if (sizeof(void*) == 8) {
        V_VT(&address) = VT_I8;
        V_I8(&address) = reinterpret_cast<LONG_PTR>(record.get());
    } else {
        V_VT(&address) = VT_I4;
        V_I4(&address) = static_cast<LONG>(reinterpret_cast<LONG_PTR>(record.get()));
    }
    ASSERT_EQ(Put(site.Dispatch(), L"FolderItem", address).hr, S_OK);
    EXPECT_TRUE(sink->Saw("ControlError 1"));
    const std::wstring parent(folder.Path().begin(), folder.Path().end());
    EXPECT_EQ(AsText(Get(site.Dispatch(), L"CurrentFolder").value), parent);
    EXPECT_EQ(AsLong(Get(site.Dispatch(), L"ListCount").value), 1);
    site.Destroy();
    sink->Release();
}

TEST_F(Embedded, DesignTimeMakesNoListAndRefusesRunTimeCalls) {
    ASSERT_EQ(Embed(false), S_OK);
    HWND control = site.Window();
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(FindWindowExA(control, nullptr, nullptr, "PanorellListView"), nullptr);
    EXPECT_EQ(Get(site.Dispatch(), L"ListCount").scode, static_cast<HRESULT>(0x800A018A));
    EXPECT_EQ(Get(site.Dispatch(), L"ContextMenuItemCount").scode, static_cast<HRESULT>(0x800A018A));
    EXPECT_EQ(PutIndexed(site.Dispatch(), L"Selected", 0, Bool(true)).scode, static_cast<HRESULT>(0x800A017F));
    EXPECT_EQ(Put(site.Dispatch(), L"CurrentType", Long(1)).hr, S_OK);
    EXPECT_EQ(AsLong(Get(site.Dispatch(), L"CurrentType").value), 1);
    EXPECT_EQ(Put(site.Dispatch(), L"CurrentType", Long(2)).scode, static_cast<HRESULT>(0x800A017C));
}

// IViewObject2::Draw paints the design-time picture: the ambient back
// colour, black top and left edges, white bottom and right edges, and the
// toolbox icon at the top-left corner. The embedded design-time window
// shows the same.
TEST_F(Embedded, DesignTimeDrawingThroughTheViewObject) {
    ASSERT_EQ(Embed(false), S_OK);
    IViewObject2* view = nullptr;
    ASSERT_EQ(site.Object()->QueryInterface(IID_IViewObject2, reinterpret_cast<void**>(&view)), S_OK);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 120, 80);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const RECTL bounds{0, 0, 120, 80};
    ASSERT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory, &bounds, nullptr, nullptr, 0), S_OK);
    EXPECT_EQ(view->Draw(DVASPECT_ICON, -1, nullptr, nullptr, nullptr, memory, &bounds, nullptr, nullptr, 0),
              DV_E_DVASPECT);
    const COLORREF back = GetNearestColor(memory, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(GetPixel(memory, 60, 60), back);
    EXPECT_EQ(GetPixel(memory, 0, 40), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(memory, 60, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(memory, 119, 40), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(memory, 60, 79), RGB(255, 255, 255));
    int iconPixels = 0;
    for (int y = 2; y < 18; ++y)
        for (int x = 2; x < 18; ++x) iconPixels += GetPixel(memory, x, y) != back;
    EXPECT_GT(iconPixels, 40);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    view->Release();
    PumpUntil([] { return false; }, 200);
    EXPECT_TRUE(corvella::testing::SaveScreenshot(host, "panorell_design_time"));
}

}  // namespace
}  // namespace panorell::testing

namespace panorell::testing {
namespace {

DWORD RunAndWait(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 0xFFFFFFFF;
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 0xFFFFFFFF;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

bool ClassRegistered() {
    HKEY key = nullptr;
    const std::string path = std::string("CLSID\\") + kControlClassText + "\\InprocServer32";
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// The system's registration tool registers and unregisters the library;
// it is registered again afterwards for the tests that create controls.
TEST_F(ControlTest, RegistrationToolRegistersAndUnregisters) {
    const std::string quoted = "\"" + ControlLibraryPath() + "\"";
    ASSERT_EQ(RunAndWait("regsvr32.exe /s /u " + quoted), 0u);
    EXPECT_FALSE(ClassRegistered());
    IUnknown* object = nullptr;
    EXPECT_EQ(CoCreateInstance(CLSID_PanorellListView, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&object)),
              REGDB_E_CLASSNOTREG);
    ASSERT_EQ(RunAndWait("regsvr32.exe /s " + quoted), 0u);
    EXPECT_TRUE(ClassRegistered());
    ASSERT_EQ(CoCreateInstance(CLSID_PanorellListView, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&object)),
              S_OK);
    object->Release();
}

}  // namespace
}  // namespace panorell::testing

namespace panorell::testing {
namespace {

// The sample host embeds the control, shows the folder in its path box
// and the control's Change event in its status line.
TEST_F(ControlTest, SampleHostShowsTheFolderAndTheEvents) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = std::string("\"") + CORVELLA_DIST_DIR + "\\panorellhost.exe\"";
    ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    HWND window = nullptr;
    char status[64] = {};
    const bool shown = corvella::testing::WaitUntil(
        [&] {
            window = FindWindowA("PanorellSampleHost", nullptr);
            if (window == nullptr) return false;
            GetWindowTextA(GetDlgItem(window, 14), status, sizeof status);
            return std::string(status) == "Change 1";
        },
        20000);
    EXPECT_TRUE(shown) << status;
    if (window != nullptr) {
        HWND control = FindWindowExA(window, nullptr, nullptr, "PvListView Control");
        EXPECT_NE(control, nullptr);
        EXPECT_TRUE(corvella::testing::SaveScreenshot(window, "panorell_sample_host"));
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
}  // namespace panorell::testing
