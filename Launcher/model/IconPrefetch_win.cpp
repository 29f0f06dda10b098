#include "IconPrefetch_win.h"

#include <objbase.h>

#include "FirstIcons.h"
#include "IconStore_win.h"
#include "platform/SettingsStore_win.h"

namespace corvella {

IconPrefetch::IconPrefetch(std::string settingsPath, std::string programFolder)
    : settingsPath_(std::move(settingsPath)), programFolder_(std::move(programFolder)) {
    try {
        thread_ = std::thread([this] { Run(); });
    } catch (...) {
        // Without the thread the window looks its icons up itself.
    }
}

IconPrefetch::~IconPrefetch() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

void IconPrefetch::Run() {
    try {
        WinSettingsStore file(settingsPath_);
        FileStamp stamp;
        const std::optional<std::string> text = file.ReadAll(stamp);
        if (!text) return;
        const std::vector<std::string> sources = FirstSectionIconSources(IniDocument(*text), programFolder_);
        // The shell's look-ups want COM on the calling thread.
        const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        for (const std::string& source : sources) {
            if (stop_) break;
            SystemIconIndex(source);
        }
        if (com) CoUninitialize();
    } catch (...) {
        // A warm-up only: whatever fails here, the window's own look-ups do again.
    }
}

}  // namespace corvella
