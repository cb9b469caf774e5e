#pragma once

#include "matchplay/matchfile.h"
#include "matchplay/night.h"
#include "matchplay/sides.h"
#include "model/programstate.h"
#include "reports/scorecards.h"
#include "results/resultsfile.h"

#include <string>
#include <vector>

namespace greenfold::matchplay {

// Scorecards printed before a night: one card a match of a match play week, or for a
// night of stroke play, cards for the players about to play.

// One card a match of the week (a bye has none), on the course the night is played on: the
// week's holes, and for each slot who fills it (its regular, or as the sheet has it so far:
// his substitute, his phantom, his forfeit), his match handicap and the strokes he receives
// in his single match; a team's card lists the A match, then the B match. The night gives
// each player's course handicap on his default tee on that course (cardnight).
std::vector<Scorecard> weekcards(const MatchFile& f, const std::vector<Side>& sides,
                                 const NightInput& night, const Week& week, int course);

// A night of stroke play on a course: four players to a card in the order given (slots of
// the league), each with his handicap in effect that night (as the night's results will
// take it, with the results allowance) and its strokes, over the nine or all 18.
std::vector<Scorecard> nightcards(const ProgramState& g, const ResultsFile& f,
                                  const std::vector<int>& players, int course,
                                  const NightDate& date, Nine nine);

// "front nine", "back nine", "18 holes".
std::string ninewords(Nine nine);

} // namespace greenfold::matchplay
