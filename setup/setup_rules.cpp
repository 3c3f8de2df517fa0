// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/setup_rules.h"

namespace furlox {

AfterCount choosePlayerCount(GameState& state, int count, bool withComputer)
{
    if (withComputer) {
        state.computer.takesPart = true;
        state.betting.raceButton1Visible = false;
    } else {
        state.computer.heading = kComputerNotPlaying;
    }
    for (int k = 1; k <= kSlotCount; ++k) {
        const bool plays = k == 1 || k <= count;
        state.players[k - 1].canBet = plays;
        state.players[k - 1].nameBoxEnabled = plays;
    }
    return withComputer ? AfterCount::Difficulty : AfterCount::Names;
}

void confirmNames(GameState& state)
{
    state.names.confirmed = true;
    // The highest enabled name box tells how many play.
    int playing = 0;
    for (int k = kSlotCount; k >= 1; --k) {
        if (state.players[k - 1].nameBoxEnabled) {
            playing = k;
            break;
        }
    }
    for (int k = 1; k <= playing; ++k)
        state.players[k - 1].name = state.players[k - 1].typedName;
}

void pickLevel(GameState& state, const std::string& level)
{
    state.computer.level = level;
    state.difficulty.tall = true;
    state.difficulty.nameVisible = true;
    state.difficulty.timerArmed = true;
    state.difficulty.levelButtonsEnabled = false;
}

void drawOpponentName(GameState& state, Random& random)
{
    random.reseedFromClock();
    const int d = drawWhole(random, static_cast<int>(kOpponentNames.size()));
    state.computer.name = kOpponentNames[d - 1];
    state.difficulty.timerArmed = false;
    state.difficulty.continueEnabled = true;
}

void confirmOpponent(GameState& state)
{
    state.computer.heading = state.computer.name + "'s money:";
}

void armCourseDraw(GameState& state) { state.course.timerArmed = true; }

void drawCourse(GameState& state, Random& random)
{
    random.reseedFromClock();
    const int d = drawWhole(random, static_cast<int>(kCourses.size()));
    state.course.course = kCourses[d - 1];
    state.course.timerArmed = false;
}

void leaveCourse(GameState& state) { state.course.timerArmed = false; }

}  // namespace furlox
