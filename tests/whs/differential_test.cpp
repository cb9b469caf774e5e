#include "whs/coursehandicap.h"
#include "whs/differential.h"
#include "whsround.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace greenfold::whs;
using namespace greenfold::whs::testing;

TEST(Rounding, halvesGoUpTowardPlusInfinity_whereBinaryFloatsGoWrong) {
    // As doubles 22.05, 4.35 and 10.55 lie below their half; std::round takes -1.55 downward.
    const std::pair<Fraction, int> cases[] = {
        {{-154, 100}, -15},   {{-155, 100}, -15},     {{1250, 1000}, 13},
        {{-1250, 1000}, -12}, {{-12501, 10000}, -13}, {{2205, 100}, 221},
        {{435, 100}, 44},     {{1055, 100}, 106},     {{2204999, 100000}, 220}};
    for (const auto& [f, tenths] : cases)
        EXPECT_EQ(roundtenths(f), Tenths{tenths}) << fractiontext(f);
    EXPECT_EQ(std::tuple(roundwhole({125, 10}), roundwhole({-45, 10}), roundwhole({-4501, 1000})),
              std::tuple(13, -4, -5));
}

TEST(Texts, plusHandicapsCarryAPlus_unroundedStepsFourDecimalsAtMost) {
    std::string all;
    for (const std::string& t :
         {indextext({-21}), indextext({-5}), indextext({0}), handicaptext(-2), handicaptext(0),
          tenthstext({-5}), fractiontext({2205, 100}), fractiontext(Fraction(19)),
          fractiontext({-1, 8}), fractiontext({1130, 121}), fractiontext(Fraction(0))})
        all += t + " ";
    EXPECT_EQ(all, "+2.1 +0.5 0.0 +2 0 -0.5 22.05 19.0 -0.125 9.3388... 0.0 ");
}

TEST(ScoreDifferential, publishedEighteenHoleExamples) {
    // {gross, rating, slope, differential}: 94 on 73.0 / 125; 95 and 69 on 71.5 / 125.
    for (const auto& [gross, cr, slope, sd] :
         {std::array{94, 730, 125, 190}, {95, 715, 125, 212}, {69, 715, 125, -23}})
        EXPECT_EQ(roundtenths(scoredifferential(gross, eighteenrating(tee(cr, slope)))), Tenths{sd})
            << gross;
}

TEST(CourseHandicap, playingHandicapRoundsOnlyAfterTheAllowance_halvesAndPlusesUpward) {
    // 8.6 and 10.3 give 8 and 10 at 85% where rounding the course handicap first gives 9 and 9.
    struct Row {
        int index, cr, slope, par, allowance;
        const char* course;
        int playing;
    };
    const Row rows[] = {
        {86, 710, 125, 71, 85, "9.5132...", 8},    {103, 710, 125, 71, 85, "11.3938...", 10},
        {277, 711, 129, 72, 85, "30.7221...", 26}, {79, 711, 129, 72, 85, "8.1185...", 7},
        {125, 720, 113, 72, 100, "12.5", 13},      {-45, 720, 113, 72, 100, "-4.5", -4},
        {-46, 720, 113, 72, 100, "-4.6", -5}};
    for (const Row& r : rows) {
        const Fraction ch = coursehandicap(
            Tenths{r.index}, eighteenrating(tee(r.cr, r.slope, r.par == 71 ? par71 : par72)));
        EXPECT_EQ(fractiontext(ch), r.course) << r.index;
        EXPECT_EQ(playinghandicap(ch, r.allowance), r.playing) << r.index;
    }
}

TEST(CourseHandicap, nineHolesHalveTheIndexToATenthFirst) {
    // 4.4 x 121 / 113 + (35.3 - 36) = 4.011; 18 holes 8.7 x 121 / 113 + (70.6 - 72) = 7.916.
    EXPECT_EQ(std::pair(halfindex(Tenths{87}), halfindex(Tenths{-13})),
              std::pair(Tenths{44}, Tenths{-6}));
    const Tee t = tee(706, 121);
    const HandicapCalc c = roundhandicap(Tenths{87}, frontnine(t, {}), 100);
    EXPECT_EQ(std::tuple(c.nine, c.used, fractiontext(c.course), c.playing),
              std::tuple(true, Tenths{44}, "4.0115...", 4));
    EXPECT_EQ(roundhandicap(Tenths{87}, played(t, overpar(t, {})), 100).playing, 8);
}

TEST(CourseHandicap, aRatingBelowThreeQuartersOfParIsTheNinesOwn) {
    // Willow Creek's nine, 33.8 / 112 on par 36 kept twice: 15.7 gives 7.9 x 112 / 113 + (33.8
    // - 36) = 5.63, so 6 (read as an 18-hole rating the nine would be 16.9 and give +11).
    const Tee willow = tee(338, 112);
    const HandicapCalc nine = roundhandicap(Tenths{157}, frontnine(willow, {}), 100);
    EXPECT_EQ(std::tuple(nine.rating.cr, nine.rating.par, nine.rating.nineholes, nine.playing),
              std::tuple(Fraction(338, 10), 36, true, 6));
    // Eighteen holes there count the rating twice with twice the par; 54.0 on par 72 is not
    // below three quarters, and rates a nine as half of what it is over par.
    const Rating both = eighteenrating(willow);
    EXPECT_EQ(std::tuple(both.cr, both.slope, both.par), std::tuple(Fraction(676, 10), 112, 72));
    EXPECT_TRUE(nineholerating(tee(539, 112)));
    EXPECT_EQ(std::pair(ninerating(tee(540, 112), 0).cr, nineholerating(tee(540, 112))),
              std::pair(Fraction(27), false));
}
