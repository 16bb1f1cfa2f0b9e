#include "ui/sound/SdlSoundPlayer.h"

#include <utility>

#include "ui/sound/SdlAudioOutput.h"
#include "ui/sound/WavClip.h"

namespace pelmora {

SdlSoundPlayer::SdlSoundPlayer(std::function<void()> defaultSound)
    : defaultSound_(std::move(defaultSound)), output_(std::make_unique<sound::SdlAudioOutput>()) {}

SdlSoundPlayer::~SdlSoundPlayer() = default;

void SdlSoundPlayer::playAndWait(const std::string& path) {
    // The file is read before the device is touched: a missing file costs
    // nothing but the default sound.
    const auto clip = sound::WavClip::load(path);
    if (clip && output_->open()) {
        const auto playable = clip->convertedTo(output_->format());
        if (playable && output_->playOut(*playable)) {
            return;
        }
    }
    if (defaultSound_) {
        defaultSound_();
    }
}

}  // namespace pelmora
