#include "ui/sound/SdlSoundPlayer.h"

#include <utility>

#include "ui/sound/ClipCache.h"
#include "ui/sound/SdlAudioOutput.h"
#include "ui/sound/SoundFile.h"
#include "ui/sound/WavClip.h"
#include "ui/sound/WavReader.h"

namespace pelmora {

SdlSoundPlayer::SdlSoundPlayer(std::function<void()> defaultSound)
    : defaultSound_(std::move(defaultSound)),
      output_(std::make_unique<sound::SdlAudioOutput>()),
      cache_(std::make_unique<sound::ClipCache>()) {}

SdlSoundPlayer::~SdlSoundPlayer() = default;

void SdlSoundPlayer::playAndWait(const std::string& path) {
    if (!play(path) && defaultSound_) {
        defaultSound_();
    }
}

bool SdlSoundPlayer::play(const std::string& path) {
    // Read and checked before the device is touched: a missing or broken
    // file costs nothing but the default sound.
    auto file = sound::SoundFile::open(path);
    auto wavFile = file ? sound::readBoundedWav(*file) : std::nullopt;
    if (!wavFile || !output_->open()) {
        return false;
    }
    // The same bytes as a sound heard before need no decoding; the format
    // matters too, as the device may have come back changed.
    const sound::WavClip* clip = cache_->find(*wavFile, output_->format());
    if (clip == nullptr) {
        const auto decoded = sound::WavClip::decode(*wavFile);
        auto playable = decoded ? decoded->convertedTo(output_->format()) : std::nullopt;
        if (!playable) {
            return false;
        }
        clip = &cache_->keep(std::move(*wavFile), std::move(*playable));
    }
    return output_->playOut(*clip);
}

}  // namespace pelmora
