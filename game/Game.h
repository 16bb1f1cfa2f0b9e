// One game of Pelmora: the board, the score, the level and the status texts,
// and every rule that changes them. The window forwards its events to the
// handlers here and shows what they leave behind.
#pragma once

#include <cstdint>

#include "game/Board.h"
#include "game/Host.h"
#include "game/Outcome.h"
#include "game/Position.h"
#include "game/RandomSource.h"
#include "game/StatusTexts.h"

namespace pelmora {

class Game {
public:
    // A game before its first board: Form_Load deals one.
    Game(Host& host, RandomSource& random) : host_(host), random_(random) {}
    // A game picked up at `position`, as if it had been played to there: the
    // labels show its level, points and box counts (selected boxes counted,
    // as play counted them before they were selected), and the selected
    // boxes on its board are the current selection, with their value shown;
    // with none selected the value label is empty, as at the start. No
    // handler has run yet; the first one is usually not Form_Load.
    Game(Host& host, RandomSource& random, const Position& position);

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

    // --- State ----------------------------------------------------------
    const Board& board() const { return board_; }
    const StatusTexts& texts() const { return texts_; }
    int level() const { return level_; }
    std::int64_t points() const { return points_; }
    std::int64_t resets() const { return resets_; }
    // Points, level, next level, selection, boxes left, next Reset cost.
    Standing standing() const;

    static constexpr const char* kClearSound = "clearbox.wav";
    static constexpr const char* kWinSound = "win.wav";
    static constexpr const char* kRefusalText = "You need more points!";
    static constexpr const char* kRefusalTitle = "Nope";
    // NEXTLEVEL reads this followed by the threshold.
    static constexpr const char* kNextLevelPrefix = "NEXT LEVEL: ";

private:
    // The procedures the handlers share.
    void NewBoard();
    void NewGame();
    void SelectGroup();
    void UpdateSelectionValue();
    void ClearSelection();
    void RemoveSelection();
    void DrawBoard();

    void writeBoxCounts(const Board& board);
    void setText(std::string StatusTexts::*label, std::string text);
    // At the end of each handler: tells the host if any text has changed.
    void reportTexts();
    // Tells the host what the handler did, with the standing it left.
    void report(Outcome outcome);
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
    bool textsChanged_ = false;
    // The numbers behind NEXTLEVEL and Nmmc as last written, so that the ten
    // redraws a second do not rebuild unchanged texts.
    std::int64_t nextLevelShown_ = -1;
    std::int64_t resetCostShown_ = -1;
};

}  // namespace pelmora
