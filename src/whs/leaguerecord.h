#pragma once

#include "model/programstate.h"
#include "whs/posting.h"
#include "whs/record.h"

namespace greenfold::whs {

// Between the league and the method: the league's rounds, the course table and the index
// history as the method's plain records, and what the method worked out put back into the
// league's fields and the index history.

// Tee t (1..3) of course c as the course table has it: the tee's Course Rating and Slope
// Rating, the pars of the 18 holes and the stroke indexes of line 30 when that line holds
// a valid set. The classic method never reads line 30. A course or tee outside the table,
// or figures no course could have, give a tee without a slope, which cannot be rated.
Tee leaguetee(const ProgramState& g, int course, int tee);

// The league's scores of a round: holes 1..18, then the out and in totals.
using LeagueScores = std::array<int16_t, maxholes + 1>;

// A round as the method takes it, from its scores, course, tee and date (two-digit year).
// The classic method's nine-hole option plays no part: a tee's rating is a nine's own or
// an 18-hole one by its size (see nineholerating).
Round leagueround(const ProgramState& g, const LeagueScores& scores, int course, int tee,
                  const Date& date);
Date leaguedate(int month, int day, int year);

// The tee kept round r of player p was played from: the one the index history names, else
// the player's default tee (known false).
struct KeptTee {
    int tee = 0;
    bool known = false;
};
KeptTee keptroundtee(const ProgramState& g, int p, int r);
Round keptround(const ProgramState& g, int p, int r);

// The indexes issued to player p, oldest first.
std::vector<Revision> issuedindexes(const ProgramState& g, int p);

// Player p's record: his kept rounds in slot order with their differentials (none for a
// nine still waiting for 54 holes), and the indexes issued to him.
PlayerRecord playerrecord(const ProgramState& g, int p);

// Puts the posting of the round now in slot r of player p into the league: the
// differentials of that round and the rounds before it as they stand now (lowered by an
// exceptional score, or a waiting nine completed), the round's flags, the new index and
// course handicap (0 and 0 without an index), and the index issued into the history. The
// round's tee is the caller's to note.
void applyposting(ProgramState& g, int p, int r, const Posting& posting);

} // namespace greenfold::whs
