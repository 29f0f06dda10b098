#pragma once
// A list window in a real frame under the real shell, with a sink that
// records what the list reports, and helpers to make folders to list.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ListWindow_win.h"
#include "win/TempFolder_win.h"

namespace panorell::testing {

class RecordingSink final : public ListSink {
public:
    void OnMovedOnItsOwn(const FolderRecord* record, int how) override;
    void OnBackspaceUp() override { events.push_back("BackspaceUp"); }
    void OnFolderShown(bool special, int nameSpace, const std::string& path) override;
    void OnContentsChanged(int flags) override { events.push_back("Change 2 " + std::to_string(flags)); }
    void OnControlError(long code) override { events.push_back("ControlError " + std::to_string(code)); }
    bool Saw(const std::string& event) const;
    std::vector<std::string> events;
};

class ListFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A second list in the same frame, below the first.
    std::unique_ptr<ListWindow> MakeList(RecordingSink* sink, int top);
    // Runs the frame's messages until `done` holds; false after `ms`.
    template <typename Done>
    bool PumpUntil(Done done, DWORD ms = 10000) {
        DWORD start = GetTickCount();
        for (;;) {
            PumpOnce();
            if (done()) return true;
            if (GetTickCount() - start > ms) return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    void PumpOnce();
    bool WaitForFiller(ListWindow& list) { return PumpUntil([&] { return !list.FillerRunning(); }, 30000); }
    // Display names in list order.
    static std::vector<std::string> Names(const ListWindow& list);
    static int IndexOf(const ListWindow& list, const std::string& name);

    HWND frame_ = nullptr;
    RecordingSink sink_;
    std::unique_ptr<ListWindow> list_;
};

// Writes `bytes` bytes into folder\name.
void MakeFile(const corvella::testing::TempFolder& folder, const std::string& name, size_t bytes = 1);
void MakeFolder(const corvella::testing::TempFolder& folder, const std::string& name);

// Threads of this process now.
int ThreadCount();

}  // namespace panorell::testing
