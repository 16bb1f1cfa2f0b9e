// Writes mono 16-bit PCM WAV files.
#pragma once

#include <string>
#include <vector>

namespace pelmora::assetgen {

inline constexpr int kSampleRate = 44100;

// `samples` are in -1..1; anything beyond is clipped. Throws on write errors.
void writeMonoWav(const std::string& path, const std::vector<double>& samples);

}  // namespace pelmora::assetgen
