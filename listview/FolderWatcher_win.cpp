#include "FolderWatcher_win.h"

#include <system_error>

namespace panorell {

bool FolderWatcher::Start(HWND window, UINT message, const std::string& path, DWORD filter, LPARAM tag) noexcept {
    Stop();
    // The notification is armed here, before Start returns, so that a
    // change made right after a listing is seen; the thread only waits on
    // it. A folder that cannot be watched leaves nothing to wait for.
    HANDLE change = FindFirstChangeNotificationA(path.c_str(), FALSE, filter);
    if (change == INVALID_HANDLE_VALUE) return true;
    // A manual-reset event rather than a thread message asks the thread to
    // end: it cannot be lost before the thread has a message queue.
    stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (stop_) {
        try {
            thread_ = std::thread(Watch, window, message, filter, tag, stop_, change);
            return true;
        } catch (const std::exception&) {
        }
    }
    FindCloseChangeNotification(change);
    Stop();
    return false;
}

void FolderWatcher::Signal() noexcept {
    if (stop_) SetEvent(stop_);
}

void FolderWatcher::Stop() noexcept {
    if (thread_.joinable()) {
        SetEvent(stop_);
        thread_.join();
    }
    if (stop_) CloseHandle(stop_);
    stop_ = nullptr;
}

void FolderWatcher::Watch(HWND window, UINT message, DWORD filter, LPARAM tag, HANDLE stop, HANDLE change) noexcept {
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
