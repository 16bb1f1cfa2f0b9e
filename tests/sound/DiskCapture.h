// Reads back what SDL's disk audio driver wrote: raw frames in the device's
// format, silence included.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace pelmora::soundtest {

// The frames that are not silence, in order. Silence of the signed formats
// the tests open is all zero bytes; a missing file has no frames.
std::vector<std::uint8_t> audibleFrames(const std::filesystem::path& capture, int bytesPerFrame);

}  // namespace pelmora::soundtest
