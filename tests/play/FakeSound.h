// Stands in for the speaker: remembers what it was asked to play and returns
// at once, so a million events are not held up by sounds. Given a real player
// it lets that one play as well, for runs that check the sound code too.
#pragma once

#include <string>

#include "ui/sound/SoundPlayer.h"

namespace pelmora::play {

class FakeSound final : public SoundPlayer {
public:
    explicit FakeSound(SoundPlayer* alsoPlayOn = nullptr) : alsoPlayOn_(alsoPlayOn) {}

    void playAndWait(const std::string& path) override {
        ++plays;
        lastPath = path;
        if (alsoPlayOn_) alsoPlayOn_->playAndWait(path);
    }

    long plays = 0;
    std::string lastPath;

private:
    SoundPlayer* alsoPlayOn_;
};

}  // namespace pelmora::play
