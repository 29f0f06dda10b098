#include "ItemReader_win.h"

#include "ShellText_win.h"
#include "TextFold.h"
#include "Wildcard.h"

namespace panorell {

namespace {

// The extension of a file name with its dot, folded to lower case ("" when none).
std::string ExtensionOf(const std::string& path) {
    std::string_view name = NameOfPath(path);
    size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return {};
    std::string extension(name.substr(dot));
    for (char& c : extension) c = FoldByte(c);
    return extension;
}

std::string TypeNameByPidl(const ITEMIDLIST* absoluteId, std::string* displayName) {
    SHFILEINFOA info{};
    UINT flags = SHGFI_TYPENAME | SHGFI_PIDL | (displayName ? SHGFI_DISPLAYNAME : 0);
    if (!absoluteId || !SHGetFileInfoA(reinterpret_cast<const char*>(absoluteId), 0, &info, sizeof info, flags)) return {};
    if (displayName) *displayName = info.szDisplayName;
    return info.szTypeName;
}

}  // namespace

std::string NameReader::PathOf(const ITEMIDLIST* relative, ULONG shellAttributes) {
    if (!(shellAttributes & SFGAO_FILESYSTEM)) return {};
    std::string path = DisplayNameOf(folder_, relative, SHGDN_FORPARSING);
    // A file-system path is a drive path or a network path.
    bool looksLikePath = (path.size() >= 3 && path[1] == ':' && path[2] == '\\') || path.rfind("\\\\", 0) == 0;
    return looksLikePath ? path : std::string();
}

const NameReader::ExtensionNames& NameReader::NamesOf(const ITEMIDLIST* relative, const std::string& path) {
    std::string extension = ExtensionOf(path);
    auto found = byExtension_.find(extension);
    if (found != byExtension_.end()) return found->second;
    ExtensionNames names;
    std::string shown = DisplayNameOf(folder_, relative, SHGDN_INFOLDER);
    std::string file(NameOfPath(path));
    if (shown == file) {
        names.regular = true;
    } else if (!extension.empty() && shown.size() + extension.size() == file.size() &&
               file.compare(0, shown.size(), shown) == 0) {
        names.regular = true;
        names.showsExtension = false;
    }
    // The type name of the first file of an extension stands for all of them.
    IdHolder absolute(JoinIds(folderId_, relative));
    names.typeName = FittedTypeName(TypeNameByPidl(absolute.get(), nullptr));
    return byExtension_.emplace(extension, std::move(names)).first->second;
}

void NameReader::ReadNames(const ITEMIDLIST* relative, ULONG shellAttributes, const std::string& path,
                           ItemDetails& details) {
    bool isFolder = (shellAttributes & SFGAO_FOLDER) != 0;
    if (path.empty() || isFolder) {
        // Folders and virtual items have names and types of their own.
        IdHolder absolute(JoinIds(folderId_, relative));
        std::string displayName;
        details.typeName = FittedTypeName(TypeNameByPidl(absolute.get(), &displayName));
        details.displayName = displayName.empty() ? DisplayNameOf(folder_, relative, SHGDN_INFOLDER) : displayName;
        return;
    }
    const ExtensionNames& names = NamesOf(relative, path);
    details.typeName = names.typeName;
    if (!names.regular) {
        details.displayName = DisplayNameOf(folder_, relative, SHGDN_INFOLDER);
        return;
    }
    std::string file(NameOfPath(path));
    if (!names.showsExtension) file.resize(file.size() - ExtensionOf(path).size());
    details.displayName = std::move(file);
}

bool ReadFileDetails(const std::string& path, ItemDetails& details) {
    // The attribute query goes straight to the file; a search by name would
    // read the whole folder each time.
    WIN32_FILE_ATTRIBUTE_DATA found;
    if (path.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &found)) return false;
    FILETIME local;
    SYSTEMTIME time;
    if (!FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &time)) {
        return false;
    }
    details.sizeKb = KilobytesOf(found.nFileSizeHigh, found.nFileSizeLow);
    details.fileAttributes = found.dwFileAttributes;
    details.modified = LocalTime{time.wYear, time.wMonth, time.wDayOfWeek, time.wDay,
                                 time.wHour, time.wMinute, time.wSecond, time.wMilliseconds};
    char date[64] = "", clock[64] = "";
    GetDateFormatA(LOCALE_SYSTEM_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_SYSTEM_DEFAULT, TIME_NOSECONDS, &time, nullptr, clock, sizeof clock);
    details.modifiedText = ModifiedText(date, clock);
    return true;
}

int IconReader::IconOf(const std::string& path, bool isFolder, const ITEMIDLIST* absoluteId) {
    SHFILEINFOA info{};
    constexpr UINT kFlags = SHGFI_SMALLICON | SHGFI_SYSICONINDEX;
    if (path.empty()) {
        if (!absoluteId) return 0;
        return SHGetFileInfoA(reinterpret_cast<const char*>(absoluteId), 0, &info, sizeof info, kFlags | SHGFI_PIDL)
                   ? info.iIcon
                   : 0;
    }
    std::string extension = ExtensionOf(path);
    static const char* const kOwnIcons[] = {".exe", ".ico", ".lnk", ".cur", ".ani", ".scr", ".cpl", ".url", ".pif"};
    bool ownIcon = isFolder;  // a folder may carry its own icon
    for (const char* own : kOwnIcons) ownIcon = ownIcon || extension == own;
    if (ownIcon) return SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, kFlags) ? info.iIcon : 0;

    auto found = byExtension_.find(extension);
    if (found != byExtension_.end()) return found->second;
    std::string sample = "x" + extension;
    int icon = SHGetFileInfoA(sample.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                              kFlags | SHGFI_USEFILEATTRIBUTES)
                   ? info.iIcon
                   : 0;
    byExtension_.emplace(extension, icon);
    return icon;
}

int OverlayOf(ULONG shellAttributes) {
    if (shellAttributes & SFGAO_LINK) return 2;
    if (shellAttributes & SFGAO_SHARE) return 1;
    return 0;
}

}  // namespace panorell
