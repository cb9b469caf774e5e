#include "whs/strokeindex.h"
#include "whsround.h"

#include <gtest/gtest.h>

using namespace greenfold::whs;
using greenfold::whs::testing::card;

static const StrokeIndexes nine = {3, 1, 7, 5, 9, 2, 8, 4, 6, 3, 1, 7, 5, 9, 2, 8, 4, 6};

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
    // {course handicap, order, holes, strokes}: 15 on SI 10 and 24 on SI 2; SI 1 again
    // as 19 and 37; +2 back on 18 and 17, +3 on 16 too; a nine's four and its plus one.
    const int cases[][4] = {{15, 10, 18, 1},  {15, 16, 18, 0}, {24, 2, 18, 2},   {24, 7, 18, 1},
                            {19, 1, 18, 2},   {19, 2, 18, 1},  {37, 1, 18, 3},   {36, 1, 18, 2},
                            {-2, 17, 18, -1}, {-2, 16, 18, 0}, {-3, 16, 18, -1}, {-3, 15, 18, 0},
                            {4, 4, 9, 1},     {4, 5, 9, 0},    {-1, 9, 9, -1},   {-1, 8, 9, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(strokesreceived(c[0], c[1], c[2]), c[3]) << c[0] << " on " << c[1];
}
