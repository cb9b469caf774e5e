#pragma once

#include "results/night.h"
#include "results/standings.h"

#include <string>
#include <vector>

namespace greenfold {

// The night's results and the season's standings as lines of text (what the printout and
// greenfold-cli's text show) and as CSV cells.

// Points and the like: a plain decimal of at most two places, no trailing zeros: "9",
// "6.5", "7.67".
std::string pointstext(double points);
// An average net: one decimal, "88.3".
std::string averagetext(double average);

// The column headings of the two tables.
inline constexpr const char* nightcolumns =
    "Place  Player                Gross  G.Pl     Hcp   Net  N.Pl  Points";
inline constexpr const char* standingscolumns =
    "Place  Player                 Nights   Points  Avg Net";

// The title carries the league's name.
std::vector<std::string> nightlines(const std::string& league, const NightResults& night);
std::vector<std::string> standingslines(const std::string& league, const ResultsFile& f,
                                        const std::vector<FlightStandings>& table);

// date, flight, place, player, gross, handicap, net, points; a plus handicap as a
// negative number, so the net is the gross less the handicap in any spreadsheet.
std::vector<std::string> nightheading();
std::vector<std::vector<std::string>> nightcells(const NightResults& night);
// place, player, flight, nights, points, average net.
std::vector<std::string> standingsheading();
std::vector<std::vector<std::string>> standingscells(const std::vector<FlightStandings>& table);

} // namespace greenfold
