// SPDX-License-Identifier: GPL-3.0-or-later
#include "race/race_rules.h"

#include <cmath>

#include "core/number_text.h"
#include "core/odds.h"

namespace furlox {

void startRace(GameState& state)
{
    auto& race = state.race;
    race.status = FURLOX_TEXT("furlox", "Status:- Racing");
    race.timersOn = true;
    race.pauseEnabled = true;
    race.pauseVisible = true;
    race.goVisible = false;
}

void togglePause(GameState& state)
{
    auto& race = state.race;
    if (!race.paused) {
        race.timersOn = false;
        race.pauseCaption = FURLOX_TEXT("furlox", "UNPAUSE GAME");
        race.status = FURLOX_TEXT("furlox", "Status:- Game Paused");
        race.paused = true;
    } else {
        race.timersOn = true;
        race.pauseCaption = FURLOX_TEXT("furlox", "PAUSE GAME");
        race.status = FURLOX_TEXT("furlox", "Status:- Racing");
        race.paused = false;
    }
}

TickResult horseTick(GameState& state, int horse, Random& random)
{
    TickResult result;
    if (!state.race.timersOn)
        return result;
    const double k = state.odds[horse - 1];
    random.reseedFromClock();
    const double x = std::floor(k * random.next() + 1);
    if (!(x > k / 2))
        return result;
    int& position = state.race.positions[horse - 1];
    position += kStep;
    result.moved = true;
    if (position == kFinishPosition) {
        result.won = true;
        finishRace(state, horse);
    }
    return result;
}

void finishRace(GameState& state, int horse)
{
    auto& race = state.race;
    // The record keeps the English; the race screen words it from the winner.
    race.status = horseLabel(horse) + " Has Won!";
    race.winner = horse;
    state.winCounts[horse - 1] += 1;
    race.timersOn = false;
    race.goEnabled = false;
    race.goVisible = false;
    race.nextVisible = true;
    race.nextEnabled = true;
    race.pauseVisible = false;
    settleRace(state, horse);
    race.results = weekResults(state, horse);
}

namespace {

// Money after for one line of the record: the stake times the odds on top
// for a winner, the stake taken off for everyone else.
void settleLine(BetLine& line, int horse, int odds)
{
    const double before = readNumber(line.before).value_or(0.0);
    const double stake = readNumber(line.stake).value_or(0.0);
    const double after = line.horse == std::to_string(horse) ? before + stake * odds : before - stake;
    line.after = writeNumber(after);
}

}  // namespace

void settleRace(GameState& state, int horse)
{
    const int odds = state.odds[horse - 1];
    for (int i = 0; i < kSlotCount; ++i) {
        settleLine(state.record[i], horse, odds);
        if (state.record[i].after == "0")
            state.players[i].canBet = false;
    }
    // A computer that is not in this game keeps its money: settling the
    // bet a computer of an earlier game left in the record would change the
    // money shown under "--Computer Not Playing--", or even declare it broke.
    if (state.computer.takesPart)
        settleLine(state.computerRecord, horse, odds);
}

WeekResults weekResults(const GameState& state, int horse)
{
    const int odds = state.odds[horse - 1];
    WeekResults results;
    auto add = [&](int slot, const std::string& name, const BetLine& line) {
        const double stake = readNumber(line.stake).value_or(0.0);
        const bool won = line.horse == std::to_string(horse);
        using O = WeekResult::Outcome;
        const O outcome = !(stake > 0) ? O::Nothing : won ? O::Won : O::Lost;
        results.push_back({slot, name, outcome, outcome == O::Nothing ? "" : writeNumber(won ? stake * odds : stake),
                           line.after});
    };
    for (int i = 0; i < kSlotCount; ++i) {
        // Slots nobody plays, and players already out before this week, had nothing on the race.
        if (state.players[i].nameBoxEnabled && state.record[i].before != "0")
            add(i + 1, state.players[i].name, state.record[i]);
    }
    if (state.computer.takesPart && !state.computer.outOfMoney)
        add(0, state.computer.name, state.computerRecord);
    return results;
}

bool nextWeek(GameState& state, Random& random)
{
    // The first control of the betting screen tells what happened.
    state.betting.news = state.race.results;
    state.race.results.clear();
    if (state.computerRecord.after == "0") {
        state.computer.outOfMoney = true;
        state.computer.moneyLineVisible = false;
    }
    state.computer.moneyShown = state.computerRecord.after;

    bool anyoneLeft = false;
    for (const auto& slot : state.players)
        anyoneLeft = anyoneLeft || slot.canBet;

    for (auto& slot : state.players)
        slot.horse = 1;
    drawOdds(state, random);

    auto& race = state.race;
    race.status = FURLOX_TEXT("furlox", "Status:- Getting Ready For Start");
    race.positions.fill(kStartPosition);
    race.winner = 0;
    race.timersOn = false;
    for (int i = 0; i < kSlotCount; ++i)
        state.players[i].money = state.record[i].after;
    race.goEnabled = true;
    race.goVisible = true;
    race.nextEnabled = false;
    race.pauseCaption = FURLOX_TEXT("furlox", "PAUSE GAME");
    race.paused = false;
    race.pauseEnabled = true;
    // Writing "0" into every stake box changes each of them: RACE! is on.
    for (auto& slot : state.players)
        slot.stake = "0";
    state.betting.raceButtonsEnabled = true;
    return !anyoneLeft;
}

}  // namespace furlox
