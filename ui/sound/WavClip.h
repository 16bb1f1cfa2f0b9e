// The samples of one WAV file, held in memory in a known format.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/sound/AudioFormat.h"

namespace pelmora::sound {

class WavClip {
public:
    WavClip(AudioFormat format, std::vector<std::uint8_t> samples);

    // Decodes a WAV file already in memory, as readBoundedWav gives it.
    // Empty when SDL cannot decode it.
    static std::optional<WavClip> decode(const std::vector<std::uint8_t>& wavFile);

    // The same sound in another format (sample type, channels, rate).
    // Empty when SDL cannot convert between the two.
    std::optional<WavClip> convertedTo(const AudioFormat& target) const;

    const AudioFormat& format() const { return format_; }
    const std::vector<std::uint8_t>& samples() const { return samples_; }
    std::chrono::microseconds length() const { return format_.lengthOf(samples_.size()); }

private:
    AudioFormat format_;
    std::vector<std::uint8_t> samples_;
};

}  // namespace pelmora::sound
