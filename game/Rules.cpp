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
    if (level < kSecondTierFrom) {
        factor = kFirstTierFactor;
    } else if (level > kSecondTierFrom - 1 && level < kThirdTierFrom) {
        factor = kSecondTierFactor;
    } else if (level > kThirdTierFrom - 1 && level < kTopLevel) {
        factor = kThirdTierFactor;
    } else {
        return std::nullopt;
    }
    return std::pow(level + 1, 2.0) * factor;
}

std::int64_t resetCost(std::int64_t resets) {
    return kFirstResetCost + kResetCostStep * resets;
}

}  // namespace pelmora
