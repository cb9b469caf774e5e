#pragma once

#include "results/resultsfile.h"

#include <optional>
#include <string>
#include <vector>

namespace greenfold {

// The season table: each player's points over every night of the results file, or over
// his best N nights when the settings say so; the nights he played; his average net over
// the nights he had a handicap. Players with the same points share the place.
struct StandingRow {
    std::string name;
    int place = 0;
    int nights = 0;
    double points = 0;
    std::optional<double> averagenet;
};

// A flight's table; a player drawn anew every night stands in his latest night's flight.
struct FlightStandings {
    std::string flight;
    std::vector<StandingRow> rows;
};

std::vector<FlightStandings> standings(const ResultsFile& f);

// The sum of the n best of these points (all of them when n is 0 or more than there are).
double bestof(std::vector<double> points, int n);

} // namespace greenfold
