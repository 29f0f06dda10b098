#pragma once
// The shortcut reader port over the shortcut reader component, created by
// its class identifier for each read (the launcher's thread has OLE started).
#include <windows.h>

#include "LaunchPorts.h"

namespace corvella {

class WinShortcutReader final : public ShortcutReader {
public:
    // The component's class; another one only for tests.
    explicit WinShortcutReader(const CLSID& classId);
    WinShortcutReader();

    // The target and arguments in the ANSI code page; nothing when the
    // component cannot be created or cannot read the file.
    std::optional<ShortcutInfo> Read(const std::string& path) override;

private:
    CLSID classId_;
};

}  // namespace corvella
