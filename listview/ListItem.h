#pragma once
// One item of the list: the shell's id of it, what the list shows of it and
// the marks it carries. The list window holds them in one array (ItemArray)
// in list order; the list-view asks for their texts, icons and states.
#include <cstdint>
#include <string>
#include <string_view>

#include "IdList.h"
#include "ItemDetails.h"

namespace panorell {

// Shell attribute bits the list reads (the shell's own values).
inline constexpr uint32_t kShellAttrLink = 0x10000;
inline constexpr uint32_t kShellAttrShare = 0x20000;
inline constexpr uint32_t kShellAttrFolder = 0x20000000;
inline constexpr uint32_t kShellAttrFileSystem = 0x40000000;

// Where an item's file-system path comes from.
enum class PathForm : uint8_t {
    kNone,      // no path (a virtual item)
    kInFolder,  // the folder's path, a backslash and the item's file name
    kFull,      // `fileName` holds the whole path
};

struct ListItem {
    explicit ListItem(IdAllocator& memory) noexcept : id(memory) {}

    IdListHolder id;           // relative to the folder shown
    ItemDetails details;
    std::string parsingName;   // kept only in My Computer, for its drive order
    std::string fileName;      // kInFolder: the file name when the display name differs; kFull: the path
    uint32_t shellAttributes = 0;
    int icon = 0;
    uint8_t overlay = 0;       // 2 link, 1 share, 0 none
    PathForm pathForm = PathForm::kNone;
    bool textsOnDemand = false;  // Size text by the on-demand rule
    bool iconPending = false;    // shows its type's icon until its own is read
    bool iconQueued = false;     // ... which the filler has been asked for
    bool cut = false;            // shown dimmed (cut to the clipboard)

    bool IsFolder() const noexcept { return (shellAttributes & kShellAttrFolder) != 0; }
    bool HasPath() const noexcept { return pathForm != PathForm::kNone; }
    // The name of the item in its folder's path ("" without a path).
    std::string_view FileName() const noexcept;
    // The item's full path, given the path of the folder shown.
    std::string PathIn(std::string_view folderPath) const;
};

// The overlay image of an item with the shell attributes `attributes`: 2 for
// a link, 1 for a shared item, else 0.
uint8_t OverlayOf(uint32_t shellAttributes) noexcept;

}  // namespace panorell
