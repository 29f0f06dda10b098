#pragma once
// Reading enumerated ids into list items. Per item: one attribute query and
// the file's name, size, attributes and time from the id itself (the folder
// is already bound, so nothing touches the disk again). Per type, once per
// listing: the display form of names, the type name and the default icon.
// Icons of their own (programs, shortcuts, icons, customised folders, virtual
// items) are left pending for the detail filler.
#include <windows.h>
#include <shlobj.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "ItemFilter.h"
#include "ListItem.h"

namespace panorell {

// The id of an item, as the shell takes it.
inline const ITEMIDLIST* Id(const ListItem& item) { return reinterpret_cast<const ITEMIDLIST*>(item.id.get()); }

// The per-type answers of the shell for the folder shown. Type names are
// kept here once and the items point at them, so the cache lives as long as
// the items do (it is cleared with them).
class TypeCache {
public:
    struct Type {
        bool regular = false;        // display names follow the file name
        bool showsExtension = true;  // ... whole, or without the extension
        bool ownIcons = false;       // each file of the type has its own icon
        std::string_view typeName;
        int icon = 0;
    };
    void Clear();
    std::string_view Intern(std::string text);
    // Null until Remember.
    Type* Find(const std::string& key);
    Type& Remember(const std::string& key, Type type);

private:
    std::unordered_set<std::string> texts_;
    std::unordered_map<std::string, Type> byKey_;
};

class ItemReader {
public:
    // `folderPath` is the folder's file-system path ("" for a virtual one).
    ItemReader(IShellFolder* folder, const ITEMIDLIST* folderId, const std::string& folderPath, int nameSpace,
               TypeCache& types)
        : folder_(folder), folderId_(folderId), folderPath_(folderPath), nameSpace_(nameSpace), types_(types) {}

    // The first step, enough for the filters: attributes, path, size,
    // attributes and time. Takes the id.
    std::unique_ptr<ListItem> Probe(ITEMIDLIST* id);
    // What the filters see of a probed item.
    static FilterItem FilterView(const ListItem& item);
    // The second step, for items that pass: display name, type name, icon.
    void Complete(ListItem& item);

private:
    bool InFolderForm() const;
    std::string PathOf(const ITEMIDLIST* relative, ULONG shellAttributes) const;
    void CompleteFile(ListItem& item);
    void CompleteFolder(ListItem& item);
    void CompleteByShell(ListItem& item);
    const TypeCache::Type& TypeOfFile(const ListItem& item, const std::string& extension);

    IShellFolder* folder_;
    const ITEMIDLIST* folderId_;
    const std::string& folderPath_;
    int nameSpace_;
    TypeCache& types_;
};

// Calls `take` with each id `items` gives, in order; `take` owns the id.
void ForEachId(IEnumIDList* items, const std::function<void(ITEMIDLIST*)>& take);

// Size, attributes and last-write time of the file at `path`. False
// (details unchanged) when the file is not there or its time cannot be
// converted.
bool ReadFileDetails(const std::string& path, ItemDetails& details);

// The Modified text of a time ("" for a time never read).
std::string ModifiedTextOf(const LocalTime& time);

// The small-icon index of one item: of the file at `path`, or of the
// absolute id when `path` is empty; 0 when the shell has none.
int InstanceIconOf(const std::string& path, const ITEMIDLIST* absoluteId);

}  // namespace panorell
