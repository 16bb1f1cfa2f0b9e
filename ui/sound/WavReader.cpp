#include "ui/sound/WavReader.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "ui/sound/SoundConstants.h"

namespace pelmora::sound {

namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kALaw = 6;
constexpr std::uint16_t kMuLaw = 7;
constexpr std::uint16_t kExtensible = 0xFFFE;
// The tail every WAVE_FORMAT_EXTENSIBLE subformat GUID shares; its first two
// bytes are the plain format tag.
constexpr std::array<std::uint8_t, 14> kSubformatTail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                         0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

constexpr std::uint64_t kChunkHeaderBytes = 8;
constexpr std::uint32_t kPlainFormatBytes = 16;
constexpr std::uint32_t kExtensibleFormatBytes = 40;
// Bigger "fmt " chunks than this carry nothing SDL reads for our encodings.
constexpr std::uint32_t kLargestFormatChunk = 256;
// Chunks looked at before giving up on finding "fmt " and "data".
constexpr int kMostChunks = 64;

std::uint16_t u16(const std::uint8_t* at) { return static_cast<std::uint16_t>(at[0] | at[1] << 8); }
std::uint32_t u32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}
bool isTag(const std::uint8_t* at, const char* tag) { return std::memcmp(at, tag, 4) == 0; }

struct SampleLayout {
    std::uint16_t encoding = 0;
    std::uint16_t channels = 0;
    std::uint32_t rate = 0;
    std::uint16_t bits = 0;
    std::uint16_t frameBytes = 0;
};

bool knownSampleSize(std::uint16_t encoding, std::uint16_t bits) {
    switch (encoding) {
        case kPcm: return bits == 8 || bits == 16 || bits == 24 || bits == 32;
        case kFloat: return bits == 32;
        case kALaw:
        case kMuLaw: return bits == 8;
        default: return false;
    }
}

std::optional<SampleLayout> parseFormat(const std::vector<std::uint8_t>& chunk) {
    SampleLayout layout{u16(&chunk[0]), u16(&chunk[2]), u32(&chunk[4]), u16(&chunk[14]), u16(&chunk[12])};
    if (layout.encoding == kExtensible) {
        if (chunk.size() < kExtensibleFormatBytes || u16(&chunk[16]) < kExtensibleFormatBytes - 18 ||
            !std::equal(kSubformatTail.begin(), kSubformatTail.end(), chunk.begin() + 26)) {
            return std::nullopt;
        }
        layout.encoding = u16(&chunk[24]);
    }
    const bool sane = layout.channels >= 1 && layout.channels <= kMostChannels && layout.rate >= kLowestRate &&
                      layout.rate <= kHighestRate && knownSampleSize(layout.encoding, layout.bits) &&
                      layout.frameBytes == layout.channels * (layout.bits / 8);
    return sane ? std::optional(layout) : std::nullopt;
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}
void putTag(std::vector<std::uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

// The header of a minimal WAV file for `dataBytes` of samples in `layout`.
std::vector<std::uint8_t> minimalHeader(const SampleLayout& layout, std::uint32_t dataBytes) {
    std::vector<std::uint8_t> out;
    putTag(out, "RIFF");
    put32(out, 4 + (8 + kPlainFormatBytes) + 8 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, kPlainFormatBytes);
    put16(out, layout.encoding);
    put16(out, layout.channels);
    put32(out, layout.rate);
    put32(out, layout.rate * layout.frameBytes);
    put16(out, layout.frameBytes);
    put16(out, layout.bits);
    putTag(out, "data");
    put32(out, dataBytes);
    return out;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> readBoundedWav(ByteSource& source) {
    const std::uint64_t size = source.size();
    std::array<std::uint8_t, 12> riff{};
    if (!source.readAt(0, riff) || !isTag(&riff[0], "RIFF") || !isTag(&riff[8], "WAVE")) {
        return std::nullopt;
    }
    std::uint64_t bytesRead = riff.size();
    std::optional<SampleLayout> layout;
    std::uint64_t offset = riff.size();
    for (int chunk = 0; chunk < kMostChunks && size - offset >= kChunkHeaderBytes; ++chunk) {
        std::array<std::uint8_t, kChunkHeaderBytes> header{};
        if (!source.readAt(offset, header)) {
            return std::nullopt;
        }
        bytesRead += header.size();
        const std::uint64_t body = offset + kChunkHeaderBytes;
        const std::uint64_t declared = u32(&header[4]);
        if (isTag(&header[0], "fmt ")) {
            if (layout || declared < kPlainFormatBytes || declared > kLargestFormatChunk || declared > size - body) {
                return std::nullopt;
            }
            std::vector<std::uint8_t> format(declared);
            if (!source.readAt(body, format) || !(layout = parseFormat(format))) {
                return std::nullopt;
            }
            bytesRead += declared;
        } else if (isTag(&header[0], "data")) {
            // The samples must follow their format, and all of them must be there.
            if (!layout || declared > size - body) {
                return std::nullopt;
            }
            const std::uint64_t longest = std::uint64_t{layout->rate} * kLongestSound.count() * layout->frameBytes;
            std::uint64_t kept = std::min({declared, longest, kMostBytesRead - bytesRead});
            kept -= kept % layout->frameBytes;
            auto wav = minimalHeader(*layout, static_cast<std::uint32_t>(kept));
            const std::size_t headerBytes = wav.size();
            wav.resize(headerBytes + kept);
            if (!source.readAt(body, std::span(wav).subspan(headerBytes))) {
                return std::nullopt;
            }
            return wav;
        }
        // Chunks are padded to an even length.
        const std::uint64_t next = body + declared + (declared & 1);
        if (next > size) {
            return std::nullopt;
        }
        offset = next;
    }
    return std::nullopt;
}

}  // namespace pelmora::sound
