#pragma once
// One background watcher of a folder: waits for the file system's change
// notification on the folder (no subtree) and posts the folder-changed
// message to the list window each time it fires. Its thread outlives the
// watches: every listing points it at the next folder, because a thread
// made and joined per listing cost more than leaving a big folder may.
// After Stop no message of the ended watch is posted; the thread is ended
// and joined by End (or the destructor), so it never outlives the window.
#include <windows.h>

#include <memory>
#include <string>
#include <thread>

namespace panorell {

class FolderWatcher {
public:
    FolderWatcher();
    ~FolderWatcher();
    FolderWatcher(const FolderWatcher&) = delete;
    FolderWatcher& operator=(const FolderWatcher&) = delete;

    // Ends any previous watch, then watches `path` for changes of kind
    // `filter` (1 file names, 2 folder names). Each change posts `message`
    // to `window` with wParam `filter` and lParam `tag`. A folder that
    // cannot be watched is not (true, and not Running); false when the
    // thread could not be started. Either way the list goes on without it.
    bool Start(HWND window, UINT message, const std::string& path, DWORD filter, LPARAM tag) noexcept;
    // Ends the watch without waiting for the thread: from here on it posts
    // nothing, and closes the folder's notification when it next wakes.
    void Stop() noexcept;
    // Ends the thread and waits for it; safe when none runs.
    void End() noexcept;
    // True while a watch is on (from a Start that armed one until Stop).
    bool Running() const noexcept { return watching_; }

private:
    struct Shared;
    bool StartThread() noexcept;
    static void Watch(Shared* shared) noexcept;

    std::unique_ptr<Shared> shared_;  // the thread's, until End has joined it
    std::thread thread_;
    bool watching_ = false;
};

}  // namespace panorell
