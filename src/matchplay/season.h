#pragma once

#include "matchplay/matchfile.h"
#include "matchplay/table.h"

#include <map>
#include <vector>

namespace greenfold::matchplay {

// The season as a whole: the match file, the sides and each week's night (by week
// number; a week without an entry has no rounds).
using SeasonNights = std::map<int, NightInput>;

// The night of a week, or an empty one.
const NightInput& nightof(const SeasonNights& nights, int week);

// Every week of the schedule numbered below `before`, worked out.
std::vector<WeekResult> workoutseason(const MatchFile& f, const std::vector<Side>& sides,
                                      const SeasonNights& nights, int before = maxweeks + 1);

// Makes the schedule from the plan for the sides, in side-number order, and puts it in
// place of the old one (replaceschedule: refused while the old one has a played week,
// unless forced). Refused while the sides cannot have one: a team short of players, two
// sides of one name, fewer than two sides.
Outcome newschedule(MatchFile& f, const Sides& sides, const SchedulePlan& plan,
                    const Nights& nights, bool force);

// The table over all the weeks, its sides the sides given first.
std::vector<TableRow> standings(const MatchFile& f, const std::vector<Side>& sides,
                                const SeasonNights& nights);

// Pairs each position week now due: the first week, or one whose week before has its
// rounds (or was cancelled), paired from the table after the weeks before it. True when
// one was paired, for the file to be saved.
bool pairpositionweeks(MatchFile& f, const std::vector<Side>& sides, const SeasonNights& nights);

// Fills the sheet of every week whose night has rounds, drawing the cards to be drawn.
// True when a sheet changed.
bool fillsheets(MatchFile& f, const std::vector<Side>& sides, const SeasonNights& nights,
                const Draw& draw);

// The newest week whose night has rounds (0 for none): the week the matches show by default.
int newestweek(const Schedule& s, const SeasonNights& nights);

// The nights that have rounds, for the schedule's played weeks.
Nights playednights(const Schedule& s, const SeasonNights& nights);

} // namespace greenfold::matchplay
