#pragma once
// A folder of the shell namespace as the list holds it: the folder that
// contains it, its id relative to that folder and from the desktop, and its
// shell attributes. The records of the six namespaces and of their parents
// are made here too.
#include <windows.h>
#include <shlobj.h>

#include <memory>
#include <string>

namespace panorell {

// The shell's folder attribute bit; records made for navigation carry it.
inline constexpr ULONG kShellFolderBit = 0x20000000;

struct FolderRecord {
    IShellFolder* parentFolder = nullptr;  // one reference held
    ITEMIDLIST* relativeId = nullptr;      // own copy
    ITEMIDLIST* absoluteId = nullptr;      // own copy; empty for the desktop
    ULONG attributes = 0;
    bool isRoot = false;                   // the desktop itself

    FolderRecord() = default;
    ~FolderRecord();
    FolderRecord(const FolderRecord&) = delete;
    FolderRecord& operator=(const FolderRecord&) = delete;
};
using FolderRecordPtr = std::unique_ptr<FolderRecord>;

// The namespaces a list can be moved to by number, and the fonts folder,
// which is reached only by browsing.
enum NameSpace : int {
    kDesktop = 0,
    kMyComputer = 1,
    kControls = 2,
    kPrinters = 3,
    kNetwork = 4,
    kRecycleBin = 5,
    kFonts = 6,
    kNotSpecial = -1,
};

// The record of an absolute id (copied); null when its parent cannot be bound.
FolderRecordPtr RecordFromAbsoluteId(const ITEMIDLIST* absoluteId, ULONG attributes);
// The record of a path that names a folder; null for anything else.
FolderRecordPtr RecordFromPath(const std::string& path);
// The record of namespace 0 to 6; null when it cannot be located.
FolderRecordPtr RecordForNameSpace(int nameSpace);
// The record of the folder that contains `record`; null for the desktop.
FolderRecordPtr ParentRecord(const FolderRecord& record);
// An independent copy (own reference, own ids).
FolderRecordPtr CopyRecord(const FolderRecord& record);

// The namespace an absolute id is, or kNotSpecial.
int NameSpaceOf(const ITEMIDLIST* absoluteId);

// True when the desktop folder says two absolute ids name the same item.
bool SameItem(IShellFolder* folder, const ITEMIDLIST* a, const ITEMIDLIST* b);

}  // namespace panorell
