// Every sentence the game says to a screen reader, in one place: what a move
// did, and the status on demand. Each is one whole template with numbered
// places (%1, %2, ...), translated whole, so that a language may order them
// as it needs; the web page gets the same templates, in each language,
// through layout.json and fills them the same way. The names of the cells,
// the board and the figures are kept where they are given.
#pragma once

#include <QString>
#include <span>

#include "game/Outcome.h"

namespace pelmora::spoken {

// A sentence template and the key the page knows it by.
struct Template {
    const char* key;
    const char* english;
};
std::span<const Template> templates();
// The template in the player's language.
QString text(const Template& sentence);

// What to say after a handler, or nothing: "5 boxes selected, worth 12500",
// "removed 5 boxes for 12500 points; 45000 points", "level 2; next level
// at 450000"...
QString afterHandler(const Outcome& outcome);
// Points, level, next level, selection, boxes left and next Reset cost.
QString status(const Standing& standing);
// "7 rows, 13 columns".
QString boardSize(int rows, int columns);

}  // namespace pelmora::spoken
