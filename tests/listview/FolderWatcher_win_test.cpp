// The folder watcher keeps one thread across its watches: pointed at the
// next folder it tells of that folder only, stopped it tells nothing, and
// it ends its thread when ended.
#include "FolderWatcher_win.h"

#include <gtest/gtest.h>

#include <vector>

#include "ListFixture_win.h"
#include "win/TempFolder_win.h"

namespace panorell {
namespace {

using corvella::testing::TempFolder;
using testing::MakeFile;
using testing::ThreadCount;

constexpr UINT kChanged = WM_APP + 7;

// A message-only window on this thread: the watcher's messages wait in its
// queue until taken.
class Receiver {
public:
    Receiver() : window_(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    ~Receiver() { DestroyWindow(window_); }
    HWND Window() const { return window_; }

    // The tags of the change messages that come within `ms`.
    std::vector<LPARAM> TagsWithin(DWORD ms) {
        std::vector<LPARAM> tags;
        DWORD start = GetTickCount();
        while (GetTickCount() - start < ms) {
            MSG message;
            while (PeekMessageA(&message, window_, kChanged, kChanged, PM_REMOVE)) tags.push_back(message.lParam);
            Sleep(10);
        }
        return tags;
    }
    // Waits up to `ms` for a message tagged `tag`; the others seen go to `others`.
    bool Heard(LPARAM tag, std::vector<LPARAM>& others, DWORD ms = 5000) {
        DWORD start = GetTickCount();
        while (GetTickCount() - start < ms) {
            MSG message;
            while (PeekMessageA(&message, window_, kChanged, kChanged, PM_REMOVE)) {
                if (message.lParam == tag) return true;
                others.push_back(message.lParam);
            }
            Sleep(10);
        }
        return false;
    }

private:
    HWND window_;
};

TEST(FolderWatcher, ARepointedWatchTellsOfTheNewFolderOnly) {
    TempFolder first, second;
    Receiver receiver;
    FolderWatcher watcher;
    ASSERT_TRUE(watcher.Start(receiver.Window(), kChanged, first.Path(), FILE_NOTIFY_CHANGE_FILE_NAME, 1));
    ASSERT_TRUE(watcher.Start(receiver.Window(), kChanged, second.Path(), FILE_NOTIFY_CHANGE_FILE_NAME, 2));
    EXPECT_TRUE(watcher.Running());
    MakeFile(first, "old.txt");
    MakeFile(second, "new.txt");
    std::vector<LPARAM> others;
    EXPECT_TRUE(receiver.Heard(2, others)) << "the folder now watched was not told";
    for (LPARAM tag : receiver.TagsWithin(300)) others.push_back(tag);
    for (LPARAM tag : others) EXPECT_EQ(tag, 2) << "a change of the folder left was told";
}

TEST(FolderWatcher, AStoppedWatchTellsNothingAndTheNextStartWatchesAgain) {
    TempFolder folder;
    Receiver receiver;
    FolderWatcher watcher;
    ASSERT_TRUE(watcher.Start(receiver.Window(), kChanged, folder.Path(), FILE_NOTIFY_CHANGE_FILE_NAME, 3));
    watcher.Stop();
    EXPECT_FALSE(watcher.Running());
    MakeFile(folder, "unseen.txt");
    EXPECT_TRUE(receiver.TagsWithin(400).empty());

    ASSERT_TRUE(watcher.Start(receiver.Window(), kChanged, folder.Path(), FILE_NOTIFY_CHANGE_FILE_NAME, 4));
    MakeFile(folder, "seen.txt");
    std::vector<LPARAM> others;
    EXPECT_TRUE(receiver.Heard(4, others));
    EXPECT_TRUE(others.empty());
}

TEST(FolderWatcher, OneThreadServesEveryWatchUntilEnded) {
    TempFolder first, second;
    Receiver receiver;
    int before = ThreadCount();
    {
        FolderWatcher watcher;
        for (int i = 0; i < 20; ++i) {
            const TempFolder& folder = i % 2 ? second : first;
            ASSERT_TRUE(watcher.Start(receiver.Window(), kChanged, folder.Path(), FILE_NOTIFY_CHANGE_FILE_NAME, i));
            if (i % 5 == 0) watcher.Stop();
        }
        EXPECT_EQ(ThreadCount(), before + 1);
        watcher.End();
        EXPECT_EQ(ThreadCount(), before);
        EXPECT_FALSE(watcher.Running());
        // Started again after its end, it makes a thread anew.
        ASSERT_TRUE(watcher.Start(receiver.Window(), kChanged, first.Path(), FILE_NOTIFY_CHANGE_FILE_NAME, 99));
        MakeFile(first, "again.txt");
        std::vector<LPARAM> others;
        EXPECT_TRUE(receiver.Heard(99, others));
    }
    EXPECT_EQ(ThreadCount(), before);
}

}  // namespace
}  // namespace panorell
