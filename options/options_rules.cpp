// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/options_rules.h"

#include <cmath>

#include "core/number_text.h"

namespace furlox {

std::string speedFieldText(const GameState& state) { return std::to_string(state.race.tickInterval); }

bool applySpeed(GameState& state, std::string_view text)
{
    const auto value = readNumber(text);
    if (!value || *value < kFastestTick || *value > kSlowestTick)
        return false;
    // nearbyint rounds in the default mode, to nearest with halves to the
    // even neighbour: 30.5 gives 30, 999.5 gives 1000.
    const double rounded = std::nearbyint(*value);
    state.race.tickInterval = static_cast<int>(rounded);
    return true;
}

void applyCurrency(GameState& state, const std::string& sign)
{
    if (!sign.empty())
        state.currency = sign;
}

}  // namespace furlox
