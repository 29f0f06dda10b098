// LoadButtons and SaveAllButtons against the platform's profile functions on
// a real file of 100, 1,000 and 5,000 records. Each is timed once per size
// (the large sizes take seconds); the ratio column compares the time per
// record with that of the 100-record file, so 1.0 everywhere would be linear.
#include <windows.h>

#include <cstdio>
#include <string>

#include "Timing_win.h"
#include "mainwindow/WindowControls.h"
#include "model/Model.h"
#include "platform/Profile_win.h"
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

}  // namespace

int main() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "corvella-bench-buttons.ini";
    Settings settings;
    WinProfile profile(path);
    NoDialogs dialogs;
    NoControls controls;
    WinFileSystem files;
    NoIcons icons;
    SectionTable sections;
    ButtonTable buttons;
    Model model(sections, buttons,
                ModelDeps{settings, profile, dialogs, controls, files, icons, temp, [] {}, [] {}, [] {}, [] { return std::string(); }, [] {}});

    std::printf("%-28s %10s %14s %10s\n", "what", "seconds", "ms per record", "ratio");
    double loadBase = 0, saveBase = 0;
    for (int records : {100, 1000, 5000}) {
        MakeFile(path, records);
        double load = Seconds([&] { model.LoadButtons(); });
        if (buttons.gButtonCount != records) {
            std::printf("LoadButtons read %d of %d records\n", buttons.gButtonCount, records);
            return 1;
        }
        double save = Seconds([&] { model.SaveAllButtons(); });
        double loadPer = 1000 * load / records, savePer = 1000 * save / records;
        if (records == 100) loadBase = loadPer, saveBase = savePer;
        std::printf("%-28s %10.2f %14.3f %10.2f\n", ("LoadButtons, " + std::to_string(records)).c_str(), load, loadPer,
                    loadPer / loadBase);
        std::printf("%-28s %10.2f %14.3f %10.2f\n", ("SaveAllButtons, " + std::to_string(records)).c_str(), save,
                    savePer, savePer / saveBase);
    }
    DeleteFileA(path.c_str());
    return 0;
}
