#include "scoring/scorecard.h"

#include "model/textline.h"
#include "scoring/handicap.h"

#include <array>
#include <cmath>

namespace greenfold {

namespace {

std::string ninetotal(const HoleTexts& holes, int first) {
    double sum = 0;
    for (int h = first; h < first + 9; ++h) sum += leadingnumber(holes[h]);
    return "  " + generalformat(sum);
}

// Course handicap bands: above low and below high, the limit is the band's. The bands
// overlap at their ends (a halved 9.5 is above 4 and above 9) and the later band wins.
struct Band {
    float low, high;
    double limit;
};
constexpr std::array<Band, 3> nineholebands{{{4, 10, 7}, {9, 15, 8}, {14, 20, 9}}};
constexpr std::array<Band, 3> eighteenbands{{{9, 20, 7}, {19, 30, 8}, {29, 40, 9}}};

double bandlimit(float ch, bool ninehole) {
    double limit = 10; // a handicap that fits no band (not a number) keeps the loosest
    for (const Band& b : ninehole ? nineholebands : eighteenbands)
        if (ch > b.low && ch < b.high) limit = b.limit;
    if (ch >= (ninehole ? 20.0f : 40.0f)) limit = 10;
    return limit;
}

} // namespace

std::string outtotal(const HoleTexts& holes) {
    return ninetotal(holes, 1);
}

std::string intotal(const HoleTexts& holes) {
    return ninetotal(holes, 10);
}

bool isninehole(const DisplayedRound& round) {
    return leadingnumber(round.out) == 0 || leadingnumber(round.in) == 0;
}

double holelimit(float ch, bool ninehole, double par) {
    const float doublebogey = ninehole ? 5.0f : 10.0f;
    if (ch < doublebogey) return par + 2;
    return bandlimit(ch, ninehole);
}

DisplayedRound EQadjust(const ProgramState& g, const RoundEntry& entry) {
    const DisplayedRound& round = entry.round;
    const int p = entry.player;
    if (g.method == HandicapMethod::whs) return round; // net double bogey is the method's own
    if (g.escflag != 5 || entry.slot != 0 || p < 1 || p > maxplayers) return round;
    const int count = g.roundcount[p];
    const bool firstround = count < 1 || count > maxrounds;
    const bool nine = isninehole(round);
    // The limit follows the course handicap of the player's latest round.
    float ch = firstround ? 0.0f : g.coursehcp[p][count];
    if (nine && g.ninehole == 1) ch = std::floor(ch) / 2.0f;

    DisplayedRound adjusted = round;
    bool front = false, back = false;
    for (int h = 1; h <= 18; ++h) {
        const double par = coursevalue(g, entry.course, courseline_par0 + h);
        // Without a round there is no handicap yet, so every hole counts up to 10.
        const double limit = firstround ? 10.0 : holelimit(ch, nine, par);
        if (leadingnumber(round.holes[h]) > limit) {
            adjusted.holes[h] = generalformat(limit);
            (h <= 9 ? front : back) = true;
        }
    }
    if (front) adjusted.out = outtotal(adjusted.holes);
    if (back) adjusted.in = intotal(adjusted.holes);
    return adjusted;
}

} // namespace greenfold
