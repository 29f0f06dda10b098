// Faults mended in the list window: an enumerator's "no items" answer, the
// detail filler's priority and its stop during a slow shell call, change
// notices merged, nothing thrown out of a window procedure, the code page's
// case folding and the classes registered under the list's own module.
#include <shlobj.h>

#include <atomic>
#include <stdexcept>

#include "ListFixture_win.h"
#include "ListMessages_win.h"
#include "TextFold_win.h"

namespace panorell::testing {
namespace {

using corvella::testing::TempFolder;

// A shell folder whose enumerator answers S_FALSE ("no items"), reached
// through a parent that binds to it; everything else is refused.
class EmptyFolder final : public IShellFolder {
public:
    explicit EmptyFolder(IShellFolder* child = nullptr) : child_(child) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid != IID_IUnknown && iid != IID_IShellFolder) return *out = nullptr, E_NOINTERFACE;
        *out = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++count_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --count_;
        if (left == 0) {
            if (child_) child_->Release();
            delete this;
        }
        return left;
    }
    HRESULT STDMETHODCALLTYPE EnumObjects(HWND, SHCONTF, IEnumIDList** out) override {
        *out = nullptr;
        ++enumerations;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE BindToObject(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void** out) override {
        if (!child_) return *out = nullptr, E_FAIL;
        child_->AddRef();
        *out = child_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ParseDisplayName(HWND, IBindCtx*, LPWSTR, ULONG*, PIDLIST_RELATIVE*, ULONG*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE BindToStorage(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CompareIDs(LPARAM, PCUIDLIST_RELATIVE, PCUIDLIST_RELATIVE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateViewObject(HWND, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetAttributesOf(UINT, PCUITEMID_CHILD_ARRAY, SFGAOF*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetUIObjectOf(HWND, UINT, PCUITEMID_CHILD_ARRAY, REFIID, UINT*, void**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetDisplayNameOf(PCUITEMID_CHILD, SHGDNF, STRRET*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetNameOf(HWND, PCUITEMID_CHILD, LPCWSTR, SHGDNF, PITEMID_CHILD*) override {
        return E_NOTIMPL;
    }
    static inline int enumerations = 0;

private:
    ~EmptyFolder() = default;
    ULONG count_ = 1;
    IShellFolder* child_;
};

TEST_F(ListFixture, AFolderWithNoItemsToEnumerateIsShownEmptyWithoutAnError) {
    TempFolder folder;
    MakeFolder(folder, "virtual");
    FolderRecordPtr record = RecordFromPath(folder.File("virtual"));
    ASSERT_NE(record, nullptr);
    // The record's folder is bound through the parent, which gives the
    // folder whose enumerator says S_FALSE.
    record->parentFolder->Release();
    record->parentFolder = new EmptyFolder(new EmptyFolder);
    EmptyFolder::enumerations = 0;
    sink_.events.clear();

    EXPECT_TRUE(list_->MoveTo(std::move(record)));
    EXPECT_EQ(EmptyFolder::enumerations, 1);
    EXPECT_EQ(list_->CurrentPath(), folder.File("virtual"));
    EXPECT_EQ(list_->ItemCount(), 0);
    EXPECT_EQ(sink_.events, (std::vector<std::string>{"Change 1 " + folder.File("virtual")}));
    // An update of it is no error either.
    list_->UpdateContents(1);
    EXPECT_EQ(list_->ItemCount(), 0);
    EXPECT_FALSE(sink_.Saw("ControlError 1"));
}

TEST(DetailFiller, RunsBelowTheWindowAndIsLetGoDuringASlowShellCall) {
    std::atomic<int> priority{THREAD_PRIORITY_ERROR_RETURN};
    std::atomic<bool> inside{false};
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    int before = ThreadCount();
    {
        DetailFiller filler;
        std::vector<FillJob> jobs(3);
        ASSERT_TRUE(filler.Start(nullptr, WM_NULL, WM_NULL, 0, std::move(jobs), [&](const FillJob&) {
            priority = GetThreadPriority(GetCurrentThread());
            inside = true;
            WaitForSingleObject(release, 10000);  // a shell call that hangs
            return 7;
        }));
        DWORD start = GetTickCount();
        while (!inside && GetTickCount() - start < 5000) Sleep(1);
        ASSERT_TRUE(inside);
        EXPECT_LT(priority.load(), THREAD_PRIORITY_NORMAL);

        start = GetTickCount();
        filler.Stop();
        EXPECT_LT(GetTickCount() - start, 1000u) << "Stop waited for the hung call";
        EXPECT_FALSE(filler.Running());
        EXPECT_TRUE(filler.TakeResults().empty());
    }
    // Once the call returns, the worker ends by itself and leaves no thread.
    SetEvent(release);
    DWORD start = GetTickCount();
    while (ThreadCount() > before && GetTickCount() - start < 5000) Sleep(10);
    EXPECT_EQ(ThreadCount(), before);
    CloseHandle(release);
}

// Records the folder-changed notices the pane gets, passing them on.
WNDPROC gPaneProc = nullptr;
LPARAM gSeenGeneration = -1;
LRESULT CALLBACK SpyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kMsgFolderChanged) gSeenGeneration = lParam;
    return CallWindowProcA(gPaneProc, window, message, wParam, lParam);
}

TEST_F(ListFixture, ChangeNoticesThatComeTogetherMakeOneUpdate) {
    TempFolder folder;
    MakeFile(folder, "a.txt");
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    gPaneProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(list_->Pane(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SpyProc)));
    gSeenGeneration = -1;
    MakeFile(folder, "b.txt");
    ASSERT_TRUE(PumpUntil([&] { return list_->ItemCount() == 2 && gSeenGeneration != -1; }));
    PumpUntil([] { return false; }, 300);  // the watcher's last notices

    // A burst of notices of both kinds, all queued before any is handled.
    sink_.events.clear();
    MakeFile(folder, "c.txt");
    for (int i = 0; i < 6; ++i) PostMessageA(list_->Pane(), kMsgFolderChanged, 1 + i % 2, gSeenGeneration);
    ASSERT_TRUE(PumpUntil([&] { return list_->ItemCount() == 3; }));
    PumpUntil([] { return false; }, 300);
    int files = 0, folders = 0;
    for (const auto& e : sink_.events) {
        files += e == "Change 2 1";
        folders += e == "Change 2 2";
    }
    // The real notices of c.txt may come after the burst's update, as one more.
    EXPECT_LE(files, 2) << ::testing::PrintToString(sink_.events);
    EXPECT_GE(files, 1);
    EXPECT_EQ(folders, 1) << ::testing::PrintToString(sink_.events);
    SetWindowLongPtrA(list_->Pane(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gPaneProc));
}

class ThrowingSink final : public ListSink {
public:
    void OnContentsChanged(int) override {
        ++changes;
        throw std::runtime_error("a host's handler failed");
    }
    void OnBackspaceUp() override { throw std::runtime_error("a host's handler failed"); }
    int changes = 0;
};

TEST_F(ListFixture, AThrowingHostHandlerStaysInsideTheWindowProcedure) {
    TempFolder folder;
    MakeFolder(folder, "inner");
    ThrowingSink throwing;
    auto list = std::make_unique<ListWindow>(&throwing);
    RECT client;
    GetClientRect(frame_, &client);
    ASSERT_TRUE(list->Create(frame_, client));
    ASSERT_TRUE(list->MoveToPath(folder.File("inner")));
    MakeFile(folder, "inner\\one.txt");
    ASSERT_TRUE(PumpUntil([&] { return list->ItemCount() == 1 && throwing.changes > 0; }));
    // The list goes on working after the throw.
    MakeFile(folder, "inner\\two.txt");
    EXPECT_TRUE(PumpUntil([&] { return list->ItemCount() == 2; }));
    SendMessageA(list->List(), WM_KEYDOWN, VK_BACK, 0);
    EXPECT_EQ(list->CurrentPath(), folder.Path());
}

TEST(TextFoldOfCodePages, EachCodePageFoldsItsOwnCapitals) {
    struct Case {
        UINT codePage;
        unsigned char capital, small;
        bool folds;
    };
    const Case cases[] = {
        {1252, 0xC4, 0xE4, true},   // A diaeresis
        {1252, 0xA8, 0xB8, false},  // diaeresis and cedilla: no letters
        {1251, 0xA8, 0xB8, true},   // IO
        {1251, 0xC0, 0xE0, true},   // A
        {1250, 0xA5, 0xB9, true},   // A ogonek
        {1252, 0xA5, 0xB9, false},  // yen and superscript one
    };
    for (const auto& c : cases) {
        FoldTable table = FoldTableOf(c.codePage);
        EXPECT_EQ(table.lower[c.capital] == c.small, c.folds) << c.codePage << " " << int(c.capital);
        EXPECT_EQ(table.lower['Q'], 'q');
    }
    FoldTable japanese = FoldTableOf(932);
    EXPECT_TRUE(japanese.lead[0x82]);
    EXPECT_FALSE(japanese.lead['A']);
}

TEST_F(ListFixture, ThePaneClassBelongsToTheModuleOfTheListCode) {
    // The list linked into a library of its own, as the control will be.
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string library = std::string(path, std::string(path).rfind('\\') + 1) + "listprobe.dll";
    HMODULE probe = LoadLibraryA(library.c_str());
    ASSERT_NE(probe, nullptr) << library;
    using Make = HWND(__cdecl*)(HWND);
    using Drop = void(__cdecl*)();
    // Through void*: the exports' real types are known here, not to FARPROC.
    auto make = reinterpret_cast<Make>(reinterpret_cast<void*>(GetProcAddress(probe, "MakeProbeList")));
    auto drop = reinterpret_cast<Drop>(reinterpret_cast<void*>(GetProcAddress(probe, "DropProbeList")));
    ASSERT_TRUE(make && drop);
    HWND pane = make(frame_);
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(reinterpret_cast<HMODULE>(GetClassLongPtrA(pane, GCLP_HMODULE)), probe);
    EXPECT_EQ(reinterpret_cast<HMODULE>(GetWindowLongPtrA(pane, GWLP_HINSTANCE)), probe);
    drop();
    FreeLibrary(probe);
    // The program's own list registers under the program.
    EXPECT_EQ(reinterpret_cast<HMODULE>(GetClassLongPtrA(list_->Pane(), GCLP_HMODULE)), GetModuleHandleA(nullptr));
}

}  // namespace
}  // namespace panorell::testing
