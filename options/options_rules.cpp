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
    // Halves go to the even neighbour: 30.5 gives 30, 999.5 gives 1000.
    const double whole = std::round(*value);
    const bool half = std::fabs(*value - std::trunc(*value)) == 0.5;
    const double rounded = half && std::fmod(whole, 2.0) != 0.0 ? whole - std::copysign(1.0, *value) : whole;
    state.race.tickInterval = static_cast<int>(rounded);
    return true;
}

void applyCurrency(GameState& state, const std::string& sign)
{
    if (!sign.empty())
        state.currency = sign;
}

}  // namespace furlox
