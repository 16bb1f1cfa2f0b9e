// Sound files made to hurt: absurd rates and channel counts, sizes that do
// not add up, lengths far beyond any sound effect. Built here rather than
// committed, and shared by the sound tests and the fuzzer's first inputs.
#pragma once

#include <string>
#include <vector>

#include "TestWav.h"

namespace pelmora::soundtest {

struct HostileClip {
    std::string name;
    Bytes bytes;
    bool playable;  // a sane clip the game plays (its first seconds, if long)
};

// Every clip is small enough to keep in memory; the long ones declare far
// more than they hold.
inline std::vector<HostileClip> hostileClips() {
    const Bytes second8Mono(4000, 0x90);  // 1 s at 4000 Hz, 8-bit mono
    std::vector<HostileClip> clips;
    // A 1 Hz rate takes SDL 2.26's resampler past the end of its buffer.
    clips.push_back({"1Hz-16000-frames", wavBytes(1, 1, 8, Bytes(16000, 0x90)), false});
    for (std::uint32_t rate : {0u, 1u, 2u, 3999u, 384001u, 2147483647u}) {
        clips.push_back({"rate-" + std::to_string(rate), wavBytes(rate, 1, 8, second8Mono), false});
    }
    for (std::uint32_t channels : {0u, 9u, 255u}) {
        clips.push_back({"channels-" + std::to_string(channels), wavBytes(8000, channels, 8, Bytes(9 * 4000, 0x90)),
                         false});
    }
    // A header declaring 4 GB of samples, with 16 bytes of them there.
    Bytes fourGigabytes = wavHeader(44100, 2, 16, 0xFFFFFFFFu);
    fourGigabytes.insert(fourGigabytes.end(), 16, 0x40);
    clips.push_back({"declares-4GB", fourGigabytes, false});
    // Frames said to be 6 bytes where 16-bit stereo makes them 4.
    Bytes wideFrames = wavBytes(44100, 2, 16, Bytes(6 * 441, 0x40));
    wideFrames[32] = 6;
    clips.push_back({"frame-size-6-for-4", wideFrames, false});
    // 20 s at 2 Hz in 84 bytes: all of it there, and a rate no sound has.
    clips.push_back({"20s-at-2Hz-84-bytes", wavBytes(2, 1, 8, Bytes(40, 0x90)), false});
    // Broken rather than hostile: nothing, a file cut inside its format
    // chunk, an encoding no reader here knows.
    const Bytes plain = wavBytes(8000, 1, 8, second8Mono);
    clips.push_back({"empty", Bytes{}, false});
    clips.push_back({"cut-in-format", Bytes(plain.begin(), plain.begin() + 30), false});
    Bytes unknownEncoding = plain;
    unknownEncoding[20] = 0x34;  // the format tag, 1 for PCM
    clips.push_back({"unknown-encoding", unknownEncoding, false});
    clips.push_back({"lowest-rate", wavBytes(4000, 1, 8, second8Mono), true});
    clips.push_back({"highest-rate-8-channels", wavBytes(384000, 8, 16, Bytes(384 * 16 * 10, 0x11)), true});
    return clips;
}

}  // namespace pelmora::soundtest
