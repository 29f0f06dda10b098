#include "FolderWatcher_win.h"

#include <system_error>

namespace panorell {

bool FolderWatcher::Start(HWND window, UINT message, const std::string& path, DWORD filter, LPARAM tag) noexcept {
    Stop();
    // A manual-reset event rather than a thread message asks the thread to
    // end: it cannot be lost before the thread has a message queue.
    stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!stop_) return false;
    HANDLE armed = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!armed) {
        Stop();
        return false;
    }
    try {
        thread_ = std::thread(Watch, window, message, path, filter, tag, stop_, armed);
    } catch (const std::exception&) {
        CloseHandle(armed);
        Stop();
        return false;
    }
    // Returns once the notification is in place (or has failed), so that a
    // change made right after a listing is seen. The thread signals right
    // after its one set-up call, whatever that call answers.
    WaitForSingleObject(armed, INFINITE);
    CloseHandle(armed);
    return true;
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
                          HANDLE stop, HANDLE armed) noexcept {
    HANDLE change = FindFirstChangeNotificationA(path.c_str(), FALSE, filter);
    SetEvent(armed);  // Start closes it once woken; not touched again here
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
