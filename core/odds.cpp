// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/odds.h"

#include <cmath>

namespace furlox {

void drawOdds(GameState& state, Random& random)
{
    for (int n = 0; n < kHorseCount; ++n) {
        random.reseedFromClock();
        const float r = static_cast<float>(random.next());
        state.odds[n] = static_cast<int>(std::floor(static_cast<double>(r) * 100.0 + 1.0));
    }
}

}  // namespace furlox
