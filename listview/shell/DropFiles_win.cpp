#include "DropFiles_win.h"

#include <shellapi.h>
#include <shlobj.h>

#include "../ShellText_win.h"
#include "DropTexts.h"

namespace panorell {

namespace {

bool HasLinkExtension(const std::string& path) {
    return path.size() > 4 && lstrcmpiA(path.c_str() + path.size() - 4, ".lnk") == 0;
}

// The shell link object, loaded from `file` when one is given.
bool OpenLink(ComRef<IShellLinkA>& link, ComRef<IPersistFile>& file) {
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(link.out()))))
        return false;
    return SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.out())));
}

bool MakeShortcut(const std::string& target, const std::string& folder) {
    ComRef<IShellLinkA> link;
    ComRef<IPersistFile> file;
    if (!OpenLink(link, file)) return false;
    const std::string description = ShortcutDescriptionFor(target);
    const std::wstring where = WideFromAnsi(ShortcutFileFor(folder, target));
    return SUCCEEDED(link->SetPath(target.c_str())) && SUCCEEDED(link->SetDescription(description.c_str())) &&
           SUCCEEDED(file->Save(where.c_str(), TRUE));
}

}  // namespace

bool DiskForDrops::Exists(const std::string& path) {
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool DiskForDrops::IsFolder(const std::string& path) {
    const DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::string> DiskForDrops::ShortcutFolder(const std::string& path) {
    if (!HasLinkExtension(path)) return std::nullopt;
    ComRef<IShellLinkA> link;
    ComRef<IPersistFile> file;
    if (!OpenLink(link, file) || FAILED(file->Load(WideFromAnsi(path).c_str(), STGM_READ))) return std::nullopt;
    char target[MAX_PATH] = {};
    // No resolving: a drag must not wait for the shell to search for a
    // moved target or to reach a server.
    if (FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) || target[0] == '\0') return std::nullopt;
    if (!IsFolder(target)) return std::nullopt;
    return std::string(target);
}

bool RunDropOperation(HWND owner, DropOperation operation, const std::vector<std::string>& paths,
                      const std::string& folder) {
    const std::string from = DoubleNulList(paths);
    const std::string to = DoubleNulList({folder});
    if (from.size() < 2) return true;  // nothing to do is no failure
    SHFILEOPSTRUCTA op{};
    op.hwnd = owner;
    op.wFunc = operation == DropOperation::Move ? FO_MOVE : operation == DropOperation::Copy ? FO_COPY : FO_DELETE;
    op.pFrom = from.c_str();
    op.pTo = operation == DropOperation::Recycle ? nullptr : to.c_str();
    op.fFlags = FOF_ALLOWUNDO;
    return SHFileOperationA(&op) == 0;
}

bool MakeShortcuts(const std::vector<std::string>& paths, const std::string& folder) {
    bool all = true;
    for (const std::string& path : paths) all = MakeShortcut(path, folder) && all;
    return all;
}

}  // namespace panorell
