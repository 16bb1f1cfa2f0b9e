#include "game/Board.h"

namespace pelmora {

bool isNormalBox(char cell) {
    return cell == code::kBlue || cell == code::kGreen || cell == code::kRed ||
           cell == code::kYellow;
}

bool isSelectedBox(char cell) {
    return cell == 'B' || cell == 'G' || cell == 'R' || cell == 'Y';
}

char selectedFormOf(char normalBox) { return static_cast<char>(normalBox - 'a' + 'A'); }

char normalFormOf(char selectedBox) { return static_cast<char>(selectedBox - 'A' + 'a'); }

void ColourCounts::add(char cell) {
    switch (cell) {
        case code::kBlue: ++blue; break;
        case code::kGreen: ++green; break;
        case code::kRed: ++red; break;
        case code::kYellow: ++yellow; break;
        default: break;
    }
}

void Board::clear(char fill) {
    for (auto& row : cells_) row.fill(fill);
}

ColourCounts Board::countNormalBoxes() const {
    ColourCounts counts;
    for (const auto& row : cells_)
        for (char cell : row) counts.add(cell);
    return counts;
}

}  // namespace pelmora
