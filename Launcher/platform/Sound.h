#pragma once
#include <string>

namespace corvella {

// Plays a wave file without waiting; a new sound cuts off the one playing.
// A missing or unplayable file plays nothing and is not reported.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void PlayAsync(const std::string& fullPath) = 0;
};

}  // namespace corvella
