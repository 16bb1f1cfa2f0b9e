// Sounds already converted for the device, kept by the very bytes they were
// made from: a file played again reads its few bytes and compares them, but
// is not decoded or converted again while it holds the same sound. What the
// file looks like (its dates, size or inode) is never trusted, since a file
// rewritten in place through a memory map can keep all of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/sound/AudioFormat.h"
#include "ui/sound/WavClip.h"

namespace pelmora::sound {

class ClipCache {
public:
    // The clip kept for exactly `wavFile` (as readBoundedWav gives it),
    // converted to `format`; null otherwise.
    const WavClip* find(const std::vector<std::uint8_t>& wavFile, const AudioFormat& format) const;

    // Keeps `clip`, made from `wavFile`, in place of any clip kept for the
    // same bytes. Only the latest kCachedClips are kept. Returns the clip as
    // kept.
    const WavClip& keep(std::vector<std::uint8_t> wavFile, WavClip clip);

private:
    // The game plays two sounds; a few more cost little.
    static constexpr std::size_t kCachedClips = 4;

    struct Entry {
        std::vector<std::uint8_t> wavFile;
        WavClip clip;
    };
    std::vector<Entry> entries_;  // oldest first
};

}  // namespace pelmora::sound
