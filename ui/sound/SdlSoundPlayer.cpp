#include "ui/sound/SdlSoundPlayer.h"

#include <utility>

#include "ui/sound/ClipCache.h"
#include "ui/sound/SdlAudioOutput.h"
#include "ui/sound/SoundFile.h"
#include "ui/sound/WavReader.h"

namespace pelmora {

SdlSoundPlayer::SdlSoundPlayer(std::function<void()> defaultSound, ClipDecoder decode)
    : defaultSound_(std::move(defaultSound)),
      decode_(std::move(decode)),
      output_(std::make_unique<sound::SdlAudioOutput>()),
      cache_(std::make_unique<sound::ClipCache>()) {}

SdlSoundPlayer::~SdlSoundPlayer() = default;

void SdlSoundPlayer::playAndWait(const std::string& path) {
    if (!play(path) && defaultSound_) {
        defaultSound_();
    }
}

bool SdlSoundPlayer::play(const std::string& path) {
    const auto identity = sound::regularFileIdentity(path);
    if (!identity) {
        return false;
    }
    // A file unchanged since it was last played needs no reading. Any other
    // is read and decoded before the device is touched: a broken file costs
    // nothing but the default sound.
    const sound::WavClip* clip = cache_->find(path, *identity, output_->format());
    std::optional<DecodedFile> fresh;
    if (clip == nullptr && !(fresh = read(path))) {
        return false;
    }
    if (!output_->open()) {
        return false;
    }
    if (clip == nullptr || clip->format() != output_->format()) {  // new, or the device came back changed
        if (!fresh && !(fresh = read(path))) {
            return false;
        }
        auto playable = fresh->clip.convertedTo(output_->format());
        if (!playable) {
            return false;
        }
        // Kept under what was read, which may be newer than what was looked at.
        clip = &cache_->keep(path, fresh->identity, std::move(*playable));
    }
    return output_->playOut(*clip);
}

std::optional<SdlSoundPlayer::DecodedFile> SdlSoundPlayer::read(const std::string& path) const {
    auto file = sound::SoundFile::open(path);
    if (!file) {
        return std::nullopt;
    }
    const auto wavFile = sound::readBoundedWav(*file);
    auto clip = wavFile ? decode_(*wavFile) : std::nullopt;
    if (!clip) {
        return std::nullopt;
    }
    return DecodedFile{file->identity(), std::move(*clip)};
}

}  // namespace pelmora
