#pragma once

#include "results/resultsfile.h"

#include <map>
#include <string>
#include <vector>

namespace greenfold {

// The flights of a night: their names in order and each player's flight. Without flights
// there is one flight with no name. By hand each player has the flight he was given (the
// flights in the order of their names); by handicap the players are drawn into the set
// number of flights, as equal in size as can be, lowest index first, by the index each
// held at the season's first night (his first night, for a player who missed it) or on
// the night itself. A player without a handicap, or not given a flight by hand, goes to
// the last flight.
struct Flights {
    std::vector<std::string> names;
    std::map<std::string, int> of; // player -> index into names
    int flightof(const std::string& player) const;
};

Flights drawflights(const ResultsFile& f, const NightDate& night);

// The flight names of a draw by handicap: "A", "B", "C"...
std::string flightname(int k);

// The sizes of n players split into k flights as equal as can be, the first flights
// taking one more: 7 into 2 is 4 and 3.
std::vector<int> flightsizes(int n, int k);

} // namespace greenfold
