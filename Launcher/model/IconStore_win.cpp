#include "IconStore_win.h"

#include <shellapi.h>

namespace corvella {

namespace {

// The shell's system image list of large or small icons; the same for the
// whole process.
HIMAGELIST SystemImageList(bool small) {
    auto ask = [](UINT size) {
        SHFILEINFOA info{};
        const UINT flags = SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES | size;
        return reinterpret_cast<HIMAGELIST>(SHGetFileInfoA("x.txt", FILE_ATTRIBUTE_NORMAL, &info, sizeof info, flags));
    };
    static const HIMAGELIST large = ask(SHGFI_LARGEICON), smallList = ask(SHGFI_SMALLICON);
    return small ? smallList : large;
}

}  // namespace

int SystemIconIndex(const std::string& path) {
    SHFILEINFOA info{};
    if (SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX)) return info.iIcon;
    // A path that does not exist: the shell's icon for a file of its kind.
    if (SHGetFileInfoA(path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                       SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES))
        return info.iIcon;
    return -1;
}

HICON ShellIconOf(const std::string& path, bool small) {
    const int index = SystemIconIndex(path);
    HIMAGELIST list = index >= 0 ? SystemImageList(small) : nullptr;
    return list ? ImageList_GetIcon(list, index, ILD_TRANSPARENT) : nullptr;
}

void WinIconStore::ClearIconLists() {
    ImageList_RemoveAll(large_);
    ImageList_RemoveAll(small_);
    keys_.clear();
    systemIndexOfPath_.clear();
    listIndexOfSystemIndex_.clear();
    fetched_ = -1;
    if (onCleared) onCleared();
}

void WinIconStore::FetchIcon(const std::string& path) {
    auto known = systemIndexOfPath_.find(path);
    if (known == systemIndexOfPath_.end()) known = systemIndexOfPath_.emplace(path, SystemIconIndex(path)).first;
    fetched_ = known->second;
}

void WinIconStore::AddFetchedIcon(const std::string& key) {
    const int index = fetched_ >= 0 ? ListIndexOf(fetched_) : -1;
    if (index >= 0) keys_[key] = index;
}

int WinIconStore::ListIndexOf(int systemIndex) {
    if (auto copied = listIndexOfSystemIndex_.find(systemIndex); copied != listIndexOfSystemIndex_.end())
        return copied->second;
    HICON largeIcon = nullptr, smallIcon = nullptr;
    if (HIMAGELIST list = SystemImageList(false)) largeIcon = ImageList_GetIcon(list, systemIndex, ILD_TRANSPARENT);
    if (HIMAGELIST list = SystemImageList(true)) smallIcon = ImageList_GetIcon(list, systemIndex, ILD_TRANSPARENT);
    int large = largeIcon ? ImageList_AddIcon(large_, largeIcon) : -1;
    int small = smallIcon ? ImageList_AddIcon(small_, smallIcon) : -1;
    if (largeIcon) DestroyIcon(largeIcon);
    if (smallIcon) DestroyIcon(smallIcon);
    // Both lists stay in step: an icon missing from one gets no place.
    if (large < 0 && small >= 0) ImageList_Remove(small_, small);
    if (small < 0 && large >= 0) ImageList_Remove(large_, large);
    if (large < 0 || small < 0) return -1;
    listIndexOfSystemIndex_[systemIndex] = large;
    return large;
}

int WinIconStore::IndexOf(const std::string& key) const {
    auto found = keys_.find(key);
    return found == keys_.end() ? -1 : found->second;
}

}  // namespace corvella
