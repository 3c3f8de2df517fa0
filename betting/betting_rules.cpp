// SPDX-License-Identifier: GPL-3.0-or-later
#include "betting/betting_rules.h"

#include "core/number_text.h"

namespace furlox {

void setUpBetting(GameState& state, Random& random)
{
    if (state.betting.created)
        return;
    state.betting.created = true;
    for (auto& slot : state.players)
        slot.horse = 1;
    drawOdds(state, random);
}

namespace {

std::optional<StakeProblem> checkStake(const PlayerSlot& slot)
{
    const auto stake = readNumber(slot.stake);
    if (!stake)
        return StakeProblem::NotANumber;
    if (*stake < 0)
        return StakeProblem::Negative;
    if (*stake > readNumber(slot.money).value_or(0.0))
        return StakeProblem::TooMuch;
    return std::nullopt;
}

}  // namespace

RaceClick clickRace(GameState& state, RaceButton button)
{
    RaceClick result;
    for (int n = 0; n < kHorseCount; ++n)
        state.calc.odds[n] = std::to_string(state.odds[n]);

    for (int p = 1; p <= kSlotCount; ++p) {
        PlayerSlot& slot = state.players[p - 1];
        BetLine& line = state.record[p - 1];
        std::string stake = slot.stake;
        if (const auto problem = checkStake(slot)) {
            if (slot.canBet) {
                result.refusal = StakeRefusal{p, *problem};
                return result;
            }
            stake = "0";
        }
        line.stake = stake;
        line.before = slot.money;
        line.horse = std::to_string(slot.horse);
    }

    if (button == RaceButton::Plain) {
        result.route = RaceRoute::Racecourse;
    } else if (!state.computer.takesPart) {
        result.route = RaceRoute::Stay;
    } else if (!state.computer.outOfMoney) {
        result.route = RaceRoute::ComputerBet;
    } else {
        result.route = RaceRoute::Racecourse;
    }
    if (result.route == RaceRoute::Racecourse)
        state.course.timerArmed = true;
    else if (result.route == RaceRoute::ComputerBet)
        state.calc.timer1 = true;
    return result;
}

void stakeChanged(GameState& state, int slot, const std::string& text)
{
    state.players[slot - 1].stake = text;
    state.betting.raceButtonsEnabled = !text.empty();
}

void newGame(GameState& state)
{
    for (auto& slot : state.players)
        slot.money = kStartingMoney;
    state.names.confirmed = false;
    state.difficulty.continueEnabled = false;
    state.difficulty.levelButtonsEnabled = true;
    state.difficulty.tall = false;
    state.difficulty.timerArmed = false;
    for (int k = 1; k < kSlotCount; ++k)
        state.players[k].name = kNotPlaying;
    state.computer.moneyLineVisible = true;
    state.computer.moneyShown = kStartingMoney;
    state.computerRecord.after = kStartingMoney;
    state.computer.takesPart = false;
    state.computer.outOfMoney = false;
    state.winCounts.fill(0);
    state.betting.raceButton1Visible = true;
    state.betting.news.clear();  // last game's results are not this one's
}

}  // namespace furlox
