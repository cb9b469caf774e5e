// Thousands of generated rounds, each checked against the handicap rules worked out here
// step by step in single precision, independently of the engine's own helpers.
#include "scoring/roundslots.h"
#include "scoring/scoreentry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <memory>
#include <random>
#include <string>

using namespace greenfold;

namespace {

struct Tee {
    float rating, slope;
};

float expecteddifferential(int out, int in, Tee tee, int ninehole) {
    const bool nine = out == 0 || in == 0;
    const int gross = (nine && ninehole == 1) ? 2 * (out + in) : out + in;
    const float rating = (nine && ninehole == 2) ? tee.rating / 2.0f : tee.rating;
    const float over = float(gross) - rating;
    const float scaled = over * 113.0f;
    const float d = scaled / tee.slope;
    const float tenths = d * 10.0f;
    return float(std::floor(double(tenths) + 0.5)) / 10.0f;
}

int used(int rounds, bool average) {
    if (average && rounds < 9) return rounds;
    if (rounds <= 6) return 1;
    if (rounds <= 16) return (rounds - 3) / 2;
    return rounds - 10;
}

float expectedindex(std::deque<float> kept, const GOLF1& g, int tee) {
    std::sort(kept.begin(), kept.end());
    const int n = used(int(kept.size()), g.averageflag == 1);
    float sum = 0;
    for (int i = 0; i < n; ++i) sum += kept[std::size_t(i)];
    const float average = sum / float(n);
    const float raw = average * g.hcpfactor;
    const float tenths = raw * 10.0f;
    float index = (tenths >= 0 ? std::floor(tenths) : std::ceil(tenths)) / 10.0f;
    if (g.hcplimit == 1 && tee == 2) index = std::min(index, 36.4f);
    if (g.hcplimit == 1 && tee == 1) index = std::min(index, 40.4f);
    return index;
}

bool wholetenths(float v) {
    return v == float(std::lround(double(v) * 10.0)) / 10.0f;
}

} // namespace

TEST(Randomized, generatedRounds_matchTheRulesToTheTenth) {
    std::mt19937 rng(20260601);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto g = std::make_unique<GOLF1>();
    constexpr int courses = 4, players = 20, roundsper = 100;
    Tee tees[courses + 1][4];
    g->coursecount = courses;
    for (int c = 1; c <= courses; ++c)
        for (int t = 1; t <= 3; ++t) {
            // Course 1 carries nine-hole ratings, the others eighteen-hole ones.
            const int rating10 = c == 1 ? pick(280, 380) : pick(640, 780);
            const int slope = pick(55, 155);
            tees[c][t] = {float(rating10 / 10.0), float(slope)};
            g->coursedata[c][courseline_rating0 + t] =
                std::to_string(rating10 / 10) + "." + std::to_string(rating10 % 10);
            g->coursedata[c][courseline_slope0 + t] = std::to_string(slope);
        }
    g->playercount = players;
    std::deque<float> kept[players + 1];
    int capped = 0;
    for (int i = 0; i < players * roundsper; ++i) {
        const int p = 1 + i % players;
        ScoreSession at;
        at.player = p;
        at.course = pick(1, courses);
        const float factors[] = {0.96f, 1.0f, 0.9f, 0.85f};
        g->hcpfactor = factors[pick(0, 3)];
        g->ninehole = int16_t(pick(1, 3));
        g->averageflag = int16_t(pick(0, 1));
        g->hcplimit = int16_t(pick(0, 1));
        // Nine holes of 2 up to 4 + skill each; one round in five has only one nine.
        const int skill = p % 12, nine = pick(0, 9);
        const int out = nine == 1 ? 0 : pick(18, 9 * (4 + skill));
        const int in = nine == 0 ? 0 : pick(18, 9 * (4 + skill));
        DisplayedRound d;
        d.tee = pick(1, 3);
        d.out = std::to_string(out);
        d.in = std::to_string(in);
        ASSERT_TRUE(recordround(*g, at.entry(d)).stored);

        const Tee tee = tees[at.course][d.tee];
        const float diff = expecteddifferential(out, in, tee, g->ninehole);
        if (kept[p].size() == 20) kept[p].pop_front();
        kept[p].push_back(diff);
        const int r = g->roundcount[p];
        ASSERT_EQ(r, int(kept[p].size()));
        ASSERT_EQ(g->differential[p][r], diff) << "round " << i;
        const float index = expectedindex(kept[p], *g, d.tee);
        ASSERT_EQ(g->hcpindex[p][r], index) << "round " << i;
        const float chcp = float(std::floor(double(float(index * tee.slope) / 113.0f) + 0.5));
        ASSERT_EQ(g->coursehcp[p][r], chcp) << "round " << i;

        ASSERT_TRUE(wholetenths(diff) && wholetenths(index)) << diff << " " << index;
        if (g->hcplimit == 1) {
            ASSERT_LE(index, d.tee == 1 ? 40.4f : d.tee == 2 ? 36.4f : INFINITY);
        }
        capped += g->hcplimit == 1 && (index == 36.4f || index == 40.4f);
    }
    EXPECT_GT(capped, 0); // the generated rounds reach the limits
}
