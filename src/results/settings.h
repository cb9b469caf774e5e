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

// Skins: which are played, whether a tied hole carries its skin on, and what becomes of
// a skin carried past the last hole (lost, or split among the night's skin winners).
enum class SkinsMode { off, gross, net, both };
struct SkinsSettings {
    SkinsMode mode = SkinsMode::off;
    bool carryover = false;
    bool splitlast = false; // false: a carry past the last hole is lost
    int potcents = 0;       // each player's stake a night, in cents
    bool operator==(const SkinsSettings&) const = default;
};

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
    SkinsSettings skins;
    int teambest = 0; // a team's night points: its best K players' points, 0 all of them
    bool operator==(const CompetitionSettings&) const = default;
};

} // namespace greenfold
