// Sounds already read and converted for the device, kept while their files
// stay as they were, so a sound heard again costs no reading or decoding.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ui/sound/AudioFormat.h"
#include "ui/sound/SoundFile.h"
#include "ui/sound/WavClip.h"

namespace pelmora::sound {

class ClipCache {
public:
    // The clip kept for `path` when the file still has `identity` and the
    // clip was converted to `format`; null otherwise.
    const WavClip* find(const std::string& path, const FileIdentity& identity, const AudioFormat& format) const;

    // Keeps `clip`, read from `path` as it was at `identity`, in its place
    // of any clip kept for the same path. Only the latest kCachedPaths
    // paths are kept. Returns the clip as kept.
    const WavClip& keep(const std::string& path, const FileIdentity& identity, WavClip clip);

private:
    // The game plays two sounds; a few more paths cost little.
    static constexpr std::size_t kCachedPaths = 4;

    struct Entry {
        std::string path;
        FileIdentity identity;
        WavClip clip;
    };
    std::vector<Entry> entries_;  // oldest first
};

}  // namespace pelmora::sound
