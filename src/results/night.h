#pragma once

#include "results/flights.h"
#include "results/resultsfile.h"

#include <optional>
#include <string>
#include <vector>

namespace greenfold {

// One player's night.
struct NightRow {
    std::string name;
    int gross = 0;
    std::optional<int> hcp; // none: "no hcp", no net place
    std::optional<int> net;
    int grossplace = 0;
    int netplace = 0; // 0 without a handicap
    int place = 0;    // on the night's scoring (net or gross); 0 for none
    double points = 0;
};

// A flight's rows in the order of the night's scoring, the players without a place last
// (by gross, then name).
struct FlightNight {
    std::string flight;
    std::vector<NightRow> rows;
};

struct NightResults {
    NightDate date;
    Scoring scoring = Scoring::net;
    std::vector<FlightNight> flights; // only flights with players
};

// The nights of the season, newest first.
std::vector<NightDate> seasonnights(const ResultsFile& f);

NightResults nightresults(const ResultsFile& f, const NightDate& night);
NightResults nightresults(const ResultsFile& f, const NightDate& night, const Flights& flights);
// The same from the night's lines alone.
NightResults nightresults(const CompetitionSettings& s, const NightDate& night,
                          const NightLines& lines, const Flights& flights);

// The lines of each night, oldest night first.
std::vector<NightLines> linesbynight(const ResultsFile& f);

} // namespace greenfold
