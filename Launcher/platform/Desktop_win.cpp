#include "Desktop_win.h"

#include <windows.h>
#include <mmsystem.h>

#include "SystemLibrary_win.h"

namespace corvella {

BOOL WINAPI SystemSoundPlay(LPCSTR sound, UINT flags) {
    using Play = BOOL(WINAPI*)(LPCSTR, UINT);
    static const Play play = SystemFunctionOf<Play>("winmm.dll", "sndPlaySoundA");
    return play ? play(sound, flags) : FALSE;
}

WinSoundPlayer::WinSoundPlayer(PlayFunction play) : play_(play) {}

// Without SND_NODEFAULT a missing file would play the system's default sound.
void WinSoundPlayer::PlayAsync(const std::string& fullPath) { play_(fullPath.c_str(), SND_ASYNC | SND_NODEFAULT); }

void WinEventLoop::LetPendingEventsRun() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit request for the main loop to see.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void WinEventLoop::SleepMs(int milliseconds) { SleepEx(static_cast<DWORD>(milliseconds), FALSE); }

namespace {

int TwipsPerPixel(int axis) {
    HDC dc = GetDC(nullptr);
    int dpi = dc ? GetDeviceCaps(dc, axis) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    return dpi > 0 ? 1440 / dpi : 15;
}

}  // namespace

int WinScreen::WidthTwips() const { return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX(); }
int WinScreen::HeightTwips() const { return GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY(); }
int WinScreen::TwipsPerPixelX() const { return TwipsPerPixel(LOGPIXELSX); }
int WinScreen::TwipsPerPixelY() const { return TwipsPerPixel(LOGPIXELSY); }

std::string ProgramFolder() {
    char path[MAX_PATH * 2];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    std::size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

}  // namespace corvella
