#include "ItemSweeper.h"

#include <exception>

namespace panorell {

void ItemSweeper::Hand(ItemArray items) noexcept {
    bool waiting;
    try {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!thread_.joinable()) thread_ = std::thread(&ItemSweeper::Run, this);
        waiting = !queued_.empty() && !go_;
        queued_.push_back(std::move(items));
    } catch (const std::exception&) {
        // No thread or no room in the queue: `items` (still whole, as a
        // failed push leaves it) is freed when it goes out of scope here.
        return;
    }
    if (waiting) Go();
}

void ItemSweeper::Go() noexcept {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (queued_.empty()) return;
        go_ = true;
    }
    work_.notify_one();
}

void ItemSweeper::Wait() noexcept {
    Go();
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [&] { return queued_.empty() && !busy_; });
}

void ItemSweeper::End() noexcept {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!thread_.joinable()) return;
        ending_ = true;
    }
    work_.notify_one();
    thread_.join();
    ending_ = false;
    go_ = false;
}

void ItemSweeper::Run() noexcept {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        work_.wait(lock, [&] { return ending_ || (go_ && !queued_.empty()); });
        if (queued_.empty()) return;  // ending, with nothing left
        std::vector<ItemArray> batch;
        batch.swap(queued_);
        go_ = false;
        busy_ = true;
        lock.unlock();
        batch.clear();
        lock.lock();
        busy_ = false;
        if (queued_.empty()) idle_.notify_all();
    }
}

}  // namespace panorell
