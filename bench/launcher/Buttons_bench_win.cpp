// LoadButtons and SaveAllButtons on a real file of 100, 1,000 and 5,000
// records, through the launcher's profile and through the platform's profile
// functions. Each is timed once per size; the ratio column compares the time
// per record with that of the 100-record file, so 1.0 everywhere is linear.
#include <windows.h>

#include <cstdio>
#include <string>

#include "Timing_win.h"
#include "mainwindow/WindowControls.h"
#include "model/Model.h"
#include "platform/IniFileProfile.h"
#include "platform/Profile_win.h"
#include "platform/SettingsStore_win.h"
#include "fakes/SilentModelPorts.h"
#include "settings/Startup_win.h"

namespace {

using namespace corvella;
using testing::NoControls;
using testing::NoDialogs;
using testing::NoIcons;

void MakeFile(const std::string& path, int records) {
    std::string text = "[Options]\r\nSection1Name=One\r\n[Buttons]\r\n";
    for (int n = 1; n <= records; ++n)
        text += "Button" + std::to_string(n) + "=C:\\PROGRA~1\\APP" + std::to_string(n) + "\\APP.EXE\xFF" "1\xFF" "Tool tip " +
                std::to_string(n) + "\xFF" "Text\xFF\r\n";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

double Seconds(const std::function<void()>& work) { return bench::MicrosecondsPerCall(work, 1, 1) / 1e6; }

// Times LoadButtons and SaveAllButtons through `profile` at each size; the
// ratio column compares the time per record with that of the first size.
bool Run(const char* name, Profile& profile, const std::string& path, const std::string& folder,
         std::initializer_list<int> sizes) {
    Settings settings;
    NoDialogs dialogs;
    NoControls controls;
    WinFileSystem files;
    NoIcons icons;
    SectionTable sections;
    ButtonTable buttons;
    Model model(sections, buttons,
                ModelDeps{settings, profile, dialogs, controls, files, icons, folder, [] {}, [] {}, [] {},
                          [] { return std::string(); }, [] {}});
    double loadBase = 0, saveBase = 0;
    for (int records : sizes) {
        MakeFile(path, records);
        double load = Seconds([&] { model.LoadButtons(); });
        if (buttons.gButtonCount != records) {
            std::printf("LoadButtons read %d of %d records\n", buttons.gButtonCount, records);
            return false;
        }
        double save = Seconds([&] { model.SaveAllButtons(); });
        double loadPer = 1000 * load / records, savePer = 1000 * save / records;
        if (loadBase == 0) loadBase = loadPer, saveBase = savePer;
        std::printf("%-44s %10.3f %14.4f %8.2f\n", (std::string(name) + ", LoadButtons, " + std::to_string(records)).c_str(),
                    load, loadPer, loadPer / loadBase);
        std::printf("%-44s %10.3f %14.4f %8.2f\n",
                    (std::string(name) + ", SaveAllButtons, " + std::to_string(records)).c_str(), save, savePer,
                    savePer / saveBase);
    }
    return true;
}

}  // namespace

// The launcher's profile at 100, 1,000 and 5,000 records; the platform's
// profile functions, which it replaced, at 100 and 1,000 only (5,000 takes
// them minutes).
int main() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "corvella-bench-buttons.ini";
    std::printf("%-44s %10s %14s %8s\n", "what", "seconds", "ms per record", "ratio");
    WinSettingsStore store(path);
    IniFileProfile launcher(store);
    bool ok = Run("launcher's profile", launcher, path, temp, {100, 1000, 5000});
    WinProfile platform(path);
    ok = ok && Run("profile functions", platform, path, temp, {100, 1000});
    DeleteFileA(path.c_str());
    return ok ? 0 : 1;
}
