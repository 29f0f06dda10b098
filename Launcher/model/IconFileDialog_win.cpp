#include "IconFileDialog_win.h"

#include <commdlg.h>

#include "../platform/SystemLibrary_win.h"

namespace corvella {

std::string ChooseIconFile(HWND owner) {
    char path[MAX_PATH * 4] = {};
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = "Icons and programs (*.ico;*.exe;*.dll)\0*.ico;*.exe;*.dll\0All files (*.*)\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrTitle = "Choose Different Icon";
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    using Open = BOOL(WINAPI*)(OPENFILENAMEA*);
    const auto open = SystemFunctionOf<Open>("comdlg32.dll", "GetOpenFileNameA");
    return open && open(&dialog) ? std::string(path) : std::string();
}

}  // namespace corvella
