#pragma once
// Reading what the list shows of one item from the shell and the file
// system. Safe on any thread: the detail filler calls these too.
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "ItemDetails.h"

namespace panorell {

// The shell's display name and type name of an absolute id.
void ReadShellNames(const ITEMIDLIST* absoluteId, ItemDetails& details);

// Size, attributes and last-write time of the file at `path`, with the
// Modified text. False (details unchanged) when the file is not found or
// its time cannot be converted.
bool ReadFileDetails(const std::string& path, ItemDetails& details);

// The system image index of a file-system path, or of an absolute id when
// `path` is empty; 0 when the shell has none.
int SystemIconIndex(const std::string& path, const ITEMIDLIST* absoluteId);

// The overlay image of an item with the shell attributes `attributes`: 2 for
// a link, 1 for a shared item, else 0.
int OverlayOf(ULONG shellAttributes);

}  // namespace panorell
