#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace greenfold {

// How a league's nights are turned into places and points. Kept in the results file, so
// each league scores its own way.

inline constexpr int maxplaces = 20; // the points table's length at most
inline constexpr int maxflights = 9;

enum class Scoring { net, gross };
enum class TieRule { share, countback };
enum class FlightMode { none, byhand, byhandicap };
enum class FlightDraw { firstnight, everynight };

// A player given a flight by hand.
struct FlightAssignment {
    std::string player;
    std::string flight;
    bool operator==(const FlightAssignment&) const = default;
};

struct CompetitionSettings {
    int allowance = 100; // whole percent of the handicap that counts for net, 0..100
    Scoring scoring = Scoring::net;
    TieRule ties = TieRule::share;
    std::vector<int> points = {10, 8, 6, 5, 4, 3, 2, 1}; // by place, first place first
    int participation = 0;                               // every player with a round
    FlightMode flights = FlightMode::none;
    int flightcount = 2; // by handicap
    FlightDraw draw = FlightDraw::firstnight;
    std::vector<FlightAssignment> assigned; // by hand
    int bestnights = 0;                     // 0: every night counts
    bool operator==(const CompetitionSettings&) const = default;
};

} // namespace greenfold
