#include "whs/adjust.h"
#include "whsround.h"

#include <gtest/gtest.h>

using namespace greenfold::whs;
using namespace greenfold::whs::testing;

namespace {

const StrokeIndexes card = {7, 15, 1, 11, 3, 17, 5, 13, 9, 8, 16, 2, 12, 4, 18, 6, 14, 10};

// Par 72 with hole 12 (SI 2) a par 4 and hole 14 a par 3.
Tee cardtee() {
    Tee t = tee(720, 113);
    t.par[11] = 4;
    t.par[13] = 3;
    t.strokeindex = card;
    return t;
}

Round withholes(const Tee& t, std::initializer_list<std::pair<int, int>> scores) {
    std::array<int, 18> h = t.par;
    for (auto [hole, score] : scores) h[hole - 1] = score;
    return played(t, h);
}

} // namespace

TEST(NetDoubleBogey, publishedLimits) {
    const Tee t = cardtee();
    // Course handicap 15: hole 18, par 4, SI 10 counts at most 7.
    Adjustment a = adjustround(withholes(t, {{18, 9}}), 15);
    ASSERT_EQ(a.adjusted.size(), 1u);
    EXPECT_EQ(a.adjusted[0].hole, 18);
    EXPECT_EQ(a.adjusted[0].counted, 7);
    EXPECT_EQ(a.gross, 77);
    EXPECT_EQ(a.ags, 75);
    // Course handicap 24: a 9 on the par 4 of SI 2 counts 8.
    a = adjustround(withholes(t, {{12, 9}}), 24);
    EXPECT_EQ(a.holes[11], 8);
    EXPECT_EQ(a.ags, a.gross - 1);
    EXPECT_FALSE(a.nostrokeindex);
    EXPECT_FALSE(a.totalsonly);
}

TEST(NetDoubleBogey, noIndexYetCountsParPlusFive) {
    // 11 and 10 on par 4s count 9; 8 on a par 3 stands.
    const Adjustment a =
        adjustround(withholes(cardtee(), {{1, 11}, {3, 8}, {5, 10}}), std::nullopt);
    ASSERT_EQ(a.adjusted.size(), 2u);
    EXPECT_EQ(a.adjusted[0].counted, 9);
    EXPECT_EQ(a.adjusted[1].hole, 5);
    EXPECT_EQ(a.adjusted[1].counted, 9);
    EXPECT_EQ(a.ags, a.gross - 3);
}

TEST(NetDoubleBogey, plusHandicapsGiveStrokesBackFromSI18) {
    const Tee t = cardtee();
    // +2: SI 18 (hole 15) and SI 17 (hole 6) are limited to par + 1, SI 16 (hole 11) is not.
    const Adjustment a = adjustround(withholes(t, {{15, 6}, {6, 6}, {11, 6}}), -2);
    ASSERT_EQ(a.adjusted.size(), 2u);
    EXPECT_EQ(a.adjusted[0].hole, 6);
    EXPECT_EQ(a.adjusted[0].counted, 5);
    EXPECT_EQ(a.adjusted[1].hole, 15);
    EXPECT_EQ(a.holes[10], 6);
}

TEST(NetDoubleBogey, aboveFiftyFourFourStrokesStillCountParPlusFive) {
    // Course handicap 60: SI 1 (hole 3, par 3) receives 4 strokes, SI 7 (hole 1) 3.
    const Adjustment a = adjustround(withholes(cardtee(), {{3, 12}, {1, 12}}), 60);
    EXPECT_EQ(a.holes[2], 8);
    EXPECT_EQ(a.holes[0], 9);
}

TEST(NetDoubleBogey, nineHoleRoundRanksItsOwnNine) {
    // The front nine's indexes 7 15 1 11 3 17 5 13 9: with 4 strokes, hole 1 (SI 7) is the
    // fourth hardest and receives one, hole 9 (SI 9) is the fifth and does not.
    const Round r = frontnine(cardtee(), {5, 0, 0, 0, 0, 0, 0, 0, 5});
    ASSERT_EQ(r.in, 0);
    const Adjustment a = adjustround(r, 4);
    EXPECT_EQ(a.holes[0], 7);
    EXPECT_EQ(a.holes[8], 6);
    EXPECT_EQ(a.ags, r.out - 5);
}

TEST(NoStrokeIndexes, remainingStrokesGoWhereTheyRaiseTheScoreMost) {
    Tee t = tee(720, 113);
    // 20 strokes: one a hole, two more. Holes 2, 7 and 9 are 6, 5 and 4 over par: the two
    // extra strokes go to the first two, which count par + 4, and hole 9 counts par + 3.
    const Adjustment a = adjustround(played(t, overpar(t, {0, 6, 0, 0, 0, 0, 5, 0, 4})), 20);
    EXPECT_TRUE(a.nostrokeindex);
    ASSERT_EQ(a.adjusted.size(), 3u);
    EXPECT_EQ(a.holes[1], t.par[1] + 4);
    EXPECT_EQ(a.holes[6], t.par[6] + 4);
    EXPECT_EQ(a.holes[8], t.par[8] + 3);
    EXPECT_EQ(a.ags, a.gross - 4); // the most any index order could leave
}

TEST(NoStrokeIndexes, plusHandicapGivesBackWhereItCostsNothing) {
    // +2 with three double bogeys: with indexes SI 18 and 17 cut two strokes; without,
    // the holes given back on are holes that were played at par.
    Tee t = cardtee();
    const std::array<int, 18> over = {0, 0, 0, 0, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 2};
    EXPECT_EQ(adjustround(played(t, overpar(t, over)), -2).ags, 72 + 6 - 2);
    t.strokeindex.reset();
    const Adjustment a = adjustround(played(t, overpar(t, over)), -2);
    EXPECT_TRUE(a.nostrokeindex);
    EXPECT_EQ(a.ags, 72 + 6);
}

TEST(TotalsOnly, grossCountsAsItStandsAndIsFlagged) {
    const Adjustment a = adjustround(totals(cardtee(), 61, 58), 10);
    EXPECT_TRUE(a.totalsonly);
    EXPECT_TRUE(a.adjusted.empty());
    EXPECT_EQ(a.ags, 119);
    EXPECT_EQ(adjustround(totals(cardtee(), 0, 52), std::nullopt).ags, 52);
}
