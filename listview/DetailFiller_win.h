#pragma once
// The background worker that fills the details (size, attributes, time,
// icon) of the items a listing did not fill at once. Each list has its own;
// it hands its results back through a queue the list drains on its window
// thread, and is stopped cooperatively and joined before the list's folder
// changes or the list goes away.
#include <windows.h>
#include <shlobj.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ItemDetails.h"

namespace panorell {

struct FillJob {
    uint32_t serial = 0;                // the list's name for the item
    std::string path;                   // file-system path, or empty
    ITEMIDLIST* absoluteId = nullptr;   // own copy, only for items without a path
    bool readFile = false;              // size, attributes and time come from the file
    bool isFolder = false;
};

struct FillResult {
    uint32_t serial = 0;
    bool fileRead = false;              // `details` holds the file's fields
    ItemDetails details;
    int icon = 0;
};

class DetailFiller {
public:
    DetailFiller() = default;
    ~DetailFiller() { Stop(); }
    DetailFiller(const DetailFiller&) = delete;
    DetailFiller& operator=(const DetailFiller&) = delete;

    // Fills `jobs` in order. Posts `readyMessage` to `window` when results
    // wait in the queue and `doneMessage` when all are done; both carry
    // `generation` as wParam so the list can drop notices of an earlier run.
    bool Start(HWND window, UINT readyMessage, UINT doneMessage, WPARAM generation, std::vector<FillJob> jobs) noexcept;
    // Asks the worker to end, waits for it and drops what it left.
    void Stop() noexcept;
    // True from Start until the list has handled the done notice (or Stop).
    bool Running() const noexcept { return thread_.joinable(); }
    // The results so far, in job order.
    std::vector<FillResult> TakeResults();

private:
    void Work(HWND window, UINT readyMessage, UINT doneMessage, WPARAM generation, std::vector<FillJob> jobs) noexcept;
    void Deliver(std::vector<FillResult>& batch, HWND window, UINT readyMessage, WPARAM generation);

    std::thread thread_;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::vector<FillResult> results_;
};

}  // namespace panorell
