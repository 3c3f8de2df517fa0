// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Side settings: the race speed and the currency sign.
#include <string>
#include <string_view>

#include "core/game_state.h"

namespace furlox {

inline constexpr int kSlowestTick = 1000;
inline constexpr int kFastestTick = 30;

// The keypad's field when the speed screen opens: the interval in force.
std::string speedFieldText(const GameState& state);

// "Apply Speed Change": a number from 30 to 1000 (tested before rounding,
// fractions allowed) becomes the tick interval, rounded half to even.
// Returns false, changing nothing, for anything else.
bool applySpeed(GameState& state, std::string_view text);

// "Apply" on the currency screen: an empty sign (no option chosen) changes nothing.
void applyCurrency(GameState& state, const std::string& sign);

}  // namespace furlox
