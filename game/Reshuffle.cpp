#include "game/Reshuffle.h"

#include <array>

namespace pelmora {
namespace {

// The cycle yellow, red, blue, green, started at a different colour for
// each k.
constexpr std::array<std::array<char, 4>, 4> kColourOrders = {{
    {code::kYellow, code::kRed, code::kBlue, code::kGreen},
    {code::kGreen, code::kYellow, code::kRed, code::kBlue},
    {code::kBlue, code::kGreen, code::kYellow, code::kRed},
    {code::kRed, code::kBlue, code::kGreen, code::kYellow},
}};

int& poolCountOf(ColourCounts& pool, char colour) {
    switch (colour) {
        case code::kBlue: return pool.blue;
        case code::kGreen: return pool.green;
        case code::kRed: return pool.red;
        default: return pool.yellow;
    }
}

}  // namespace

void reshuffle(Board& board, RandomSource& random) {
    ColourCounts pool = board.countNormalBoxes();
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int k = random.RandomInt(kReshuffleDrawLow, kReshuffleDrawHigh) / 3;
            if (k >= static_cast<int>(kColourOrders.size())) continue;  // the cell keeps its code
            char dealt = code::kEmpty;
            for (char colour : kColourOrders[k]) {
                int& left = poolCountOf(pool, colour);
                if (left > 0) {
                    --left;
                    dealt = colour;
                    break;
                }
            }
            board.at(row, column) = dealt;
        }
    }
}

}  // namespace pelmora
