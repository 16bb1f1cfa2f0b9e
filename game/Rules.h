// The numbers of the game, named once: board size, scoring, level
// thresholds and the Reset price.
#pragma once

#include <cstdint>
#include <optional>

namespace pelmora {

inline constexpr int kRows = 7;
inline constexpr int kColumns = 13;
inline constexpr int kCells = kRows * kColumns;

// A selection grows by this many passes over the board, no more.
inline constexpr int kSelectionPasses = 6;

// A group of n boxes is worth kPointsPerBoxSquared * n * n.
inline constexpr std::int64_t kPointsPerBoxSquared = 500;

// Reset costs kFirstResetCost, then kResetCostStep more each time.
inline constexpr std::int64_t kFirstResetCost = 15000;
inline constexpr std::int64_t kResetCostStep = 20000;

// Points needed to leave level L: (L + 1)^2 times the factor of L's tier.
// Below level 3 the factor is 50000, below level 5 40000, below the top
// level 35000; from the top level on there is no next level.
inline constexpr int kSecondTierFrom = 3;
inline constexpr int kThirdTierFrom = 5;
inline constexpr int kTopLevel = 10;
inline constexpr double kFirstTierFactor = 50000;
inline constexpr double kSecondTierFactor = 40000;
inline constexpr double kThirdTierFactor = 35000;

// Timer period of the settling tick, in milliseconds.
inline constexpr int kTickMilliseconds = 100;

// Bounds of the random draws that deal a new board and deal a Reset.
inline constexpr int kDealDrawLow = 1;
inline constexpr int kDealDrawHigh = 40;
inline constexpr int kDealDrawsPerCell = 6;  // only the last of these counts
inline constexpr int kReshuffleDrawLow = 0;
inline constexpr int kReshuffleDrawHigh = 30;

// 500 x n squared.
std::int64_t selectionValue(std::int64_t selectedCount);

// Points needed in total to leave level `level`, or nothing from level 10 on.
// The level is read as a double, as the level label is.
std::optional<double> nextLevelThreshold(double level);

// Price of the next Reset after `resets` Resets in this game.
std::int64_t resetCost(std::int64_t resets);

}  // namespace pelmora
