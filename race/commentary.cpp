// SPDX-License-Identifier: GPL-3.0-or-later
#include "race/commentary.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <sstream>

#include "core/number_text.h"
#include "race/race_rules.h"

namespace furlox {

namespace {

using Positions = std::array<int, kHorseCount>;

// The horses from the front, level horses in number order.
std::array<int, kHorseCount> order(const Positions& positions)
{
    std::array<int, kHorseCount> horses;
    std::iota(horses.begin(), horses.end(), 1);
    std::stable_sort(horses.begin(), horses.end(),
                     [&](int a, int b) { return positions[a - 1] > positions[b - 1]; });
    return horses;
}

// The one horse ahead of all the others; 0 when the lead is shared.
int soleLeader(const Positions& positions)
{
    const auto front = order(positions);
    return positions[front[0] - 1] > positions[front[1] - 1] ? front[0] : 0;
}

// 1 + the horses ahead of it; 6 when none is behind it, so a horse level last is last.
int place(const Positions& positions, int horse)
{
    const int here = positions[horse - 1];
    const auto ahead = std::count_if(positions.begin(), positions.end(), [&](int p) { return p > here; });
    const auto behind = std::count_if(positions.begin(), positions.end(), [&](int p) { return p < here; });
    return ahead > 0 && behind == 0 ? kHorseCount : static_cast<int>(ahead) + 1;
}

// Everyone with a stake on this race, players in panel order, then the
// computer: the same people the results name.
std::vector<Backer> backers(const GameState& state)
{
    std::vector<Backer> out;
    auto add = [&](int slot, const std::string& name, const BetLine& line) {
        // The horse as the settlement matches it: "5", not "05".
        for (int horse = 1; horse <= kHorseCount; ++horse)
            if (line.horse == std::to_string(horse) && readNumber(line.stake).value_or(0.0) > 0)
                out.push_back({slot, name, horse, place(state.race.positions, horse)});
    };
    for (int i = 0; i < kSlotCount; ++i)
        if (state.players[i].nameBoxEnabled && state.record[i].before != "0")
            add(i + 1, state.players[i].name, state.record[i]);
    if (state.computer.takesPart && !state.computer.outOfMoney)
        add(0, state.computer.name, state.computerRecord);
    return out;
}

// How soon horse h is expected to reach a mark, in ms: its moves left over
// its chance of a move, in intervals.
double msTo(const GameState& state, int h, int mark)
{
    const int k = std::max(1, state.odds[h - 1]);
    const double chance = std::ceil(k / 2.0) / k;
    const double moves = std::max(0, mark - state.race.positions[h - 1]) / double(kStep);
    return moves / chance * state.race.tickInterval;
}

// How soon the first horse is expected to finish: the soonest of them all,
// less a tenth, for a horse that runs luckier than its odds. Over 200 seeded
// races at 100 ms this cut one race's last call short in 20 instead of 40,
// and still gave three in four races at 30 ms a call between start and finish.
double msLeft(const GameState& state)
{
    double best = std::numeric_limits<double>::infinity();
    for (int h = 1; h <= kHorseCount; ++h)
        best = std::min(best, 0.9 * msTo(state, h, kFinishPosition));
    return best;
}

// A call begins now; one that names the leader makes it the horse last called.
void said(Commentary& c, const Call& call)
{
    c.lastStart = c.clock;
    c.lastMs = callMs(call);
    if (call.kind != CallKind::Start && call.kind != CallKind::Finish && !call.horses.empty())
        c.leader = call.horses.front();
}

int words(const std::string& text)
{
    std::istringstream in(text);
    int n = 0;
    for (std::string word; in >> word;)
        ++n;
    return n;
}

}  // namespace

Call startCommentary(Commentary& c, const GameState& state)
{
    c = {};
    Call call{CallKind::Start, state.course.course, {}, {}};
    said(c, call);
    return call;
}

std::optional<Call> commentaryStep(Commentary& c, const GameState& state)
{
    const auto& positions = state.race.positions;
    if (c.finishDone)
        return std::nullopt;
    const auto winner = std::find(positions.begin(), positions.end(), kFinishPosition);
    if (winner != positions.end()) {
        c.finishDone = true;
        return Call{CallKind::Finish, {}, {int(winner - positions.begin()) + 1}, {}};
    }
    if (!state.race.timersOn)  // paused, or not yet started: the clock stands
        return std::nullopt;
    c.clock += state.race.tickInterval;
    if (c.clock < c.lastStart + std::int64_t{6} * std::max(kCallGapMs, c.lastMs))
        return std::nullopt;
    // Every call names the leader, so while the lead is shared they all wait.
    const int leader = soleLeader(positions);
    if (!leader)
        return std::nullopt;
    const int front = positions[leader - 1];
    std::vector<Call> tries;  // the call due, then what may stand in for it when time is short
    if (!c.stretchDone && front >= kStretchMark) {
        const auto o = order(positions);
        tries = {{CallKind::Stretch, {}, {o[0], o[1], o[2]}, {}}, {CallKind::Stretch, {}, {o[0], o[1]}, {}}};
        c.stretchDone = c.halfwayDone = true;  // a waiting halfway is stale now
    } else if (!c.halfwayDone && front >= kHalfwayMark) {
        tries = {{CallKind::Halfway, {}, {leader}, backers(state)}};
        c.halfwayDone = true;
    } else if (leader != c.leader) {
        // The halfway call says where everyone's horse is: a change of
        // leader that would still hold the air when the front reaches
        // halfway waits, unless there would be no time for halfway anyway.
        const Call halfway{CallKind::Halfway, {}, {leader}, backers(state)};
        const double toHalf = msTo(state, leader, kHalfwayMark);
        const Call lead{CallKind::Lead, {}, {leader}, {}};
        if (!c.halfwayDone && std::max(kCallGapMs, callMs(lead)) > toHalf && callMs(halfway) <= msLeft(state) - toHalf)
            return std::nullopt;
        tries = {lead};
    } else {
        return std::nullopt;
    }
    tries.push_back({CallKind::Leads, {}, {leader}, {}});
    const double left = msLeft(state);
    for (const auto& call : tries)
        if (callMs(call) <= left) {
            said(c, call);
            return call;
        }
    return std::nullopt;
}

Call pauseCommentary(Commentary& c, const GameState& state)
{
    const int leader = soleLeader(state.race.positions);
    Call call{state.race.paused ? CallKind::Paused : CallKind::Resumed, {}, {}, {}};
    if (leader)
        call.horses = {leader};
    said(c, call);
    return call;
}

// Timed with espeak-ng 1.51 at its default 175 words a minute, from the
// first sound to the last: "Horse 3 leads." 0.93 s, "Horse 6
// (PURPLE) takes the lead." 2.09 s, "Final stretch: Horse 3 leads from Horse 5
// and Horse 1." 3.69 s, a halfway call with two backers 5.28 s and with five
// 10.79 s. 320 ms a word and 280 ms a stop (. , : !) is 5 to 45% over each of
// eighteen such calls, so a call is over before the next begins.
int callMs(const Call& call)
{
    const int n = static_cast<int>(call.horses.size());
    int w = 0, stops = 1;
    switch (call.kind) {
    case CallKind::Start:  // They're off at <course>!
        w = 3 + words(call.course);
        break;
    case CallKind::Lead:  // Horse 3 takes the lead.
        w = 4;
        break;
    case CallKind::Leads:  // Horse 3 leads.
        w = 3;
        break;
    case CallKind::Halfway:  // Halfway: Horse 3 leads. <name>'s 5 is third, ...
        w = 4;
        stops = 2;
        for (const auto& b : call.backers) {
            w += (b.name.empty() ? 2 : words(b.name)) + 1;
            ++stops;
        }
        break;
    case CallKind::Stretch:  // Final stretch: Horse 3 leads from 5 and 1.
        w = 6 + (n - 1) + (n > 2 ? 1 : 0);
        stops = 2;
        break;
    case CallKind::Paused:  // Race paused. Horse 3 leads.
    case CallKind::Resumed:  // Racing again. Horse 3 leads.
        w = 2 + 3 * n;
        stops = 1 + n;
        break;
    case CallKind::Finish:  // Horse 5 (BLUE) Has Won!
        w = 5;
        break;
    }
    return 320 * w + 280 * stops;
}

}  // namespace furlox
