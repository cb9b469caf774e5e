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
};

// The text starts with the printout's header, dated today.
ResultsOutput resultsoutput(ProgramState& g, const CliRequest& r, const CalendarDate& today);

} // namespace greenfold
