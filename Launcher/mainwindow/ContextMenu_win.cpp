#include "ContextMenu_win.h"

namespace corvella {

namespace {

// Menu item identifiers are the entry's position + 1 (0 means "nothing chosen").
HMENU BuildMenu(std::span<const MenuEntry> entries) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    UINT id = 0;
    for (const MenuEntry& entry : entries) {
        ++id;
        if (entry.command)
            AppendMenuA(menu, MF_STRING, id, entry.caption);
        else
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    }
    return menu;
}

}  // namespace

std::optional<MenuCommand> TrackContextMenu(HWND owner, ContextMenuName name) {
    const std::span<const MenuEntry> entries = MenuEntries(name);
    HMENU menu = BuildMenu(entries);
    if (!menu) return std::nullopt;
    POINT at{};
    GetCursorPos(&at);
    const UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY;
    const auto chosen = static_cast<UINT>(TrackPopupMenu(menu, flags, at.x, at.y, 0, owner, nullptr));
    DestroyMenu(menu);
    // Lets the owner see the pointer's next click as its own.
    PostMessageA(owner, WM_NULL, 0, 0);
    if (chosen == 0 || chosen > entries.size()) return std::nullopt;
    return entries[chosen - 1].command;
}

}  // namespace corvella
