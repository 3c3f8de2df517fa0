// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The week's odds draw: made when the betting screen is set up and again at
// the start of every later week.
#include "core/game_state.h"
#include "core/random.h"

namespace furlox {

// Six new odds, 1..100 each, reseeding from the clock before every horse.
void drawOdds(GameState& state, Random& random);

}  // namespace furlox
