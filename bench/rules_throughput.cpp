// SPDX-License-Identifier: GPL-3.0-or-later
// The rules alone, without any window: horse ticks per second (each with
// its clock reseed and draw, as in the game) and whole weeks per second
// (bets, race to the finish, settlement, next week).
#include <chrono>
#include <cstdio>

#include "betting/betting_rules.h"
#include "core/game_state.h"
#include "core/random.h"
#include "race/race_rules.h"
#include "setup/setup_rules.h"

using namespace furlox;
using Clock = std::chrono::steady_clock;

int main()
{
    SeededRandom random(2026);
    GameState state;
    setUpBetting(state, random);
    choosePlayerCount(state, 4, false);

    // Ticks: no horse may finish, so each is sent back a step before it.
    startRace(state);
    long ticks = 0;
    auto start = Clock::now();
    while (Clock::now() - start < std::chrono::seconds(2)) {
        for (int i = 0; i < 1000; ++i) {
            const int horse = static_cast<int>(ticks++ % kHorseCount) + 1;
            horseTick(state, horse, random);
            if (state.race.positions[horse - 1] >= kFinishPosition - kStep)
                state.race.positions[horse - 1] = kStartPosition;
        }
    }
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("horse ticks: %.2f million per second\n", ticks / seconds / 1e6);

    // Weeks: every player stakes 1 on a horse of its own; broke games restart.
    long weeks = 0;
    start = Clock::now();
    state = GameState();
    setUpBetting(state, random);
    choosePlayerCount(state, 4, false);
    while (Clock::now() - start < std::chrono::seconds(2)) {
        for (int p = 0; p < kSlotCount; ++p) {
            state.players[p].stake = state.players[p].canBet ? "1" : "0";
            state.players[p].horse = p + 1;
        }
        clickRace(state, RaceButton::Plain);
        startRace(state);
        for (int horse = 1; state.race.timersOn; horse = horse % kHorseCount + 1)
            horseTick(state, horse, random);
        if (nextWeek(state, random)) {
            newGame(state);
            choosePlayerCount(state, 4, false);
        }
        ++weeks;
    }
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("whole weeks (4 players): %.0f per second\n", weeks / seconds);
    return 0;
}
