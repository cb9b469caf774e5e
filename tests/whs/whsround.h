#pragma once

#include "whs/decimal.h"
#include "whs/record.h"

#include <array>
#include <numeric>
#include <ostream>

namespace greenfold::whs {

// Figures in failure messages read as figures, in every file that compares them.
inline void PrintTo(Tenths t, std::ostream* os) {
    *os << tenthstext(t);
}
inline void PrintTo(const Fraction& f, std::ostream* os) {
    *os << f.num() << "/" << f.den();
}

namespace testing {

// A par-72 course, 4 4 3 5 4 4 3 5 4 on each nine, and a par 71 ending on a par 3.
inline constexpr std::array<int, 18> par72 = {4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};
inline constexpr std::array<int, 18> par71 = {4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 3};
inline const StrokeIndexes card = {7, 15, 1, 11, 3, 17, 5, 13, 9, 8, 16, 2, 12, 4, 18, 6, 14, 10};

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

inline Round totals(const Tee& t, int out, int in, Date date = {2024, 5, 1}) {
    return Round{date, t, {}, out, in};
}

} // namespace testing
} // namespace greenfold::whs
