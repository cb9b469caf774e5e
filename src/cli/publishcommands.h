#pragma once

#include "cli/cliargs.h"
#include "cli/clidates.h"
#include "cli/resultscommands.h"
#include "model/golf1.h"

namespace greenfold {

// greenfold-cli's postteams: the night of --date, or the newest, posted to the teams' point
// records and the team file written; what each team got is printed.
ResultsOutput postteamsoutput(GOLF1& g, const CliRequest& r);

// standings --html: the web page, dated today.
ResultsOutput webpageoutput(GOLF1& g, const CliRequest& r, const CalendarDate& today);

} // namespace greenfold
