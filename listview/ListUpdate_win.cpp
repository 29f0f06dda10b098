// Bringing a listed folder up to date: the incremental update after a change
// on disk, Refresh, and the re-reading of every item's details.
#include <unordered_map>
#include <unordered_set>

#include "ItemReader_win.h"
#include "ListWindow_win.h"
#include "ShellText_win.h"

namespace panorell {

namespace {

constexpr ULONG kItemAttributeMask = 0x800F0177;

std::string IdBytes(const ITEMIDLIST* id) {
    const uint8_t* bytes = Bytes(id);
    return std::string(reinterpret_cast<const char*>(bytes), IdListSize(bytes));
}

}  // namespace

struct ListWindow::Collected {
    std::unique_ptr<ListItem> item;
    ListItem* match = nullptr;
};

std::vector<ListWindow::Collected> ListWindow::CollectPassing(int flags, NameReader& names, bool& failed) {
    std::vector<Collected> collected;
    failed = false;
    bool onDesktop = nameSpace_ == kDesktop;
    SHCONTF what = SHCONTF_FOLDERS | SHCONTF_INCLUDEHIDDEN;
    if (!(flags & 2) || onDesktop) what |= SHCONTF_NONFOLDERS;
    ComRef<IEnumIDList> items;
    if (!currentFolder_ || currentFolder_->EnumObjects(nullptr, what, items.out()) != S_OK || !items.get()) {
        failed = true;
        return collected;
    }
    ITEMIDLIST* id = nullptr;
    ULONG fetched = 0;
    while (items->Next(1, &id, &fetched) == S_OK && id) {
        IdHolder relative(id);
        auto item = std::make_unique<ListItem>();
        ULONG attributes = kItemAttributeMask;
        const ITEMIDLIST* ids[] = {relative.get()};
        if (FAILED(currentFolder_->GetAttributesOf(1, ids, &attributes))) attributes = 0;
        item->path = names.PathOf(relative.get(), attributes);
        if (!item->path.empty()) ReadFileDetails(item->path, item->details);
        FilterItem filtered{false, !item->path.empty(), item->path, item->details.fileAttributes};
        if (!PassesRefreshFilter(filtered, pattern_, attributeFilter_)) continue;
        item->shellAttributes = attributes;
        item->relativeId = relative.release();
        collected.push_back(Collected{std::move(item), nullptr});
    }
    return collected;
}

void ListWindow::UpdateContents(int flags) {
    if (!list_ || !current_) return;
    bool failed = false;
    NameReader names(currentFolder_, current_->absoluteId);
    std::vector<Collected> collected = CollectPassing(flags, names, failed);
    if (failed && sink_) sink_->OnControlError(1);
    bool foldersOnly = (flags & 2) && nameSpace_ != kDesktop;

    // Pair each collected entry with the list item naming the same thing:
    // equal bytes first (the usual case, and cheap on big folders), then the
    // folder's own comparison for ids that differ in what they cache.
    std::unordered_map<std::string, ListItem*> byBytes;
    std::vector<ListItem*> candidates;
    for (int i = 0, n = ItemCount(); i < n; ++i) {
        auto* item = const_cast<ListItem*>(Item(i));
        if (!item || (foldersOnly && !item->IsFolder())) continue;
        candidates.push_back(item);
        byBytes.emplace(IdBytes(item->relativeId), item);
    }
    std::unordered_set<ListItem*> matched;
    for (auto& entry : collected) {
        auto found = byBytes.find(IdBytes(entry.item->relativeId));
        if (found != byBytes.end() && !matched.count(found->second)) {
            entry.match = found->second;
        } else {
            for (ListItem* candidate : candidates) {
                if (!matched.count(candidate) &&
                    SameItem(currentFolder_, candidate->relativeId, entry.item->relativeId)) {
                    entry.match = candidate;
                    break;
                }
            }
        }
        if (entry.match) matched.insert(entry.match);
    }

    // Items with no collected twin have gone (or no longer pass the filters).
    for (int i = ItemCount() - 1; i >= 0; --i) {
        const ListItem* item = Item(i);
        if (!item || (foldersOnly && !item->IsFolder())) continue;
        if (!matched.count(const_cast<ListItem*>(item))) ListView_DeleteItem(list_, i);
    }
    // New entries go at the end, with every detail read at once.
    for (auto& entry : collected) {
        if (entry.match) continue;
        ListItem& item = *entry.item;
        item.folder = currentFolder_;
        currentFolder_->AddRef();
        names.ReadNames(item.relativeId, item.shellAttributes, item.path, item.details);
        FillDetails(item);
        InsertItem(ItemCount(), std::move(entry.item));
    }
}

void ListWindow::Refresh() {
    if (!list_ || !current_) return;
    if (currentPath_.empty()) {
        announce_ = false;
        MoveTo(CopyRecord(*current_));
        announce_ = true;
        return;
    }
    {
        HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
        Redraw(false);
        UpdateContents(2);
        UpdateContents(1);
        if (screenUpdate_) Redraw(true);
        SetCursor(previous);
    }
    RefreshDetails();
}

void ListWindow::RefreshDetails() {
    NameReader names(currentFolder_, current_->absoluteId);
    for (int i = 0, n = ItemCount(); i < n; ++i) {
        auto* item = const_cast<ListItem*>(Item(i));
        if (!item) continue;
        ItemDetails fresh = item->details;
        names.ReadNames(item->relativeId, item->shellAttributes, item->path, fresh);
        if (nameSpace_ != kMyComputer && !item->path.empty()) ReadFileDetails(item->path, fresh);
        if (fresh == item->details) continue;
        item->details = std::move(fresh);
        item->textsOnDemand = true;
    }
    if (ItemCount() > 0) ListView_RedrawItems(list_, 0, ItemCount() - 1);
    InvalidateRect(list_, nullptr, TRUE);
    UpdateWindow(list_);
}

void ListWindow::OnFolderChanged(WPARAM flags, LPARAM generation) {
    if (static_cast<WPARAM>(generation) != generation_) return;  // from a folder no longer shown
    UpdateContents(static_cast<int>(flags));
    if (sink_) sink_->OnContentsChanged(static_cast<int>(flags));
}

}  // namespace panorell
