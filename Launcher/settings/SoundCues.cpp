#include "SoundCues.h"

namespace corvella {

std::string_view CueFileName(Cue cue) {
    switch (cue) {
        case Cue::Welcome: return "\\welcome.wav";
        case Cue::ClickDown: return "\\clickdown.wav";
        case Cue::ClickUp: return "\\clickup.wav";
        case Cue::Shade: return "\\shade.wav";
        case Cue::Scroll: return "\\scroll.wav";
        case Cue::Bleep: return "\\bleep.wav";
        case Cue::OptionOpen: return "\\optionopen.wav";
        case Cue::Here: return "\\here.wav";
        case Cue::NoGood: return "\\nogood.wav";
    }
    return {};
}

void CuePlayer::Play(Cue cue) const {
    if (enableSound_ == 0) return;
    sound_.PlayAsync(programFolder_ + std::string(CueFileName(cue)));
}

}  // namespace corvella
