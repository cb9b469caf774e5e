#pragma once

#include "cli/importrows.h"
#include "model/golf1.h"
#include "results/resultsfile.h"
#include "scoring/roundslots.h"

#include <string>
#include <vector>

namespace greenfold {

// Recording imported rounds: the path the score window takes for a typed round, so an
// imported night and a typed one leave the same league behind.

struct ImportRun {
    std::vector<RowProblem> problems;               // rounds the engine refused
    std::vector<std::vector<std::string>> recorded; // each stored round as exported
};

// One round: the set-up's session values (course, date, the player, a new round), then
// the engine's check before stroke control lowers any hole, stroke control when it is
// on, and the record itself.
RecordResult recordimportround(GOLF1& g, const ImportRound& round);

// Every round in file order; each stored round also goes into its night of results, when
// given.
ImportRun recordimport(GOLF1& g, const std::vector<ImportRound>& rounds,
                       ResultsFile* results = nullptr);

// The problems of both stages together, in row order.
std::vector<RowProblem> rowordered(std::vector<RowProblem> a, const std::vector<RowProblem>& b);

} // namespace greenfold
