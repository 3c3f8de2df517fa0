// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The race and what follows it: GO!, pause, one horse's tick, the finish with
// its settlement, and the move to the next week.
#include "core/game_state.h"
#include "core/random.h"

namespace furlox {

inline constexpr int kStep = 120;  // twips per move

// GO!: the six horse timers start.
void startRace(GameState& state);

// PAUSE GAME / UNPAUSE GAME.
void togglePause(GameState& state);

struct TickResult {
    bool moved = false;
    bool won = false;
};

// One tick of horse n (1..6): reseed, draw x = Int(k * r + 1) for odds k and
// move when x > k / 2. A move that lands on the finish wins: the race stops
// and the week is settled before this returns. Ticks while the timers are
// off change nothing.
TickResult horseTick(GameState& state, int horse, Random& random);

// The winner's finish: status, win count, timers off, buttons, settlement.
void finishRace(GameState& state, int horse);

// Pays or charges every slot, and the computer when it plays, for winning
// horse n; a slot whose money after is exactly "0" can bet no more.
void settleRace(GameState& state, int horse);

// What the race did to everyone who bet in it, as a screen reader is told
// it: "Ann won £120, now £170. Bob lost £5, now £40." The computer is there
// when it bet this week. Sighted players read the same in the money labels.
WeekResults weekResults(const GameState& state, int horse);

// "GO TO THE NEXT WEEK": marks a broke computer out, carries the money over,
// draws new odds and resets the track. Returns true when no slot can bet,
// which ends the game.
bool nextWeek(GameState& state, Random& random);

}  // namespace furlox
