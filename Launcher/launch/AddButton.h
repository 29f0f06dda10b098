#pragma once
// Turning one dropped path into a button record. A dropped shortcut is copied
// into the program folder, so the button keeps working after the user
// deletes the shortcut he dropped; anything else is kept by its short path.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "../platform/Dialogs.h"
#include "../platform/FileStreams.h"
#include "../platform/Profile.h"
#include "LaunchPorts.h"

namespace corvella {

struct AddButtonDeps {
    Profile& profile;
    Shell& shell;
    FileStreams& files;
    Dialogs& dialogs;
    std::string programFolder;
};

// Copies the file at `path` into the program folder under its own file name
// (replacing a copy of that name) and returns that name. A file that already
// lies there is kept as it is. Nothing when the copy could not be made.
std::optional<std::string> CopyShortcutToProgramFolder(const std::string& path, const AddButtonDeps& deps);

// The caption of a dropped path: its last name without a shortcut extension
// and without trailing control characters; a drive root keeps its whole path.
std::string DroppedCaption(std::string_view path);

// Appends the record of a button for `path` in section `section` (1-based)
// under Button<gButtonCount + 1> and counts it. The in-memory table is left
// to the caller to reload. A path whose target cannot be made (a failed copy,
// no short path) gets no record and a message naming it; false then.
bool AddButton(int16_t& gButtonCount, const std::string& path, int16_t section, const AddButtonDeps& deps);

}  // namespace corvella
