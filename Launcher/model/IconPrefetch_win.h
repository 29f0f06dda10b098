#pragma once
// Looks up the icons of the first section's buttons on a thread of its own
// while the main window is being made. The shell keeps the icons it has found
// for the whole process, so the window's own look-ups, later in the start,
// find them ready instead of reading each program file then.
#include <atomic>
#include <string>
#include <thread>

namespace corvella {

class IconPrefetch {
public:
    IconPrefetch(std::string settingsPath, std::string programFolder);
    // Stops after the icon in hand and waits for the thread.
    ~IconPrefetch();
    IconPrefetch(const IconPrefetch&) = delete;
    IconPrefetch& operator=(const IconPrefetch&) = delete;

private:
    void Run();

    const std::string settingsPath_;
    const std::string programFolder_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace corvella
