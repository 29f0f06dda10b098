// The control over long runs: a thousand lives of create, activate, show
// folders and destroy leave nothing behind, and a burst of a thousand
// changes to the folder on show neither stalls the window nor leaves the
// list out of step with the folder.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "ControlHarness_win.h"
#include "EmbeddedControl_win.h"
#include "win/TempFolder_win.h"

namespace panorell::testing {
namespace {

using corvella::testing::TempFolder;

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// What the process holds that a leak would make grow. Wine counts objects
// only for the calling process, which is the one the control lives in here.
struct Census {
    int threads = 0;
    int windows = 0;
    DWORD handles = 0;
    DWORD userObjects = 0;
    DWORD gdiObjects = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// The process's windows: top-level and message-only ones with all their
// descendants.
int CountWindows() {
    int count = 0;
    auto countTree = [&](HWND top) {
        DWORD process = 0;
        GetWindowThreadProcessId(top, &process);
        if (process != GetCurrentProcessId()) return;
        ++count;
        EnumChildWindows(top, CountChild, reinterpret_cast<LPARAM>(&count));
    };
    for (HWND top = GetTopWindow(nullptr); top; top = GetWindow(top, GW_HWNDNEXT)) countTree(top);
    for (HWND only = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); only;
         only = FindWindowExA(HWND_MESSAGE, only, nullptr, nullptr))
        countTree(only);
    return count;
}

Census Count() {
    Census census;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++census.threads;
    CloseHandle(snapshot);
    census.windows = CountWindows();
    GetProcessHandleCount(GetCurrentProcess(), &census.handles);
    census.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    census.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    return census;
}

// Many lives of create, activate, show several real folders in turn and
// destroy leave no object, thread, window or handle behind, and the library
// may unload.
TEST_F(Embedded, CreateActivatePointAtFoldersDestroyCyclesLeaveNothingBehind) {
    constexpr int kCycles = 1000;
    TempFolder one, three, empty;
    one.WriteFile("one.txt", "x");
    for (const char* name : {"a.txt", "b.ini"}) three.WriteFile(name, "x");
    ASSERT_TRUE(CreateDirectoryA(three.File("sub").c_str(), nullptr));
    struct Shown {
        std::wstring path;
        long count;
    };
    const Shown folders[] = {{Wide(one.Path()), 1}, {Wide(three.Path()), 3}, {Wide(empty.Path()), 0}};
    auto cycle = [&] {
        ASSERT_EQ(Embed(true), S_OK);
        for (const Shown& folder : folders) {
            ASSERT_EQ(Put(site.Dispatch(), L"CurrentFolder", Text(folder.path.c_str())).hr, S_OK);
            ASSERT_EQ(AsLong(Get(site.Dispatch(), L"ListCount").value), folder.count);
        }
        site.Destroy();
    };
    for (int i = 0; i < 20; ++i) cycle();  // the system's own first-use allocations
    PumpUntil([] { return false; }, 300);
    const Census before = Count();
    const HWND viewerBefore = GetClipboardViewer();
    for (int i = 0; i < kCycles; ++i) {
        cycle();
        if (HasFatalFailure()) return;
    }
    PumpUntil([] { return false; }, 500);
    const Census after = Count();
    EXPECT_LE(after.threads, before.threads);
    EXPECT_LE(after.windows, before.windows);
    EXPECT_LE(after.handles, before.handles + 5);
    EXPECT_LE(after.userObjects, before.userObjects + 5);
    EXPECT_LE(after.gdiObjects, before.gdiObjects + 5);
    EXPECT_EQ(GetClipboardViewer(), viewerBefore) << "a control stayed in the clipboard-viewer chain";
    using Export = HRESULT(WINAPI*)();
    auto canUnload = reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(library, "DllCanUnloadNow")));
    ASSERT_NE(canUnload, nullptr);
    EXPECT_EQ(canUnload(), S_OK);
}

// Posts a ping to a window, one at a time, and notes how long each waited
// until the window's procedure saw it: the window's own procedure is only
// asked after ours, so a ping waits exactly as long as any message would.
class Pinged {
public:
    explicit Pinged(HWND window) : window_(window), ping_(RegisterWindowMessageA("PanorellTestPing")) {
        current_ = this;
        old_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    ~Pinged() {
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old_));
        current_ = nullptr;
    }
    Pinged(const Pinged&) = delete;
    Pinged& operator=(const Pinged&) = delete;

    void Ping() {
        if (sentAt_ != 0) return;
        sentAt_ = GetTickCount();
        if (sentAt_ == 0) sentAt_ = 1;
        PostMessageA(window_, ping_, 0, 0);
    }
    // The longest wait so far, a ping still on its way included.
    DWORD Longest() const { return sentAt_ ? std::max(longest_, GetTickCount() - sentAt_) : longest_; }
    int Answered() const { return answered_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        Pinged* self = current_;
        if (message != self->ping_) return CallWindowProcA(self->old_, window, message, wParam, lParam);
        self->longest_ = std::max(self->longest_, GetTickCount() - self->sentAt_);
        self->sentAt_ = 0;
        ++self->answered_;
        return 0;
    }

    static inline Pinged* current_ = nullptr;
    HWND window_;
    UINT ping_;
    WNDPROC old_ = nullptr;
    DWORD sentAt_ = 0;
    DWORD longest_ = 0;
    int answered_ = 0;
};

std::vector<std::wstring> FreshListing(const std::string& folder) {
    std::vector<std::wstring> paths;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return paths;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") paths.push_back(Wide(folder + "\\" + name));
    } while (FindNextFileA(find, &found));
    FindClose(find);
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::vector<std::wstring> Listed(IDispatch* control) {
    std::vector<std::wstring> paths;
    const long count = AsLong(Get(control, L"ListCount").value);
    for (long i = 0; i < count; ++i) paths.push_back(AsText(GetIndexed(control, L"List", i).value));
    std::sort(paths.begin(), paths.end());
    return paths;
}

// 500 creates, 250 renames of those and 250 deletes of the others, made by
// another thread as fast as it can while the control shows the folder.
TEST_F(Embedded, ChangeBurstKeepsTheWindowAnsweringAndEndsAsAFreshListing) {
    constexpr int kKept = 100, kCreated = 500;
    TempFolder folder;
    for (int i = 0; i < kKept; ++i) folder.WriteFile("f" + std::to_string(i) + ".txt", "x");
    ASSERT_EQ(Embed(true), S_OK);
    const std::wstring path = Wide(folder.Path());
    ASSERT_EQ(Put(site.Dispatch(), L"CurrentFolder", Text(path.c_str())).hr, S_OK);
    ASSERT_EQ(AsLong(Get(site.Dispatch(), L"ListCount").value), kKept);
    HWND window = site.Window();
    ASSERT_NE(window, nullptr);

    Pinged pinged(window);
    std::atomic<bool> issued{false};
    std::thread burst([&] {
        auto name = [&](const char* stem, int i) { return folder.File(stem + std::to_string(i) + ".txt"); };
        for (int i = 0; i < kCreated; ++i)
            CloseHandle(CreateFileA(name("b", i).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        for (int i = 0; i < kCreated; i += 2) MoveFileA(name("b", i).c_str(), name("r", i).c_str());
        for (int i = 1; i < kCreated; i += 2) DeleteFileA(name("b", i).c_str());
        issued = true;
    });
    // Names are compared only once the count is right: a comparison on every
    // pass would load the window more than the changes do.
    const long expected = kKept + kCreated / 2;
    const bool settled = PumpUntil(
        [&] {
            pinged.Ping();
            return issued && AsLong(Get(site.Dispatch(), L"ListCount").value) == expected &&
                   Listed(site.Dispatch()) == FreshListing(folder.Path());
        },
        60000);
    burst.join();
    EXPECT_TRUE(settled);
    EXPECT_EQ(FreshListing(folder.Path()).size(), static_cast<size_t>(expected));
    EXPECT_EQ(Listed(site.Dispatch()), FreshListing(folder.Path()));
    EXPECT_GT(pinged.Answered(), 0);
    EXPECT_LT(pinged.Longest(), 1000u);
}

}  // namespace
}  // namespace panorell::testing
