#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace pelmora::assetgen {

namespace {
constexpr int kBitsPerSample = 16;
constexpr int kBytesPerSample = kBitsPerSample / 8;
constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint16_t kMono = 1;
constexpr double kFullScale = 32767;

// WAV fields are little-endian whatever the machine.
void put16(std::ofstream& out, std::uint16_t value) {
    const char bytes[] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    out.write(bytes, sizeof bytes);
}

void put32(std::ofstream& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}
}  // namespace

void writeMonoWav(const std::string& path, const std::vector<double>& samples) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw std::runtime_error("cannot write " + path);

    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVE", 4);

    out.write("fmt ", 4);
    put32(out, 16);
    put16(out, kPcmFormat);
    put16(out, kMono);
    put32(out, kSampleRate);
    put32(out, kSampleRate * kBytesPerSample);
    put16(out, kBytesPerSample);
    put16(out, kBitsPerSample);

    out.write("data", 4);
    put32(out, dataBytes);
    for (double sample : samples) {
        const auto value = static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * kFullScale));
        put16(out, static_cast<std::uint16_t>(value));
    }
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

}  // namespace pelmora::assetgen
