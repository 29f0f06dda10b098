#pragma once
// The platform side of the start procedure: the single-instance guard, the
// installed fonts, the platform version and the file system.
#include <windows.h>

#include "../platform/FileSystem.h"
#include "Startup.h"

namespace corvella {

class WinStartupPlatform final : public StartupPlatform {
public:
    // `mainWindowClass` names the window class the running copy's main window has.
    explicit WinStartupPlatform(const char* mainWindowClass) : mainWindowClass_(mainWindowClass) {}
    ~WinStartupPlatform() override;

    // Held for the life of the process: a second copy finds it taken.
    bool PreviousInstanceRunning() override;
    void ActivatePreviousInstance() override;
    std::vector<std::string> FontFaceNames() override;
    uint32_t PlatformVersion() override;
    void ShowMainWindow() override;
    void CloseMainWindow() override;

    void SetMainWindow(HWND window) { mainWindow_ = window; }

private:
    const char* mainWindowClass_;
    HANDLE instanceMutex_ = nullptr;
    HWND mainWindow_ = nullptr;
};

class WinFileSystem final : public FileSystem {
public:
    std::optional<std::string> Environment(const std::string& name) const override;
    std::vector<std::string> FilesIn(const std::string& folder) const override;
    void RemoveFile(const std::string& path) override;
};

}  // namespace corvella
