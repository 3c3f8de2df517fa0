// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer/computer_rules.h"

#include <cmath>

#include "core/number_text.h"

namespace furlox {

namespace {

struct Bracket {
    int bound;                            // odds strictly below qualify
    std::array<int, kHorseCount> order;   // horses in order of preference
};

constexpr std::array<Bracket, 6> kBrackets{{
    {5, {1, 2, 3, 4, 5, 6}},
    {20, {6, 5, 4, 3, 2, 1}},
    {40, {5, 4, 6, 3, 1, 2}},
    {60, {2, 1, 5, 4, 3, 6}},
    {80, {1, 6, 3, 4, 5, 2}},
    {100, {4, 2, 5, 3, 1, 6}},
}};

void chooseHorse(GameState& state, int horse)
{
    auto& calc = state.calc;
    calc.horse = horse;
    calc.timer1 = false;
    calc.timer2 = true;
    calc.status = FURLOX_TEXT("furlox", "Calculating amount to bet.......");
}

}  // namespace

std::optional<int> favouriteScan(const std::array<std::string, kHorseCount>& odds)
{
    for (const auto& bracket : kBrackets) {
        for (int horse : bracket.order) {
            const auto value = readNumber(odds[horse - 1]);
            if (value && *value < bracket.bound)
                return horse;
        }
    }
    return std::nullopt;
}

void computerHorseStep(GameState& state, Random& random)
{
    auto& calc = state.calc;
    const std::string& level = state.computer.level;
    if (level == "hard") {
        calc.timer3 = true;
        calc.timer1 = false;
        calc.timer2 = false;
        return;
    }
    if (level == "easy") {
        random.reseedFromClock();
        chooseHorse(state, drawWhole(random, kHorseCount));
        return;
    }
    if (level == "medium") {
        random.reseedFromClock();
        calc.coin = std::to_string(drawWhole(random, 10));
        if (readNumber(calc.coin).value_or(0) > 5) {
            chooseHorse(state, drawWhole(random, kHorseCount));
        } else if (const auto horse = favouriteScan(calc.odds)) {
            chooseHorse(state, *horse);
        }
        // No favourite: Timer1 stays armed and the whole step, coin
        // included, is tried again on its next tick.
    }
}

void computerHardStep(GameState& state, Random& random)
{
    auto& calc = state.calc;
    if (const auto horse = favouriteScan(calc.odds)) {
        chooseHorse(state, *horse);
    } else {
        random.reseedFromClock();
        chooseHorse(state, drawWhole(random, kHorseCount));
    }
    // Once chosen, further ticks could only choose again: stop here rather
    // than tick every millisecond until the stake step.
    calc.timer3 = false;
}

void computerStakeStep(GameState& state, Random& random)
{
    auto& calc = state.calc;
    const double money = readNumber(state.computerRecord.after).value_or(0.0);
    random.reseedFromClock();
    const double stake = std::floor(random.next() * money + 1);
    calc.timer2 = false;
    calc.timer3 = false;
    calc.continueEnabled = true;
    calc.status = FURLOX_TEXT("furlox", "Finished!");
    calc.stake = writeNumber(stake);
}

void computerContinue(GameState& state)
{
    auto& calc = state.calc;
    if (calc.horse >= 1)
        state.computerRecord.horse = std::to_string(calc.horse);
    state.computerRecord.stake = calc.stake;
    state.computerRecord.before = state.computerRecord.after;
    calc.continueEnabled = false;
    calc.status = kCalcStatusReset;
    calc.horse = 0;
    calc.stake.clear();
    state.course.timerArmed = true;  // the racecourse draw comes next
}

}  // namespace furlox
