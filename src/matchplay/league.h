#pragma once

#include "matchplay/season.h"
#include "matchplay/sides.h"
#include "model/programstate.h"
#include "results/resultsfile.h"
#include "teams/teamdata.h"

#include <optional>
#include <string>
#include <vector>

namespace greenfold::matchplay {

// Between the open league and match play: the roster, the courses and each week's night
// as match play's plain values. Only this file knows the league model.

// The players in the player list's order with their teams, and the team file's names.
Roster leagueroster(const ProgramState& g, const Teamdata& t);
std::vector<std::string> leagueplayers(const ProgramState& g);
bool leaguehasteams(const ProgramState& g, const Teamdata& t);

// Course c's name, pars and stroke indexes (course line 30).
CourseHoles courseholes(const ProgramState& g, int course);

// The course handicap, unrounded, for the holes of a match from an index (tenths) on a
// course and tee, by the league's method: the classic course handicap (half of it for a
// nine) or the WHS course handicap (the nine's own for a nine). None for a tee that
// cannot be rated.
std::optional<whs::Fraction> matchcoursehcp(const ProgramState& g, int index, int course, int tee,
                                            Nine nine);

// The index player p held before the night: the one his first round on or after that
// night carries in the results file; else the one issued after his last round before it.
std::optional<int> indexbeforenight(const ProgramState& g, const ResultsFile& f, int p,
                                    const NightDate& night);

// The week's night: its rounds as cards, every player's handicap on his default tee on
// the night's course (the course most of its rounds were played on), the courses.
NightInput nightinput(const ProgramState& g, const ResultsFile& f, const Week& week);

// The week's night as the scorecards printed before it take it: every player's handicap on
// his default tee on the course chosen for the night, and that course.
NightInput cardnight(const ProgramState& g, const ResultsFile& f, const Week& week, int course);

// Every week's night, and the dates that have rounds.
SeasonNights leaguenights(const ProgramState& g, const ResultsFile& f, const Schedule& s);
Nights nightswithrounds(const ResultsFile& f);

} // namespace greenfold::matchplay
