#pragma once

#include "whs/record.h"

#include <array>
#include <optional>
#include <vector>

namespace greenfold::whs {

// The most a hole counts for the adjusted gross score (Rule 3.1): net double bogey, par +
// 2 + the strokes the hole receives; a hole that receives 4 or more (a course handicap
// above 54) counts at most par + 5.
int holelimit(int par, int strokes);

// A hole lowered to its limit (hole 1..18).
struct AdjustedHole {
    int hole = 0;
    int score = 0;
    int counted = 0;
};

// The adjusted gross score of a round and how it came about.
struct Adjustment {
    std::optional<int> coursehcp; // the limits' course handicap; none: par + 5 a hole
    std::array<int, 18> holes{};  // each hole as it counts
    std::vector<AdjustedHole> adjusted;
    int gross = 0;
    int ags = 0;
    bool nostrokeindex = false; // the course has no stroke indexes: see adjustround
    bool totalsonly = false;    // entered as totals: counted as it stands
};

// Adjusts a round's holes with the player's rounded full course handicap (the nine's for a
// nine-hole round), or at par + 5 a hole for a player without an index yet.
//
// Without stroke indexes every hole gets the strokes all holes share, and the rest go to
// the holes where one more stroke raises the adjusted score, the holes furthest over their
// limit first: the player gets the largest score any index order could give, and the
// round is flagged. A round entered as totals only cannot be adjusted: its gross counts.
Adjustment adjustround(const Round& r, std::optional<int> coursehcp);

} // namespace greenfold::whs
