#include "ui/sound/WavClip.h"

#include <SDL.h>

#include <memory>
#include <utility>

namespace pelmora::sound {

namespace {

struct AudioStreamDeleter {
    void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};
using AudioStreamPtr = std::unique_ptr<SDL_AudioStream, AudioStreamDeleter>;

}  // namespace

WavClip::WavClip(AudioFormat format, std::vector<std::uint8_t> samples)
    : format_(format), samples_(std::move(samples)) {
    // A converter refuses partial frames, so a ragged tail is dropped here.
    const int frameBytes = format_.bytesPerFrame();
    if (frameBytes > 0) {
        samples_.resize(samples_.size() - samples_.size() % frameBytes);
    }
}

std::optional<WavClip> WavClip::load(const std::string& path) {
    SDL_AudioSpec spec{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &spec, &buffer, &length) == nullptr) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> samples(buffer, buffer + length);
    SDL_FreeWAV(buffer);
    return WavClip({spec.format, spec.channels, spec.freq}, std::move(samples));
}

std::optional<WavClip> WavClip::convertedTo(const AudioFormat& target) const {
    if (format_ == target || samples_.empty()) {
        return WavClip(target, samples_);
    }
    AudioStreamPtr stream(SDL_NewAudioStream(format_.sampleFormat, static_cast<Uint8>(format_.channels),
                                             format_.rate, target.sampleFormat,
                                             static_cast<Uint8>(target.channels), target.rate));
    if (!stream) {
        return std::nullopt;
    }
    // Flushing pushes the resampler's last frames out instead of holding
    // them back for input that will never come.
    if (SDL_AudioStreamPut(stream.get(), samples_.data(), static_cast<int>(samples_.size())) != 0 ||
        SDL_AudioStreamFlush(stream.get()) != 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> converted(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream.get())));
    const int received = SDL_AudioStreamGet(stream.get(), converted.data(), static_cast<int>(converted.size()));
    if (received < 0) {
        return std::nullopt;
    }
    converted.resize(static_cast<std::size_t>(received));
    return WavClip(target, std::move(converted));
}

}  // namespace pelmora::sound
