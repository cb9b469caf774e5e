#include "whs/adjust.h"
#include "whsround.h"

#include <gtest/gtest.h>

using namespace greenfold::whs;
using namespace greenfold::whs::testing;

namespace {

// Par 72 with hole 12 (SI 2) a par 4 and hole 14 a par 3, and the card's indexes.
Tee cardtee() {
    Tee t = tee(720, 113);
    t.par[11] = 4;
    t.par[13] = 3;
    t.strokeindex = StrokeIndexes{7, 15, 1, 11, 3, 17, 5, 13, 9, 8, 16, 2, 12, 4, 18, 6, 14, 10};
    return t;
}

// What one hole counts in a round otherwise played at par.
int counted(const Tee& t, int hole, int score, std::optional<int> ch) {
    std::array<int, 18> h = t.par;
    h[hole - 1] = score;
    const Adjustment a = adjustround(played(t, h), ch);
    EXPECT_EQ(a.ags, a.gross - (score - a.holes[hole - 1]));
    return a.holes[hole - 1];
}

} // namespace

TEST(NetDoubleBogey, publishedLimits) {
    const Tee t = cardtee();
    EXPECT_EQ(counted(t, 18, 9, 15), 7);           // par 4, SI 10, course handicap 15
    EXPECT_EQ(counted(t, 12, 9, 24), 8);           // par 4, SI 2, 24
    EXPECT_EQ(counted(t, 1, 11, std::nullopt), 9); // no index: par + 5
    EXPECT_EQ(counted(t, 3, 8, std::nullopt), 8);
    EXPECT_EQ(counted(t, 15, 6, -2), 5); // +2: SI 18 and 17 give back, SI 16 does not
    EXPECT_EQ(counted(t, 6, 6, -2), 5);
    EXPECT_EQ(counted(t, 11, 6, -2), 6);
    EXPECT_EQ(counted(t, 3, 12, 60), 8); // 4 strokes on SI 1 above 54: still par + 5
}

TEST(NetDoubleBogey, nineHoleRoundRanksItsOwnNine) {
    // The front nine's indexes 7 15 1 11 3 17 5 13 9: with 4 strokes, hole 1 (SI 7) is the
    // fourth hardest and receives one, hole 9 (SI 9) is the fifth and does not.
    const Round r = frontnine(cardtee(), {5, 0, 0, 0, 0, 0, 0, 0, 5});
    const Adjustment a = adjustround(r, 4);
    EXPECT_EQ(a.holes[0], 7);
    EXPECT_EQ(a.holes[8], 6);
    EXPECT_EQ(a.ags, r.out - 5);
    EXPECT_FALSE(a.nostrokeindex);
}

TEST(NoStrokeIndexes, remainingStrokesGoWhereTheyRaiseTheScoreMost) {
    Tee t = tee(720, 113);
    // 20 strokes: one a hole, two more. Holes 2, 7 and 9 are 6, 5 and 4 over par: the two
    // extra strokes go to the first two, which count par + 4, and hole 9 counts par + 3.
    Adjustment a = adjustround(played(t, overpar(t, {0, 6, 0, 0, 0, 0, 5, 0, 4})), 20);
    EXPECT_TRUE(a.nostrokeindex);
    EXPECT_EQ(a.adjusted.size(), 3u);
    EXPECT_EQ(a.ags, a.gross - 4); // the most any index order could leave
    // +2 with three double bogeys: the card's SI 18 and 17 cut two strokes; without
    // indexes the strokes are given back on holes played at par.
    t = cardtee();
    const std::array<int, 18> over = {0, 0, 0, 0, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 2};
    EXPECT_EQ(adjustround(played(t, overpar(t, over)), -2).ags, 72 + 6 - 2);
    t.strokeindex.reset();
    a = adjustround(played(t, overpar(t, over)), -2);
    EXPECT_EQ(a.ags, 72 + 6);
}

TEST(TotalsOnly, grossCountsAsItStandsAndIsFlagged) {
    const Adjustment a = adjustround(totals(cardtee(), 61, 58), 10);
    EXPECT_TRUE(a.totalsonly);
    EXPECT_EQ(a.ags, 119);
    EXPECT_EQ(adjustround(totals(cardtee(), 0, 52), std::nullopt).ags, 52);
}
