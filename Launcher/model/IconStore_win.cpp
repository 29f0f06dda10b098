#include "IconStore_win.h"

#include <shellapi.h>

namespace corvella {

HICON ShellIconOf(const std::string& path, bool small) {
    SHFILEINFOA info{};
    UINT flags = SHGFI_SYSICONINDEX | (small ? SHGFI_SMALLICON : SHGFI_LARGEICON);
    auto list = reinterpret_cast<HIMAGELIST>(SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, flags));
    if (!list) {
        // A path that does not exist: the shell's icon for a file of its kind.
        flags |= SHGFI_USEFILEATTRIBUTES;
        list = reinterpret_cast<HIMAGELIST>(
            SHGetFileInfoA(path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info, flags));
    }
    return list ? ImageList_GetIcon(list, info.iIcon, ILD_TRANSPARENT) : nullptr;
}

WinIconStore::~WinIconStore() { ReleaseFetched(); }

void WinIconStore::ReleaseFetched() {
    if (fetchedLarge_) DestroyIcon(fetchedLarge_);
    if (fetchedSmall_) DestroyIcon(fetchedSmall_);
    fetchedLarge_ = fetchedSmall_ = nullptr;
}

void WinIconStore::ClearIconLists() {
    ImageList_RemoveAll(large_);
    ImageList_RemoveAll(small_);
    keys_.clear();
}

void WinIconStore::FetchIcon(const std::string& path) {
    ReleaseFetched();
    fetchedLarge_ = ShellIconOf(path, false);
    fetchedSmall_ = ShellIconOf(path, true);
}

void WinIconStore::AddFetchedIcon(const std::string& key) {
    int large = fetchedLarge_ ? ImageList_AddIcon(large_, fetchedLarge_) : -1;
    int small = fetchedSmall_ ? ImageList_AddIcon(small_, fetchedSmall_) : -1;
    // Both lists stay in step: an icon missing from one gets an empty place.
    if (large < 0 && small >= 0) ImageList_Remove(small_, small);
    if (small < 0 && large >= 0) ImageList_Remove(large_, large);
    if (large >= 0 && small >= 0) keys_[key] = large;
}

int WinIconStore::IndexOf(const std::string& key) const {
    auto found = keys_.find(key);
    return found == keys_.end() ? -1 : found->second;
}

}  // namespace corvella
