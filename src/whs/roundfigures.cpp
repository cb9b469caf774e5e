#include "whs/roundfigures.h"

#include "model/textline.h"
#include "whs/decimal.h"
#include "whs/leaguerecord.h"

#include <algorithm>
#include <cmath>

namespace greenfold::whs {

namespace {

// tenthsnear turns anything beyond this into 0.
bool holdable(float value) {
    return std::fabs(value) < 1e8f;
}

} // namespace

bool noindexyet(const ProgramState& g, int p, int r) {
    if (p < 1 || p > maxplayers || r < 1 || r > maxrounds) return true;
    if (g.hcpindex[p][r] != 0 || g.coursehcp[p][r] != 0) return false;
    const Date played = leaguedate(g.rmonth[p][r], g.rday[p][r], g.ryear[p][r]);
    const auto& issued = g.history[p].issued;
    return std::none_of(issued.begin(), issued.end(), [&](const IssuedIndex& i) {
        return Date{i.year, i.month, i.day} <= played;
    });
}

std::string indexfigure(float index) {
    return holdable(index) ? indextext(tenthsnear(index)) : generalformat(index);
}

std::string handicapfigure(float chcp) {
    return holdable(chcp) ? handicaptext(roundwhole(tenthsnear(chcp))) : generalformat(chcp);
}

} // namespace greenfold::whs
