// The settings file under the platform's profile functions: the whole start-up
// load, and one read and one write as the file grows. Every figure is also
// given as a ratio to one read from a 10-key file, measured in the same run.
#include <windows.h>

#include <cstdio>
#include <string>

#include "Timing_win.h"
#include "platform/Desktop_win.h"
#include "platform/Profile_win.h"
#include "settings/SettingsFile.h"

namespace {

using namespace corvella;

class NoWindow final : public MainWindowPort {
public:
    Placement CurrentPlacement() const override { return p_; }
    int32_t FrameHeight() const override { return -1; }
    int32_t FrameWidth() const override { return -1; }
    void SetLeft(int32_t t) override { p_.left = t; }
    void SetTop(int32_t t) override { p_.top = t; }
    void SetWidth(int32_t t) override { p_.width = t; }
    void SetHeight(int32_t t) override { p_.height = t; }
    void SetPlacement(const Placement& p) override { p_ = p; }
    void SetBackColor(int32_t) override {}
    void SetTopMost(bool) override {}
    bool IsMinimised() const override { return false; }
    std::string Title() const override { return {}; }
    void SetTitle(const std::string&) override {}

private:
    Placement p_;
};

class QuietEvents final : public EventLoop {
public:
    void LetPendingEventsRun() override {}
    void SleepMs(int) override {}
};

class Silence final : public SoundPlayer {
public:
    void PlayAsync(const std::string&) override {}
};

std::string TempFile(const char* name) {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    return std::string(base) + name;
}

// A settings file of `keys` keys in [Options] (the default file has about 60).
void MakeFile(const std::string& path, int keys) {
    DeleteFileA(path.c_str());
    std::string text = "[Options]\r\n";
    for (int i = 0; i < keys; ++i) text += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

int main() {
    const std::string path = TempFile("corvella-bench.ini");
    std::printf("%-44s %12s %10s\n", "what", "us/call", "ratio");

    MakeFile(path, 10);
    WinProfile baselineProfile(path);
    const double baseline = bench::MicrosecondsPerCall(
        [&] { baselineProfile.Read("Options", "Key5", "", 128); }, 200);
    std::printf("%-44s %12.1f %10.2f\n", "baseline: one read, 10-key file", baseline, 1.0);

    for (int keys : {10, 100, 1000}) {
        MakeFile(path, keys);
        WinProfile profile(path);
        std::string last = "Key" + std::to_string(keys - 1);
        double read = bench::MicrosecondsPerCall([&] { profile.Read("Options", last, "", 128); }, 100);
        int n = 0;
        double write = bench::MicrosecondsPerCall(
            [&] { profile.Write("Options", last, std::to_string(++n)); }, 50);
        std::printf("%-44s %12.1f %10.2f\n", ("read last key, " + std::to_string(keys) + " keys").c_str(),
                    read, read / baseline);
        std::printf("%-44s %12.1f %10.2f\n", ("write last key, " + std::to_string(keys) + " keys").c_str(),
                    write, write / baseline);
    }

    // LoadSettings on the file a first run leaves behind.
    DeleteFileA(path.c_str());
    WinProfile profile(path);
    NoWindow window;
    WinScreen screen;
    QuietEvents events;
    Silence silence;
    NoHotKeyReceiver hotKey;
    SettingsLinks links;
    Settings settings;
    CuePlayer cues(silence, "C:\\", settings.EnableSound);
    int16_t startupFlag = 1;
    SettingsDeps deps{profile, window, screen, events, cues, hotKey, links, startupFlag};
    SaveSettings(settings, deps);
    SaveSwitches(settings, deps);
    SaveButtonSizes(settings, deps);
    SaveLooksAndSections(settings, deps);
    double load = bench::MicrosecondsPerCall([&] { LoadSettings(settings, deps); }, 20);
    std::printf("%-44s %12.1f %10.2f\n", "LoadSettings, first-run file", load, load / baseline);
    DeleteFileA(path.c_str());
    return 0;
}
