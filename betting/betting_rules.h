// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The betting week: the odds draw, RACE! with its stake checks, the stake
// boxes switching RACE! on and off, and a new game.
#include <optional>
#include <string>

#include "core/game_state.h"
#include "core/odds.h"
#include "core/random.h"

namespace furlox {

// The betting screen's one-time set-up: horse 1 in every panel, then the
// first week's odds. Does nothing after the first call.
void setUpBetting(GameState& state, Random& random);

enum class StakeProblem { NotANumber, Negative, TooMuch };

// Who was refused, and why; the betting screen says it in words.
struct StakeRefusal {
    int slot = 0;  // 1..4
    StakeProblem problem = StakeProblem::TooMuch;
};

enum class RaceButton { Plain, WithComputer };  // Command1, Command2
enum class RaceRoute { Stay, Racecourse, ComputerBet };

struct RaceClick {
    std::optional<StakeRefusal> refusal;  // set when a stake was refused
    RaceRoute route = RaceRoute::Stay;
};

// RACE!: copies the odds for the computer, checks and records the slots in
// order (the first refusal ends the click), then chooses where play goes and
// arms that screen's timer. A slot that cannot bet cannot correct its stake,
// so it is never refused: an unusable leftover stake there is recorded as "0".
RaceClick clickRace(GameState& state, RaceButton button);

// A stake box's text changed: RACE! is off while that box is empty.
void stakeChanged(GameState& state, int slot, const std::string& text);

// "New Game / Restart": money, the computer and the win counts go back to
// their starting values; odds, stakes, names, speed and currency stay.
void newGame(GameState& state);

}  // namespace furlox
