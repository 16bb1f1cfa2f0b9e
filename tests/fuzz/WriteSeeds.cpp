// Writes the hostile sound clips of the sound tests into a folder, one file
// each, as the fuzzer's first inputs.
#include <cstdio>
#include <filesystem>

#include "HostileClips.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const auto& clip : pelmora::soundtest::hostileClips()) {
        pelmora::soundtest::writeFile(folder / (clip.name + ".wav"), clip.bytes);
    }
    return 0;
}
