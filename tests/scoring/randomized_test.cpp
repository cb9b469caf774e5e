// Many generated rounds for a few players in turn: once a player has twenty, each new
// round drops the oldest, every value of the others moves down one slot unchanged, and
// the new round's index counts the twenty kept rounds only.
#include "scoring/handicap.h"
#include "scoring/roundslots.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <memory>
#include <random>
#include <string>

using namespace greenfold;

namespace {

struct Kept {
    float differential, index, coursehcp;
    int month, day, year, course;
    std::array<int16_t, maxholes + 1> holes;
    bool operator==(const Kept&) const = default;
};

Kept kept(const GOLF1& g, int p, int r) {
    return {g.differential[p][r], g.hcpindex[p][r], g.coursehcp[p][r],   g.rmonth[p][r],
            g.rday[p][r],         g.ryear[p][r],    g.roundcourse[p][r], g.holescore[p][r]};
}

} // namespace

TEST(ManyRounds, eachDroppedRoundMovesEveryValueDownOneSlot) {
    std::mt19937 rng(20260601);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto g = std::make_unique<GOLF1>();
    g->coursecount = 2;
    for (int c = 1; c <= 2; ++c)
        for (int t = 1; t <= 3; ++t) {
            g->coursedata[c][courseline_rating0 + t] = std::to_string(pick(64, 78)) + ".5";
            g->coursedata[c][courseline_slope0 + t] = std::to_string(pick(55, 155));
        }
    g->playercount = 3;
    std::deque<Kept> slots[4];
    for (int i = 0; i < 210; ++i) {
        const int p = 1 + i % 3;
        DisplayedRound d;
        d.tee = pick(1, 3);
        for (int h = 1; h <= 18; ++h) d.holes[h] = std::to_string(pick(2, 9));
        d.out = std::to_string(pick(30, 60));
        d.in = std::to_string(pick(30, 60));
        ASSERT_TRUE(
            recordround(*g, {p, 0, pick(1, 2), pick(1, 12), pick(1, 28), pick(0, 99), d}).stored);
        const int r = g->roundcount[p];
        const float index = g->hcpindex[p][r];
        calchcpindex(*g, p, r, d.tee);
        ASSERT_EQ(g->hcpindex[p][r], index) << "round " << i;
        if (slots[p].size() == maxrounds) slots[p].pop_front();
        slots[p].push_back(kept(*g, p, r));
        ASSERT_EQ(r, int(slots[p].size()));
        for (int k = 1; k <= r; ++k)
            ASSERT_TRUE(kept(*g, p, k) == slots[p][std::size_t(k - 1)])
                << "round " << i << " slot " << k;
    }
}
