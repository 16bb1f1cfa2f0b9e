// libFuzzer target: any bytes as a sound file, through the game's reader,
// SDL's decoder and the conversion to the formats audio devices answer with.
#include <cstddef>
#include <cstdint>
#include <span>

#include "ui/sound/ByteSource.h"
#include "ui/sound/WavClip.h"
#include "ui/sound/WavReader.h"

using namespace pelmora::sound;

namespace {

// Formats real devices open with: the one we ask for, a float one, mono and
// low-rate, many channels at a high rate.
const AudioFormat kDeviceFormats[] = {
    {AUDIO_S16SYS, 2, 44100},
    {AUDIO_F32SYS, 2, 48000},
    {AUDIO_U8, 1, 8000},
    {AUDIO_S32SYS, 6, 192000},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryBytes bytes(std::span(data, size));
    const auto wavFile = readBoundedWav(bytes);
    if (!wavFile) {
        return 0;
    }
    const auto clip = WavClip::decode(*wavFile);
    if (!clip) {
        return 0;
    }
    for (const AudioFormat& device : kDeviceFormats) {
        (void)clip->convertedTo(device);
    }
    return 0;
}
