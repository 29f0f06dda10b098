// The launcher's program entry. It takes no command-line arguments.
#include <windows.h>

#include "LauncherApp_win.h"
#include "platform/Desktop_win.h"
#include "settings/StartupTrace_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    corvella::MarkStartup("WinMain");
    try {
        corvella::LauncherApp launcher(corvella::ProgramFolder());
        return launcher.Run(instance);
    } catch (...) {
        return 1;
    }
}
