#pragma once
// The main window's two icon lists, filled with the shell's icons of paths
// through the system image lists.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>

#include "IconStore.h"

namespace corvella {

class WinIconStore final : public IconStore {
public:
    // `large` and `small` are the main window's lists (32- and 16-pixel icons).
    WinIconStore(HIMAGELIST large, HIMAGELIST small) : large_(large), small_(small) {}
    ~WinIconStore() override;

    void ClearIconLists() override;
    void FetchIcon(const std::string& path) override;
    void AddFetchedIcon(const std::string& key) override;

    // The index of a key's icon in both lists, or -1.
    int IndexOf(const std::string& key) const;
    // The icons last fetched (owned by the store).
    HICON FetchedLarge() const { return fetchedLarge_; }
    HICON FetchedSmall() const { return fetchedSmall_; }

private:
    void ReleaseFetched();

    HIMAGELIST large_, small_;
    HICON fetchedLarge_ = nullptr, fetchedSmall_ = nullptr;
    std::map<std::string, int> keys_;
};

// The shell's icon of `path` (a file, folder, shortcut or a path the shell
// does not find, which gets the shell's generic icon); the caller frees it.
HICON ShellIconOf(const std::string& path, bool small);

}  // namespace corvella
