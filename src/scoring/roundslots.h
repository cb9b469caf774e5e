#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "scoring/scorecard.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace greenfold {

// Storing, replacing and deleting a player's rounds. A player keeps at most 20 rounds,
// slot 1 the oldest; every stored round carries its differential, the index after it
// and its course handicap. Every entry point is told the player, slot and course: none
// reads what a window chose from the model.

// The working values of the round being processed, as the score window shows them.
struct RoundWork {
    float rating = 0;
    float slope = 0;
    float differential = 0;
    int slot = 0;
};

struct RecordResult {
    Outcome outcome;     // not ok: the round was refused, the message says why
    bool stored = false; // also false, without a message, when both totals are 0
    RoundWork work;
    std::vector<std::string> panel;           // the calculation panel lines
    std::vector<std::pair<int, int>> counted; // WHS: each hole lowered, and what it counts
};

// The boxes of a round as the engine reads them: hole boxes 1..18, then the out (19) and
// in (20) boxes, each its leading whole number (an empty box 0).
using HoleScores = std::array<long, maxholes + 1>;
HoleScores holescores(const DisplayedRound& round);

// Drops slot 1 of player p and moves slots 2..20 down one. Slot 20 keeps its values until
// the new round overwrites them.
void shiftrounds(ProgramState& g, int p);

// Works kept round r of player p out again under the classic method, as recordround does
// a new round: the differential on tee `tee`, the index limited by tee `limittee`, the
// course handicap. A tee without a usable slope cannot give a differential: the round
// keeps the numbers it has and the answer is false.
bool recalcround(ProgramState& g, int p, int r, int tee, int limittee);

// Whether the displayed round can be recorded: a player and tee in range, a slot that
// exists, scores that fit, and a course rating and slope that give a differential.
// recordround checks this itself; the window may ask first, before ESC lowers any hole.
Outcome checkround(const ProgramState& g, const RoundEntry& entry);

// Stores the round in a new slot (entry slot 0; the oldest of 20 rounds is dropped) or
// over the edited slot, with its date and course, and computes its differential, index
// and course handicap. Later slots are left as they are when an old round is edited. A
// refused round changes nothing.
//
// Under the WHS method the round is posted with every step of that method (the panel
// shows them), its tee and flags go into the index history, and an edited round has the
// player's kept rounds worked out again in slot order (whs/leaguereplay.h).
RecordResult recordround(ProgramState& g, const RoundEntry& entry);

// What Record does to the holes on screen before the round is recorded. Under the classic
// method stroke control lowers them (EQadjust) and the round takes the lowered holes.
// Under the WHS method each hole over net double bogey shows what it counts, worked out
// as recording would on a copy of the league, and the round keeps the holes as typed.
struct HoleLimits {
    DisplayedRound shown;
    DisplayedRound recorded;
};
HoleLimits limitholes(const ProgramState& g, const RoundEntry& entry);

// The notice under the boxes while rounds are entered (editing: corrected); none when no
// limit applies.
std::optional<std::string> limitnotice(const ProgramState& g, bool editing);

// The question the window asks before a round is deleted (Yes/No); it says what is
// worked out again afterwards under the league's method.
Message deleteroundquestion(const ProgramState& g);

struct DeleteResult {
    Outcome outcome; // a note when the last round could not be recalculated
    bool deleted = false;
    bool recalculated = false;
};

// Deletes slot s of player p when the user said yes: later rounds move down one and the
// player's last round is recalculated on the player's default tee, its index limited by
// the tee selected in the window. Earlier rounds keep their numbers. Under the WHS method
// the player's kept rounds are worked out again in slot order instead.
DeleteResult deleteround(ProgramState& g, int p, int s, bool confirmed, int selectedtee);

} // namespace greenfold
