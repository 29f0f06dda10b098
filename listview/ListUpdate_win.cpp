// Bringing a listed folder up to date: change notices merged into one
// update, the update itself (one enumeration; an id equal to a listed
// item's is that item, with no shell call for it), and Refresh.
#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "ItemReader_win.h"
#include "ListMessages_win.h"
#include "ListWindow_win.h"
#include "ShellText_win.h"
#include "TextFold.h"

namespace panorell {

namespace {

std::string_view BytesOf(const ListItem& item) {
    return {reinterpret_cast<const char*>(item.id.get()), IdListSize(item.id.get())};
}

std::string FoldedName(const ListItem& item) {
    std::string name(item.FileName());
    for (char& c : name) c = FoldByte(c);
    return name;
}

}  // namespace

// An enumerated item that is not a listed item byte for byte: new, or a
// listed item (`twin`) whose id changed with its file.
struct ListWindow::Collected {
    std::unique_ptr<ListItem> item;
    int twin = -1;
};

std::vector<ListWindow::Collected> ListWindow::Collect(int flags, bool& failed) {
    // The listed items a pass may match (a folders-only pass leaves files be).
    bool foldersOnly = !(flags & 1) && nameSpace_ != kDesktop;
    int count = items_.Count();
    std::vector<bool> candidate(static_cast<size_t>(count)), matched(static_cast<size_t>(count));
    std::unordered_map<std::string_view, int> byBytes;
    for (int i = 0; i < count; ++i) {
        if (foldersOnly && !items_.At(i).IsFolder()) continue;
        candidate[static_cast<size_t>(i)] = true;
        byBytes.emplace(BytesOf(items_.At(i)), i);
    }

    std::vector<Collected> collected;
    failed = false;
    SHCONTF what = SHCONTF_FOLDERS | SHCONTF_INCLUDEHIDDEN | (foldersOnly ? 0 : SHCONTF_NONFOLDERS);
    ComRef<IEnumIDList> enumerator;
    HRESULT hr = currentFolder_ ? currentFolder_->EnumObjects(nullptr, what, enumerator.out()) : E_FAIL;
    failed = FAILED(hr);
    if (hr == S_OK && enumerator.get()) {
        ItemReader reader = MakeReader();
        ForEachId(enumerator.get(), [&](ITEMIDLIST* id) {
            IdHolder held(id);
            auto same = byBytes.find({reinterpret_cast<const char*>(id), IdListSize(Bytes(id))});
            if (same != byBytes.end() && !matched[static_cast<size_t>(same->second)]) {
                const ListItem& listed = items_.At(same->second);
                bool passes = PassesRefreshFilter(ItemReader::FilterView(listed), pattern_, attributeFilter_);
                matched[static_cast<size_t>(same->second)] = passes;
                return;
            }
            std::unique_ptr<ListItem> item = reader.Probe(held.release());
            if (PassesRefreshFilter(ItemReader::FilterView(*item), pattern_, attributeFilter_)) {
                collected.push_back(Collected{std::move(item), -1});
            }
        });
    }

    // Changed ids find their listed twin: by file name for files, by the
    // folder's own comparison for the rest (virtual folders are small).
    std::unordered_map<std::string, int> byName;
    for (int i = 0; i < count; ++i) {
        if (candidate[static_cast<size_t>(i)] && !matched[static_cast<size_t>(i)] && items_.At(i).HasPath()) {
            byName.emplace(FoldedName(items_.At(i)), i);
        }
    }
    for (Collected& entry : collected) {
        if (entry.item->HasPath()) {
            auto found = byName.find(FoldedName(*entry.item));
            if (found != byName.end() && !matched[static_cast<size_t>(found->second)]) entry.twin = found->second;
        } else {
            for (int i = 0; i < count && entry.twin < 0; ++i) {
                if (candidate[static_cast<size_t>(i)] && !matched[static_cast<size_t>(i)] &&
                    SameItem(currentFolder_, Id(items_.At(i)), Id(*entry.item))) {
                    entry.twin = i;
                }
            }
        }
        if (entry.twin >= 0) matched[static_cast<size_t>(entry.twin)] = true;
    }
    // Candidates left unmatched have gone (or no longer pass the filters).
    gone_.assign(static_cast<size_t>(count), false);
    for (int i = 0; i < count; ++i) {
        gone_[static_cast<size_t>(i)] = candidate[static_cast<size_t>(i)] && !matched[static_cast<size_t>(i)];
    }
    return collected;
}

void ListWindow::UpdateContents(int flags) { Bring(flags, false); }

void ListWindow::Bring(int flags, bool refreshing) {
    if (!list_ || !current_) return;
    bool failed = false;
    std::vector<Collected> collected = Collect(flags, failed);
    if (failed && sink_) sink_->OnControlError(1);

    ItemReader reader = MakeReader();
    std::vector<std::unique_ptr<ListItem>> added;
    for (Collected& entry : collected) {
        reader.Complete(*entry.item);
        if (entry.twin < 0) {
            added.push_back(std::move(entry.item));
            continue;
        }
        // The same item with a new id: the id is the shell's current one;
        // the details are renewed by Refresh only.
        ListItem& listed = items_.At(entry.twin);
        listed.id.reset(entry.item->id.release());
        listed.shellAttributes = entry.item->shellAttributes;
        listed.overlay = entry.item->overlay;
        if (refreshing && !(entry.item->details == listed.details)) {
            listed.details = std::move(entry.item->details);
            listed.fileName = std::move(entry.item->fileName);
            listed.textsOnDemand = true;
        }
    }
    bool removed = std::find(gone_.begin(), gone_.end(), true) != gone_.end();
    if (!removed && added.empty()) return;

    Marks before = TakeMarks();
    std::vector<int> newIndexOf = items_.Remove(gone_);
    // New items go at the end (folders first after a Refresh), with every
    // detail read at once.
    if (refreshing) {
        std::stable_partition(added.begin(), added.end(), [](const auto& item) { return item->IsFolder(); });
    }
    for (auto& item : added) {
        if (item->iconPending) {
            IdHolder absolute(item->HasPath() ? nullptr : JoinIds(current_->absoluteId, Id(*item)));
            item->icon = InstanceIconOf(item->PathIn(currentPath_), absolute.get());
            item->iconPending = false;
        }
        items_.Append(std::move(item));
    }
    ShowItemCount(true);
    MoveMarks(before, newIndexOf);
    // The filler's results name items by address, and the icons wanted name
    // them by index: after a removal both start again.
    if (removed) StartFiller(true);
}

void ListWindow::Refresh() {
    if (!list_ || !current_) return;
    if (currentPath_.empty()) {
        announce_ = false;
        MoveTo(CopyRecord(*current_));
        announce_ = true;
        return;
    }
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    Redraw(false);
    Bring(1, true);
    if (screenUpdate_) Redraw(true);
    SetCursor(previous);
    InvalidateRect(list_, nullptr, TRUE);
    UpdateWindow(list_);
}

void ListWindow::OnFolderChanged(WPARAM flags, LPARAM generation) {
    if (static_cast<WPARAM>(generation) != generation_) return;  // from a folder no longer shown
    // Notices that come while an update waits or runs join the next one.
    pendingFlags_ |= static_cast<int>(flags) & 3;
    if (updatePosted_) return;
    updatePosted_ = PostMessageA(pane_, kMsgRunUpdate, 0, 0) != FALSE;
    if (!updatePosted_) OnRunUpdate();
}

void ListWindow::OnRunUpdate() {
    updatePosted_ = false;
    MSG queued;
    while (PeekMessageA(&queued, pane_, kMsgFolderChanged, kMsgFolderChanged, PM_REMOVE)) {
        if (static_cast<WPARAM>(queued.lParam) == generation_) pendingFlags_ |= static_cast<int>(queued.wParam) & 3;
    }
    int flags = pendingFlags_;
    pendingFlags_ = 0;
    if (!flags) return;
    UpdateContents(flags);
    if (!sink_) return;
    // One Change for each kind of notice the update answered.
    if (flags & 1) sink_->OnContentsChanged(1);
    if (flags & 2) sink_->OnContentsChanged(2);
}

}  // namespace panorell
