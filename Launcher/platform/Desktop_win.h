#pragma once
// The platform side of the small ports: sound, the event loop and the screen.
#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "EventLoop.h"
#include "HotKeyReceiverPort.h"
#include "Screen.h"
#include "Sound.h"

namespace corvella {

// sndPlaySoundA, with the multimedia library loaded at the first sound; false
// without it.
BOOL WINAPI SystemSoundPlay(LPCSTR sound, UINT flags);

class WinSoundPlayer final : public SoundPlayer {
public:
    // The system's player (sndPlaySoundA, see SystemSoundPlay); tests pass a
    // recorder.
    using PlayFunction = BOOL(WINAPI*)(LPCSTR sound, UINT flags);
    explicit WinSoundPlayer(PlayFunction play = &SystemSoundPlay);
    void PlayAsync(const std::string& fullPath) override;

private:
    PlayFunction play_;
};

class WinEventLoop final : public EventLoop {
public:
    void LetPendingEventsRun() override;
    void SleepMs(int milliseconds) override;
};

class WinScreen final : public Screen {
public:
    int WidthTwips() const override;
    int HeightTwips() const override;
    int TwipsPerPixelX() const override;
    int TwipsPerPixelY() const override;
};

// Stands in for the global hot-key receiver until the launcher has one.
class NoHotKeyReceiver final : public HotKeyReceiverPort {
public:
    void SetKeyCode(int32_t) override {}
    void SetShift(bool) override {}
    void SetControl(bool) override {}
    void SetSensitivity(int32_t) override {}
    void SetEnabled(bool) override {}
};

// The folder of the running executable, without a trailing backslash.
std::string ProgramFolder();

}  // namespace corvella
