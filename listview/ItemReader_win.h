#pragma once
// Reading what the list shows of one item from the shell and the file
// system. The shell's answers that depend only on a file's extension (its
// display form, type name and, for most types, icon) are asked once per
// extension: on folders of many thousands of files, asking per file costs
// far more than listing the folder.
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <unordered_map>

#include "ItemDetails.h"

namespace panorell {

// The names of items of one folder, for one listing, on one thread.
class NameReader {
public:
    NameReader(IShellFolder* folder, const ITEMIDLIST* folderId) : folder_(folder), folderId_(folderId) {}

    // The file-system path of an item, or "" when it has none.
    std::string PathOf(const ITEMIDLIST* relative, ULONG shellAttributes);
    // The display name and type name, as the shell gives them.
    void ReadNames(const ITEMIDLIST* relative, ULONG shellAttributes, const std::string& path, ItemDetails& details);

private:
    struct ExtensionNames {
        bool showsExtension = true;  // the shell displays the file name whole
        bool regular = false;        // display names follow the file name
        std::string typeName;
    };
    const ExtensionNames& NamesOf(const ITEMIDLIST* relative, const std::string& path);

    IShellFolder* folder_;
    const ITEMIDLIST* folderId_;
    std::unordered_map<std::string, ExtensionNames> byExtension_;
};

// Size, attributes and last-write time of the file at `path`, with the
// Modified text. False (details unchanged) when the file is not there or
// its time cannot be converted.
bool ReadFileDetails(const std::string& path, ItemDetails& details);

// System image indexes, asked once per extension except for the types whose
// files carry icons of their own (programs, icons, shortcuts).
class IconReader {
public:
    // The small-icon index of a file-system item, or of an absolute id when
    // `path` is empty; 0 when the shell has none.
    int IconOf(const std::string& path, bool isFolder, const ITEMIDLIST* absoluteId);

private:
    std::unordered_map<std::string, int> byExtension_;
};

// The overlay image of an item with the shell attributes `attributes`: 2 for
// a link, 1 for a shared item, else 0.
int OverlayOf(ULONG shellAttributes);

}  // namespace panorell
