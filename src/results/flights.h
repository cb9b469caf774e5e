#pragma once

#include "results/resultsfile.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace greenfold {

// The flights of a night: their names in order and each player's flight. Without flights
// there is one flight with no name. By hand each player has the flight he was given (the
// flights in the order of their names). By handicap the players are drawn into the set
// number of flights, as equal in size as can be, lowest index first; a player without an
// index goes to the last flight. Drawn every night, the draw is of that night's players
// by the index each brought to it. Drawn at the season's first night, it is the season's
// draw the results file keeps (every player of the league by the index he held then;
// see keepdraw), or, for a file without one, the draw of the first night's players; a
// player not in it goes, from his first night on, to the flight his index that night puts
// him in (the first whose highest index drawn is at least his, else the last), and nobody
// else moves. A player without a handicap, or not given a flight by hand, goes to the
// last flight.
struct Flights {
    std::vector<std::string> names;
    std::map<std::string, int> of; // player -> index into names
    int flightof(const std::string& player) const;
};

Flights drawflights(const ResultsFile& f, const NightDate& night);

// The lines of one night, in the order of the file.
using NightLines = std::vector<const ResultLine*>;

// The flights of the night whose lines these are, drawn afresh when the settings draw every
// night, else the season's (season: drawflights of any night).
Flights nightflights(const CompetitionSettings& s, const NightLines& night, const Flights& season);

// A player to draw and the index he is drawn by; none: the last flight.
struct Drawn {
    std::string player;
    std::optional<int> index;
};
// The draw of these players into k flights (0 first).
std::vector<DrawnPlayer> drawplayers(std::vector<Drawn> pool, int k);

// The flight names of a draw by handicap: "A", "B", "C"...
std::string flightname(int k);

// The sizes of n players split into k flights as equal as can be, the first flights
// taking one more: 7 into 2 is 4 and 3.
std::vector<int> flightsizes(int n, int k);

} // namespace greenfold
