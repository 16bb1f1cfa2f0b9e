// A fixed-seed generator with a fully specified sequence, so every run of the
// generator draws the same pictures bit for bit (the standard distributions
// may differ between library versions).
#pragma once

#include <cstdint>

namespace pelmora::assetgen {

class SplitMix {
public:
    explicit SplitMix(std::uint64_t seed) : state_(seed) {}

    std::uint64_t nextBits() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double nextUnit() { return static_cast<double>(nextBits() >> 11) * 0x1.0p-53; }

    // Uniform in [low, high).
    double nextIn(double low, double high) { return low + (high - low) * nextUnit(); }

private:
    std::uint64_t state_;
};

}  // namespace pelmora::assetgen
