// The game's random whole numbers: a generator reseeded from the local clock
// at every draw. Generator and clock are passed in so that tests can replay
// a board.
#pragma once

#include <cstdint>

namespace pelmora {

// Uniform single-precision values in [0, 1). Reseeding mixes the number into
// the running state; it never restarts the sequence from that number alone.
class UniformGenerator {
public:
    virtual ~UniformGenerator() = default;
    virtual void reseed(std::int32_t number) = 0;
    virtual float next() = 0;
};

// The local wall clock, read field by field.
class LocalClock {
public:
    virtual ~LocalClock() = default;
    virtual int second() = 0;  // 0..59 (60 in a leap second)
    virtual int month() = 0;   // 1..12
};

// 64-bit mixing generator whose first state comes from the system's entropy
// source, so two runs deal different first boards.
class MixingGenerator final : public UniformGenerator {
public:
    MixingGenerator();
    explicit MixingGenerator(std::uint64_t state) : state_(state) {}
    void reseed(std::int32_t number) override;
    float next() override;

private:
    std::uint64_t state_;
};

// Reads the system's local time; converts it only when the second changes.
class SystemLocalClock final : public LocalClock {
public:
    int second() override;
    int month() override;

private:
    void refresh();
    long long cachedTime_ = -1;
    int second_ = 0;
    int month_ = 1;
};

class RandomSource {
public:
    RandomSource(UniformGenerator& generator, LocalClock& clock)
        : generator_(generator), clock_(clock) {}

    // A whole number from low to high inclusive, reseeding once per call with
    // second + month. Rounds half to even, so with low = 0 the value 0 comes
    // half as often as the others. high <= -1 draws from 0..9; low > high
    // draws from 0..high. The result starts at -1 before any draw, so a
    // negative low returns -1 at once; the game never asks for one.
    std::int32_t RandomInt(std::int32_t low, std::int32_t high);

private:
    UniformGenerator& generator_;
    LocalClock& clock_;
};

}  // namespace pelmora
