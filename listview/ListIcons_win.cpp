// Icons of their own, read by the detail filler after a listing: the items
// on show first, then the rest in list order. Until then an item shows its
// type's icon.
#include <algorithm>

#include "ItemReader_win.h"
#include "ListMessages_win.h"
#include "ListWindow_win.h"
#include "ShellText_win.h"

namespace panorell {

FillJob ListWindow::JobFor(const ListItem& item) const {
    FillJob job;
    job.key = &item;
    if (item.HasPath()) {
        job.path = item.PathIn(currentPath_);
    } else {
        job.absoluteId = JoinIds(current_->absoluteId, Id(item));
    }
    return job;
}

void ListWindow::StartFiller() {
    filler_.Stop();
    // Results of an earlier run name items by address: they no longer count.
    ++fillGeneration_;
    int count = items_.Count();
    int first = std::clamp(list_ ? ListView_GetTopIndex(list_) : 0, 0, count);
    int last = std::min(count, first + std::max(list_ ? ListView_GetCountPerPage(list_) : 0, 0) + 1);
    std::vector<FillJob> jobs;
    auto add = [&](int i) {
        if (items_.At(i).iconPending) jobs.push_back(JobFor(items_.At(i)));
    };
    for (int i = first; i < last; ++i) add(i);
    for (int i = 0; i < count; ++i) {
        if (i < first || i >= last) add(i);
    }
    if (jobs.empty()) return;
    filler_.Start(pane_, kMsgDetailsReady, kMsgFillerDone, fillGeneration_, std::move(jobs));
}

void ListWindow::OnDetailsReady(WPARAM generation) {
    if (generation != fillGeneration_) return;
    ApplyFillResults(filler_.TakeResults());
}

void ListWindow::OnFillerDone(WPARAM generation) {
    if (generation != fillGeneration_) return;
    ApplyFillResults(filler_.TakeResults());
    filler_.Stop();
}

void ListWindow::ApplyFillResults(std::vector<FillResult> results) {
    if (results.empty()) return;
    // The generation matched: no item was removed since the filler started,
    // so every key is a live item.
    for (const FillResult& result : results) {
        auto* item = const_cast<ListItem*>(static_cast<const ListItem*>(result.key));
        item->icon = result.icon;
        item->iconPending = false;
    }
    if (screenUpdate_ && list_) InvalidateRect(list_, nullptr, FALSE);
}

}  // namespace panorell
