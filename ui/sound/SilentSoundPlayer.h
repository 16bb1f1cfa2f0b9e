// A player that plays nothing and returns at once: for windows built only to
// be looked at, such as the desktop's windows that the web page's layout is
// read from.
#pragma once

#include <string>

#include "ui/sound/SoundPlayer.h"

namespace pelmora {

class SilentSoundPlayer final : public SoundPlayer {
public:
    void playAndWait(const std::string&) override {}
};

}  // namespace pelmora
