// WAV files made up by the tests, in a temporary folder of their own.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace pelmora::soundtest {

using Bytes = std::vector<std::uint8_t>;

// The 44-byte header of a PCM WAV file declaring `dataBytes` of samples,
// whatever follows it. Any numbers go, however absurd.
inline Bytes wavHeader(std::uint32_t rate, std::uint32_t channels, std::uint32_t bits, std::uint32_t dataBytes) {
    Bytes out;
    const auto put = [&](std::uint32_t v, int n) { for (; n > 0; --n, v >>= 8) out.push_back(std::uint8_t(v)); };
    const auto tag = [&](const char* text) { put(text[0] | text[1] << 8 | text[2] << 16 | text[3] << 24, 4); };
    const std::uint32_t frameBytes = bits / 8 * channels;
    tag("RIFF"), put(36 + dataBytes, 4), tag("WAVE"), tag("fmt "), put(16, 4), put(1, 2), put(channels, 2);
    put(rate, 4), put(rate * frameBytes, 4), put(frameBytes, 2), put(bits, 2), tag("data"), put(dataBytes, 4);
    return out;
}

// A PCM WAV file of little-endian samples, channels interleaved.
inline Bytes wavBytes(int rate, int channels, int bits, const Bytes& samples) {
    Bytes out = wavHeader(rate, channels, bits, static_cast<std::uint32_t>(samples.size()));
    out.insert(out.end(), samples.begin(), samples.end());
    return out;
}

inline std::filesystem::path writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
}

// `count` bytes of 16-bit samples with no zero byte, so that no frame reads
// as silence; each seed gives other samples.
inline Bytes noZeroBytes(std::size_t count, int seed) {
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(1 + (i * 7 + i / 5 + seed * 13) % 251);
    return bytes;
}

// A fresh temporary folder, removed with everything in it.
struct ScratchFolder {
    std::string pattern = (std::filesystem::temp_directory_path() / "pelmora-sound-XXXXXX").string();
    std::filesystem::path path = mkdtemp(pattern.data()) ? pattern : throw std::runtime_error("no scratch folder");
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace pelmora::soundtest
