#include "game/Rules.h"

#include <cmath>

namespace pelmora {

std::int64_t selectionValue(std::int64_t selectedCount) {
    return kPointsPerBoxSquared * selectedCount * selectedCount;
}

std::optional<double> nextLevelThreshold(double level) {
    // The tiers are tested in this order; the factor falls but the total
    // still rises from level to level.
    double factor = 0;
    if (level < 3) {
        factor = 50000;
    } else if (level > 2 && level < 5) {
        factor = 40000;
    } else if (level > 4 && level < 10) {
        factor = 35000;
    } else {
        return std::nullopt;
    }
    return std::pow(level + 1, 2.0) * factor;
}

std::int64_t resetCost(std::int64_t resets) {
    return kFirstResetCost + kResetCostStep * resets;
}

}  // namespace pelmora
