#pragma once
// The background worker that reads the icons of their own (programs,
// shortcuts, icons, customised folders, virtual items) of the items a listing
// left with their type's icon. Each list has its own. It runs below the
// window's priority and yields after every item, hands its results back
// through a queue the list drains on its window thread, and never touches
// the list: a job names its item by a key the list alone interprets.
#include <windows.h>
#include <shlobj.h>

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace panorell {

struct FillJob {
    const void* key = nullptr;          // the list's name for the item
    std::string path;                   // file-system path, or empty
    ITEMIDLIST* absoluteId = nullptr;   // own copy, only for items without a path
    FillJob() = default;
    FillJob(FillJob&& other) noexcept;
    FillJob& operator=(FillJob&& other) noexcept;
    ~FillJob();
};

struct FillResult {
    const void* key = nullptr;
    int icon = 0;
};

// What the worker does for one job: the shell's icon of the item, by default.
using FillFunction = std::function<int(const FillJob&)>;

class DetailFiller {
public:
    DetailFiller() = default;
    ~DetailFiller() { Stop(); }
    DetailFiller(const DetailFiller&) = delete;
    DetailFiller& operator=(const DetailFiller&) = delete;

    // Fills `jobs` in order. Posts `readyMessage` to `window` when results
    // wait in the queue and `doneMessage` when all are done; both carry
    // `generation` as wParam so the list can drop notices of an earlier run.
    bool Start(HWND window, UINT readyMessage, UINT doneMessage, WPARAM generation, std::vector<FillJob> jobs,
               FillFunction fill = {}) noexcept;
    // Puts `jobs` (taken) before the others, the items coming into view.
    // False, with `jobs` left as they are, when the worker has already run
    // out of work: then only a new Start fills them.
    bool Hurry(std::vector<FillJob>& jobs);
    // Asks the worker to end and drops what it left. Waits for it a moment
    // only: a worker inside a slow shell call is left to end by itself, with
    // nothing of the list's in its hands, so the window never freezes.
    void Stop() noexcept;
    // True from Start until the list has handled the done notice (or Stop).
    bool Running() const noexcept { return thread_.joinable(); }
    // Workers of every list that have not ended yet, those let go by Stop
    // included. Their code lives in this library, so it must not be unloaded
    // while any runs, and a process should not end while one is inside a
    // shell call (ending kills it where it stands, perhaps holding a lock
    // the exit needs).
    static int WorkersAlive() noexcept;
    // Waits up to `ms` for every worker to end; true when none is left.
    static bool WaitForWorkers(DWORD ms) noexcept;
    // The results so far, in the order they were made.
    std::vector<FillResult> TakeResults();

private:
    struct Shared;
    static void Work(std::shared_ptr<Shared> shared, FillFunction fill) noexcept;

    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

}  // namespace panorell
