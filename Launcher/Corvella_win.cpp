// The launcher's program entry: wires the ports to the real platform, runs
// the start procedure and then the message loop until the main window closes.
#include <windows.h>

#include "mainwindow/MainWindow_win.h"
#include "platform/Desktop_win.h"
#include "platform/Dialogs_win.h"
#include "platform/Profile_win.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "settings/SoundCues.h"
#include "settings/Startup.h"
#include "settings/Startup_win.h"

namespace {

using namespace corvella;

class Launcher {
public:
    explicit Launcher(const std::string& folder)
        : profile_(folder + "\\Corvella.ini"),
          cues_(sound_, folder, settings_.EnableSound),
          window_(screen_),
          platform_(MainWindow::kClassName) {}

    int Run(HINSTANCE instance) {
        if (!window_.Create(instance, kTitleText)) return 1;
        platform_.SetMainWindow(window_.Handle());
        dialogs_.SetOwner(window_.Handle());
        window_.onCloseRequest = [this] { OnMainWindowCloseRequest(settings_, Deps()); };
        window_.onActivate = [this] { OnMainWindowActivate(Deps(), links_.CurrentSection()); };
        if (!RunStartProcedure(state_, settings_, Deps())) return 0;

        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            if (IsDialogMessageA(window_.Handle(), &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        return 0;
    }

private:
    StartupDeps Deps() {
        SettingsDeps settings{profile_, window_, screen_, events_, cues_, hotKey_, links_, state_.startupFlag};
        return {settings, platform_, startLinks_, dialogs_, files_};
    }

    Settings settings_;
    StartupState state_;
    WinProfile profile_;
    WinSoundPlayer sound_;
    WinEventLoop events_;
    WinScreen screen_;
    NoHotKeyReceiver hotKey_;
    SettingsLinks links_;
    StartupLinks startLinks_;
    CuePlayer cues_;
    MainWindow window_;
    WinStartupPlatform platform_;
    WinDialogs dialogs_;
    WinFileSystem files_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    try {
        Launcher launcher(ProgramFolder());
        return launcher.Run(instance);
    } catch (...) {
        return 1;
    }
}
