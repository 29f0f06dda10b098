#include "DetailFiller_win.h"

#include <objbase.h>

#include "ItemReader_win.h"
#include "ShellText_win.h"

namespace panorell {

namespace {

// Results go back in batches: one notice per batch keeps the window's queue
// short on folders of many thousands of items.
constexpr size_t kBatchSize = 256;

void FreeJobs(std::vector<FillJob>& jobs) noexcept {
    for (auto& job : jobs) FreeId(job.absoluteId), job.absoluteId = nullptr;
}

}  // namespace

bool DetailFiller::Start(HWND window, UINT readyMessage, UINT doneMessage, WPARAM generation,
                         std::vector<FillJob> jobs) noexcept {
    Stop();
    stopping_ = false;
    try {
        thread_ = std::thread(&DetailFiller::Work, this, window, readyMessage, doneMessage, generation, std::move(jobs));
        return true;
    } catch (const std::exception&) {
        FreeJobs(jobs);
        return false;
    }
}

void DetailFiller::Stop() noexcept {
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
    std::lock_guard<std::mutex> lock(mutex_);
    results_.clear();
}

std::vector<FillResult> DetailFiller::TakeResults() {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<FillResult> taken;
    taken.swap(results_);
    return taken;
}

void DetailFiller::Deliver(std::vector<FillResult>& batch, HWND window, UINT readyMessage, WPARAM generation) {
    if (batch.empty()) return;
    bool wasEmpty;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        wasEmpty = results_.empty();
        for (auto& result : batch) results_.push_back(std::move(result));
    }
    batch.clear();
    if (wasEmpty) PostMessageA(window, readyMessage, generation, 0);
}

void DetailFiller::Work(HWND window, UINT readyMessage, UINT doneMessage, WPARAM generation,
                        std::vector<FillJob> jobs) noexcept {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    // The shell's icon look-up may create COM objects on this thread.
    HRESULT com = CoInitialize(nullptr);
    try {
        IconReader icons;
        std::vector<FillResult> batch;
        batch.reserve(kBatchSize);
        for (auto& job : jobs) {
            if (stopping_) break;
            FillResult result;
            result.serial = job.serial;
            if (job.readFile) result.fileRead = ReadFileDetails(job.path, result.details);
            result.icon = icons.IconOf(job.path, job.isFolder, job.absoluteId);
            batch.push_back(std::move(result));
            if (batch.size() == kBatchSize) Deliver(batch, window, readyMessage, generation);
        }
        Deliver(batch, window, readyMessage, generation);
    } catch (const std::exception&) {
        // Out of memory: the items not filled keep their first details.
    }
    FreeJobs(jobs);
    if (SUCCEEDED(com)) CoUninitialize();
    if (!stopping_) PostMessageA(window, doneMessage, generation, 0);
}

}  // namespace panorell
