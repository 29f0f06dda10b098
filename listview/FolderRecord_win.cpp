#include "FolderRecord_win.h"

#include <array>
#include <iterator>

#include "ShellText_win.h"

namespace panorell {

FolderRecord::~FolderRecord() {
    if (parentFolder) parentFolder->Release();
    FreeId(relativeId);
    FreeId(absoluteId);
}

namespace {

IShellFolder* Desktop() {
    IShellFolder* desktop = nullptr;
    return SUCCEEDED(SHGetDesktopFolder(&desktop)) ? desktop : nullptr;
}

// A record over `folder` (the reference passes to it) and two ids (copied).
FolderRecordPtr MakeRecord(IShellFolder* folder, const ITEMIDLIST* relative, const ITEMIDLIST* absolute,
                           ULONG attributes, bool isRoot) {
    auto record = std::make_unique<FolderRecord>();
    record->parentFolder = folder;
    record->relativeId = CopyId(relative);
    record->absoluteId = CopyId(absolute);
    record->attributes = attributes;
    record->isRoot = isRoot;
    if (!folder || !record->relativeId || !record->absoluteId) return nullptr;
    return record;
}

IShellFolder* BindFromDesktop(IShellFolder* desktop, const ITEMIDLIST* id) {
    IShellFolder* folder = nullptr;
    if (FAILED(desktop->BindToObject(id, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&folder)))) {
        return nullptr;
    }
    return folder;
}

// The platform's special-folder identifiers, by namespace value.
constexpr int kSpecialFolders[] = {CSIDL_DESKTOP, CSIDL_DRIVES, CSIDL_CONTROLS, CSIDL_PRINTERS,
                                   CSIDL_NETWORK, CSIDL_BITBUCKET, CSIDL_FONTS};
// The order in which a folder is tested against them.
constexpr int kSpecialTestOrder[] = {kRecycleBin, kControls, kDesktop, kMyComputer, kNetwork, kPrinters, kFonts};

}  // namespace

FolderRecordPtr RecordFromAbsoluteId(const ITEMIDLIST* absoluteId, ULONG attributes) {
    ComRef<IShellFolder> desktop(Desktop());
    if (!desktop.get() || !absoluteId) return nullptr;
    if (IdListIsEmpty(Bytes(absoluteId))) return MakeRecord(desktop.release(), absoluteId, absoluteId, attributes, true);

    uint8_t *parentBytes, *lastBytes;
    if (!SplitIdList(Bytes(absoluteId), ShellAllocator(), &parentBytes, &lastBytes)) return nullptr;
    IdHolder parent(AsId(parentBytes)), last(AsId(lastBytes));
    if (IdListIsEmpty(parentBytes)) return MakeRecord(desktop.release(), last.get(), last.get(), attributes, false);
    IShellFolder* folder = BindFromDesktop(desktop.get(), parent.get());
    if (!folder) return nullptr;
    return MakeRecord(folder, last.get(), absoluteId, attributes, false);
}

FolderRecordPtr RecordFromPath(const std::string& path) {
    ComRef<IShellFolder> desktop(Desktop());
    if (!desktop.get() || path.empty()) return nullptr;
    std::wstring wide = WideFromAnsi(path);
    IdHolder id;
    ULONG eaten = 0;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, wide.data(), &eaten, id.out(), nullptr)) || !id.get()) {
        return nullptr;
    }
    ULONG attributes = kShellFolderBit;
    const ITEMIDLIST* ids[] = {id.get()};
    if (FAILED(desktop->GetAttributesOf(1, ids, &attributes)) || !(attributes & kShellFolderBit)) return nullptr;
    return RecordFromAbsoluteId(id.get(), attributes);
}

FolderRecordPtr RecordForNameSpace(int nameSpace) {
    if (nameSpace < 0 || nameSpace >= static_cast<int>(std::size(kSpecialFolders))) return nullptr;
    IdHolder id;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, kSpecialFolders[nameSpace], id.out())) || !id.get()) {
        return nullptr;
    }
    return RecordFromAbsoluteId(id.get(), kShellFolderBit);
}

FolderRecordPtr ParentRecord(const FolderRecord& record) {
    ComRef<IShellFolder> desktop(Desktop());
    if (!desktop.get() || !record.absoluteId || IdListIsEmpty(Bytes(record.absoluteId))) return nullptr;
    uint8_t *parentBytes, *lastBytes;
    if (!SplitIdList(Bytes(record.absoluteId), ShellAllocator(), &parentBytes, &lastBytes)) return nullptr;
    IdHolder parent(AsId(parentBytes)), last(AsId(lastBytes));
    if (IdListIsEmpty(parentBytes)) return MakeRecord(desktop.release(), parent.get(), parent.get(), kShellFolderBit, true);

    uint8_t *grandBytes, *ownLastBytes;
    if (!SplitIdList(parentBytes, ShellAllocator(), &grandBytes, &ownLastBytes)) return nullptr;
    IdHolder grand(AsId(grandBytes)), ownLast(AsId(ownLastBytes));
    if (IdListIsEmpty(grandBytes)) {
        return MakeRecord(desktop.release(), ownLast.get(), parent.get(), kShellFolderBit, false);
    }
    IShellFolder* folder = BindFromDesktop(desktop.get(), grand.get());
    if (!folder) return nullptr;
    return MakeRecord(folder, ownLast.get(), parent.get(), kShellFolderBit, false);
}

FolderRecordPtr CopyRecord(const FolderRecord& record) {
    if (!record.parentFolder) return nullptr;
    record.parentFolder->AddRef();
    return MakeRecord(record.parentFolder, record.relativeId, record.absoluteId, record.attributes, record.isRoot);
}

bool SameItem(IShellFolder* folder, const ITEMIDLIST* a, const ITEMIDLIST* b) {
    if (!folder || !a || !b) return false;
    HRESULT hr = folder->CompareIDs(0, a, b);
    return SUCCEEDED(hr) && static_cast<short>(HRESULT_CODE(hr)) == 0;
}

namespace {

// The special folders' ids, asked of the shell once per process: an ask may
// read the registry and the disk, and every listing tests its folder
// against them all. Null where the shell has none. Never freed: they live
// as long as the process.
const ITEMIDLIST* SpecialId(int nameSpace) {
    static const std::array<ITEMIDLIST*, std::size(kSpecialFolders)> ids = [] {
        std::array<ITEMIDLIST*, std::size(kSpecialFolders)> made{};
        for (size_t i = 0; i < made.size(); ++i) {
            if (FAILED(SHGetSpecialFolderLocation(nullptr, kSpecialFolders[i], &made[i]))) made[i] = nullptr;
        }
        return made;
    }();
    return ids[static_cast<size_t>(nameSpace)];
}

}  // namespace

int NameSpaceOf(const ITEMIDLIST* absoluteId) {
    ComRef<IShellFolder> desktop(Desktop());
    if (!desktop.get() || !absoluteId) return kNotSpecial;
    for (int nameSpace : kSpecialTestOrder) {
        const ITEMIDLIST* special = SpecialId(nameSpace);
        if (!special) continue;
        // The desktop's comparison may look at the first levels only (a
        // printers id starts with My Computer's), so the depths must agree.
        if (IdListItemCount(Bytes(absoluteId)) != IdListItemCount(Bytes(special))) continue;
        if (SameItem(desktop.get(), absoluteId, special)) return nameSpace;
    }
    return kNotSpecial;
}

}  // namespace panorell
