// The launcher's program entry: loads the settings into the main window,
// shows it, runs the message loop; the close request saves the settings.
#include <windows.h>

#include "mainwindow/MainWindow_win.h"
#include "platform/Desktop_win.h"
#include "platform/Profile_win.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "settings/Shutdown.h"
#include "settings/SoundCues.h"

namespace {

constexpr char kTitle[] = " Corvella";

int RunLauncher(HINSTANCE instance, int showCommand) {
    using namespace corvella;
    const std::string folder = ProgramFolder();
    Settings settings;
    int16_t startupFlag = 0;

    WinProfile profile(folder + "\\Corvella.ini");
    WinSoundPlayer sound;
    WinEventLoop events;
    WinScreen screen;
    NoHotKeyReceiver hotKey;
    SettingsLinks links;
    CuePlayer cues(sound, folder, settings.EnableSound);
    MainWindow window(screen);
    if (!window.Create(instance, kTitle)) return 1;

    SettingsDeps deps{profile, window, screen, events, cues, hotKey, links, startupFlag};
    window.onCloseRequest = [&] { OnMainWindowCloseRequest(settings, deps); };

    LoadSettings(settings, deps);
    startupFlag = 1;
    window.Show(showCommand);
    RestoreWindowPlacement(deps);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    try {
        return RunLauncher(instance, showCommand);
    } catch (...) {
        return 1;
    }
}
