#pragma once

#include "whs/record.h"
#include "whsprint.h"

#include <array>
#include <numeric>

namespace greenfold::whs::testing {

// A par-72 course: 4 4 3 5 4 4 3 5 4 on each nine.
inline constexpr std::array<int, 18> par72 = {4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};
// A par-71 course: the last hole a par 3.
inline constexpr std::array<int, 18> par71 = {4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 3};

inline Tee tee(int rating, int slope, const std::array<int, 18>& par = par72) {
    return Tee{Tenths{rating}, slope, par, std::nullopt};
}

// A round of hole scores; a nine-hole round has the other nine's holes 0.
inline Round played(const Tee& t, const std::array<int, 18>& holes, Date date = {2024, 5, 1}) {
    Round r{date, t, holes, 0, 0};
    r.out = std::accumulate(holes.begin(), holes.begin() + 9, 0);
    r.in = std::accumulate(holes.begin() + 9, holes.end(), 0);
    return r;
}

// Every hole at par plus the given strokes.
inline std::array<int, 18> overpar(const Tee& t, const std::array<int, 18>& over) {
    std::array<int, 18> h{};
    for (int i = 0; i < 18; ++i) h[i] = t.par[i] + over[i];
    return h;
}

// The front nine at par plus the given strokes, the back nine not played.
inline Round frontnine(const Tee& t, const std::array<int, 9>& over, Date date = {2024, 5, 1}) {
    std::array<int, 18> h{};
    for (int i = 0; i < 9; ++i) h[i] = t.par[i] + over[i];
    return played(t, h, date);
}

// A round entered as its two totals only.
inline Round totals(const Tee& t, int out, int in, Date date = {2024, 5, 1}) {
    return Round{date, t, {}, out, in};
}

} // namespace greenfold::whs::testing
