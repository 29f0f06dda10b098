#pragma once
// The shell port over the real shell: ShellExecute, CreateProcess, the short
// path and attribute functions, sound and the shell's file copy.
#include <windows.h>

#include <functional>

#include "LaunchPorts.h"

namespace corvella {

class WinShell final : public Shell {
public:
    // `ownerWindow` gives the main window when a copy starts: the owner of
    // the shell's progress and confirmation dialogs.
    explicit WinShell(std::function<HWND()> ownerWindow);

    bool Open(const std::string& file, const std::string& parameters, const std::string& directory) override;
    void StartCommand(const std::string& commandLine) override;
    void PlaySound(const std::string& path) override;
    std::string ShortPath(const std::string& path) override;
    bool IsFolder(const std::string& path) override;
    CopyResult CopyInto(const std::string& sources, const std::string& folderWithBackslash) override;

private:
    std::function<HWND()> ownerWindow_;
};

}  // namespace corvella
