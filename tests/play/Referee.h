// Holds the game to its rules after every move: keeps its own account of
// points, level, Resets and sounds, and compares the board, the game's texts
// and the window's labels with what the rules allow. Records the first fault
// and stays quiet after it.
#pragma once

#include <cstdint>
#include <string>

#include "ModalAnswerer.h"
#include "game/Board.h"

namespace pelmora::play {

class GameUnderTest;

// The state just before a move.
struct Before {
    Board board;
    std::int64_t points = 0;
    int level = 1;
    std::int64_t resets = 0;
    long sounds = 0;
};

// What the game went through, for the run's summary.
struct Happenings {
    long presses = 0;
    long removals = 0;
    long resets = 0;
    long levelUps = 0;
    long refusals = 0;
};

class Referee {
public:
    explicit Referee(GameUnderTest& game);

    // Right after the window opened, before any move.
    void checkStart();
    Before observe() const;
    // The test set level, points and Resets itself before a LEVEL UP.
    void acceptRestoredProgress();

    // One press at (x, y) twips, whether it came from the window or not.
    void checkPress(const Before& before, double x, double y);
    void checkTick(const Before& before);
    void checkReset(const Before& before);
    // A click on "LEVEL UP" that the label took as a click.
    void checkLevelUp(const Before& before, const AnsweredBox& box);
    // A move that must leave the game exactly as it was.
    void checkUnchanged(const Before& before, const char* move);
    // After every move. `labelsShown`: the window has just pushed the game's
    // texts into its labels, so they must match them.
    void checkAlways(bool labelsShown);
    void checkNoMessageBox(const AnsweredBox& box);

    const Happenings& happenings() const { return happenings_; }
    bool failed() const { return !fault_.empty(); }
    const std::string& fault() const { return fault_; }
    void fail(const std::string& what);

private:
    void expectBoardMatchesCounts(const char* where);
    void expectFreshBoard(const char* where);
    void expectSounds(long expected, const char* fileName, const char* where);

    GameUnderTest& game_;
    std::int64_t points_ = 0;
    int level_ = 1;
    std::int64_t resets_ = 0;
    long sounds_ = 0;
    Happenings happenings_;
    std::string fault_;
};

}  // namespace pelmora::play
