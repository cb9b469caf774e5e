#pragma once

#include "model/programstate.h"
#include "results/flights.h"
#include "results/resultsfile.h"
#include "whs/strokeindex.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace greenfold {

// Skins: each hole is a skin, won outright by the single lowest score on it. A tie wins
// nothing, or with carry-over passes its skin on to the next hole. A night plays a gross
// game and/or a net game in each flight. Each game has its own pot: the stake per player
// times the players in that game (a player in both games stakes in each). Every skin won
// pays the pot divided by the skins won, rounded down to the cent; what is left over is
// the game's remainder, and a game without a skin won pays nothing out.
//
// Only the holes a round holds take part: a totals-only round plays no hole, a nine-hole
// round only its nine. Net skins take the strokes each player receives on each hole from
// his handicap in effect by the course's stroke indexes; a player without a handicap plays
// no net skins, and a night with a round on a course without stroke indexes none at all.

enum class SkinKind { gross, net };

// A skin won on one hole, or (hole 0) a winner's share of the skins carried past the last
// hole when they are split.
struct SkinWin {
    int hole = 0; // 1..18; 0 for a share of the carry past the last hole
    std::string player;
    int score = 0;       // the winning score on the hole, net for net skins
    int carried = 0;     // skins carried into the hole; the win takes 1 + carried
    long long cents = 0; // what the win pays
};

struct SkinsGame {
    std::string flight; // empty without flights
    SkinKind kind = SkinKind::gross;
    int players = 0;              // players with at least one hole in the game
    long long potcents = 0;       // a large field of players stakes more than an int holds
    std::vector<SkinWin> wins;    // by hole, the shares of a split carry last
    int carriedpast = 0;          // skins tied on the last holes and carried past the end
    bool split = false;           // those were split among the game's winners
    int skinswon = 0;             // what the pot is divided by
    long long skincents = 0;      // what one skin pays
    long long remaindercents = 0; // the pot less what was paid out
    bool paidout() const { return skinswon > 0; }
};

struct NightSkins {
    NightDate date;
    SkinsSettings settings;
    // Flight by flight, gross before net; only games with a player who has hole scores.
    std::vector<SkinsGame> games;
    // Not empty when the settings play net skins and the night cannot: why, and the course
    // without stroke indexes.
    std::string nonet;
    int nonetcourse = 0;
};

// What one player won over all the night's games: what to pay him. skins counts the skins of
// the holes he won (each with the skins carried into it); a share of a carry past the last
// hole adds to the money only.
struct SkinsTotal {
    std::string player;
    int skins = 0;
    long long cents = 0;
    bool operator==(const SkinsTotal&) const = default;
};
// Every player who won something, the most money first (then by name).
std::vector<SkinsTotal> skinstotals(const NightSkins& night);

// The stroke indexes of the courses by course number; a course without them is missing.
using CourseIndexes = std::map<int, whs::StrokeIndexes>;
CourseIndexes courseindexes(const ProgramState& g);

// The skins of a night, in the night's flights. Nothing in games when skins are off.
NightSkins nightskins(const ResultsFile& f, const NightDate& night, const Flights& flights,
                      const CourseIndexes& courses);
// The same with the night's flights drawn and the league's courses.
NightSkins nightskins(const ResultsFile& f, const ProgramState& g, const NightDate& night);

// The strokes a round's player receives on each hole from his handicap in effect, by the
// course's stroke indexes: over 18 holes for a full round, over its nine for a nine-hole
// round (the other nine 0). Nothing without a handicap.
std::optional<std::array<int, 18>> holestrokes(const ResultLine& line,
                                               const whs::StrokeIndexes& si);

} // namespace greenfold
