#pragma once

#include "matchplay/schedule.h"
#include "whs/decimal.h"
#include "whs/strokeindex.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace greenfold::matchplay {

// A course as a match needs it: its name, the par of each hole and, when the course
// record has them, the stroke indexes. A course without them cannot host a match.
struct CourseHoles {
    std::string name;
    std::array<int, 18> par{};
    std::optional<whs::StrokeIndexes> strokeindex;
};

// The holes a match plays (0-based, in the order played: holes 1-9, 10-18, or 1-18) and
// the rank of each by its stroke index among them, 1 the hardest; of two equal indexes
// the lower hole comes first. Holes not played have rank 0.
struct MatchHoles {
    std::vector<int> holes;
    std::array<int, 18> rank{};
    int count() const { return int(holes.size()); }
};
MatchHoles matchholes(const whs::StrokeIndexes& si, Nine nine);

// A match handicap: a course handicap for the holes of the match times the allowance,
// rounded once to a whole number, a half going up (+4.5 plays as +4).
int matchhandicap(whs::Fraction coursehcp, int allowance);

// Strokes on each hole from h strokes over the match's holes: h / n on every hole and one
// more on the ranks 1 .. h mod n; a negative h gives strokes back from the easiest hole.
// Holes not played get none.
using HoleStrokes = std::array<int, 18>;
HoleStrokes allocate(int strokes, const MatchHoles& holes);

// The strokes the two sides of a single match receive: the difference of the two match
// handicaps to the higher (up to the most strokes given, 0 no limit), or each his own.
std::pair<int, int> matchstrokes(int mh1, int mh2, const MatchSettings& s);

// A phantom's par card: on each hole, par plus the strokes that mh + penalty receives.
std::array<int, 18> parcard(const CourseHoles& c, const MatchHoles& holes, int mh, int penalty);

} // namespace greenfold::matchplay
