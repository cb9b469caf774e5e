#pragma once

#include "cli/cliargs.h"
#include "cli/clidates.h"
#include "model/programstate.h"

#include <string>

namespace greenfold {

// What greenfold-cli's results and standings print: the night's results (the newest
// night, or the one of --date) or the season's standings, as the printout lays them out
// or as CSV.
struct ResultsOutput {
    std::string bytes;
    std::string problem; // not empty: nothing to print, and why
    std::string note;    // said beside the output: a season without a night
};

// The text starts with the printout's header, dated today. A season without a night gives
// the header and the title (CSV: its heading row) and a note saying why there is nothing
// more. --skins --totals gives what to pay each player instead of the wins.
ResultsOutput resultsoutput(ProgramState& g, const CliRequest& r, const CalendarDate& today);

} // namespace greenfold
