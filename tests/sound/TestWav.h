// Small PCM sounds made up by the tests, and a writer for them as WAV files.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace pelmora::soundtest {

// Samples are stored as a WAV file stores them: little-endian, channels
// interleaved, 8-bit unsigned or 16-bit signed.
struct PcmSound {
    int rate = 44100;
    int channels = 2;
    int bitsPerSample = 16;
    std::vector<std::uint8_t> samples;

    int bytesPerFrame() const { return bitsPerSample / 8 * channels; }
    std::size_t frames() const { return samples.size() / bytesPerFrame(); }
    std::chrono::microseconds length() const;
};

// 16-bit frames with no zero byte anywhere, so not one frame reads as
// silence; different seeds give different sounds.
PcmSound noZeroByte16Bit(int rate, int channels, double seconds, int seed);
// 16-bit frames that all hold the same level in every channel.
PcmSound steady16Bit(int rate, int channels, double seconds, std::int16_t level);
// 8-bit mono frames, alternating between two levels every blockFrames.
PcmSound twoLevel8BitMono(int rate, double seconds, std::uint8_t first, std::uint8_t second, int blockFrames);

std::vector<std::uint8_t> wavFileBytes(const PcmSound& sound);
void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
void writeWav(const std::filesystem::path& path, const PcmSound& sound);

}  // namespace pelmora::soundtest
