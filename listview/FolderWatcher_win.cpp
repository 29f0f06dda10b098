#include "FolderWatcher_win.h"

#include <system_error>

namespace panorell {

bool FolderWatcher::Start(HWND window, UINT message, const std::string& path, DWORD filter, LPARAM tag) noexcept {
    Stop();
    // A manual-reset event rather than a thread message asks the thread to
    // end: it cannot be lost before the thread has a message queue.
    stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!stop_) return false;
    try {
        thread_ = std::thread(Watch, window, message, path, filter, tag, stop_);
        return true;
    } catch (const std::exception&) {
        CloseHandle(stop_);
        stop_ = nullptr;
        return false;
    }
}

void FolderWatcher::Stop() noexcept {
    if (thread_.joinable()) {
        SetEvent(stop_);
        thread_.join();
    }
    if (stop_) CloseHandle(stop_);
    stop_ = nullptr;
}

void FolderWatcher::Watch(HWND window, UINT message, std::string path, DWORD filter, LPARAM tag,
                          HANDLE stop) noexcept {
    HANDLE change = FindFirstChangeNotificationA(path.c_str(), FALSE, filter);
    if (change == INVALID_HANDLE_VALUE) return;
    HANDLE handles[] = {stop, change};
    for (;;) {
        DWORD woke = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
        if (woke != WAIT_OBJECT_0 + 1) break;  // asked to stop, or the wait failed
        PostMessageA(window, message, filter, tag);
        if (!FindNextChangeNotification(change)) break;
    }
    FindCloseChangeNotification(change);
}

}  // namespace panorell
