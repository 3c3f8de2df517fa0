// SPDX-License-Identifier: GPL-3.0-or-later
#include "race/race_rules.h"

#include <cmath>

#include "core/number_text.h"
#include "core/odds.h"

namespace furlox {

void startRace(GameState& state)
{
    auto& race = state.race;
    race.status = "Status:- Racing";
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
        race.pauseCaption = "UNPAUSE GAME";
        race.status = "Status:- Game Paused";
        race.paused = true;
    } else {
        race.timersOn = true;
        race.pauseCaption = "PAUSE GAME";
        race.status = "Status:- Racing";
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
    race.status = horseLabel(horse) + " Has Won!";
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

namespace {

// "Ann won £120, now £170", "Bob lost £40, now £0 and has run out of
// money", "Cy bet nothing, still £50".
std::string resultLine(const std::string& who, const BetLine& line, int horse, int odds, const std::string& sign)
{
    const double stake = readNumber(line.stake).value_or(0.0);
    if (!(stake > 0))
        return who + " bet nothing, still " + sign + line.after;
    const bool won = line.horse == std::to_string(horse);
    return who + (won ? " won " : " lost ") + sign + writeNumber(won ? stake * odds : stake) + ", now " + sign +
           line.after + (line.after == "0" ? " and has run out of money" : "");
}

}  // namespace

std::string weekResults(const GameState& state, int horse)
{
    const int odds = state.odds[horse - 1];
    std::string text;
    auto add = [&text](const std::string& sentence) { text += (text.empty() ? "" : " ") + sentence + "."; };
    for (int i = 0; i < kSlotCount; ++i) {
        // Slots nobody plays, and players already out before this week, had nothing on the race.
        if (!state.players[i].nameBoxEnabled || state.record[i].before == "0")
            continue;
        const std::string& name = state.players[i].name;
        add(resultLine(name.empty() ? "Player " + std::to_string(i + 1) : name, state.record[i], horse, odds,
                       state.currency));
    }
    if (state.computer.takesPart && !state.computer.outOfMoney)
        add(resultLine(state.computer.name, state.computerRecord, horse, odds, state.currency));
    return text;
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
    race.status = "Status:- Getting Ready For Start";
    race.positions.fill(kStartPosition);
    race.timersOn = false;
    for (int i = 0; i < kSlotCount; ++i)
        state.players[i].money = state.record[i].after;
    race.goEnabled = true;
    race.goVisible = true;
    race.nextEnabled = false;
    race.pauseCaption = "PAUSE GAME";
    race.paused = false;
    race.pauseEnabled = true;
    // Writing "0" into every stake box changes each of them: RACE! is on.
    for (auto& slot : state.players)
        slot.stake = "0";
    state.betting.raceButtonsEnabled = true;
    return !anyoneLeft;
}

}  // namespace furlox
