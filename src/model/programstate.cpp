#include "model/programstate.h"

namespace greenfold {

void setmonthnames(ProgramState& g) {
    static constexpr const char* names[] = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};
    for (int m = 1; m <= 12; ++m) g.monthname[m] = names[m - 1];
}

void clearleague(ProgramState& g) {
    g.playercount = 0;
    for (int p = 1; p <= maxplayers; ++p) {
        g.playername[p].clear();
        g.playertee[p] = 0;
        g.roundcount[p] = 0;
        for (int r = 1; r <= maxrounds; ++r) {
            g.differential[p][r] = 0;
            g.rmonth[p][r] = 0;
            g.rday[p][r] = 0;
            g.ryear[p][r] = 0;
            g.hcpindex[p][r] = 0;
            g.coursehcp[p][r] = 0;
            g.roundcourse[p][r] = 0;
            g.holescore[p][r].fill(0);
        }
        g.history[p] = {};
    }
}

const std::string& coursefield(const ProgramState& g, int c, int n) {
    static const std::string empty;
    if (c < 1 || c > maxcourses || n < 1 || n > courselines) return empty;
    return g.coursedata[c][n];
}

} // namespace greenfold
