// Moving the list to a folder: listing it into the item array with the name
// filter, the parent fallback when it cannot be read, the sort, the folder
// watchers and the announcement.
#include <algorithm>
#include <memory>

#include "ItemReader_win.h"
#include "ListMessages_win.h"
#include "ListWindow_win.h"
#include "ShellText_win.h"

namespace panorell {

namespace {

// Folders, non-folders and hidden items.
constexpr SHCONTF kEnumerateAll = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;
// Arrays at least this long are freed by a thread of their own.
constexpr int kSweptFrom = 4096;

// True when a file-system folder cannot be read. The shell's enumerator of
// such a folder may come back empty rather than fail, so the folder is
// opened for listing first: opening it reads none of its entries, where a
// search would read them all.
bool FolderIsUnreadable(const std::string& path) {
    if (path.empty()) return false;
    HANDLE folder = CreateFileA(path.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) return true;
    CloseHandle(folder);
    return false;
}

class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_); }

private:
    HCURSOR previous_;
};

}  // namespace

void ListWindow::StopWatchers() {
    folderWatcher_.Stop();
    fileWatcher_.Stop();
}

void ListWindow::RestartWatchers() {
    if (current_ && list_) StartWatchers();
}

void ListWindow::StopWorkers() {
    StopWatchers();
    if (filler_.Running()) {
        WaitCursor wait;
        filler_.Stop();
    }
    // Notices still queued from these threads now belong to an old listing.
    ++generation_;
    pendingFlags_ = 0;
}

bool ListWindow::MoveTo(FolderRecordPtr record) {
    if (!record || !list_) return false;
    StopWorkers();
    bool bindFailed = false;
    bool listed = ListFolder(std::move(record), bindFailed);
    // A folder that cannot even be bound leaves the list on the folder it
    // shows, which is readable: there is nothing to fall back from.
    if (listed || treeWindow_ || bindFailed || !current_) return listed;

    FolderRecordPtr candidate = CopyRecord(*current_);
    while (candidate) {
        FolderRecordPtr parent = ParentRecord(*candidate);
        if (!parent) return false;
        FolderRecordPtr next = CopyRecord(*parent);
        bool parentListed = ListFolder(std::move(parent), bindFailed);
        if (sink_) sink_->OnMovedOnItsOwn(parentListed ? current_.get() : nullptr, 2);
        if (parentListed) return true;
        candidate = std::move(next);
    }
    return false;
}

bool ListWindow::MoveToPath(const std::string& path) {
    FolderRecordPtr record = RecordFromPath(path);
    return record && MoveTo(std::move(record));
}

bool ListWindow::MoveToNameSpace(int nameSpace) {
    FolderRecordPtr record = RecordForNameSpace(nameSpace);
    return record && MoveTo(std::move(record));
}

bool ListWindow::BackOneLevel() {
    if (treeWindow_ && SendMessageA(treeWindow_, kMsgTreeUpOneLevel, 0, 0) != 0) return false;
    if (!current_ || IdListIsEmpty(Bytes(current_->absoluteId))) return false;
    FolderRecordPtr parent = ParentRecord(*current_);
    if (!parent) return false;
    bool moved = MoveTo(std::move(parent));
    if (sink_) sink_->OnMovedOnItsOwn(moved ? current_.get() : nullptr, 2);
    return true;
}

void ListWindow::SetFilter(const std::string& pattern, uint32_t attributeFilter) {
    pattern_ = pattern;
    attributeFilter_ = attributeFilter | kAttrDirectory;
    if (!current_) return;
    announce_ = false;
    MoveTo(CopyRecord(*current_));
    announce_ = true;
}

bool ListWindow::ListFolder(FolderRecordPtr record, bool& bindFailed) {
    StopWorkers();
    RememberColumnWidths();
    bindFailed = false;

    IShellFolder* folder = nullptr;
    if (!IdListIsEmpty(Bytes(record->absoluteId))) {
        if (FAILED(record->parentFolder->BindToObject(record->relativeId, nullptr, IID_IShellFolder,
                                                      reinterpret_cast<void**>(&folder))) || !folder) {
            bindFailed = true;
            return false;
        }
    } else {
        folder = record->parentFolder;
        folder->AddRef();
    }

    Redraw(false);
    // The list-view only hears the new count; the items go with DropItems.
    DropItems();
    types_.Clear();
    dropHighlight_ = -1;
    ++fillGeneration_;
    ShowItemCount(false);
    current_ = std::move(record);
    if (currentFolder_) currentFolder_->Release();
    currentFolder_ = folder;
    currentPath_ = PathOfId(current_->absoluteId);
    nameSpace_ = NameSpaceOf(current_->absoluteId);
    RebuildColumns();

    bool enumerated = EnumerateInto(folder);
    if (enumerated) {
        ShowItemCount(false);
        StartFiller(false);
        StartWatchers();
        if (ListCount() > 0) ListView_SetItemState(list_, 0, LVIS_FOCUSED, LVIS_FOCUSED);
    } else if (sink_) {
        sink_->OnControlError(1);
    }
    if (screenUpdate_) {
        Redraw(true);
        InvalidateRect(list_, nullptr, TRUE);
    }
    if (enumerated && announce_) Announce();
    return enumerated;
}

void ListWindow::DropItems() {
    // Freeing a big folder's items (two blocks each) takes longer than
    // listing the next folder: the sweeper's thread frees them, once the
    // window thread is back in its message loop, so that the two do not
    // queue for the heap. Items keep views of the type names, but none is
    // read while an item is freed.
    if (items_.Count() < kSweptFrom) {
        items_.Clear();
        return;
    }
    sweeper_.Hand(std::move(items_));
    items_.Clear();
    if (!pane_ || !PostMessageA(pane_, kMsgSweep, 0, 0)) sweeper_.Go();
}

ItemReader ListWindow::MakeReader() {
    return ItemReader(currentFolder_, current_->absoluteId, currentPath_, nameSpace_, types_);
}

bool ListWindow::EnumerateInto(IShellFolder* folder) {
    WaitCursor wait;
    if (FolderIsUnreadable(currentPath_)) return false;
    ComRef<IEnumIDList> items;
    HRESULT hr = folder->EnumObjects(nullptr, kEnumerateAll, items.out());
    if (FAILED(hr)) return false;
    // S_FALSE (with or without an enumerator) is a folder with no items.
    if (hr == S_OK && items.get()) {
        ItemReader reader = MakeReader();
        ForEachId(items.get(), [&](ITEMIDLIST* id) {
            std::unique_ptr<ListItem> item = reader.Probe(id);
            if (!PassesListingFilter(ItemReader::FilterView(*item), pattern_)) return;
            reader.Complete(*item);
            items_.Append(std::move(item));
        });
    }
    sort_.descending = false;
    SortItems();
    return true;
}

void ListWindow::SortItems() { items_.Sort(sort_.column, sort_.descending, nameSpace_ == kMyComputer); }

void ListWindow::StartWatchers() {
    if (!currentPath_.empty()) {
        folderWatcher_.Start(pane_, kMsgFolderChanged, currentPath_, FILE_NOTIFY_CHANGE_DIR_NAME, generation_);
    }
    std::string filesPath = currentPath_;
    if (filesPath.empty() && nameSpace_ == kRecycleBin) {
        char system[MAX_PATH] = "";
        if (GetSystemDirectoryA(system, MAX_PATH) >= 3) filesPath = std::string(system, 3) + "RECYCLED";
    }
    if (!filesPath.empty()) {
        fileWatcher_.Start(pane_, kMsgFolderChanged, filesPath, FILE_NOTIFY_CHANGE_FILE_NAME, generation_);
    }
}

void ListWindow::Announce() {
    if (sink_) sink_->OnFolderShown(nameSpace_ != kNotSpecial, nameSpace_, currentPath_);
}

void ListWindow::SortBy(int column) {
    if (column < 0 || !list_) return;
    sort_.Click(column);
    Marks before = TakeMarks();
    std::vector<int> moved = items_.Sort(sort_.column, sort_.descending, nameSpace_ == kMyComputer);
    MoveMarks(before, moved);
}

}  // namespace panorell
