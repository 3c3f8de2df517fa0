// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Setting up a game: how many play, the computer opponent, the names, and
// the racecourse announced before each race.
#include <array>
#include <string>

#include "core/game_state.h"
#include "core/random.h"

namespace furlox {

inline constexpr std::array<const char*, 10> kOpponentNames{
    "Osbert the Organist", "Horace the Plumber", "Ambrose the Baker", "Pompadoodle",
    "Quillan Marchbank", "Digby Tumbleweed", "Rufus 'Hop Skip 'n' Jump' Pelloe",
    "Barnaby Thistlewood", "Jasper Quickstep", "Wobblethorpe"};

inline constexpr std::array<const char*, 14> kCourses{
    "Wincanton", "Epsom", "Aintree", "Chepstow", "Goodwood", "Fontwell", "Folkstone",
    "Ascot", "Kempton Park", "Sandown Park", "Lingfield", "Doncaster", "Newmarket",
    "QX Stadium"};

enum class AfterCount { Difficulty, Names };

// One of the four count buttons: slots 1..count can bet and be named, the
// rest cannot; a ticked computer box routes the game through its own RACE!.
// Slot 1 is always enabled again, so a player 1 who went broke in the last
// game can bet in the next one.
AfterCount choosePlayerCount(GameState& state, int count, bool withComputer);

// "Lets Race!" / "Change It!": the typed names head the panels of the slots
// that play. Names are taken exactly as typed, empty ones included.
void confirmNames(GameState& state);

// A level button: "easy", "medium" or "hard". Arms the name draw.
void pickLevel(GameState& state, const std::string& level);
// The name draw's tick: one of the ten names, then "Continue" is allowed.
void drawOpponentName(GameState& state, Random& random);
// "Continue": the computer's name heads its money on the betting screen.
void confirmOpponent(GameState& state);

// Before each race: the course draw is armed, then ticks once.
void armCourseDraw(GameState& state);
void drawCourse(GameState& state, Random& random);
// "Continue" on the racecourse screen: no draw is made after it.
void leaveCourse(GameState& state);

}  // namespace furlox
