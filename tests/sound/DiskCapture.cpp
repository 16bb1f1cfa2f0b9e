#include "DiskCapture.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace pelmora::soundtest {

std::vector<std::uint8_t> audibleFrames(const std::filesystem::path& capture, int bytesPerFrame) {
    std::ifstream file(capture, std::ios::binary);
    const std::vector<std::uint8_t> raw{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::vector<std::uint8_t> audible;
    for (std::size_t at = 0; at + bytesPerFrame <= raw.size(); at += bytesPerFrame) {
        const auto frame = raw.begin() + static_cast<std::ptrdiff_t>(at);
        if (std::any_of(frame, frame + bytesPerFrame, [](std::uint8_t b) { return b != 0; })) {
            audible.insert(audible.end(), frame, frame + bytesPerFrame);
        }
    }
    return audible;
}

}  // namespace pelmora::soundtest
