// The layout of a stream of samples: sample type, channels and rate.
#pragma once

#include <SDL_audio.h>

#include <chrono>
#include <cstddef>

namespace pelmora::sound {

struct AudioFormat {
    SDL_AudioFormat sampleFormat = 0;
    int channels = 0;
    int rate = 0;

    int bytesPerFrame() const { return SDL_AUDIO_BITSIZE(sampleFormat) / 8 * channels; }

    // How long the given number of bytes in this format takes to play.
    std::chrono::microseconds lengthOf(std::size_t bytes) const {
        const int bytesPerSecond = bytesPerFrame() * rate;
        if (bytesPerSecond <= 0) {
            return std::chrono::microseconds{0};
        }
        return std::chrono::microseconds{static_cast<long long>(bytes) * 1'000'000 / bytesPerSecond};
    }

    bool operator==(const AudioFormat&) const = default;
};

}  // namespace pelmora::sound
