#pragma once

#include "whs/decimal.h"
#include "whs/strokeindex.h"

#include <array>
#include <compare>
#include <optional>
#include <vector>

namespace greenfold::whs {

// What the method needs of a player's rounds, in plain values: no league, no course
// table, so the adapters that fill it from the league stay thin and the rules are tested
// on their own.

// A calendar date with a four-digit year.
struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    friend constexpr auto operator<=>(const Date&, const Date&) = default;
};

// Days since 1 January 1970, so that two dates can be a number of days apart.
int daynumber(const Date& d);

// The tee a round was played from: its 18-hole Course Rating and Slope Rating, the par
// of each hole and, when the course record has them, the stroke indexes.
struct Tee {
    Tenths rating;
    int slope = 0;
    std::array<int, 18> par{};
    std::optional<StrokeIndexes> strokeindex;
};

// One round as entered: the hole scores, or only the out and in totals (every hole 0).
// A nine-hole round has one total 0.
struct Round {
    Date date;
    Tee tee;
    std::array<int, 18> holes{};
    int out = 0;
    int in = 0;
};

// A nine-hole round: one of its totals is 0. The nine played is 0 (front) or 1 (back).
bool isnine(const Round& r);
int nineplayed(const Round& r);
int holesplayed(const Round& r);

// Whether the round has what a Score Differential needs: a positive Slope Rating and a
// score.
bool rateable(const Round& r);

// A round kept in the player's record with its Score Differential as it stands now (any
// exceptional score reductions included). A nine played before the player had an index
// has none yet: it waits until the player has 54 holes.
struct KeptRound {
    Round round;
    std::optional<Tenths> differential;
};

// A Handicap Index as it was issued: the date of the round that produced it.
struct Revision {
    Date date;
    Tenths index;
};

// A player's record: the kept rounds, oldest first (the most recent 20 count), and every
// index issued, oldest first. The last revision is the index in effect; without one the
// player has no index yet.
struct PlayerRecord {
    std::vector<KeptRound> rounds;
    std::vector<Revision> history;
};

} // namespace greenfold::whs
