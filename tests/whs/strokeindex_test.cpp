#include "whs/strokeindex.h"

#include <gtest/gtest.h>

using namespace greenfold::whs;

namespace {
const StrokeIndexes card = {7, 15, 1, 11, 3, 17, 5, 13, 9, 8, 16, 2, 12, 4, 18, 6, 14, 10};
}

TEST(StrokeIndexLine, readsEighteenOrNineHoleNumberings) {
    EXPECT_EQ(parsestrokeindexes("SI 7 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14 10"), card);
    EXPECT_EQ(parsestrokeindexes("SI  7 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14 10\r"), card);
    const StrokeIndexes nine = {3, 1, 7, 5, 9, 2, 8, 4, 6, 3, 1, 7, 5, 9, 2, 8, 4, 6};
    EXPECT_EQ(parsestrokeindexes("SI 3 1 7 5 9 2 8 4 6 3 1 7 5 9 2 8 4 6"), nine);
    EXPECT_EQ(parsestrokeindexes(strokeindexline(card)), card);
}

TEST(StrokeIndexLine, anythingElseIsNone) {
    const char* bad[] = {
        "",
        "SI",
        "SI 7 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14",      // 17 numbers
        "SI 7 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14 10 1", // 19
        "SI 7 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14 14",   // 14 twice, no 10
        "SI 7 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14 19",
        "SI 0 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14 10",
        "SI 1 1 2 2 3 3 4 4 5 5 6 6 7 7 8 8 9 9", // 1..9 twice, but not once a nine
        "si 7 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14 10",
        "SI 7 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14 10x",
        "SI 7,15,1,11,3,17,5,13,9,8,16,2,12,4,18,6,14,10",
        "Pine Valley"};
    for (const char* line : bad) EXPECT_EQ(parsestrokeindexes(line), std::nullopt) << line;
}

TEST(StrokeOrder, nineHoleCourseAlternatesItsLoops_aNineRanksItsOwnHoles) {
    const StrokeIndexes nine = {3, 1, 7, 5, 9, 2, 8, 4, 6, 3, 1, 7, 5, 9, 2, 8, 4, 6};
    const StrokeIndexes spread = {5, 1, 13, 9, 17, 3, 15, 7, 11, 6, 2, 14, 10, 18, 4, 16, 8, 12};
    EXPECT_EQ(eighteenorder(nine), spread);
    EXPECT_EQ(eighteenorder(card), card);
    // The back nine of the card holds 8 16 2 12 4 18 6 14 10.
    EXPECT_EQ(nineorder(card, 1), (std::array<int, 9>{4, 8, 1, 6, 2, 9, 3, 7, 5}));
    EXPECT_EQ(nineorder(nine, 0), (std::array<int, 9>{3, 1, 7, 5, 9, 2, 8, 4, 6}));
}

TEST(StrokesReceived, publishedAllocations) {
    EXPECT_EQ(strokesreceived(15, 10, 18), 1); // course handicap 15 on SI 10
    EXPECT_EQ(strokesreceived(15, 16, 18), 0);
    EXPECT_EQ(strokesreceived(24, 2, 18), 2);
    EXPECT_EQ(strokesreceived(24, 7, 18), 1);
    // SI 1 comes round again as 19 and 37.
    EXPECT_EQ(strokesreceived(19, 1, 18), 2);
    EXPECT_EQ(strokesreceived(19, 2, 18), 1);
    EXPECT_EQ(strokesreceived(37, 1, 18), 3);
    EXPECT_EQ(strokesreceived(36, 1, 18), 2);
    // +2 gives back on SI 18 and 17, +3 on 18, 17 and 16.
    EXPECT_EQ(strokesreceived(-2, 18, 18), -1);
    EXPECT_EQ(strokesreceived(-2, 17, 18), -1);
    EXPECT_EQ(strokesreceived(-2, 16, 18), 0);
    EXPECT_EQ(strokesreceived(-3, 16, 18), -1);
    EXPECT_EQ(strokesreceived(-3, 15, 18), 0);
    EXPECT_EQ(strokesreceived(0, 1, 18), 0);
    // A nine: 4 strokes on its four hardest holes, a plus 1 back on its easiest.
    EXPECT_EQ(strokesreceived(4, 4, 9), 1);
    EXPECT_EQ(strokesreceived(4, 5, 9), 0);
    EXPECT_EQ(strokesreceived(-1, 9, 9), -1);
    EXPECT_EQ(strokesreceived(-1, 8, 9), 0);
}
