#include "TestWav.h"

#include <fstream>
#include <stdexcept>
#include <string_view>

namespace pelmora::soundtest {

namespace {

constexpr std::uint16_t kPcmFormatTag = 1;
constexpr std::uint32_t kFmtChunkSize = 16;
constexpr std::uint32_t kHeaderBytesAfterRiffSize = 36;  // "WAVE", the fmt chunk, the data chunk's header

void put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

void putTag(std::vector<std::uint8_t>& out, std::string_view tag) {
    for (char letter : tag) out.push_back(static_cast<std::uint8_t>(letter));
}

std::size_t framesFor(int rate, double seconds) { return static_cast<std::size_t>(rate * seconds); }

}  // namespace

std::chrono::microseconds PcmSound::length() const {
    return std::chrono::microseconds{static_cast<long long>(frames()) * 1'000'000 / rate};
}

PcmSound noZeroByte16Bit(int rate, int channels, double seconds, int seed) {
    PcmSound sound{rate, channels, 16, {}};
    const std::size_t values = framesFor(rate, seconds) * channels;
    for (std::size_t i = 0; i < values; ++i) {
        // Both bytes stay in 1..251, away from zero.
        sound.samples.push_back(static_cast<std::uint8_t>(1 + (i * 7 + seed) % 251));
        sound.samples.push_back(static_cast<std::uint8_t>(1 + (i / 3 + seed * 13) % 251));
    }
    return sound;
}

PcmSound steady16Bit(int rate, int channels, double seconds, std::int16_t level) {
    PcmSound sound{rate, channels, 16, {}};
    const std::size_t values = framesFor(rate, seconds) * channels;
    for (std::size_t i = 0; i < values; ++i) {
        put16(sound.samples, static_cast<std::uint16_t>(level));
    }
    return sound;
}

PcmSound twoLevel8BitMono(int rate, double seconds, std::uint8_t first, std::uint8_t second, int blockFrames) {
    PcmSound sound{rate, 1, 8, {}};
    const std::size_t frames = framesFor(rate, seconds);
    for (std::size_t i = 0; i < frames; ++i) {
        sound.samples.push_back((i / blockFrames) % 2 == 0 ? first : second);
    }
    return sound;
}

std::vector<std::uint8_t> wavFileBytes(const PcmSound& sound) {
    const auto dataBytes = static_cast<std::uint32_t>(sound.samples.size());
    std::vector<std::uint8_t> out;
    putTag(out, "RIFF");
    put32(out, kHeaderBytesAfterRiffSize + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, kFmtChunkSize);
    put16(out, kPcmFormatTag);
    put16(out, static_cast<std::uint16_t>(sound.channels));
    put32(out, static_cast<std::uint32_t>(sound.rate));
    put32(out, static_cast<std::uint32_t>(sound.rate * sound.bytesPerFrame()));
    put16(out, static_cast<std::uint16_t>(sound.bytesPerFrame()));
    put16(out, static_cast<std::uint16_t>(sound.bitsPerSample));
    putTag(out, "data");
    put32(out, dataBytes);
    out.insert(out.end(), sound.samples.begin(), sound.samples.end());
    return out;
}

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

void writeWav(const std::filesystem::path& path, const PcmSound& sound) { writeFile(path, wavFileBytes(sound)); }

}  // namespace pelmora::soundtest
