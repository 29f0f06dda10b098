#pragma once
// The shell's context menu of the list's selection: built through the
// folder shown, filled with command ids 1 to 0x7FFF, read entry by entry,
// run by id, and released when the object goes.
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace panorell {

class ListWindow;

inline constexpr UINT kFirstMenuCommand = 1;
inline constexpr UINT kLastMenuCommand = 0x7FFF;
// The verb buffer's size, as the shell's browser uses it.
inline constexpr UINT kVerbChars = 40;

class SelectionMenu {
public:
    SelectionMenu() = default;
    ~SelectionMenu();
    SelectionMenu(const SelectionMenu&) = delete;
    SelectionMenu& operator=(const SelectionMenu&) = delete;

    // Builds the menu for the selection, in list order, owned by `owner`.
    // False (and nothing held) when nothing is selected or the shell has no
    // menu for the items.
    bool Build(const ListWindow& list, HWND owner);
    void Release();

    HMENU Menu() const { return menu_; }
    // The second-level interface that fills sub-menus; may be null.
    IContextMenu2* Second() const { return second_; }

    // The command ids of the top-level entries with text, by position.
    std::vector<UINT> Entries() const;
    std::string Text(int position) const;
    // The language-neutral verb of a command; empty for an id outside the
    // menu's range (a sub-menu or separator) or when the shell gives none.
    std::string Verb(UINT id) const;
    // Invokes a command: true when the shell reports success.
    bool Invoke(UINT id) const;

private:
    // Text of the top-level entry at menu position `index`.
    std::string EntryText(int index) const;

    IContextMenu* menu3_ = nullptr;
    IContextMenu2* second_ = nullptr;
    HMENU menu_ = nullptr;
};

}  // namespace panorell
