// Moving the list to a folder: listing it with the name filter, the parent
// fallback when it cannot be read, the first details and the background
// filler for the rest, the folder watchers and the announcement.
#include <algorithm>
#include <memory>

#include "ItemReader_win.h"
#include "ListMessages_win.h"
#include "ListWindow_win.h"
#include "ShellText_win.h"

namespace panorell {

namespace {

// The shell attributes asked of every item.
constexpr ULONG kItemAttributeMask = 0x800F0177;
// Folders, non-folders and hidden items.
constexpr SHCONTF kEnumerateAll = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;
// Items whose details a listing fills before it returns; the filler does the rest.
constexpr int kDetailsAtOnce = 15;

// True when a file-system folder cannot be read. The shell's enumerator of
// such a folder may come back empty rather than fail, so the folder is asked
// directly; an empty folder is readable.
bool FolderIsUnreadable(const std::string& path) {
    if (path.empty()) return false;
    std::string pattern = path;
    if (pattern.back() != '\\') pattern += '\\';
    pattern += '*';
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
        return false;
    }
    return GetLastError() != ERROR_FILE_NOT_FOUND && GetLastError() != ERROR_NO_MORE_FILES;
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
    ListView_DeleteAllItems(list_);
    current_ = std::move(record);
    if (currentFolder_) currentFolder_->Release();
    currentFolder_ = folder;
    currentPath_ = PathOfId(current_->absoluteId);
    nameSpace_ = NameSpaceOf(current_->absoluteId);
    RebuildColumns();

    bool enumerated = EnumerateInto(folder);
    if (enumerated) {
        for (int i = 0, n = std::min(ItemCount(), kDetailsAtOnce); i < n; ++i) {
            FillDetails(*const_cast<ListItem*>(Item(i)));
        }
        StartFiller(kDetailsAtOnce);
        StartWatchers();
        if (ItemCount() > 0) ListView_SetItemState(list_, 0, LVIS_FOCUSED, LVIS_FOCUSED);
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

bool ListWindow::EnumerateInto(IShellFolder* folder) {
    WaitCursor wait;
    if (FolderIsUnreadable(currentPath_)) return false;
    ComRef<IEnumIDList> items;
    if (folder->EnumObjects(nullptr, kEnumerateAll, items.out()) != S_OK || !items.get()) return false;

    NameReader names(folder, current_->absoluteId);
    icons_ = IconReader();
    std::vector<std::unique_ptr<ListItem>> found;
    ITEMIDLIST* id = nullptr;
    ULONG fetched = 0;
    while (items->Next(1, &id, &fetched) == S_OK && id) {
        IdHolder relative(id);
        ULONG attributes = kItemAttributeMask;
        const ITEMIDLIST* ids[] = {relative.get()};
        if (FAILED(folder->GetAttributesOf(1, ids, &attributes))) attributes = 0;
        auto item = std::make_unique<ListItem>();
        item->path = names.PathOf(relative.get(), attributes);
        FilterItem filtered{(attributes & SFGAO_FOLDER) != 0, !item->path.empty(), item->path, 0};
        if (!PassesListingFilter(filtered, pattern_)) continue;
        item->folder = folder;
        folder->AddRef();
        item->relativeId = relative.release();
        item->shellAttributes = attributes;
        names.ReadNames(item->relativeId, attributes, item->path, item->details);
        if (nameSpace_ == kMyComputer) item->parsingName = DisplayNameOf(folder, item->relativeId, SHGDN_FORPARSING);
        found.push_back(std::move(item));
    }

    // Sorted before insertion: the same order as inserting and then sorting,
    // without the list-view's own per-comparison round trips.
    std::stable_sort(found.begin(), found.end(), [this](const auto& a, const auto& b) {
        return CompareItems(KeyOf(*a), KeyOf(*b), sort_.column, false, nameSpace_ == kMyComputer) < 0;
    });
    sort_.descending = false;
    ListView_SetItemCountEx(list_, static_cast<int>(found.size()), LVSICF_NOINVALIDATEALL);
    for (auto& item : found) InsertItem(ItemCount(), std::move(item));
    return true;
}

bool ListWindow::InsertItem(int position, std::unique_ptr<ListItem> item) {
    item->serial = nextSerial_++;
    item->overlay = OverlayOf(item->shellAttributes);
    LVITEMA entry{};
    entry.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
    entry.iItem = position;
    entry.pszText = LPSTR_TEXTCALLBACKA;
    entry.iImage = I_IMAGECALLBACK;
    entry.lParam = reinterpret_cast<LPARAM>(item.get());
    entry.state = INDEXTOOVERLAYMASK(item->overlay);
    entry.stateMask = LVIS_OVERLAYMASK;
    int index = static_cast<int>(SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&entry)));
    // Sub-items never set are asked for like the item's own text, so the
    // Size, Type and Modified texts come on demand without a message each.
    if (index < 0) return false;  // the item and its id are freed with `item`
    ListItem* inserted = item.release();  // the list owns it now; freed on LVN_DELETEITEM
    bySerial_[inserted->serial] = inserted;
    return true;
}

void ListWindow::FillDetails(ListItem& item) {
    if (nameSpace_ != kMyComputer && !item.path.empty()) ReadFileDetails(item.path, item.details);
    if (item.path.empty()) {
        IdHolder absolute(JoinIds(current_->absoluteId, item.relativeId));
        item.icon = icons_.IconOf(item.path, item.IsFolder(), absolute.get());
    } else {
        item.icon = icons_.IconOf(item.path, item.IsFolder(), nullptr);
    }
}

void ListWindow::StartFiller(int from) {
    std::vector<FillJob> jobs;
    int count = ItemCount();
    if (from >= count) return;
    jobs.reserve(static_cast<size_t>(count - from));
    for (int i = from; i < count; ++i) {
        const ListItem* item = Item(i);
        if (!item) continue;
        FillJob job;
        job.serial = item->serial;
        job.path = item->path;
        job.readFile = nameSpace_ != kMyComputer && !item->path.empty();
        job.isFolder = item->IsFolder();
        if (item->path.empty()) job.absoluteId = JoinIds(current_->absoluteId, item->relativeId);
        jobs.push_back(std::move(job));
    }
    filler_.Start(pane_, kMsgDetailsReady, kMsgFillerDone, generation_, std::move(jobs));
}

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

SortKey ListWindow::KeyOf(const ListItem& item) const {
    SortKey key;
    key.displayName = item.details.displayName;
    key.parsingName = item.parsingName;
    key.typeName = item.details.typeName;
    key.sizeKb = item.details.sizeKb;
    key.modified = item.details.modified;
    key.isFolder = item.IsFolder();
    return key;
}

int CALLBACK ListWindow::CompareProc(LPARAM a, LPARAM b, LPARAM self) {
    auto* list = reinterpret_cast<ListWindow*>(self);
    return CompareItems(list->KeyOf(*reinterpret_cast<ListItem*>(a)), list->KeyOf(*reinterpret_cast<ListItem*>(b)),
                        list->sort_.column, list->sort_.descending, list->nameSpace_ == kMyComputer);
}

void ListWindow::SortBy(int column) {
    if (column < 0 || !list_) return;
    sort_.Click(column);
    ListView_SortItems(list_, CompareProc, reinterpret_cast<LPARAM>(this));
}

}  // namespace panorell
