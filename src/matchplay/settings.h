#pragma once

#include "matchplay/points.h"
#include "model/outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace greenfold::matchplay {

// A league's match play settings, one set per league, kept in its match file. Each choice
// has its default here; the points settings are read afresh whenever a match is worked
// out, so changing one changes every week already played.

enum class Format { individual, teams };
enum class Nines { alternate, front, back };
enum class Strokes { difference, full };
enum class Halved { split, carry };
enum class AbsentFill { phantom, forfeit };
enum class PhantomCard { par, draw, teammate };
enum class PhantomPoints { count, lost };

inline constexpr int maxsettingpoints = 9; // points a hole, a nine, a match, a team part
inline constexpr int maxmaxstrokes = 54;   // most strokes given; 0 is no limit
inline constexpr int maxpenalty = 9;       // phantom penalty strokes
inline constexpr int maxbyepoints = 99;
inline constexpr int maxsubstitutecap = 198; // in halves: 99 points

struct MatchSettings {
    bool on = false;
    Format format = Format::individual;
    int holes = 9; // 9 or 18
    Nines nines = Nines::alternate;
    int allowance = 100;        // whole percent
    int bestballallowance = 90; // whole percent
    Strokes strokes = Strokes::difference;
    int maxstrokes = 0; // 0: no limit on the difference
    int holepoints = 1;
    Halved halved = Halved::split;
    int nineholespoints = 0; // 18 holes: each nine's more holes won
    int ninenetpoints = 0;   // 18 holes: each nine's lower net
    int matchholespoints = 2;
    int matchnetpoints = 0;
    int teamnetpoints = 1;
    int teamaggregatepoints = 0; // a hole
    int bestballpoints = 0;      // a hole
    AbsentFill absent = AbsentFill::phantom;
    PhantomCard phantomcard = PhantomCard::par;
    int penalty = 2;
    PhantomPoints phantompoints = PhantomPoints::count;
    std::optional<Points> substitutecap; // none: no cap; else 0.5 .. 99
    int byepoints = 0;
    bool tiebreaks = true;

    bool operator==(const MatchSettings&) const = default;
};

// The defaults: the team format when the league has teams, else the individual one.
MatchSettings defaultsettings(bool leaguehasteams);

// Every setting as KEY=VALUE, in the command line's order: match-play, format, holes,
// nines, allowance, best-ball-allowance, strokes, max-strokes, hole-points, halved,
// nine-holes-points, nine-net-points, match-holes-points, match-net-points,
// team-net-points, team-aggregate-points, best-ball-points, absent, phantom-card,
// penalty, phantom-points, substitute-cap, bye-points, tie-breaks.
std::vector<std::string> settinglines(const MatchSettings& s);

// Applies one "KEY=VALUE". An unknown key, a missing '=' or a value out of range changes
// nothing and fails with a message naming the key.
Outcome applysetting(MatchSettings& s, std::string_view keyvalue);

// Whether a change of settings reshapes the matches (the format or the holes), so that
// the schedule's unplayed weeks are cleared once the secretary agrees.
bool reshapes(const MatchSettings& before, const MatchSettings& after);

// Points at stake in one single match (points a hole x holes, the two match points, and
// over 18 holes twice the two nine points), and in a team match (twice that, the team
// net total and the hole parts over the holes).
Points singlestake(const MatchSettings& s);
Points singlestake(const MatchSettings& s, int holes); // a week of 9 or 18 holes
Points teamstake(const MatchSettings& s);

// Whether a team match has any team part to play.
bool teamparts(const MatchSettings& s);

} // namespace greenfold::matchplay
