#include "DetailFiller_win.h"

#include <objbase.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <unordered_set>

#include "ItemReader_win.h"
#include "ShellText_win.h"

namespace panorell {

namespace {

// How long Stop waits for a worker to notice; past it the worker is let go.
constexpr DWORD kStopWaitMs = 200;

std::atomic<int> gWorkersAlive{0};

}  // namespace

FillJob::FillJob(FillJob&& other) noexcept
    : key(other.key), path(std::move(other.path)), absoluteId(other.absoluteId) {
    other.absoluteId = nullptr;
}

FillJob& FillJob::operator=(FillJob&& other) noexcept {
    if (this != &other) {
        FreeId(absoluteId);
        key = other.key;
        path = std::move(other.path);
        absoluteId = other.absoluteId;
        other.absoluteId = nullptr;
    }
    return *this;
}

FillJob::~FillJob() { FreeId(absoluteId); }

// Everything the worker uses, owned jointly with the list, so that a worker
// let go by Stop keeps what it needs until it ends.
struct DetailFiller::Shared {
    HWND window = nullptr;
    UINT readyMessage = 0, doneMessage = 0;
    WPARAM generation = 0;
    std::atomic<bool> stopping{false};
    bool closed = false;        // the worker found no more work and takes none
    HANDLE finished = nullptr;  // set by the worker as its last act
    std::mutex mutex;
    std::deque<FillJob> urgent, jobs;
    std::vector<FillResult> results;

    ~Shared() {
        if (finished) CloseHandle(finished);
    }
    bool Next(FillJob& job) {
        std::lock_guard<std::mutex> lock(mutex);
        std::deque<FillJob>& from = urgent.empty() ? jobs : urgent;
        if (from.empty()) {
            closed = true;
            return false;
        }
        job = std::move(from.front());
        from.pop_front();
        return true;
    }
    void Deliver(FillResult result) {
        bool wasEmpty;
        {
            std::lock_guard<std::mutex> lock(mutex);
            wasEmpty = results.empty();
            results.push_back(result);
        }
        if (wasEmpty) PostMessageA(window, readyMessage, generation, 0);
    }
};

bool DetailFiller::Start(HWND window, UINT readyMessage, UINT doneMessage, WPARAM generation, std::vector<FillJob> jobs,
                         FillFunction fill) noexcept {
    Stop();
    try {
        auto shared = std::make_shared<Shared>();
        shared->window = window;
        shared->readyMessage = readyMessage;
        shared->doneMessage = doneMessage;
        shared->generation = generation;
        shared->finished = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        if (!shared->finished) return false;
        for (auto& job : jobs) shared->jobs.push_back(std::move(job));
        if (!fill) fill = [](const FillJob& job) { return InstanceIconOf(job.path, job.absoluteId); };
        ++gWorkersAlive;
        try {
            thread_ = std::thread(&DetailFiller::Work, shared, std::move(fill));
        } catch (...) {
            --gWorkersAlive;
            throw;
        }
        shared_ = std::move(shared);
        return true;
    } catch (...) {
        return false;  // the jobs free their ids as they go
    }
}

bool DetailFiller::Hurry(std::vector<FillJob>& jobs) {
    if (!shared_) return false;
    std::lock_guard<std::mutex> lock(shared_->mutex);
    if (shared_->closed) return false;
    for (auto it = jobs.rbegin(); it != jobs.rend(); ++it) shared_->urgent.push_front(std::move(*it));
    jobs.clear();
    return true;
}

void DetailFiller::Stop() noexcept {
    if (!thread_.joinable()) return;
    shared_->stopping = true;
    if (WaitForSingleObject(shared_->finished, kStopWaitMs) == WAIT_OBJECT_0) {
        thread_.join();
    } else {
        thread_.detach();
    }
    shared_.reset();
}

std::vector<FillResult> DetailFiller::TakeResults() {
    std::vector<FillResult> taken;
    if (!shared_) return taken;
    std::lock_guard<std::mutex> lock(shared_->mutex);
    taken.swap(shared_->results);
    return taken;
}

void DetailFiller::Work(std::shared_ptr<Shared> shared, FillFunction fill) noexcept {
    // Below the window thread, which paints what the user looks at.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
    // The shell's icon look-up may create COM objects on this thread.
    HRESULT com = CoInitialize(nullptr);
    try {
        std::unordered_set<const void*> done;
        FillJob job;
        while (!shared->stopping && shared->Next(job)) {
            if (!done.insert(job.key).second) continue;  // hurried earlier
            shared->Deliver(FillResult{job.key, fill(job)});
            SwitchToThread();
        }
    } catch (...) {
        // Out of memory, or a fill that threw: the items not filled keep their type's icon.
    }
    if (SUCCEEDED(com)) CoUninitialize();
    if (!shared->stopping) PostMessageA(shared->window, shared->doneMessage, shared->generation, 0);
    SetEvent(shared->finished);
    --gWorkersAlive;
}

int DetailFiller::WorkersAlive() noexcept { return gWorkersAlive.load(); }

bool DetailFiller::WaitForWorkers(DWORD ms) noexcept {
    const DWORD start = GetTickCount();
    while (gWorkersAlive.load() > 0) {
        if (GetTickCount() - start >= ms) return false;
        Sleep(10);
    }
    return true;
}

}  // namespace panorell
