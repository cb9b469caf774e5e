#pragma once

#include "model/programstate.h"

#include <string>
#include <vector>

namespace greenfold {

// Kept rounds as CSV for spreadsheets and web pages: player, date (YYYY-MM-DD), course
// name and initials, the 18 holes, out, in, total, differential, index and course
// handicap. The league file does not keep the tee a round was played from, so there is no
// tee column; under the WHS method the index history does, and two columns follow: the
// tee (Ladies, Mens, Pro, or empty when not known) and the round's flags, words between
// blanks: estimated (adjusted without stroke indexes), totals (entered as totals only),
// reduced (lowered by an exceptional score), waiting (a nine waiting for 54 holes).

std::vector<std::string> exportheading(HandicapMethod method = HandicapMethod::classic);

// The cells of round slot r of player p.
std::vector<std::string> roundcells(const ProgramState& g, int p, int r);

// The heading and every kept round, players in roster order, each player's rounds oldest
// first; CR LF line ends.
std::string exportbytes(const ProgramState& g);

} // namespace greenfold
