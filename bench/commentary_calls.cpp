// SPDX-License-Identifier: GPL-3.0-or-later
// What the race commentary gives a listener, over many seeded races at a
// speed: how many races get the start, a call during the race, three calls
// naming the leader, the halfway call and the finish; whether the calls are
// spaced as long as the one before takes to say and 1.5 s at least; and how
// often the finish comes while the last call (as estimated) is still said.
// commentary_calls [interval ms] [races] [backers: 0 mixed, n players with no computer]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/random.h"
#include "race/commentary.h"
#include "race/race_rules.h"

using namespace furlox;

int main(int argc, char** argv)
{
    const int interval = argc > 1 ? std::atoi(argv[1]) : 100;
    const int races = argc > 2 ? std::atoi(argv[2]) : 200;
    const int backers = argc > 3 ? std::atoi(argv[3]) : 0;
    int inRace = 0, threeLeaders = 0, halfway = 0, spaced = 0, cut = 0;
    double raceMs = 0;
    for (int seed = 1; seed <= races; ++seed) {
        SeededRandom random(seed * 7919ULL);
        random.setClockMixing(false);
        GameState s;
        for (int& k : s.odds)
            k = drawWhole(random, 100);
        // Mixed: one to four players, and the computer half the time.
        const int players = backers ? backers : drawWhole(random, 4);
        s.computer.takesPart = !backers && drawWhole(random, 2) == 1;
        s.computer.name = "Pompadoodle";
        s.computerRecord = {"50", "5", std::to_string(drawWhole(random, 6)), "50"};
        for (int i = 0; i < kSlotCount; ++i) {
            s.players[i].nameBoxEnabled = i < players;
            s.players[i].name = std::string(1, char('A' + i)) + "nn";
            s.record[i] = {"50", i < players ? "10" : "0", std::to_string(drawWhole(random, 6)), "50"};
        }
        s.race.tickInterval = interval;
        startRace(s);
        Commentary c;
        Call last = startCommentary(c, s);
        double lastAt = 0, finish = 0;
        int leaders = 0, calls = 0;
        bool gaps = true, half = false;
        for (long tick = 0; !finish; ++tick) {
            horseTick(s, int(tick % kHorseCount) + 1, random);
            const auto call = commentaryStep(c, s);
            const double now = double(c.clock) / 6;
            if (!call)
                continue;
            if (call->kind == CallKind::Finish) {
                finish = now;
                cut += lastAt + callMs(last) > now;
                break;
            }
            ++calls;
            leaders += call->kind != CallKind::Start;
            half = half || call->kind == CallKind::Halfway;
            gaps = gaps && now - lastAt >= 1500 && now - lastAt >= callMs(last);
            last = *call;
            lastAt = now;
        }
        raceMs += finish;
        inRace += calls > 0;
        threeLeaders += leaders >= 3;
        halfway += half;
        spaced += gaps;
    }
    std::printf("interval %d ms, %d races (%s), mean race %.1f s\n", interval, races,
                backers ? (std::to_string(backers) + " backers").c_str() : "mixed fields", raceMs / races / 1000);
    std::printf("  start and finish: %d; a call during the race: %d; three naming the leader: %d; halfway: %d\n", races,
                inRace, threeLeaders, halfway);
    std::printf("  spaced by 1.5 s and the call before: %d; finish while the last call is said: %d\n", spaced, cut);
    return 0;
}
