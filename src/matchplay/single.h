#pragma once

#include "matchplay/strokes.h"

#include <array>

namespace greenfold::matchplay {

// One single match played out hole by hole: two cards and the strokes each side receives
// (matchstrokes), nothing about who the players are.

struct SingleMatch {
    int received1 = 0; // strokes over the match: the difference, or each his own
    int received2 = 0;
    HoleStrokes strokes1{};
    HoleStrokes strokes2{};
    std::array<int, 18> net1{};
    std::array<int, 18> net2{};
    std::array<int, 18> won{}; // 1 or 2: who won the hole; 0 halved (or not played)
    int holes1 = 0;            // holes won over the match
    int holes2 = 0;
    int nettotal1 = 0;
    int nettotal2 = 0;
    // The points: for the holes (carried points included), the two nines (18 holes) and
    // the match; and their sums.
    Points holepoints1, holepoints2;
    Points ninepoints1, ninepoints2;
    Points matchpoints1, matchpoints2;
    Points points1, points2;
};

SingleMatch playsingle(const std::array<int, 18>& gross1, int mh1,
                       const std::array<int, 18>& gross2, int mh2, const MatchHoles& holes,
                       const MatchSettings& s);

// Points to the lower (or, for holes won, the higher) of two figures; equal, split.
std::pair<Points, Points> tolower(int a, int b, int points);
std::pair<Points, Points> tohigher(int a, int b, int points);

} // namespace greenfold::matchplay
