#pragma once

#include "lists/views.h"
#include "model/programstate.h"

#include <memory>
#include <string>

namespace greenfold::testing {

// A league for the report tests: players "Player 1".. with rounds on course 1 ("PV"),
// round r of player p scoring 40 + p % 7 out and 41 + r % 5 in.
inline std::unique_ptr<ProgramState> reportleague(int players, int rounds) {
    auto g = std::make_unique<ProgramState>();
    g->leaguefile = "SPRING.LGE";
    g->coursecount = 2;
    g->coursedata[1][courseline_name] = "Pine Valley";
    g->coursedata[1][courseline_initials] = "PV";
    g->coursedata[1][courseline_slope0 + tee_mens] = " 113";
    g->coursedata[2][courseline_name] = "Oak Hollow";
    g->playercount = int16_t(players);
    for (int p = 1; p <= players; ++p) {
        g->playername[p] = "Player " + std::to_string(p);
        g->roundcount[p] = int16_t(rounds);
        for (int r = 1; r <= rounds; ++r) {
            g->rmonth[p][r] = 5;
            g->rday[p][r] = int16_t(r);
            g->ryear[p][r] = 4;
            g->roundcourse[p][r] = 1;
            for (int k = 1; k <= 18; ++k) g->holescore[p][r][k] = int16_t(4 + (k + p) % 3);
            g->holescore[p][r][19] = int16_t(40 + p % 7);
            g->holescore[p][r][20] = int16_t(41 + r % 5);
            g->hcpindex[p][r] = float(p % 30) + 0.4f;
            g->coursehcp[p][r] = float(p % 30);
        }
    }
    return g;
}

// The main window's lists in the most recent view.
inline ListLines recentlines(const ProgramState& g) {
    RoundView v;
    return *refreshview(g, v);
}

} // namespace greenfold::testing
