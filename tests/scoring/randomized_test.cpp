// Once a player has twenty rounds each new one drops the oldest and moves the rest down.
#include "scoring/handicap.h"
#include "scoring/roundslots.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <random>
#include <string>
#include <tuple>

using namespace greenfold;

TEST(ManyRounds, eachDroppedRoundMovesEveryValueDownOneSlot) {
    std::mt19937 rng(20260601);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto g = std::make_unique<ProgramState>();
    g->coursecount = 2;
    for (int line = 1; line <= 3; ++line)
        for (int c = 1; c <= 2; ++c) {
            g->coursedata[c][courseline_rating0 + line] = std::to_string(pick(64, 78)) + ".5";
            g->coursedata[c][courseline_slope0 + line] = std::to_string(pick(55, 155));
        }
    g->playercount = 3;
    auto kept = [&](int p, int r) {
        return std::tuple(g->differential[p][r], g->hcpindex[p][r], g->coursehcp[p][r],
                          g->rmonth[p][r], g->rday[p][r], g->ryear[p][r], g->roundcourse[p][r],
                          g->holescore[p][r]);
    };
    std::deque<decltype(kept(1, 1))> slots[4];
    for (int i = 0; i < 210; ++i) {
        const int p = 1 + i % 3;
        DisplayedRound d{
            pick(1, 3), {}, std::to_string(pick(30, 60)), std::to_string(pick(30, 60))};
        for (int h = 1; h <= 18; ++h) d.holes[h] = std::to_string(pick(2, 9));
        const RoundEntry e{p, 0, pick(1, 2), pick(1, 12), pick(1, 28), pick(0, 99), d};
        ASSERT_TRUE(recordround(*g, e).stored);
        const int r = g->roundcount[p];
        const float index = g->hcpindex[p][r];
        calchcpindex(*g, p, r, d.tee);
        ASSERT_EQ(g->hcpindex[p][r], index) << "round " << i;
        if (slots[p].size() == maxrounds) slots[p].pop_front();
        slots[p].push_back(kept(p, r));
        ASSERT_EQ(r, int(slots[p].size()));
        for (int k = 1; k <= r; ++k)
            ASSERT_TRUE(kept(p, k) == slots[p][std::size_t(k - 1)])
                << "round " << i << " slot " << k;
    }
}
