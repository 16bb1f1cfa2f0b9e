// One game of Pelmora: the board, the score, the level and the status texts,
// and every rule that changes them. The window forwards its events to the
// handlers here and shows what they leave behind.
#pragma once

#include <cstdint>

#include "game/Board.h"
#include "game/Host.h"
#include "game/RandomSource.h"
#include "game/StatusTexts.h"

namespace pelmora {

class Game {
public:
    Game(Host& host, RandomSource& random) : host_(host), random_(random) {}

    // --- Event handlers -------------------------------------------------
    // The window has loaded: deal the first board.
    void Form_Load();
    // A press on the board at (x, y) twips from the surface's inner corner.
    // Any button and any modifier keys act the same.
    void dest_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    // Every 100 ms: show the next Reset cost, one column pass, one falling
    // pass, redraw.
    void Timer1_Timer();
    // "LEVEL UP".
    void Label3_Click();
    // "Reset".
    void mnuFileNew_Click();

    // --- Procedures, public so that tests can drive them one by one -----
    void NewBoard();
    void NewGame();
    void SelectGroup();
    void UpdateSelectionValue();
    void ClearSelection();
    void RemoveSelection();
    void DrawBoard();

    // --- State ----------------------------------------------------------
    const Board& board() const { return board_; }
    Board& board() { return board_; }
    const StatusTexts& texts() const { return texts_; }
    int level() const { return level_; }
    std::int64_t points() const { return points_; }
    std::int64_t selValue() const { return selValue_; }
    std::int64_t resets() const { return resets_; }

    // Puts the game at a given level, score and Reset count, keeping the
    // labels in step; for replaying positions in tests and benchmarks.
    void restoreProgress(int level, std::int64_t points, std::int64_t resets);

    static constexpr const char* kClearSound = "clearbox.wav";
    static constexpr const char* kWinSound = "win.wav";
    static constexpr const char* kRefusalText = "You need more points!";
    static constexpr const char* kRefusalTitle = "Nope";

private:
    void writeBoxCounts();
    void setPoints(std::int64_t points);
    void setLevel(int level);
    void playSound(const char* fileName);

    Host& host_;
    RandomSource& random_;
    Board board_;
    StatusTexts texts_;
    int level_ = 1;
    std::int64_t points_ = 0;
    std::int64_t selValue_ = 0;
    std::int64_t resets_ = 0;
    // The numbers behind NEXTLEVEL and Nmmc as last written, so that the ten
    // redraws a second do not rebuild unchanged texts.
    std::int64_t nextLevelShown_ = -1;
    std::int64_t resetCostShown_ = -1;
};

}  // namespace pelmora
