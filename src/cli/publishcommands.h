#pragma once

#include "cli/cliargs.h"
#include "cli/clidates.h"
#include "cli/resultscommands.h"
#include "model/programstate.h"

namespace greenfold {

// greenfold-cli's postteams: the night of --date, or the newest, posted to the teams' point
// records and the team file written; what each team got is printed.
ResultsOutput postteamsoutput(ProgramState& g, const CliRequest& r);

// standings --html: the web page, dated today.
ResultsOutput webpageoutput(ProgramState& g, const CliRequest& r, const CalendarDate& today);

} // namespace greenfold
