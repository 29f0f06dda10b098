#pragma once
// Frees the item arrays a list lets go of, on one thread kept for the
// list's lifetime. Freeing a big folder's items takes longer than listing
// the next folder, and a thread made for each folder left costs the window
// thread more than the folder it leaves: this one is made once and waits.
// It frees only when told to go: freeing many small blocks holds the heap
// that the window thread needs while it lists the next folder.
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "ItemArray.h"

namespace panorell {

class ItemSweeper {
public:
    ItemSweeper() = default;
    ~ItemSweeper() { End(); }
    ItemSweeper(const ItemSweeper&) = delete;
    ItemSweeper& operator=(const ItemSweeper&) = delete;

    // Takes `items`, to be freed on the thread (started on the first call)
    // once Go is called. An array that still waits for its Go goes at once:
    // no more than one folder's items wait. Without a thread they are freed
    // here, before the call returns.
    void Hand(ItemArray items) noexcept;
    // Lets the thread free what it was handed.
    void Go() noexcept;
    // Frees everything handed over and waits until it is; the thread stays.
    void Wait() noexcept;
    // Frees what is left and ends the thread; safe when none runs.
    void End() noexcept;

private:
    void Run() noexcept;

    std::mutex mutex_;
    std::condition_variable work_, idle_;
    std::vector<ItemArray> queued_;
    bool go_ = false;      // the queued arrays may be freed
    bool busy_ = false;    // the thread is freeing a batch it took
    bool ending_ = false;
    std::thread thread_;
};

}  // namespace panorell
