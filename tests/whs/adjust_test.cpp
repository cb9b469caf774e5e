#include "whs/adjust.h"
#include "whs/strokeindex.h"
#include "whsround.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace greenfold::whs;
using namespace greenfold::whs::testing;

namespace {

const StrokeIndexes nine = {3, 1, 7, 5, 9, 2, 8, 4, 6, 3, 1, 7, 5, 9, 2, 8, 4, 6};

// Par 72 with hole 12 (SI 2) a par 4 and hole 14 a par 3, and the card's indexes.
Tee cardtee() {
    Tee t = tee(720, 113);
    t.par[11] = 4;
    t.par[13] = 3;
    t.strokeindex = card;
    return t;
}

} // namespace

TEST(StrokeIndexLine, eighteenOrNineHoleNumberings_anythingElseIsNone) {
    EXPECT_EQ(parsestrokeindexes("SI 7 15 1 11 3 17 5 13 9  8 16 2 12 4 18 6 14 10\r"), card);
    EXPECT_EQ(parsestrokeindexes(strokeindexline(nine)), nine);
    const char* bad[] = {"",
                         "SI 7 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14",
                         "SI 7 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14 10 1",
                         "SI 7 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14 14",
                         "SI 0 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14 10",
                         "SI 1 1 2 2 3 3 4 4 5 5 6 6 7 7 8 8 9 9",
                         "SI 7 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14 10x",
                         "Pine Valley"};
    for (const char* line : bad) EXPECT_EQ(parsestrokeindexes(line), std::nullopt) << line;
}

TEST(StrokeOrder, nineHoleCourseAlternatesItsLoops_aNineRanksItsOwnHoles) {
    EXPECT_EQ(eighteenorder(nine),
              (StrokeIndexes{5, 1, 13, 9, 17, 3, 15, 7, 11, 6, 2, 14, 10, 18, 4, 16, 8, 12}));
    EXPECT_EQ(eighteenorder(card), card);
    EXPECT_EQ(nineorder(card, 1), (std::array<int, 9>{4, 8, 1, 6, 2, 9, 3, 7, 5}));
}

TEST(StrokesReceived, publishedAllocations) {
    // {course handicap, order, holes, strokes}: pluses give back from the easiest hole.
    const int cases[][4] = {{15, 10, 18, 1},  {15, 16, 18, 0}, {24, 2, 18, 2},   {24, 7, 18, 1},
                            {19, 1, 18, 2},   {19, 2, 18, 1},  {37, 1, 18, 3},   {36, 1, 18, 2},
                            {-2, 17, 18, -1}, {-2, 16, 18, 0}, {-3, 16, 18, -1}, {-3, 15, 18, 0},
                            {4, 4, 9, 1},     {4, 5, 9, 0},    {-1, 9, 9, -1},   {-1, 8, 9, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(strokesreceived(c[0], c[1], c[2]), c[3]) << c[0] << " on " << c[1];
}

TEST(NetDoubleBogey, publishedLimits) {
    // {hole, score, course handicap, counted} in a round otherwise at par; none: par + 5.
    const std::tuple<int, int, std::optional<int>, int> cases[] = {
        {18, 9, 15, 7}, {12, 9, 24, 8}, {1, 11, std::nullopt, 9}, {3, 8, std::nullopt, 8},
        {15, 6, -2, 5}, {6, 6, -2, 5},  {11, 6, -2, 6},           {3, 12, 60, 8}};
    const Tee t = cardtee();
    for (const auto& [hole, score, ch, counted] : cases) {
        std::array<int, 18> h = t.par;
        h[hole - 1] = score;
        const Adjustment a = adjustround(played(t, h), ch);
        EXPECT_EQ(a.holes[hole - 1], counted) << "hole " << hole;
        EXPECT_EQ(a.ags, 72 - t.par[hole - 1] + counted) << "hole " << hole;
    }
}

TEST(NetDoubleBogey, nineHoleRoundRanksItsOwnNine) {
    // With 4 strokes hole 1 (SI 7) is the front's fourth hardest, hole 9 (SI 9) is not.
    const Round r = frontnine(cardtee(), {5, 0, 0, 0, 0, 0, 0, 0, 5});
    const Adjustment a = adjustround(r, 4);
    EXPECT_EQ(std::tuple(a.holes[0], a.holes[8], a.ags, a.nostrokeindex),
              std::tuple(7, 6, r.out - 5, false));
}

TEST(NoStrokeIndexes, remainingStrokesGoWhereTheyRaiseTheScoreMost) {
    // 20 strokes: the two past one a hole go to holes 2 and 7, counted par + 4, hole 9 par + 3.
    Tee t = tee(720, 113);
    Adjustment a = adjustround(played(t, overpar(t, {0, 6, 0, 0, 0, 0, 5, 0, 4})), 20);
    EXPECT_EQ(std::tuple(a.nostrokeindex, a.adjusted.size(), a.ags),
              std::tuple(true, 3u, a.gross - 4));
    // A +2 gives back on SI 18 and 17, or without indexes on holes played at par.
    t = cardtee();
    const std::array<int, 18> over = {0, 0, 0, 0, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 2};
    EXPECT_EQ(adjustround(played(t, overpar(t, over)), -2).ags, 72 + 6 - 2);
    t.strokeindex.reset();
    EXPECT_EQ(adjustround(played(t, overpar(t, over)), -2).ags, 72 + 6);
}

TEST(TotalsOnly, grossCountsAsItStandsAndIsFlagged) {
    const Adjustment a = adjustround(totals(cardtee(), 61, 58), 10);
    EXPECT_TRUE(a.totalsonly && a.ags == 119);
    EXPECT_EQ(adjustround(totals(cardtee(), 0, 52), std::nullopt).ags, 52);
}
