#include "ListFixture_win.h"

#include <tlhelp32.h>

#include <algorithm>

namespace panorell::testing {

void RecordingSink::OnMovedOnItsOwn(const FolderRecord* record, int how) {
    events.push_back("Moved " + std::to_string(how) + (record ? " listed" : " failed"));
}

void RecordingSink::OnFolderShown(bool special, int nameSpace, const std::string& path) {
    events.push_back(special ? "Change 1 namespace " + std::to_string(nameSpace) : "Change 1 " + path);
}

bool RecordingSink::Saw(const std::string& event) const {
    return std::find(events.begin(), events.end(), event) != events.end();
}

void ListFixture::SetUp() {
    OleInitialize(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "PanorellTestFrame";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&wc);
    frame_ = CreateWindowExA(0, wc.lpszClassName, "PanorellListView", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 640,
                             480, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(frame_, nullptr);
    list_ = MakeList(&sink_, 0);
    ASSERT_NE(list_, nullptr);
}

std::unique_ptr<ListWindow> ListFixture::MakeList(RecordingSink* sink, int top) {
    auto list = std::make_unique<ListWindow>(sink);
    RECT client;
    GetClientRect(frame_, &client);
    client.top = top;
    if (!list->Create(frame_, client)) return nullptr;
    return list;
}

void ListFixture::TearDown() {
    list_.reset();
    if (frame_) DestroyWindow(frame_);
    // A filler let go inside a slow shell call must end before the test
    // process does, or the exit can hang on a lock the killed worker held.
    EXPECT_TRUE(DetailFiller::WaitForWorkers(30000));
    OleUninitialize();
}

void ListFixture::PumpOnce() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

std::vector<std::string> ListFixture::Names(const ListWindow& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.ItemCount(); ++i) names.push_back(list.Item(i)->details.displayName);
    return names;
}

int ListFixture::IndexOf(const ListWindow& list, const std::string& name) {
    auto names = Names(list);
    auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

void MakeFile(const corvella::testing::TempFolder& folder, const std::string& name, size_t bytes) {
    folder.WriteFile(name, std::string(bytes, 'x'));
}

void MakeFolder(const corvella::testing::TempFolder& folder, const std::string& name) {
    CreateDirectoryA(folder.File(name).c_str(), nullptr);
}

int ThreadCount() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
    }
    CloseHandle(snapshot);
    return count;
}

}  // namespace panorell::testing
