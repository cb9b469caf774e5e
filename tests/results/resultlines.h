#pragma once

#include "results/resultsfile.h"

#include <array>
#include <numeric>
#include <optional>
#include <sstream>
#include <string>

namespace greenfold::testing {

// A line of night `day` of June 2026: the hole scores, the index in tenths and the
// handicap in effect (none for a player without a handicap).
inline ResultLine resultline(const std::string& name, const std::array<int16_t, 18>& holes,
                             std::optional<int> hcp, int day = 1,
                             std::optional<int> index = std::nullopt) {
    ResultLine l;
    l.date = {6, int16_t(day), 26};
    l.name = name;
    l.course = 1;
    l.tee = tee_mens;
    l.holes = holes;
    l.out = int16_t(std::accumulate(holes.begin(), holes.begin() + 9, 0));
    l.in = int16_t(std::accumulate(holes.begin() + 9, holes.end(), 0));
    l.hcp = hcp;
    l.base = hcp;
    l.index = hcp ? std::optional<int>(index.value_or(*hcp * 10)) : std::nullopt;
    return l;
}

// Only the two totals.
inline ResultLine totalsline(const std::string& name, int out, int in, std::optional<int> hcp,
                             int day = 1) {
    ResultLine l = resultline(name, {}, hcp, day);
    l.out = int16_t(out);
    l.in = int16_t(in);
    return l;
}

// The results file these bytes hold, or nothing when it is refused.
inline std::optional<ResultsFile> resultsof(const std::string& bytes) {
    std::istringstream in(bytes);
    return readresults(in);
}

} // namespace greenfold::testing
