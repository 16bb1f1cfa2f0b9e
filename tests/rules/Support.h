// Stand-ins for the window and the system, boards built from a few letters,
// and a game wired to them.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/Geometry.h"

namespace pelmora {
inline void PrintTo(const Cell& cell, std::ostream* out) { *out << cell.row << "," << cell.column; }
inline void PrintTo(const Board& board, std::ostream* out) {
    for (int row = 0; row < kRows; ++row) out->put('\n').write(board.cells().data() + row * kColumns, kColumns);
}
}  // namespace pelmora

namespace pelmora::test_support {

using Lines = std::vector<std::string>;

// Logs "paint", "sound <path>" and "<message text>|<title>" in order, and
// keeps the board as it was when a sound played.
struct FakeHost : Host {
    void paintBoard(const Board&) override { log.push_back("paint"); }
    void playSoundAndWait(const std::string& path) override {
        log.push_back("sound " + path);
        boardAtSound = game->board();
    }
    void showMessage(const std::string& text, const std::string& title) override { log.push_back(text + "|" + title); }
    std::string programFolder() const override { return "/opt/pelmora"; }
    const Game* game = nullptr;
    Board boardAtSound;
    Lines log;
};

// Plays back queued values of u, then goes on with a seeded generator.
struct ScriptedGenerator : UniformGenerator {
    void reseed(std::int32_t number) override { reseeds.push_back(number); }
    float next() override {
        if (++draws > 1'000'000) throw std::runtime_error("endless redraws");
        if (script.empty()) return fallback.next();
        const float u = script.front();
        script.pop_front();
        return u;
    }
    // Queues the u that RandomInt(low, top - 1) turns into `value`.
    void queue(int value, int top, int times = 1) { script.insert(script.end(), times, float(value) / top); }
    std::deque<float> script;
    std::vector<std::int32_t> reseeds;
    long draws = 0;
    MixingGenerator fallback{0x5eed};
};

struct FixedClock : LocalClock {
    int second() override { return s; }
    int month() override { return m; }
    int s = 37, m = 11;
};

// `codes` holds one letter per column, written down the whole column.
inline Board columnsBoard(const std::string& codes) {
    Board board;
    for (int cell = 0; cell < kCells; ++cell) board.cells()[cell] = codes.at(cell % kColumns);
    return board;
}
inline Board filled(char code) { return columnsBoard(std::string(kColumns, code)); }
inline int countOf(const Board& board, const std::string& codes) {
    int count = 0;
    for (char cell : board.cells()) count += codes.find(cell) != std::string::npos;
    return count;
}

class GameTest : public ::testing::Test {
protected:
    GameTest() { host.game = &game; }
    // Aims at the middle of a tile: 705 x 720 twips from (30, 75), written
    // out here so that a wrong grid shows up.
    void press(int row, int column) { game.dest_MouseDown(1, 0, 382.0f + column * 705, 435.0f + row * 720); }
    Lines labelCounts() const {  // total, red, blue, green, yellow
        const StatusTexts& t = game.texts();
        return {t.Label4, t.Label6, t.Label8, t.Label10, t.Label12};
    }
    FakeHost host;
    ScriptedGenerator generator;
    FixedClock clock;
    RandomSource random{generator, clock};
    Game game{host, random};
};

}  // namespace pelmora::test_support
