#include "scoring/handicap.h"

#include "model/textline.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace greenfold {

namespace {

// Rounds kept -> lowest differentials used, for 1..20 rounds.
constexpr std::array<int, maxrounds + 1> usedtable = {0, 1, 1, 1, 1, 1, 1, 2, 2, 3, 3,
                                                      4, 4, 5, 5, 6, 6, 7, 8, 9, 10};

// The index limits by the tee the round was played from; the Pro tee has none.
float applylimit(float index, int tee) {
    if (tee == tee_mens && index > 36.4f) return 36.4f;
    if (tee == tee_ladies && index > 40.4f) return 40.4f;
    return index;
}

// Cuts an index to tenths toward zero, without rounding: 8.864 is 8.8 and -1.248 is
// -1.2. For a positive index this is the same as taking the floor.
float truncatetenth(float index) {
    const float scaled = index * 10.0f;
    const float whole = std::trunc(scaled);
    return whole / 10.0f;
}

} // namespace

double coursevalue(const ProgramState& g, int course, int line) {
    if (course < 1 || course > g.coursecount) return 0;
    return leadingnumber(coursefield(g, course, line));
}

TeeRating teerating(const ProgramState& g, int course, int tee) {
    if (tee < tee_ladies || tee > tee_pro) return {};
    return {static_cast<float>(coursevalue(g, course, courseline_rating0 + tee)),
            static_cast<float>(coursevalue(g, course, courseline_slope0 + tee))};
}

bool usablerating(const TeeRating& tee) {
    return std::isfinite(tee.rating) && std::isfinite(tee.slope) && tee.slope != 0;
}

float roundtenth(float d) {
    const float scaled = d * 10.0f;
    // The half is added exactly, so a value that is a half in single precision goes
    // up and one a hair below it does not.
    const double whole = std::floor(static_cast<double>(scaled) + 0.5);
    return static_cast<float>(whole) / 10.0f;
}

float calcdifferential(int out, int in, float rating, float slope, int ninehole) {
    const bool nine = out == 0 || in == 0;
    int gross = out + in;
    if (nine && ninehole == 1) gross *= 2;
    const float base = (nine && ninehole == 2) ? static_cast<float>(gross) - rating / 2.0f
                                               : static_cast<float>(gross) - rating;
    const float product = base * 113.0f;
    const float d = product / slope;
    return roundtenth(d);
}

int roundsused(int rounds, bool average) {
    if (rounds < 1) return 0;
    if (rounds > maxrounds) rounds = maxrounds;
    if (average && rounds < 9) return rounds;
    return usedtable[rounds];
}

std::vector<std::string> calchcpindex(ProgramState& g, int p, int r, int tee) {
    if (p < 1 || p > maxplayers || r < 1 || r > maxrounds) return {};
    std::vector<float> sorted(g.differential[p].begin() + 1, g.differential[p].begin() + r + 1);
    std::sort(sorted.begin(), sorted.end());
    const int n = roundsused(r, g.averageflag == 1);

    float sum = 0;
    for (int i = 0; i < n; ++i) sum = sum + sorted[i];
    const float average = sum / static_cast<float>(n);
    const float factored = average * g.hcpfactor;
    float index = truncatetenth(factored);
    if (g.hcplimit == 1) index = applylimit(index, tee);
    g.hcpindex[p][r] = index;

    std::vector<std::string> panel{g.playername[p]};
    if (g.hcpfactor != 0.96f) panel.push_back("HCP factor " + formatpattern(g.hcpfactor, "0.00"));
    panel.push_back("differentials");
    for (float d : sorted) panel.push_back(generalformat(d));
    panel.push_back("total rounds = " + std::to_string(r));
    panel.push_back("# of rounds used = " + std::to_string(n));
    panel.push_back("Avg. = " + generalformat(average));
    panel.push_back("Hcp index = " + generalformat(index));
    return panel;
}

float coursehandicap(float index, float slope) {
    const float product = index * slope;
    const float quotient = product / 113.0f;
    // Int takes the floor, so halves go up for plus handicaps as well.
    return static_cast<float>(std::floor(static_cast<double>(quotient) + 0.5));
}

} // namespace greenfold
