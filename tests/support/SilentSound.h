// A sound player that plays nothing and returns at once, remembering what it
// was asked to play.
#pragma once

#include <string>

#include "ui/sound/SoundPlayer.h"

namespace pelmora::test_support {

struct SilentSound final : SoundPlayer {
    void playAndWait(const std::string& path) override {
        ++plays;
        last = path;
    }
    long plays = 0;
    std::string last;
};

}  // namespace pelmora::test_support
