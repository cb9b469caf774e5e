#include "whs/leaguerecord.h"

#include "model/textline.h"

#include <cmath>

namespace greenfold::whs {

namespace {

constexpr double largestfigure = 9999;

int whole(double value) {
    return std::fabs(value) <= largestfigure ? static_cast<int>(std::lround(value)) : 0;
}

} // namespace

Tee leaguetee(const GOLF1& g, int course, int tee) {
    Tee t;
    if (course < 1 || course > g.coursecount || tee < tee_ladies || tee > tee_pro) return t;
    auto value = [&](int line) { return leadingnumber(coursefield(g, course, line)); };
    const double rating = value(courseline_rating0 + tee);
    t.rating = tenthsnear(rating);
    t.slope = std::fabs(rating) <= largestfigure ? whole(value(courseline_slope0 + tee)) : 0;
    for (int h = 1; h <= 18; ++h) t.par[h - 1] = whole(value(courseline_par0 + h));
    t.strokeindex = parsestrokeindexes(coursefield(g, course, courseline_strokeindex));
    return t;
}

} // namespace greenfold::whs
