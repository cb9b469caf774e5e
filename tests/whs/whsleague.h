#pragma once

#include "model/golf1.h"
#include "scoring/scorecard.h"
#include "whs/strokeindex.h"

#include <array>
#include <memory>
#include <string>

namespace greenfold::whs::testing {

inline const StrokeIndexes cardsi = {7, 15, 1, 11, 3, 17, 5, 13, 9, 8, 16, 2, 12, 4, 18, 6, 14, 10};

// Appends a course of par 72 (4 4 3 5 4 4 3 5 4 each nine) with the ratings and slopes of
// tees 1..3 and line 30 as given.
inline int addcourse(GOLF1& g, const std::string& name, const std::array<const char*, 3>& ratings,
                     const std::array<const char*, 3>& slopes, const std::string& line30) {
    const int c = ++g.coursecount;
    auto& lines = g.coursedata[c];
    lines[courseline_name] = name;
    static constexpr int par[9] = {4, 4, 3, 5, 4, 4, 3, 5, 4};
    for (int h = 1; h <= 18; ++h)
        lines[courseline_par0 + h] = " " + std::to_string(par[(h - 1) % 9]);
    for (int t = 1; t <= 3; ++t) {
        lines[courseline_rating0 + t] = ratings[t - 1];
        lines[courseline_slope0 + t] = slopes[t - 1];
    }
    lines[courseline_initials] = name.substr(0, 2);
    lines[courseline_strokeindex] = line30;
    return c;
}

inline constexpr std::array<int, 18> par72holes = {4, 4, 3, 5, 4, 4, 3, 5, 4,
                                                   4, 4, 3, 5, 4, 4, 3, 5, 4};

// The score window's boxes for the holes (0: not played), with their nines summed.
inline DisplayedRound shown(const std::array<int, 18>& holes, int tee = tee_mens) {
    DisplayedRound d;
    d.tee = tee;
    for (int h = 1; h <= 18; ++h)
        d.holes[std::size_t(h)] =
            holes[std::size_t(h - 1)] ? std::to_string(holes[std::size_t(h - 1)]) : "";
    d.out = outtotal(d.holes);
    d.in = intotal(d.holes);
    return d;
}

// Par 72 plus the strokes over par of each hole.
inline DisplayedRound overpar72(const std::array<int, 18>& over, int tee = tee_mens) {
    std::array<int, 18> holes{};
    for (std::size_t h = 0; h < 18; ++h) holes[h] = par72holes[h] + over[h];
    return shown(holes, tee);
}

// A new round of player p on course c, dated month/day/2024.
inline RoundEntry night(int p, int c, int month, int day, const DisplayedRound& round,
                        int slot = 0) {
    return {p, slot, c, month, day, 24, round};
}

} // namespace greenfold::whs::testing
