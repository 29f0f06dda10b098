#include "ItemReader_win.h"

namespace panorell {

void ReadShellNames(const ITEMIDLIST* absoluteId, ItemDetails& details) {
    SHFILEINFOA info{};
    if (!SHGetFileInfoA(reinterpret_cast<const char*>(absoluteId), 0, &info, sizeof info,
                        SHGFI_DISPLAYNAME | SHGFI_TYPENAME | SHGFI_PIDL)) {
        return;
    }
    details.displayName = info.szDisplayName;
    details.typeName = FittedTypeName(info.szTypeName);
}

bool ReadFileDetails(const std::string& path, ItemDetails& details) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);

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

int SystemIconIndex(const std::string& path, const ITEMIDLIST* absoluteId) {
    SHFILEINFOA info{};
    UINT flags = SHGFI_SMALLICON | SHGFI_SYSICONINDEX;
    const char* what = path.c_str();
    if (path.empty()) {
        if (!absoluteId) return 0;
        flags |= SHGFI_PIDL;
        what = reinterpret_cast<const char*>(absoluteId);
    }
    if (!SHGetFileInfoA(what, 0, &info, sizeof info, flags)) return 0;
    return info.iIcon;
}

int OverlayOf(ULONG shellAttributes) {
    if (shellAttributes & SFGAO_LINK) return 2;
    if (shellAttributes & SFGAO_SHARE) return 1;
    return 0;
}

}  // namespace panorell
