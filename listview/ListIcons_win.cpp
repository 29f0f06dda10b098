// Icons of their own (programs, shortcuts, icons, customised folders,
// virtual items), read by the detail filler for the items on show: the first
// page after a listing, then each item as the list-view comes to paint it.
// An item never shown never costs a shell call; until its own icon comes it
// shows its type's.
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

void ListWindow::StartFiller(bool forgetQueued) {
    filler_.Stop();
    // Results of an earlier run name items by address: they no longer count,
    // and what it had queued is asked again when shown. The items of a new
    // listing were never queued: a big folder is not walked for nothing.
    ++fillGeneration_;
    if (forgetQueued) {
        for (int i = 0; i < items_.Count(); ++i) items_.At(i).iconQueued = false;
    }
    wantedIcons_.clear();
    int count = items_.Count();
    int first = std::clamp(list_ ? ListView_GetTopIndex(list_) : 0, 0, count);
    int last = std::min(count, first + std::max(list_ ? ListView_GetCountPerPage(list_) : 0, 0) + 1);
    for (int i = first; i < last; ++i) WantIcon(i);
    FillWantedIcons();
}

void ListWindow::WantIcon(int index) {
    if (!items_.Contains(index)) return;
    ListItem& item = items_.At(index);
    if (!item.iconPending || item.iconQueued) return;
    item.iconQueued = true;
    wantedIcons_.push_back(index);
    // Painting asks for many items at once: they go to the filler together.
    if (!fillPosted_ && pane_) fillPosted_ = PostMessageA(pane_, kMsgFillIcons, 0, 0) != FALSE;
}

void ListWindow::FillWantedIcons() {
    fillPosted_ = false;
    std::vector<FillJob> jobs;
    for (int index : wantedIcons_) {
        if (items_.Contains(index)) jobs.push_back(JobFor(items_.At(index)));
    }
    wantedIcons_.clear();
    if (jobs.empty()) return;
    if (filler_.Running()) {
        if (filler_.Hurry(jobs)) return;
        // That run has just ended: its last results are still to apply.
        ApplyFillResults(filler_.TakeResults());
    }
    filler_.Stop();
    ++fillGeneration_;
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
