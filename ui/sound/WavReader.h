// Reads a WAV file's header itself and lets through only what SDL can take
// safely, cut to the longest sound the game plays.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "ui/sound/ByteSource.h"

namespace pelmora::sound {

// A minimal WAV file (RIFF header, a plain 16-byte "fmt " chunk, "data")
// holding at most kLongestSound of the source's sound and reading at most
// kMostBytesRead of it. Empty when the source is not such a file or declares
// something out of bounds: a rate outside kLowestRate..kHighestRate, 0 or
// more than kMostChannels channels, a sample layout SDL does not decode, or
// sizes that do not add up (a frame size that is not channels x sample size,
// a data chunk longer than the file).
// Encodings let through: integer PCM of 8, 16, 24 or 32 bits, 32-bit float,
// A-law and mu-law, plainly or inside a WAVE_FORMAT_EXTENSIBLE chunk.
std::optional<std::vector<std::uint8_t>> readBoundedWav(ByteSource& source);

}  // namespace pelmora::sound
