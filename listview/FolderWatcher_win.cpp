#include "FolderWatcher_win.h"

#include <cstdint>
#include <mutex>

namespace panorell {

// What the window thread hands the watcher thread. The window thread arms
// each notification (so that a change made right after a listing is seen)
// and the thread adopts it; the thread alone closes the ones it adopted.
struct FolderWatcher::Shared {
    std::mutex mutex;
    HANDLE wake = nullptr;        // auto-reset: a new watch, a stop or the end
    HANDLE handed = nullptr;      // armed, not yet adopted by the thread
    uint64_t watch = 0;           // which watch is on; 0: none
    uint64_t handedWatch = 0;     // the watch `handed` belongs to
    uint64_t serial = 0;          // the last watch begun
    bool ending = false;
    HWND window = nullptr;
    UINT message = 0;
    DWORD filter = 0;
    LPARAM tag = 0;

    ~Shared() {
        if (handed) FindCloseChangeNotification(handed);
        if (wake) CloseHandle(wake);
    }
};

FolderWatcher::FolderWatcher() = default;
FolderWatcher::~FolderWatcher() { End(); }

bool FolderWatcher::Start(HWND window, UINT message, const std::string& path, DWORD filter, LPARAM tag) noexcept {
    Stop();
    HANDLE change = FindFirstChangeNotificationA(path.c_str(), FALSE, filter);
    if (change == INVALID_HANDLE_VALUE) return true;
    if (!thread_.joinable() && !StartThread()) {
        FindCloseChangeNotification(change);
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        // A watch handed over and stopped before the thread took it.
        if (shared_->handed) FindCloseChangeNotification(shared_->handed);
        shared_->handed = change;
        shared_->handedWatch = shared_->watch = ++shared_->serial;
        shared_->window = window;
        shared_->message = message;
        shared_->filter = filter;
        shared_->tag = tag;
    }
    SetEvent(shared_->wake);
    watching_ = true;
    return true;
}

bool FolderWatcher::StartThread() noexcept {
    try {
        auto shared = std::make_unique<Shared>();
        // An event rather than a thread message wakes the thread: it cannot
        // be lost before the thread has a message queue.
        shared->wake = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        if (!shared->wake) return false;
        thread_ = std::thread(Watch, shared.get());
        shared_ = std::move(shared);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void FolderWatcher::Stop() noexcept {
    watching_ = false;
    if (!shared_) return;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        if (shared_->watch == 0) return;
        shared_->watch = 0;
    }
    SetEvent(shared_->wake);
}

void FolderWatcher::End() noexcept {
    watching_ = false;
    if (!thread_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->watch = 0;
        shared_->ending = true;
    }
    SetEvent(shared_->wake);
    thread_.join();
    shared_.reset();
}

void FolderWatcher::Watch(Shared* shared) noexcept {
    HANDLE change = nullptr;
    uint64_t mine = 0;  // the watch `change` belongs to
    for (;;) {
        HANDLE handles[] = {shared->wake, change};
        DWORD woke = WaitForMultipleObjects(change ? 2 : 1, handles, FALSE, INFINITE);
        std::lock_guard<std::mutex> lock(shared->mutex);
        if (shared->ending || (woke != WAIT_OBJECT_0 && woke != WAIT_OBJECT_0 + 1)) break;
        bool fired = woke == WAIT_OBJECT_0 + 1;
        if (fired && mine == shared->watch) {
            // Posted under the lock: a Stop either comes first, and the
            // change is not told, or after the message is out.
            PostMessageA(shared->window, shared->message, shared->filter, shared->tag);
            if (FindNextChangeNotification(change)) continue;
        }
        // What fired and was not renewed, or a watch stopped or replaced.
        if (change && (fired || mine != shared->watch)) {
            FindCloseChangeNotification(change);
            change = nullptr;
        }
        if (shared->handed) {
            if (change) FindCloseChangeNotification(change);
            change = shared->handed;
            mine = shared->handedWatch;
            shared->handed = nullptr;
        }
        if (change && mine != shared->watch) {  // handed over, then stopped at once
            FindCloseChangeNotification(change);
            change = nullptr;
        }
    }
    if (change) FindCloseChangeNotification(change);
}

}  // namespace panorell
