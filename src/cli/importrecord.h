#pragma once

#include "cli/importrows.h"
#include "model/programstate.h"
#include "results/resultsfile.h"
#include "scoring/roundslots.h"

#include <string>
#include <vector>

namespace greenfold {

// Recording imported rounds: the path the score window takes for a typed round, so an
// imported night and a typed one leave the same league behind.

struct ImportRun {
    std::vector<RowProblem> problems;               // rounds refused
    std::vector<RowProblem> skipped;                // rounds the league has already
    std::vector<std::vector<std::string>> recorded; // each stored round as exported
};

// One round: the set-up's session values (course, date, the player, a new round), then
// the engine's check before stroke control lowers any hole, stroke control when it is
// on, and the record itself.
RecordResult recordimportround(ProgramState& g, const ImportRound& round);

// Every round in file order; each stored round also goes into its night of results, when
// given. A round the player already has on that date (in the league or the results, the
// same scores, a hole lowered by stroke control counting as the same) is skipped; another
// round of his on that date is refused unless a second round is allowed.
ImportRun recordimport(ProgramState& g, const std::vector<ImportRound>& rounds,
                       ResultsFile* results = nullptr, bool allowsecond = false);

// The problems of both stages together, in row order.
std::vector<RowProblem> rowordered(std::vector<RowProblem> a, const std::vector<RowProblem>& b);

} // namespace greenfold
