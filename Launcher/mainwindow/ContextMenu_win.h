#pragma once
// Shows one of the main window's context menus at the pointer.
#include <windows.h>

#include <optional>

#include "ContextMenus.h"

namespace corvella {

// The window class the platform gives popup menus, for tools and tests.
inline constexpr char kPopupMenuClass[] = "#32768";

// Shows `menu` at the pointer, owned by `owner`, until the user chooses an
// item or dismisses it; the chosen command, or nothing.
std::optional<MenuCommand> TrackContextMenu(HWND owner, ContextMenuName menu);

}  // namespace corvella
