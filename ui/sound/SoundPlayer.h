// Plays one of the game's sound files to its end.
#pragma once

#include <string>

namespace pelmora {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Returns only once the sound has been heard in full, so the caller's
    // thread is held for the whole sound. Never fails: a sound that cannot
    // be played is replaced by the desktop's default sound.
    virtual void playAndWait(const std::string& path) = 0;
};

}  // namespace pelmora
