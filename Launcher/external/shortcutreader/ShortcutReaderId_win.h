#pragma once
// How the launcher and the shortcut reader component find each other: the
// component's class identifier, ProgID and the read operation's dispatch
// identifier and name. Shared by the server DLL and its client.
#include <windows.h>

namespace corvella::shortcutreader {

// {487A5A68-343C-4209-9F96-70E56CCF1AC8}
inline constexpr CLSID kClassId = {0x487a5a68, 0x343c, 0x4209, {0x9f, 0x96, 0x70, 0xe5, 0x6c, 0xcf, 0x1a, 0xc8}};
inline constexpr char kClassIdText[] = "{487A5A68-343C-4209-9F96-70E56CCF1AC8}";
inline constexpr char kProgId[] = "Corvella.ShortcutReader";

// ReadShortcut(path, target, workingFolder, arguments, description,
//              iconLocation, hotKey, showCommand): the path by value, the
// seven texts by reference.
inline constexpr DISPID kReadShortcutId = 1;
inline constexpr wchar_t kReadShortcutName[] = L"ReadShortcut";
inline constexpr int kShortcutTextCount = 7;

}  // namespace corvella::shortcutreader
