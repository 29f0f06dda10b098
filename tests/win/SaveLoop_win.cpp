// The helper of the kill test: loads the button table from Corvella.ini in
// the folder given, then rewrites it with SaveAllButtons over and over, each
// time with every target switched between its "SET-A" and its "SET-B" form,
// until it is killed. "saving" on the standard output says the first save is
// done.
//   save_loop.exe FOLDER
#include <windows.h>

#include <cstdio>
#include <string>

#include "fakes/SilentModelPorts.h"
#include "platform/IniFileProfile.h"
#include "platform/SettingsStore_win.h"
#include "settings/Startup_win.h"

using namespace corvella;

namespace {

void SwitchSets(ButtonTable& buttons) {
    for (std::string& target : buttons.gButtonTarget) {
        const std::size_t at = target.find("SET-");
        if (at != std::string::npos) target[at + 4] = target[at + 4] == 'A' ? 'B' : 'A';
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string folder = argv[1];
    WinSettingsStore store(folder + "\\Corvella.ini");
    IniFileProfile profile(store);
    bool failed = false;
    profile.onSaveFailed = [&](const std::string&) { failed = true; };
    Settings settings;
    testing::NoDialogs dialogs;
    testing::NoControls controls;
    WinFileSystem files;
    testing::NoIcons icons;
    SectionTable sections;
    ButtonTable buttons;
    Model model(sections, buttons,
                ModelDeps{settings, profile, dialogs, controls, files, icons, folder, [] {}, [] {}, [] {},
                          [] { return std::string(); }, [] {}});
    model.LoadButtons();
    if (buttons.gButtonCount == 0) return 3;
    for (long round = 0;; ++round) {
        SwitchSets(buttons);
        model.SaveAllButtons();
        if (failed) return 4;
        if (round == 0) {
            std::printf("saving\n");
            std::fflush(stdout);
        }
    }
}
