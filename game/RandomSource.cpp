#include "game/RandomSource.h"

#include <cmath>
#include <ctime>
#include <random>

namespace pelmora {
namespace {

// SplitMix64's finaliser: a strong 64-bit mix.
std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ULL;

}  // namespace

MixingGenerator::MixingGenerator() {
    std::random_device entropy;
    state_ = (static_cast<std::uint64_t>(entropy()) << 32) ^ entropy();
}

void MixingGenerator::reseed(std::int32_t number) {
    // The same number given twice in a row must not replay the same values.
    state_ = mix(state_ ^ (static_cast<std::uint64_t>(static_cast<std::uint32_t>(number)) *
                           kGoldenGamma));
}

float MixingGenerator::next() {
    state_ += kGoldenGamma;
    // 24 random bits: every value is exact in a float and below 1.
    return static_cast<float>(mix(state_) >> 40) * (1.0f / 16777216.0f);
}

void SystemLocalClock::refresh() {
    const std::time_t now = std::time(nullptr);
    if (now == cachedTime_) return;
    std::tm local{};
    localtime_r(&now, &local);
    cachedTime_ = now;
    second_ = local.tm_sec;
    month_ = local.tm_mon + 1;
}

int SystemLocalClock::second() {
    refresh();
    return second_;
}

int SystemLocalClock::month() {
    // Read right after second(): the month of that same reading. A month
    // turns over far less often than the game reads the clock.
    if (cachedTime_ < 0) refresh();
    return month_;
}

std::int32_t RandomSource::RandomInt(std::int32_t low, std::int32_t high) {
    std::int32_t r = -1;
    // From here on, one past the caller's high; 64 bits so that no caller's
    // high can overflow.
    std::int64_t top = std::int64_t{high} + 1;
    if (top <= 0) {
        low = 0;
        top = 10;
    } else if (low >= top) {
        low = 0;
    }
    const int second = clock_.second();
    const int month = clock_.month();
    generator_.reseed(second + month);
    while (r < low || r == top) {
        const double u = generator_.next();
        // nearbyint rounds half to even in the default rounding mode.
        r = static_cast<std::int32_t>(std::nearbyint(u * static_cast<double>(top)));
    }
    return r;
}

}  // namespace pelmora
