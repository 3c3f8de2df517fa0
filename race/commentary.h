// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The race commentary a screen reader speaks: what to call and when, from the
// positions, the odds and the week's bets. The calls are structured, not
// sentences: the race screen words each one in the player's language.
//
// Time is race time, counted in ticks rather than read from a clock, so a
// pause stops it and a test can drive it step by step.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/game_state.h"

namespace furlox {

enum class CallKind { Start, Lead, Leads, Halfway, Stretch, Paused, Resumed, Finish };

// Someone who backed a horse this week, and where that horse stands.
struct Backer {
    int slot = 0;      // 1..4: a player's panel; 0: the computer
    std::string name;  // as the record has it (a player's may be empty)
    int horse = 0;     // 1..6
    int place = 0;     // 1..6 from the front; 6 means last (level last too)
    bool operator==(const Backer&) const = default;
};

struct Call {
    CallKind kind = CallKind::Start;
    std::string course;           // Start: "They're off at Chepstow!"
    std::vector<int> horses;      // Lead ("Horse 3 (ORANGE) takes the lead."), Leads ("Horse 3 leads.")
                                  // and Halfway: {leader}. Stretch ("Final stretch: Horse 3 leads from
                                  // Horse 5 and Horse 1."): the leading three, front first, or two when
                                  // three would not be said in time. Paused ("Race paused. Horse 3
                                  // leads.") and Resumed ("Racing again. Horse 3 leads."): {leader}, or
                                  // {} when the lead is shared. Finish: {winner}.
    std::vector<Backer> backers;  // Halfway: "Ann's Horse 5 is third, Pompadoodle's Horse 1 is last."
    bool operator==(const Call&) const = default;
};

// What this race has called so far, and when.
struct Commentary {
    std::int64_t clock = 0;      // race time in sixths of a ms: a tick adds the interval, six ticks make one
    std::int64_t lastStart = 0;  // when the last call began, in the same unit
    int lastMs = 0;              // how long the last call takes to say
    int leader = 0;              // the horse last called as leader; 0 for none
    bool halfwayDone = false;    // called, or given up for lack of time
    bool stretchDone = false;
    bool finishDone = false;
    bool operator==(const Commentary&) const = default;
};

// The marks, as left edges: the front horse has passed half the track, and
// four fifths of it.
inline constexpr int kHalfwayMark = (kStartPosition + kFinishPosition) / 2;
inline constexpr int kStretchMark = kStartPosition + (kFinishPosition - kStartPosition) * 4 / 5;
// The least gap between the starts of two calls.
inline constexpr int kCallGapMs = 1500;

// GO!: starts afresh and calls the start.
Call startCommentary(Commentary& c, const GameState& state);
// After each horse's tick: a call when one is due and its time has come. The
// winner comes first, once; a stretch beats the halfway mark, which beats a
// change of leader. A call waits until the last one has been said and
// kCallGapMs has passed, and while the lead is shared; one that could not be
// said before the first horse is expected to finish becomes the short Leads,
// or nothing.
std::optional<Call> commentaryStep(Commentary& c, const GameState& state);
// After PAUSE GAME / UNPAUSE GAME (state.race.paused already toggled):
// Paused or Resumed, said at once; the gap runs from here.
Call pauseCommentary(Commentary& c, const GameState& state);
// How long a call takes to say in English at a screen reader's default rate, in ms.
int callMs(const Call& call);

}  // namespace furlox
