#include "screens/common/rewards.h"

#include <algorithm>

namespace screens::rewards {

bool aboveFourFifths(double earned, double possible) { return possible != 0 && earned / possible > 0.8; }

int nextToShow(std::span<const int> order, const std::function<bool(int)>& isShown) {
    // With every picture but the last shown, the search stops on the last one.
    return *std::find_if_not(order.begin(), order.end() - 1, isShown);
}

} // namespace screens::rewards
