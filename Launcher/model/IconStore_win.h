#pragma once
// The main window's two icon lists, filled with the shell's icons of paths
// through the system image lists.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <string>

#include "IconStore.h"

namespace corvella {

// Each icon is copied into the lists once: buttons whose paths show the same
// shell icon (every document of a kind, every folder, the same program
// twice) share one place, and a path is looked up in the shell once. The
// shell's look-up and the copy cost several milliseconds each, a large part
// of the start-up with many buttons.
class WinIconStore final : public IconStore {
public:
    // `large` and `small` are the main window's lists (32- and 16-pixel icons).
    WinIconStore(HIMAGELIST large, HIMAGELIST small) : large_(large), small_(small) {}

    // Also forgets what was looked up, so that icons changed on disk since
    // are fetched anew.
    void ClearIconLists() override;
    void FetchIcon(const std::string& path) override;
    void AddFetchedIcon(const std::string& key) override;

    // The index of a key's icon in both lists, or -1.
    int IndexOf(const std::string& key) const;

    // Told when the lists were emptied: their positions now hold other icons.
    std::function<void()> onCleared;

private:
    // The place in both lists of the system image list's icon `systemIndex`,
    // copied there now if it is not yet; -1 when it cannot be had.
    int ListIndexOf(int systemIndex);

    HIMAGELIST large_, small_;
    // The system image list's index of the icon last fetched, -1 for none.
    int fetched_ = -1;
    std::map<std::string, int> systemIndexOfPath_;
    std::map<int, int> listIndexOfSystemIndex_;
    std::map<std::string, int> keys_;
};

// The index in the shell's system image lists (the large and the small list
// share their indices) of the icon of `path`: a file, folder, shortcut, or a
// path the shell does not find, which gets the shell's icon for a file of its
// kind. -1 when the shell gives none.
int SystemIconIndex(const std::string& path);

// The shell's icon of `path`; the caller frees it.
HICON ShellIconOf(const std::string& path, bool small);

}  // namespace corvella
