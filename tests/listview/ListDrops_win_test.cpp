// Files dropped onto a list on real folders, and items dragged out of it:
// the effect each place and key gives, what lands where, the refusals, the
// failed operation's ControlError, the shortcuts of a link drop, and real
// drags through the platform's drag loop both ways.
#include <shlobj.h>
#include <shlwapi.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "ListFixture_win.h"
#include "e2e/DragSource_win.h"
#include "e2e/Driver_win.h"
#include "shell/DropFiles_win.h"
#include "shell/ListShell_win.h"

namespace panorell::testing {
namespace {

using corvella::testing::MakeDragData;
using corvella::testing::OleDrag;
using corvella::testing::SendPointer;
using corvella::testing::TempFolder;

bool Exists(const std::string& path) { return PathFileExistsA(path.c_str()) != FALSE; }

struct ShortcutText {
    std::string description, path;
};

// What a shortcut file holds; empty texts when it cannot be read.
ShortcutText ReadShortcut(const std::string& file) {
    ShortcutText read;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return read;
    IPersistFile* persist = nullptr;
    const std::wstring wide(file.begin(), file.end());
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(wide.c_str(), STGM_READ))) {
        char text[MAX_PATH] = {};
        link->GetDescription(text, MAX_PATH);
        read.description = text;
        text[0] = '\0';
        link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
        read.path = text;
    }
    if (persist != nullptr) persist->Release();
    link->Release();
    return read;
}

class ListDropTest : public ListFixture {
protected:
    void Show(const std::string& folder) {
        ASSERT_TRUE(list_->MoveToPath(folder));
        ASSERT_TRUE(WaitForFiller(*list_));
    }
    // The screen point at the middle of an item's label.
    POINTL OnItem(const std::string& name) const {
        RECT r{};
        ListView_GetItemRect(list_->List(), IndexOf(*list_, name), &r, LVIR_LABEL);
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(list_->List(), &p);
        return {p.x, p.y};
    }
    // A screen point of the list where no item is.
    POINTL OnNothing() const {
        RECT client{};
        GetClientRect(list_->List(), &client);
        POINT p{client.right - 20, client.bottom - 20};
        ClientToScreen(list_->List(), &p);
        return {p.x, p.y};
    }
    IDropTarget* Target() const { return list_->Shell().DropIn(); }

    struct Answers {
        DWORD entered = 0, over = 0, dropped = 0;
    };
    // One drag over `at` and a drop there, as the drag loop would call.
    Answers DropAt(IDataObject* data, DWORD keys, POINTL at, DWORD allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE |
                                                                              DROPEFFECT_LINK) {
        Answers a;
        a.entered = a.over = a.dropped = allowed;
        Target()->DragEnter(data, keys, at, &a.entered);
        Target()->DragOver(keys, at, &a.over);
        Target()->Drop(data, keys, at, &a.dropped);
        return a;
    }
};

// Each case drags source\a.txt; the list shows `dest` (or `source` when
// `ownFolder`), which holds the folder "sub" and the file "other.txt".
struct DropCase {
    const char* what;
    bool ownFolder;
    const char* onto;  // an item's name, or "" for the folder shown
    DWORD keys;
    DWORD allowed;
    DWORD effect;
    const char* landsIn;  // "source", "dest", "sub", or "both" (source and dest)
};

const DropCase kDropCases[] = {
    {"same drive: move", false, "", 0, 7, DROPEFFECT_MOVE, "dest"},
    {"same drive with Control: copy", false, "", MK_CONTROL, 7, DROPEFFECT_COPY, "both"},
    {"same drive with Shift: still move", false, "", MK_SHIFT, 7, DROPEFFECT_MOVE, "dest"},
    {"onto a folder item: into it", false, "sub", 0, 7, DROPEFFECT_MOVE, "sub"},
    {"onto a file item: nothing", false, "other.txt", 0, 7, DROPEFFECT_NONE, "source"},
    {"into its own folder: nothing", true, "", 0, 7, DROPEFFECT_NONE, "source"},
    {"a source that forbids moving: nothing", false, "", 0, DROPEFFECT_COPY | DROPEFFECT_LINK, DROPEFFECT_NONE,
     "source"},
    {"a source that forbids moving, Control held: copy", false, "", MK_CONTROL, DROPEFFECT_COPY,
     DROPEFFECT_COPY, "both"},
};

TEST_F(ListDropTest, FileDropsFollowTheEffectTable) {
    for (const DropCase& c : kDropCases) {
        SCOPED_TRACE(c.what);
        TempFolder source, dest;
        MakeFile(source, "a.txt", 10);
        MakeFolder(dest, "sub");
        MakeFile(dest, "other.txt");
        Show(c.ownFolder ? source.Path() : dest.Path());
        const POINTL at = *c.onto ? OnItem(c.onto) : OnNothing();
        IDataObject* data = MakeDragData(OleDrag::Data::FileList, {source.File("a.txt")});
        const Answers a = DropAt(data, c.keys, at, c.allowed);
        data->Release();
        EXPECT_EQ(a.over, c.effect);
        EXPECT_EQ(a.dropped, c.effect);
        const std::string landsIn = c.landsIn;
        EXPECT_EQ(Exists(source.File("a.txt")), landsIn == "source" || landsIn == "both");
        EXPECT_EQ(Exists(dest.File("a.txt")), landsIn == "dest" || landsIn == "both");
        EXPECT_EQ(Exists(dest.File("sub\\a.txt")), landsIn == "sub");
        EXPECT_FALSE(sink_.Saw("ControlError 3"));
        EXPECT_EQ(list_->DropHighlight(), -1) << "the drop clears the highlight";
        if (!c.ownFolder && landsIn != "source" && landsIn != "sub") {
            EXPECT_GE(IndexOf(*list_, "a.txt"), 0) << "the list shows the dropped file at once";
        }
    }
}

// The shell asks before it recycles; a helper answers Yes, and the file
// goes to the recycle bin, whose listing then shows it.
TEST_F(ListDropTest, FilesDroppedOnTheRecycleBinAreRecycled) {
    TempFolder source;
    const std::string name = "recycled-" + std::to_string(GetTickCount()) + ".txt";
    MakeFile(source, name);
    ASSERT_TRUE(list_->MoveToNameSpace(kRecycleBin));
    ASSERT_TRUE(WaitForFiller(*list_));
    std::atomic<bool> stop{false}, answered{false};
    std::thread helper([&] {
        while (!stop) {
            if (HWND box = corvella::testing::FindMessageBox(GetCurrentProcessId())) {
                PostMessageA(box, WM_COMMAND, IDYES, 0);
                answered = true;
            }
            Sleep(50);
        }
    });
    IDataObject* data = MakeDragData(OleDrag::Data::FileList, {source.File(name)});
    const Answers a = DropAt(data, 0, OnNothing());
    data->Release();
    stop = true;
    helper.join();
    EXPECT_EQ(a.over, static_cast<DWORD>(DROPEFFECT_MOVE));
    EXPECT_FALSE(Exists(source.File(name)));
    EXPECT_FALSE(sink_.Saw("ControlError 3"));
    bool listed = false;
    for (int i = 0; i < list_->ItemCount(); ++i) listed = listed || list_->List(i).find(name) != std::string::npos;
    EXPECT_TRUE(listed) << "the recycle bin shows the file after the drop";
}

// A share of a server, as Wine makes one: a folder under the prefix's
// dosdevices\unc\<server>\<share> is \\<server>\<share>.
class WineShare {
public:
    explicit WineShare(const std::string& share) {
        char prefix[MAX_PATH] = {};
        if (GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH) == 0) return;
        std::string root = std::string("Z:") + prefix;
        for (char& c : root) c = c == '/' ? '\\' : c;
        const std::string server = "dropsrv" + std::to_string(GetCurrentProcessId());
        unc_ = root + "\\dosdevices\\unc";
        CreateDirectoryA(unc_.c_str(), nullptr);
        serverFolder_ = unc_ + "\\" + server;
        CreateDirectoryA(serverFolder_.c_str(), nullptr);
        shareFolder_ = serverFolder_ + "\\" + share;
        CreateDirectoryA(shareFolder_.c_str(), nullptr);
        path_ = "\\\\" + server + "\\" + share;
    }
    ~WineShare() {
        RemoveDirectoryA(shareFolder_.c_str());
        RemoveDirectoryA(serverFolder_.c_str());
    }
    // "\\server\share", or "" when it cannot be made.
    std::string Path() const { return Exists(path_) ? path_ : std::string(); }

private:
    std::string unc_, serverFolder_, shareFolder_, path_;
};

TEST_F(ListDropTest, AServerShareDropsAsALinkNamedAfterIt) {
    WineShare share("report.doc");
    if (share.Path().empty()) GTEST_SKIP() << "no share can be made here";
    TempFolder dest;
    Show(dest.Path());
    IDataObject* data = MakeDragData(OleDrag::Data::FileList, {share.Path()});
    const Answers a = DropAt(data, 0, OnNothing());
    data->Release();
    EXPECT_EQ(a.over, static_cast<DWORD>(DROPEFFECT_LINK));
    EXPECT_EQ(a.dropped, static_cast<DWORD>(DROPEFFECT_LINK));
    const std::string shortcut = dest.File("report.doc.lnk");
    ASSERT_TRUE(Exists(shortcut));
    const ShortcutText read = ReadShortcut(shortcut);
    EXPECT_EQ(read.description, "Shortcut to report.doc");
    EXPECT_EQ(lstrcmpiA(read.path.c_str(), share.Path().c_str()), 0) << read.path;
    EXPECT_TRUE(Exists(share.Path())) << "the share itself stays where it is";
}

TEST_F(ListDropTest, AShortcutToAFolderTakesTheFilesIntoThatFolder) {
    TempFolder source, dest, elsewhere;
    MakeFile(source, "a.txt");
    ASSERT_TRUE(MakeShortcuts({elsewhere.Path()}, dest.Path()));
    Show(dest.Path());
    ASSERT_EQ(list_->ItemCount(), 1);
    const std::string shortcut = list_->Item(0)->details.displayName;
    IDataObject* data = MakeDragData(OleDrag::Data::FileList, {source.File("a.txt")});
    const Answers a = DropAt(data, 0, OnItem(shortcut), 7);
    data->Release();
    EXPECT_EQ(a.dropped, static_cast<DWORD>(DROPEFFECT_MOVE));
    EXPECT_TRUE(Exists(elsewhere.File("a.txt")));
}

TEST_F(ListDropTest, HoveringHighlightsTheItemUnderTheCursorOnly) {
    TempFolder source, dest;
    MakeFile(source, "a.txt");
    MakeFolder(dest, "sub");
    MakeFolder(dest, "zed");
    Show(dest.Path());
    IDataObject* data = MakeDragData(OleDrag::Data::FileList, {source.File("a.txt")});
    DWORD effect = 7;
    Target()->DragEnter(data, 0, OnItem("sub"), &effect);
    effect = 7;
    Target()->DragOver(0, OnItem("sub"), &effect);
    EXPECT_EQ(list_->DropHighlight(), IndexOf(*list_, "sub"));
    EXPECT_TRUE(ListView_GetItemState(list_->List(), IndexOf(*list_, "sub"), LVIS_DROPHILITED) & LVIS_DROPHILITED);
    PumpUntil([] { return false; }, 200);
    EXPECT_TRUE(corvella::testing::SaveScreenshot(frame_, "list_drop_highlight"));
    effect = 7;
    Target()->DragOver(0, OnItem("zed"), &effect);
    EXPECT_EQ(list_->DropHighlight(), IndexOf(*list_, "zed")) << "the highlight moves with the cursor";
    effect = 7;
    Target()->DragOver(0, OnNothing(), &effect);
    EXPECT_EQ(list_->DropHighlight(), -1);
    Target()->DragLeave();
    data->Release();
    EXPECT_TRUE(Exists(source.File("a.txt")));
}

TEST_F(ListDropTest, RefusedDropsAnswerNoneAndChangeNothing) {
    TempFolder source, dest;
    MakeFile(source, "a.txt");
    Show(dest.Path());
    IDataObject* files = MakeDragData(OleDrag::Data::FileList, {source.File("a.txt")});
    list_->Shell().Switches().oleDrop = false;
    const Answers off = DropAt(files, 0, OnNothing());
    EXPECT_EQ(off.entered, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(off.over, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(off.dropped, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_TRUE(Exists(source.File("a.txt")));
    EXPECT_FALSE(Exists(dest.File("a.txt")));
    list_->Shell().Switches().oleDrop = true;
    files->Release();

    // Data that is no file list at all.
    IDataObject* text = MakeDragData(OleDrag::Data::Text, {source.File("a.txt")});
    const Answers t = DropAt(text, 0, OnNothing());
    text->Release();
    EXPECT_EQ(t.over, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_TRUE(Exists(source.File("a.txt")));
    EXPECT_EQ(list_->ItemCount(), 0);
}

TEST_F(ListDropTest, TheFamilysOwnListShowsCopyButOnlyRefreshes) {
    TempFolder source, dest;
    MakeFile(source, "a.txt");
    Show(dest.Path());
    IDataObject* own = MakeDragData(OleDrag::Data::OwnList, {source.File("a.txt")});
    DWORD entered = 7, entered2 = 7;
    Target()->DragEnter(own, 0, OnNothing(), &entered);
    Target()->DragLeave();
    Target()->DragEnter(own, MK_CONTROL, OnNothing(), &entered2);
    Target()->DragLeave();
    EXPECT_EQ(entered, static_cast<DWORD>(DROPEFFECT_MOVE));
    EXPECT_EQ(entered2, static_cast<DWORD>(DROPEFFECT_COPY));
    MakeFile(dest, "new.txt");  // the refresh after the drop shows it
    const Answers a = DropAt(own, 0, OnNothing());
    own->Release();
    EXPECT_EQ(a.over, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_TRUE(Exists(source.File("a.txt")));
    EXPECT_FALSE(Exists(dest.File("a.txt")));
    EXPECT_GE(IndexOf(*list_, "new.txt"), 0);
}

// The file goes away between the hover and the drop. (Wine's file operation
// reports failure for a copy of a missing file; a move of one, or of a file
// held open by another program, it reports as done.)
TEST_F(ListDropTest, AFailedFileOperationRaisesControlError3) {
    TempFolder source, dest;
    MakeFile(source, "a.txt");
    MakeFile(source, "b.txt");
    Show(dest.Path());
    IDataObject* data = MakeDragData(OleDrag::Data::FileList, {source.File("a.txt"), source.File("b.txt")});
    DWORD effect = 7;
    Target()->DragEnter(data, MK_CONTROL, OnNothing(), &effect);
    effect = 7;
    Target()->DragOver(MK_CONTROL, OnNothing(), &effect);
    ASSERT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    ASSERT_TRUE(DeleteFileA(source.File("a.txt").c_str()));
    effect = 7;
    Target()->Drop(data, MK_CONTROL, OnNothing(), &effect);
    data->Release();
    EXPECT_TRUE(sink_.Saw("ControlError 3"));
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE)) << "the source is told nothing was done";
    EXPECT_EQ(list_->DropHighlight(), -1);
}

TEST_F(ListDropTest, ARealDragMovesAFileIntoTheFolderShown) {
    TempFolder source, dest;
    MakeFile(source, "a.txt", 10);
    MakeFolder(dest, "sub");
    Show(dest.Path());
    const POINTL to = OnItem("sub");
    OleDrag drag(OleDrag::Data::FileList, {source.File("a.txt")}, {600, 560}, {to.x, to.y},
                 DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
    // The list is this thread's: its messages run while the drag goes on.
    EXPECT_TRUE(PumpUntil([&] { return drag.Done(); }, 20000));
    EXPECT_EQ(drag.Finish(), static_cast<DWORD>(DROPEFFECT_MOVE));
    EXPECT_TRUE(Exists(dest.File("sub\\a.txt")));
    EXPECT_FALSE(Exists(source.File("a.txt")));
    EXPECT_EQ(list_->DropHighlight(), -1);
}

// A drop target of the test's own, on a thread of its own: records the
// paths of the file list dropped on it.
class PathCatcher final : public IDropTarget {
public:
    PathCatcher() {
        thread_ = std::thread([this] { Run(); });
        while (!ready_) Sleep(10);
    }
    ~PathCatcher() {
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        thread_.join();
    }
    HWND Window() const { return window_; }
    std::vector<std::string> Paths() {
        std::lock_guard<std::mutex> hold(lock_);
        return paths_;
    }
    bool Dropped() const { return dropped_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDropTarget)) return E_NOINTERFACE;
        *out = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
        *effect &= DROPEFFECT_COPY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect &= DROPEFFECT_COPY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        STGMEDIUM medium{};
        if (SUCCEEDED(data->GetData(&format, &medium))) {
            std::lock_guard<std::mutex> hold(lock_);
            auto drop = static_cast<HDROP>(medium.hGlobal);
            for (UINT i = 0, n = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0); i < n; ++i) {
                char path[MAX_PATH] = {};
                DragQueryFileA(drop, i, path, MAX_PATH);
                paths_.push_back(path);
            }
            ReleaseStgMedium(&medium);
        }
        *effect = DROPEFFECT_COPY;
        dropped_ = true;
        return S_OK;
    }

private:
    void Run() {
        OleInitialize(nullptr);
        threadId_ = GetCurrentThreadId();
        window_ = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "catcher", WS_POPUP | WS_VISIBLE | WS_BORDER, 400, 540, 200,
                                  120, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        RegisterDragDrop(window_, this);
        ready_ = true;
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
        RevokeDragDrop(window_);
        DestroyWindow(window_);
        OleUninitialize();
    }

    std::thread thread_;
    DWORD threadId_ = 0;
    HWND window_ = nullptr;
    std::atomic<bool> ready_{false}, dropped_{false};
    std::mutex lock_;
    std::vector<std::string> paths_;
};

// A hand that presses on `from`, pulls past the drag threshold, carries
// the pointer to `to` and lets go.
void PullItem(POINT from, POINT to) {
    SendPointer(MOUSEEVENTF_MOVE, from);
    Sleep(100);
    SendPointer(MOUSEEVENTF_LEFTDOWN);
    Sleep(150);
    constexpr int kSteps = 10;
    for (int i = 1; i <= kSteps; ++i) {
        SendPointer(MOUSEEVENTF_MOVE, {from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps});
        Sleep(60);
    }
    SendPointer(MOUSEEVENTF_MOVE, {to.x + 1, to.y});
    Sleep(100);
    SendPointer(MOUSEEVENTF_MOVE, to);
    Sleep(100);
    SendPointer(MOUSEEVENTF_LEFTUP);
}

TEST_F(ListDropTest, DraggingAnItemOutDeliversItsPathUnlessSwitchedOff) {
    TempFolder folder;
    MakeFile(folder, "a.txt");
    Show(folder.Path());
    const POINTL item = OnItem("a.txt");
    for (const bool allowed : {false, true}) {
        SCOPED_TRACE(allowed ? "dragging allowed" : "dragging off");
        list_->Shell().Switches().oleDrag = allowed;
        PathCatcher catcher;
        std::atomic<bool> handDone{false};
        std::thread hand([&] {
            PullItem({item.x, item.y}, corvella::testing::CentreOf(catcher.Window()));
            handDone = true;
        });
        PumpUntil([&] { return handDone && (catcher.Dropped() || !allowed); }, 15000);
        hand.join();
        PumpUntil([] { return false; }, 300);
        if (allowed) {
            ASSERT_TRUE(catcher.Dropped());
            EXPECT_EQ(catcher.Paths(), std::vector<std::string>{folder.File("a.txt")});
        } else {
            EXPECT_FALSE(catcher.Dropped());
        }
        EXPECT_TRUE(Exists(folder.File("a.txt"))) << "the catcher only copies";
    }
}

// A thread in the multi-threaded apartment cannot start OLE: the list tells
// the user that drops are off, and lists all the same.
TEST(DropRegistration, AFailedRegistrationIsToldAndTheListWorksOn) {
    TempFolder folder;
    MakeFile(folder, "a.txt");
    std::atomic<bool> done{false};
    bool hadTarget = true;
    int count = -1;
    std::thread owner([&] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        HWND frame = CreateWindowExA(0, "STATIC", "frame", WS_POPUP | WS_VISIBLE, 700, 20, 300, 200, nullptr,
                                     nullptr, GetModuleHandleA(nullptr), nullptr);
        {
            ListWindow list;
            RECT r{0, 0, 300, 200};
            if (list.Create(frame, r)) {
                hadTarget = list.Shell().DropIn() != nullptr;
                list.MoveToPath(folder.Path());
                count = list.ItemCount();
            }
        }
        DestroyWindow(frame);
        CoUninitialize();
        done = true;
    });
    HWND box = nullptr;
    EXPECT_TRUE(corvella::testing::WaitUntil(
        [&] { return (box = corvella::testing::FindMessageBox(GetCurrentProcessId())) != nullptr || done; }, 20000));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(corvella::testing::MessageBoxText(box), "List view pane : DropTarget Registration failed");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    owner.join();
    EXPECT_FALSE(hadTarget);
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(DetailFiller::WaitForWorkers(30000));
}

TEST(DropShortcuts, ALinkDropMakesNamedAndDescribedShortcuts) {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    {
        TempFolder source, dest;
        MakeFile(source, "report.doc");
        MakeFolder(source, "plans");
        ASSERT_TRUE(MakeShortcuts({source.File("report.doc"), source.File("plans")}, dest.Path() + "\\"));
        for (const char* name : {"report.doc", "plans"}) {
            const std::string file = dest.File(std::string(name) + ".lnk");
            ASSERT_TRUE(Exists(file)) << file;
            const ShortcutText read = ReadShortcut(file);
            EXPECT_EQ(read.description, std::string("Shortcut to ") + name);
            EXPECT_EQ(lstrcmpiA(read.path.c_str(), source.File(name).c_str()), 0) << read.path;
        }
        EXPECT_FALSE(MakeShortcuts({source.File("report.doc")}, dest.File("missing"))) << "no such folder";
    }
    OleUninitialize();
}

}  // namespace
}  // namespace panorell::testing
