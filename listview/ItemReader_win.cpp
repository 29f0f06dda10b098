#include "ItemReader_win.h"

#include <algorithm>

#include "FolderRecord_win.h"
#include "ShellText_win.h"
#include "TextFold.h"
#include "Wildcard.h"

namespace panorell {

namespace {

// The shell attributes asked of every item, with the folder and file-system
// bits the list itself reads (a shell need not answer bits not asked for).
constexpr ULONG kItemAttributeMask = 0x800F0177 | SFGAO_FOLDER | SFGAO_FILESYSTEM;
constexpr UINT kSmallIconFlags = SHGFI_SMALLICON | SHGFI_SYSICONINDEX;
// The key of plain file-system folders in the type cache (no extension has it).
constexpr char kPlainFolderKey[] = "\\folder";

// The extension of a file name with its dot, folded to lower case ("" when none).
std::string ExtensionOf(std::string_view name) {
    size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return {};
    std::string extension(name.substr(dot));
    for (char& c : extension) c = FoldByte(c);
    return extension;
}

bool HasOwnIcons(const std::string& extension) {
    static const char* const kOwnIcons[] = {".exe", ".ico", ".lnk", ".cur", ".ani", ".scr", ".cpl", ".url", ".pif"};
    for (const char* own : kOwnIcons) {
        if (extension == own) return true;
    }
    return false;
}

std::string TypeNameByPidl(const ITEMIDLIST* absoluteId, std::string* displayName) {
    SHFILEINFOA info{};
    UINT flags = SHGFI_TYPENAME | SHGFI_PIDL | (displayName ? SHGFI_DISPLAYNAME : 0);
    if (!absoluteId || !SHGetFileInfoA(reinterpret_cast<const char*>(absoluteId), 0, &info, sizeof info, flags)) return {};
    if (displayName) *displayName = info.szDisplayName;
    return info.szTypeName;
}

// The icon every file (or folder) of a kind shows unless it has its own.
int DefaultIcon(const std::string& extension, DWORD attributes) {
    SHFILEINFOA info{};
    std::string sample = "x" + extension;
    return SHGetFileInfoA(sample.c_str(), attributes, &info, sizeof info, kSmallIconFlags | SHGFI_USEFILEATTRIBUTES)
               ? info.iIcon
               : 0;
}

bool DetailsFromFindData(const WIN32_FIND_DATAA& data, ItemDetails& details) {
    FILETIME local;
    SYSTEMTIME time;
    details.sizeKb = KilobytesOf(data.nFileSizeHigh, data.nFileSizeLow);
    details.fileAttributes = data.dwFileAttributes;
    if (!FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &time)) return false;
    details.modified = LocalTime{time.wYear, time.wMonth, time.wDayOfWeek, time.wDay,
                                 time.wHour, time.wMinute, time.wSecond, time.wMilliseconds};
    return true;
}

}  // namespace

void TypeCache::Clear() {
    byKey_.clear();
    texts_.clear();
}

std::string_view TypeCache::Intern(std::string text) { return *texts_.insert(std::move(text)).first; }

TypeCache::Type* TypeCache::Find(const std::string& key) {
    auto found = byKey_.find(key);
    return found == byKey_.end() ? nullptr : &found->second;
}

TypeCache::Type& TypeCache::Remember(const std::string& key, Type type) {
    return byKey_.insert_or_assign(key, type).first->second;
}

bool ItemReader::InFolderForm() const {
    // The desktop merges folders of its own, and the other special folders
    // are not plain folders: their items' paths are asked of the shell.
    return nameSpace_ == kNotSpecial && !folderPath_.empty();
}

std::string ItemReader::PathOf(const ITEMIDLIST* relative, ULONG shellAttributes) const {
    if (!(shellAttributes & SFGAO_FILESYSTEM)) return {};
    std::string path = DisplayNameOf(folder_, relative, SHGDN_FORPARSING);
    // A file-system path is a drive path or a network path.
    bool looksLikePath = (path.size() >= 3 && path[1] == ':' && path[2] == '\\') || path.rfind("\\\\", 0) == 0;
    return looksLikePath ? path : std::string();
}

std::unique_ptr<ListItem> ItemReader::Probe(ITEMIDLIST* id) {
    auto item = std::make_unique<ListItem>(ShellAllocator());
    item->id.reset(Bytes(id));
    ULONG attributes = kItemAttributeMask;
    const ITEMIDLIST* ids[] = {id};
    if (FAILED(folder_->GetAttributesOf(1, ids, &attributes))) attributes = 0;
    item->shellAttributes = attributes;
    item->overlay = OverlayOf(attributes);
    if (!(attributes & SFGAO_FILESYSTEM)) return item;
    if (InFolderForm()) {
        WIN32_FIND_DATAA data{};
        if (SUCCEEDED(SHGetDataFromIDListA(folder_, id, SHGDFIL_FINDDATA, &data, sizeof data)) && data.cFileName[0]) {
            item->pathForm = PathForm::kInFolder;
            item->fileName = data.cFileName;
            DetailsFromFindData(data, item->details);
            return item;
        }
    }
    std::string path = PathOf(id, attributes);
    if (path.empty()) return item;
    item->pathForm = PathForm::kFull;
    item->fileName = std::move(path);
    if (nameSpace_ != kMyComputer) ReadFileDetails(item->fileName, item->details);
    return item;
}

FilterItem ItemReader::FilterView(const ListItem& item) {
    return FilterItem{item.IsFolder(), item.HasPath(), item.FileName(), item.details.fileAttributes};
}

void ItemReader::Complete(ListItem& item) {
    if (nameSpace_ == kMyComputer) item.parsingName = DisplayNameOf(folder_, Id(item), SHGDN_FORPARSING);
    if (!item.HasPath()) {
        CompleteByShell(item);
    } else if (item.IsFolder()) {
        CompleteFolder(item);
    } else {
        CompleteFile(item);
    }
    // The file name is kept only where the display name does not give it.
    if (item.pathForm == PathForm::kInFolder && item.fileName == item.details.displayName) {
        std::string().swap(item.fileName);
    }
}

void ItemReader::CompleteByShell(ListItem& item) {
    // Virtual items and folders that may be more than folders have names,
    // types and icons of their own.
    IdHolder absolute(JoinIds(folderId_, Id(item)));
    std::string displayName;
    item.details.typeName = types_.Intern(FittedTypeName(TypeNameByPidl(absolute.get(), &displayName)));
    item.details.displayName = displayName.empty() ? DisplayNameOf(folder_, Id(item), SHGDN_INFOLDER) : displayName;
    item.icon = item.IsFolder() ? DefaultIcon("", FILE_ATTRIBUTE_DIRECTORY) : 0;
    item.iconPending = true;
}

void ItemReader::CompleteFolder(ListItem& item) {
    // Only a folder with the read-only or system attribute may be customised
    // (its own name, type or icon); the others are all alike, one type.
    constexpr DWORD kCustomisable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM;
    DWORD attributes = item.details.fileAttributes;
    bool plain = item.pathForm == PathForm::kInFolder && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
                 !(attributes & kCustomisable);
    if (!plain) {
        CompleteByShell(item);
        return;
    }
    const TypeCache::Type* type = types_.Find(kPlainFolderKey);
    std::string shown;
    if (!type) {
        // The first plain folder tells how the shell shows them all.
        shown = DisplayNameOf(folder_, Id(item), SHGDN_INFOLDER);
        IdHolder absolute(JoinIds(folderId_, Id(item)));
        TypeCache::Type folder;
        folder.regular = shown == item.FileName();
        folder.typeName = types_.Intern(FittedTypeName(TypeNameByPidl(absolute.get(), nullptr)));
        folder.icon = DefaultIcon("", FILE_ATTRIBUTE_DIRECTORY);
        type = &types_.Remember(kPlainFolderKey, folder);
    } else if (!type->regular) {
        shown = DisplayNameOf(folder_, Id(item), SHGDN_INFOLDER);
    }
    if (type->regular) {
        item.details.displayName.assign(item.FileName());
    } else {
        item.details.displayName = shown.empty() ? std::string(item.FileName()) : std::move(shown);
    }
    item.details.typeName = type->typeName;
    item.icon = type->icon;
}

const TypeCache::Type& ItemReader::TypeOfFile(const ListItem& item, const std::string& extension) {
    if (const TypeCache::Type* known = types_.Find(extension)) return *known;
    // The first file of an extension stands for all of them.
    TypeCache::Type type;
    std::string shown = DisplayNameOf(folder_, Id(item), SHGDN_INFOLDER);
    std::string_view file = item.FileName();
    if (shown == file) {
        type.regular = true;
    } else if (!extension.empty() && shown.size() + extension.size() == file.size() &&
               file.compare(0, shown.size(), shown) == 0) {
        type.regular = true;
        type.showsExtension = false;
    }
    IdHolder absolute(JoinIds(folderId_, Id(item)));
    type.typeName = types_.Intern(FittedTypeName(TypeNameByPidl(absolute.get(), nullptr)));
    type.ownIcons = HasOwnIcons(extension);
    type.icon = DefaultIcon(extension, FILE_ATTRIBUTE_NORMAL);
    return types_.Remember(extension, type);
}

void ItemReader::CompleteFile(ListItem& item) {
    std::string extension = ExtensionOf(item.FileName());
    const TypeCache::Type& type = TypeOfFile(item, extension);
    item.details.typeName = type.typeName;
    item.icon = type.icon;
    item.iconPending = type.ownIcons;
    if (!type.regular) {
        item.details.displayName = DisplayNameOf(folder_, Id(item), SHGDN_INFOLDER);
        return;
    }
    std::string_view file = item.FileName();
    if (!type.showsExtension) file.remove_suffix(extension.size());
    item.details.displayName.assign(file);
}

void ForEachId(IEnumIDList* items, const std::function<void(ITEMIDLIST*)>& take) {
    // In batches: one call per id costs more than the id on big folders.
    constexpr ULONG kBatch = 256;
    ITEMIDLIST* ids[kBatch];
    for (;;) {
        ULONG fetched = 0;
        HRESULT hr = items->Next(kBatch, ids, &fetched);
        if (FAILED(hr)) return;
        fetched = std::min(fetched, kBatch);
        ULONG i = 0;
        try {
            for (; i < fetched; ++i) {
                if (ids[i]) take(ids[i]);
            }
        } catch (...) {
            while (++i < fetched) FreeId(ids[i]);
            throw;
        }
        if (hr != S_OK || fetched == 0) return;
    }
}

bool ReadFileDetails(const std::string& path, ItemDetails& details) {
    // The attribute query goes straight to the file; a search by name would
    // read the whole folder each time.
    WIN32_FILE_ATTRIBUTE_DATA found;
    if (path.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &found)) return false;
    WIN32_FIND_DATAA data{};
    data.dwFileAttributes = found.dwFileAttributes;
    data.ftLastWriteTime = found.ftLastWriteTime;
    data.nFileSizeHigh = found.nFileSizeHigh;
    data.nFileSizeLow = found.nFileSizeLow;
    ItemDetails read = details;
    if (!DetailsFromFindData(data, read)) return false;
    details = std::move(read);
    return true;
}

std::string ModifiedTextOf(const LocalTime& t) {
    if (t.year == 0) return {};
    SYSTEMTIME time{t.year, t.month, t.dayOfWeek, t.day, t.hour, t.minute, t.second, t.milliseconds};
    char date[64] = "", clock[64] = "";
    GetDateFormatA(LOCALE_SYSTEM_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_SYSTEM_DEFAULT, TIME_NOSECONDS, &time, nullptr, clock, sizeof clock);
    return ModifiedText(date, clock);
}

int InstanceIconOf(const std::string& path, const ITEMIDLIST* absoluteId) {
    SHFILEINFOA info{};
    if (!path.empty()) return SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, kSmallIconFlags) ? info.iIcon : 0;
    if (!absoluteId) return 0;
    return SHGetFileInfoA(reinterpret_cast<const char*>(absoluteId), 0, &info, sizeof info, kSmallIconFlags | SHGFI_PIDL)
               ? info.iIcon
               : 0;
}

}  // namespace panorell
