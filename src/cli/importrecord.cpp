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

enum class Earlier { none, same, other };

// Whether stored scores (holes 1..18, out, in) are the typed ones: each hole the same, or
// lower where stroke control lowered it; a round of totals only, the same two totals.
bool samescores(const ProgramState& g, const std::array<long, maxholes + 1>& stored,
                const HoleScores& typed) {
    const bool lowered = g.method == HandicapMethod::classic && g.escflag != 0;
    bool holes = false;
    for (std::size_t h = 1; h <= 18; ++h) {
        holes = holes || typed[h] != 0;
        if (stored[h] != typed[h] && !(lowered && stored[h] < typed[h])) return false;
    }
    return holes || (stored[19] == typed[19] && stored[20] == typed[20]);
}

Earlier earlierround(const ProgramState& g, const ResultsFile* results, const ImportRound& round) {
    const int p = round.player;
    const NightDate date{int16_t(round.date.month), int16_t(round.date.day),
                         int16_t(twodigityear(round.date.year))};
    const HoleScores typed = holescores(round.round);
    Earlier found = Earlier::none;
    auto take = [&](const std::array<long, maxholes + 1>& stored) {
        if (samescores(g, stored, typed)) found = Earlier::same;
        if (found == Earlier::none) found = Earlier::other;
    };
    for (int r = 1; r <= std::clamp<int>(g.roundcount[p], 0, maxrounds); ++r) {
        if (slotdate(g, p, r) != date) continue;
        std::array<long, maxholes + 1> stored{};
        for (int k = 1; k <= maxholes; ++k) stored[std::size_t(k)] = g.holescore[p][r][k];
        take(stored);
    }
    if (results)
        for (const ResultLine& l : results->lines) {
            if (l.date != date || l.name != g.playername[p]) continue;
            std::array<long, maxholes + 1> stored{};
            for (int h = 1; h <= 18; ++h) stored[std::size_t(h)] = l.holes[std::size_t(h - 1)];
            stored[19] = l.out;
            stored[20] = l.in;
            take(stored);
        }
    return found;
}

// "Bill Archer ... 07/01/26".
std::string whowhen(const ProgramState& g, const ImportRound& round, const char* what) {
    return g.playername[round.player] + what +
           nighttext({int16_t(round.date.month), int16_t(round.date.day),
                      int16_t(twodigityear(round.date.year))});
}

} // namespace

RecordResult recordimportround(ProgramState& g, const ImportRound& round) {
    RoundEntry entry = entryof(round);
    RecordResult refused;
    refused.outcome = checkround(g, entry);
    if (!refused.outcome) return refused;
    entry.round = EQadjust(g, entry);
    return recordround(g, entry);
}

ImportRun recordimport(ProgramState& g, const std::vector<ImportRound>& rounds,
                       ResultsFile* results, bool allowsecond) {
    ImportRun run;
    for (const ImportRound& round : rounds) {
        const Earlier earlier = earlierround(g, results, round);
        if (earlier == Earlier::same) {
            run.skipped.push_back(
                {round.row, whowhen(g, round, " already has this round on ") + "; skipped"});
            continue;
        }
        if (earlier == Earlier::other && !allowsecond) {
            run.problems.push_back({round.row, whowhen(g, round, " already has a round on ") +
                                                   "; --allow-second-round records a second one"});
            continue;
        }
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
