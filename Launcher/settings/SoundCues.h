#pragma once
// The short wave files played for the launcher's main interactions. Each lives
// in the program folder under its name and is played without waiting, only
// while EnableSound is non-zero.
#include <string>
#include <string_view>

#include "../platform/Sound.h"

namespace corvella {

enum class Cue {
    Welcome,     // start-up, while the settings load
    ClickDown,   // a launch button pressed; the About command
    ClickUp,     // a launch button released
    Shade,       // the window shade rolls up or down
    Scroll,      // the button pages scroll
    Bleep,       // log-off / restart / shut-down; the move-mode switch
    OptionOpen,  // the Options dialog opens
    Here,        // another section's tab chosen
    NoGood,      // the current section's tab chosen again
};

// The cue's file name with its leading backslash ("\welcome.wav").
std::string_view CueFileName(Cue cue);

inline constexpr Cue kAllCues[] = {Cue::Welcome, Cue::ClickDown, Cue::ClickUp,
                                   Cue::Shade,   Cue::Scroll,    Cue::Bleep,
                                   Cue::OptionOpen, Cue::Here,   Cue::NoGood};

class CuePlayer {
public:
    // `enableSound` is the live setting: the cue plays only while it is non-zero.
    CuePlayer(SoundPlayer& sound, std::string programFolder, const int16_t& enableSound)
        : sound_(sound), programFolder_(std::move(programFolder)), enableSound_(enableSound) {}

    void Play(Cue cue) const;

private:
    SoundPlayer& sound_;
    std::string programFolder_;
    const int16_t& enableSound_;
};

}  // namespace corvella
