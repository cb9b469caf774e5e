// Match handicaps, the holes' ranks and where the strokes fall (R3, examples 10.1, 10.2).
#include "example.h"
#include "matchplay/strokes.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::matchplay;
using namespace greenfold::matchplay::testing;

namespace {

// The holes (1-based) in rank order.
std::vector<int> byrank(const MatchHoles& m) {
    std::vector<int> out(m.holes.size());
    for (int h : m.holes) out[std::size_t(m.rank[std::size_t(h)] - 1)] = h + 1;
    return out;
}

} // namespace

TEST(Strokes, eachNineIsRankedAmongItselfAndEighteenHolesByTheirIndexes) {
    EXPECT_EQ(byrank(matchholes(examplesi, Nine::front)),
              (std::vector<int>{3, 5, 7, 1, 9, 4, 8, 2, 6}));
    EXPECT_EQ(byrank(matchholes(examplesi, Nine::back)),
              (std::vector<int>{12, 14, 16, 10, 18, 13, 17, 11, 15}));
    EXPECT_EQ(byrank(matchholes(examplesi, Nine::all)),
              (std::vector<int>{3, 12, 5, 14, 7, 16, 1, 10, 9, 18, 4, 13, 8, 17, 2, 11, 6, 15}));
    // A nine-hole course played over 18: equal indexes go to the lower hole first.
    const whs::StrokeIndexes loop = {5, 9, 1, 7, 3, 8, 2, 6, 4, 5, 9, 1, 7, 3, 8, 2, 6, 4};
    EXPECT_EQ(byrank(matchholes(loop, Nine::all)),
              (std::vector<int>{3, 12, 7, 16, 5, 14, 9, 18, 1, 10, 8, 17, 4, 13, 6, 15, 2, 11}));
}

TEST(Strokes, aMatchHandicapIsRoundedOnceWithAHalfGoingUp) {
    EXPECT_EQ(matchhandicap(whs::Fraction(15), 90), 14); // 13.5
    EXPECT_EQ(matchhandicap(whs::Fraction(-5), 90), -4); // +4.5 plays as +4
    EXPECT_EQ(matchhandicap(whs::Fraction(1238, 100), 100), 12);
    EXPECT_EQ(matchhandicap(whs::Fraction(125, 10), 100), 13);
    EXPECT_EQ(matchhandicap(whs::Fraction(13, 2), 90), 6); // half of 13 at 90 %: 5.85
    EXPECT_EQ(matchhandicap(whs::Fraction(13, 2), 100), 7);
    EXPECT_EQ(matchhandicap(whs::Fraction(7), 0), 0);
}

TEST(Strokes, strokesFallOnTheHardestHolesAndPlusHandicapsGiveBackFromTheEasiest) {
    const MatchHoles frontnine = matchholes(examplesi, Nine::front);
    EXPECT_EQ(allocate(11, frontnine), front({1, 1, 2, 1, 2, 1, 1, 1, 1}));
    EXPECT_EQ(allocate(5, frontnine), front({1, 0, 1, 0, 1, 0, 1, 0, 1})); // none on the back
    // +2 over 18: one back on the two easiest holes, 6 and 15; +11 over a nine: one back
    // everywhere, two on the two easiest (holes 6 and 2).
    EXPECT_EQ(allocate(-2, matchholes(examplesi, Nine::all)),
              (Holes{0, 0, 0, 0, 0, -1, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0}));
    EXPECT_EQ(allocate(-11, frontnine), front({-1, -2, -1, -1, -1, -2, -1, -1, -1}));
}

TEST(Strokes, theHigherHandicapReceivesTheDifferenceUpToTheLimitOrEachHisOwn) {
    MatchSettings s;
    EXPECT_EQ(matchstrokes(7, 12, s), std::pair(0, 5));
    EXPECT_EQ(matchstrokes(12, 7, s), std::pair(5, 0));
    EXPECT_EQ(matchstrokes(-2, 3, s), std::pair(0, 5));
    EXPECT_EQ(matchstrokes(9, 9, s), std::pair(0, 0));
    s.maxstrokes = 4;
    EXPECT_EQ(matchstrokes(7, 20, s), std::pair(0, 4));
    s.strokes = Strokes::full;
    EXPECT_EQ(matchstrokes(7, 20, s), std::pair(7, 20));
    EXPECT_EQ(matchstrokes(-2, 3, s), std::pair(-2, 3));
}

TEST(Strokes, aParCardIsParPlusTheStrokesOfHandicapAndPenalty) {
    // Dan's phantom (10.7): 10 + 2 = 12 strokes: one everywhere, two on holes 3, 5, 7.
    const MatchHoles frontnine = matchholes(examplesi, Nine::front);
    const auto card = parcard(examplecourse(), frontnine, 10, 2);
    EXPECT_EQ(card, front({5, 6, 5, 5, 6, 5, 5, 6, 5}));
    // A plus handicap whose penalty does not cover it gives a stroke back: +3 + 2 = +1.
    EXPECT_EQ(parcard(examplecourse(), frontnine, -3, 2), front({4, 5, 3, 4, 4, 3, 3, 5, 4}));
}
