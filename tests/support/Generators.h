// Stand-ins for the random generator and the clock, so that a test or a
// benchmark decides what the game draws.
#pragma once

#include <deque>
#include <stdexcept>

#include "game/Board.h"
#include "game/RandomSource.h"

namespace pelmora::test_support {

// Plays back queued values of u, then goes on with a seeded generator.
struct ScriptedGenerator final : UniformGenerator {
    explicit ScriptedGenerator(std::uint64_t seed = 0x5eed) : fallback(seed) {}
    void reseed(std::int32_t number) override {
        ++reseeds;
        lastReseed = number;
        draws = 0;
    }
    float next() override {
        if (++draws > 1'000'000) throw std::runtime_error("endless redraws");
        if (script.empty()) return fallback.next();
        const float u = script.front();
        script.pop_front();
        return u;
    }
    // Queues the u that RandomInt(low, top - 1) turns into `value`.
    void queue(int value, int top, int times = 1) {
        script.insert(script.end(), times, static_cast<float>(value) / static_cast<float>(top));
    }
    // Queues the 546 draws that make the next new board `board`: six per
    // cell, row by row, each the colour's place in b, g, r, y plus one. Only
    // normal boxes can be dealt.
    void queueDeal(const Board& board) {
        for (char cell : board.cells()) {
            const int colour = cell == code::kBlue ? 1 : cell == code::kGreen ? 2 : cell == code::kRed ? 3 : 4;
            queue(colour, 41, 6);
        }
    }
    std::deque<float> script;
    long reseeds = 0;
    std::int32_t lastReseed = 0;
    long draws = 0;  // since the latest reseed
    MixingGenerator fallback;
};

// A clock stopped at one second of one month.
struct FixedClock final : LocalClock {
    int second() override { return s; }
    int month() override { return m; }
    int s = 37, m = 11;
};

}  // namespace pelmora::test_support
