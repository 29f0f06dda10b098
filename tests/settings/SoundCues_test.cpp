#include "settings/SoundCues.h"

#include <gtest/gtest.h>

#include "fakes/FakePorts.h"

namespace corvella {
namespace {

TEST(CuePlayer, PlaysTheProgramFoldersFileOnlyWhileSoundIsEnabled) {
    testing::CallLog log;
    testing::FakeSound sound(log);
    int16_t enableSound = 1;
    CuePlayer cues(sound, "C:\\Apps\\Corvella", enableSound);

    cues.Play(Cue::ClickDown);
    cues.Play(Cue::ClickUp);
    enableSound = 0;
    cues.Play(Cue::Here);
    enableSound = -1;  // any non-zero value counts as on
    cues.Play(Cue::NoGood);
    EXPECT_EQ(sound.played, (std::vector<std::string>{"C:\\Apps\\Corvella\\clickdown.wav",
                                                      "C:\\Apps\\Corvella\\clickup.wav",
                                                      "C:\\Apps\\Corvella\\nogood.wav"}));
}

TEST(CuePlayer, KnowsTheNineCueFiles) {
    std::vector<std::string> names;
    for (Cue cue : kAllCues) names.emplace_back(CueFileName(cue));
    EXPECT_EQ(names, (std::vector<std::string>{"\\welcome.wav", "\\clickdown.wav", "\\clickup.wav",
                                               "\\shade.wav", "\\scroll.wav", "\\bleep.wav",
                                               "\\optionopen.wav", "\\here.wav", "\\nogood.wav"}));
}

}  // namespace
}  // namespace corvella
