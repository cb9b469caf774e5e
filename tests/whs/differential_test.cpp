#include "whs/coursehandicap.h"
#include "whs/differential.h"
#include "whsround.h"

#include <gtest/gtest.h>

using namespace greenfold::whs;
using namespace greenfold::whs::testing;

TEST(ScoreDifferential, publishedEighteenHoleExamples) {
    EXPECT_EQ(roundtenths(scoredifferential(94, eighteenrating(tee(730, 125)))), Tenths{190});
    const Rating r = eighteenrating(tee(715, 125));
    EXPECT_EQ(roundtenths(scoredifferential(95, r)), Tenths{212});
    EXPECT_EQ(roundtenths(scoredifferential(69, r)), Tenths{-23});
}

TEST(NineRating, halfWhatTheEighteenIsAboveParOnTopOfTheNinesPar) {
    // 71.5 on par 71: the back nine, par 35, is rated 35.25 and the front, par 36, 36.25.
    const Rating back = ninerating(tee(715, 125, par71), 1);
    EXPECT_EQ(back.cr, Fraction(3525, 100));
    EXPECT_EQ(back.slope, 125);
    EXPECT_EQ(back.par, 35);
    EXPECT_EQ(ninerating(tee(715, 125, par71), 0).cr, Fraction(3625, 100));
}

TEST(CourseHandicap, playingHandicapRoundsOnlyAfterTheAllowance) {
    // CR 71.0, Slope 125, par 71 at 85%: 9.5132 gives 8 and 11.3938 gives 10, where
    // rounding the course handicap first would give 9 and 9.
    const Rating r = eighteenrating(tee(710, 125, par71));
    EXPECT_EQ(playinghandicap(coursehandicap(Tenths{86}, r), 85), 8);
    EXPECT_EQ(playinghandicap(coursehandicap(Tenths{103}, r), 85), 10);
    // Slope 129, rating 0.9 under par: 27.7 gives 30.722... and 26, 7.9 gives 8.118... and 7.
    const Rating s = eighteenrating(tee(711, 129));
    EXPECT_EQ(fractiontext(coursehandicap(Tenths{277}, s)), "30.7221...");
    EXPECT_EQ(playinghandicap(coursehandicap(Tenths{277}, s), 85), 26);
    EXPECT_EQ(fractiontext(coursehandicap(Tenths{79}, s)), "8.1185...");
    EXPECT_EQ(playinghandicap(coursehandicap(Tenths{79}, s), 85), 7);
}

TEST(CourseHandicap, halvesAndPlusHandicapsRoundUpward) {
    const Rating standard = eighteenrating(tee(720, 113));
    EXPECT_EQ(playinghandicap(coursehandicap(Tenths{125}, standard), 100), 13);
    // +4.5 is a plus 4 (Appendix C: up toward zero, rounding included).
    EXPECT_EQ(playinghandicap(coursehandicap(Tenths{-45}, standard), 100), -4);
    EXPECT_EQ(playinghandicap(coursehandicap(Tenths{-46}, standard), 100), -5);
}

TEST(CourseHandicap, nineHolesHalveTheIndexToATenthFirst) {
    // 8.7 halves to 4.35, taken as 4.4: 4.4 x 121 / 113 + (35.3 - 36) = 4.011, so 4.
    EXPECT_EQ(halfindex(Tenths{87}), Tenths{44});
    EXPECT_EQ(halfindex(Tenths{-13}), Tenths{-6});
    const Tee t = tee(706, 121);
    const HandicapCalc c = roundhandicap(Tenths{87}, frontnine(t, {}), 100);
    EXPECT_TRUE(c.nine);
    EXPECT_EQ(c.used, Tenths{44});
    EXPECT_EQ(fractiontext(c.course), "4.0115...");
    EXPECT_EQ(c.playing, 4);
    // The whole round: 8.7 x 121 / 113 + (70.6 - 72) = 7.916, so 8.
    EXPECT_EQ(roundhandicap(Tenths{87}, played(t, overpar(t, {})), 100).playing, 8);
}
