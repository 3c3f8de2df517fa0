// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer opponent's weekly bet: a horse by its level, then a stake.
#include <array>
#include <optional>
#include <string>

#include "core/game_state.h"
#include "core/random.h"

namespace furlox {

// The hard level's favourite: the first horse, in each bracket's order of
// preference, whose odds lie strictly below the bracket's bound; the lowest
// bracket that holds any horse wins. No horse when every odds is 100 or more
// (or unreadable).
std::optional<int> favouriteScan(const std::array<std::string, kHorseCount>& odds);

// Timer1 (2.5 s after entry): the horse step for "easy" and "medium";
// "hard" hands over to Timer3.
void computerHorseStep(GameState& state, Random& random);

// Timer3 (hard only): the favourite scan. If it finds no horse, the computer
// falls back on the easy level's uniform draw so the week can go on.
void computerHardStep(GameState& state, Random& random);

// Timer2 (2.5 s after the horse): a whole stake from 1 to the money.
void computerStakeStep(GameState& state, Random& random);

// "Continue...": horse, stake and money before go into the race record, the
// screen resets and the racecourse draw is armed.
void computerContinue(GameState& state);

}  // namespace furlox
