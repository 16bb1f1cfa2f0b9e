// Stand-ins for the window and the system: a host that records what it was
// asked to show, a generator that plays back chosen values, a stopped clock.
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "game/Host.h"
#include "game/RandomSource.h"

namespace pelmora::test_support {

class FakeHost : public Host {
public:
    void paintBoard(const Board& board) override {
        ++paints;
        lastPainted = board;
        log.push_back("paint");
    }
    void playSoundAndWait(const std::string& path) override {
        sounds.push_back(path);
        log.push_back("sound " + path);
        if (watchedBoard) boardsWhenSoundPlayed.push_back(*watchedBoard);
    }
    void showMessage(const std::string& text, const std::string& title) override {
        messages.emplace_back(text, title);
        log.push_back("message");
    }
    std::string programFolder() const override { return "/opt/pelmora"; }

    const Board* watchedBoard = nullptr;  // copied whenever a sound plays
    int paints = 0;
    Board lastPainted;
    std::vector<std::string> sounds;
    std::vector<std::pair<std::string, std::string>> messages;  // text, title
    std::vector<Board> boardsWhenSoundPlayed;
    std::vector<std::string> log;  // "paint", "sound <path>", "message", in order
};

// RandomInt multiplies u by its high + 1: 41 for a new board, 31 for a Reset.
inline constexpr int kNewBoardTop = 41;
inline constexpr int kResetTop = 31;

// Plays back queued values, then goes on with a seeded generator so that
// unscripted draws are uniform and repeatable.
class ScriptedGenerator : public UniformGenerator {
public:
    void reseed(std::int32_t number) override { reseeds.push_back(number); }
    float next() override {
        // A redraw loop that can never accept fails the test instead of hanging it.
        if (++draws > 1'000'000) throw std::runtime_error("endless redraws");
        if (script.empty()) return fallback.next();
        const float u = script.front();
        script.pop_front();
        return u;
    }
    // Queues the values of u that RandomInt turns into `values`.
    void queueWholeNumbers(std::initializer_list<int> values, int top, int times = 1) {
        for (int i = 0; i < times; ++i)
            for (int value : values) script.push_back(static_cast<float>(value) / top);
    }

    std::deque<float> script;
    std::vector<std::int32_t> reseeds;
    long draws = 0;
    MixingGenerator fallback{0x5eed};
};

class FixedClock : public LocalClock {
public:
    FixedClock(int second, int month) : second_(second), month_(month) {}
    int second() override { return second_; }
    int month() override { return month_; }
    void set(int second, int month) { second_ = second, month_ = month; }

private:
    int second_, month_;
};

}  // namespace pelmora::test_support
