#pragma once

#include "cli/clidates.h"
#include "cli/csvfile.h"
#include "model/programstate.h"
#include "scoring/scorecard.h"

#include <string>
#include <vector>

namespace greenfold {

// The rows of an import file: date, player, course, tee, then either the 18 hole scores
// or an out and an in total. Each row is read into the round the score window would show
// for it, or refused with the reason.

inline constexpr std::size_t importleadcells = 4;
inline constexpr std::size_t importholecells = importleadcells + 18;
inline constexpr std::size_t importtotalcells = importleadcells + 2;

struct ImportRound {
    int row = 0;
    int player = 0;
    int course = 0;
    CalendarDate date;
    // Tee and boxes as they would be typed: holes filled in, their nines summed as the
    // window sums them; or the holes left empty and the totals typed.
    DisplayedRound round;
};

struct RowProblem {
    int row = 0;
    std::string reason;
    bool operator==(const RowProblem&) const = default;
};

struct ImportPlan {
    std::vector<ImportRound> rounds;
    std::vector<RowProblem> problems;
};

// Reads every record against the league's roster and the course table. The first
// record is a header when its date cell holds no digit; blank records are passed over.
ImportPlan readimport(const ProgramState& g, const std::vector<CsvRecord>& records);

// The first player of the roster with exactly this name, or 0.
int findplayer(const ProgramState& g, std::string_view name);

} // namespace greenfold
