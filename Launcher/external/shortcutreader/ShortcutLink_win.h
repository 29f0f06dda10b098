#pragma once
// Reading a shortcut (.lnk) file through the shell's own link object.
#include <windows.h>

#include <array>
#include <string>

#include "ShortcutReaderId_win.h"

namespace corvella::shortcutreader {

// In the order of the read operation's parameters: target path, working
// folder, arguments, description, icon location ("file,index"), hot key
// (the shell's key code in decimal: virtual key in the low byte, modifier
// flags in the high byte) and show command (decimal).
using ShortcutTexts = std::array<std::wstring, kShortcutTextCount>;

// S_OK and the texts, or the failure of the step that went wrong (the file
// missing, not a shortcut, no shell link object). Never resolves the link,
// so a moved target never brings up a search or a dialog.
[[nodiscard]] HRESULT ReadShortcutTexts(const wchar_t* path, ShortcutTexts& texts) noexcept;

}  // namespace corvella::shortcutreader
