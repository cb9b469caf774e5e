#pragma once

#include <compare>
#include <string>

namespace greenfold::matchplay {

// Match points are whole or half points; they are counted in halves so that every sum and
// comparison is exact.
struct Points {
    int halves = 0;

    static constexpr Points whole(int n) { return {2 * n}; }
    // Half of n whole points: each side's share of a split.
    static constexpr Points half(int n) { return {n}; }

    friend constexpr Points operator+(Points a, Points b) { return {a.halves + b.halves}; }
    friend constexpr Points operator-(Points a, Points b) { return {a.halves - b.halves}; }
    constexpr Points& operator+=(Points b) {
        halves += b.halves;
        return *this;
    }
    friend constexpr auto operator<=>(Points, Points) = default;
};

// "14.5", "3", "0": a plain decimal, as the tables and CSV show points.
std::string pointstext(Points p);

} // namespace greenfold::matchplay
