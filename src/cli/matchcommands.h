#pragma once

#include "cli/cliargs.h"
#include "cli/commands.h"

namespace greenfold {

// greenfold-cli's match play: the settings, the schedule, a week's sheet and matches, the
// season table and a week posted to the teams. Each returns the exit status.
int runmatchplay(CliContext& ctx, const CliRequest& r);
int runschedule(CliContext& ctx, const CliRequest& r);
int runsheet(CliContext& ctx, const CliRequest& r);
int runmatches(CliContext& ctx, const CliRequest& r);
int runmatchstandings(CliContext& ctx, const CliRequest& r);
int runpostweek(CliContext& ctx, const CliRequest& r); // postteams --week

} // namespace greenfold
