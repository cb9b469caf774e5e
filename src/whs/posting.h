#pragma once

#include "whs/account.h"
#include "whs/decimal.h"
#include "whs/record.h"

#include <optional>
#include <vector>

namespace greenfold::whs {

// The league's choices for the method: the handicap allowance, whole percent 1..100.
struct Options {
    int allowance = 100;
};

// What posting a round comes to.
struct Posting {
    Account account;
    // The differential of every round of the record and then of this one, oldest first,
    // as they stand now: an exceptional score lowers the most recent 20, and the 54th hole
    // completes the nines that waited for it.
    std::vector<std::optional<Tenths>> differentials;
    std::optional<Tenths> index;      // nothing: no index yet (index 0 is kept)
    std::optional<Revision> revision; // the index issued, dated with the round
    int coursehcp = 0;                // the Playing Handicap kept with the round
};

// Posts a round to a player's record, in the order of the rules: the adjusted gross score
// with the index in effect, the Score Differential, an exceptional score reduction, the
// index with its caps, and the course handicap on the round's tee from the new index.
// Nothing when the round cannot be rated (no slope, no score).
//
// A nine played before the player has an index has no differential: it waits until the
// record holds 54 holes (18 a round, 9 a nine). Then a starting index is made from the
// 18-hole differentials and the waiting nines two by two in the order played, their
// unrounded nine-hole differentials added and rounded (an odd nine left over is not
// paired). Each waiting nine then counts its own nine-hole differential plus the expected
// nine-hole differential of the starting index, rounded once, and the first index is made
// from the whole record.
std::optional<Posting> recordround(const PlayerRecord& record, const Round& round,
                                   const Options& options);

// Keeps a posted round in the record the way the league keeps it: the differentials as
// posted, the round with its own, the index issued, and the most recent 20 rounds.
void keep(PlayerRecord& record, const Round& round, const Posting& posting);

} // namespace greenfold::whs
