#include "cli/importrecord.h"

#include "cli/roundexport.h"
#include "results/nightrecord.h"
#include "scoring/scorecard.h"

#include <algorithm>

namespace greenfold {

namespace {

// The engine's refusals are written for a message box; a row's reason is one line.
std::string oneline(const Outcome& outcome) {
    std::string text;
    for (const Message& m : outcome.messages) {
        if (!text.empty()) text += ' ';
        text += m.text;
    }
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

// A row as the engine takes a round: always a new round.
RoundEntry entryof(const ImportRound& round) {
    return {round.player,   0,
            round.course,   round.date.month,
            round.date.day, twodigityear(round.date.year),
            round.round};
}

} // namespace

RecordResult recordimportround(GOLF1& g, const ImportRound& round) {
    RoundEntry entry = entryof(round);
    RecordResult refused;
    refused.outcome = checkround(g, entry);
    if (!refused.outcome) return refused;
    entry.round = EQadjust(g, entry);
    return recordround(g, entry);
}

ImportRun recordimport(GOLF1& g, const std::vector<ImportRound>& rounds, ResultsFile* results) {
    ImportRun run;
    for (const ImportRound& round : rounds) {
        const RecordResult result = recordimportround(g, round);
        if (!result.stored) {
            const std::string why = oneline(result.outcome);
            run.problems.push_back({round.row, why.empty() ? "the round was not recorded" : why});
            continue;
        }
        run.recorded.push_back(roundcells(g, round.player, result.work.slot));
        if (results) keepround(*results, g, round.player, result.work.slot, round.round.tee);
    }
    return run;
}

std::vector<RowProblem> rowordered(std::vector<RowProblem> a, const std::vector<RowProblem>& b) {
    a.insert(a.end(), b.begin(), b.end());
    std::stable_sort(a.begin(), a.end(),
                     [](const RowProblem& x, const RowProblem& y) { return x.row < y.row; });
    return a;
}

} // namespace greenfold
