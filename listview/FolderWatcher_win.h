#pragma once
// One background watcher of a folder: waits for the file system's change
// notification on the folder (no subtree) and posts the folder-changed
// message to the list window each time it fires. Stopped cooperatively and
// joined, so it never outlives the folder or the window it reports to.
#include <windows.h>

#include <string>
#include <thread>

namespace panorell {

class FolderWatcher {
public:
    FolderWatcher() = default;
    ~FolderWatcher() { Stop(); }
    FolderWatcher(const FolderWatcher&) = delete;
    FolderWatcher& operator=(const FolderWatcher&) = delete;

    // Stops any previous watch, then watches `path` for changes of kind
    // `filter` (1 file names, 2 folder names). Each change posts `message`
    // to `window` with wParam `filter` and lParam `tag`. A folder that
    // cannot be watched is not (true, with no thread); false when the
    // thread could not be started. Either way the list goes on without it.
    bool Start(HWND window, UINT message, const std::string& path, DWORD filter, LPARAM tag) noexcept;
    // Asks the thread to end without waiting for it.
    void Signal() noexcept;
    // Ends the watch and waits for its thread; safe when none runs.
    void Stop() noexcept;
    bool Running() const noexcept { return thread_.joinable(); }

private:
    static void Watch(HWND window, UINT message, DWORD filter, LPARAM tag, HANDLE stop, HANDLE change) noexcept;

    std::thread thread_;
    HANDLE stop_ = nullptr;
};

}  // namespace panorell
