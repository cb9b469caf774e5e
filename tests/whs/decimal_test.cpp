#include "whsround.h"

#include <gtest/gtest.h>

using namespace greenfold::whs;

TEST(Rounding, halvesGoUpTowardPlusInfinity_whereBinaryFloatsGoWrong) {
    // Published: -1.54 and -1.55 are -1.5, 1.250 is 1.3, -1.250 is -1.2, -1.2501 is -1.3. As
    // doubles 22.05, 4.35 and 10.55 lie a hair below their half; a library round takes -1.55
    // and -4.5 away from zero.
    const std::pair<Fraction, int> cases[] = {
        {{-154, 100}, -15},   {{-155, 100}, -15},     {{1250, 1000}, 13},
        {{-1250, 1000}, -12}, {{-12501, 10000}, -13}, {{2205, 100}, 221},
        {{435, 100}, 44},     {{1055, 100}, 106},     {{2204999, 100000}, 220}};
    for (const auto& [f, tenths] : cases)
        EXPECT_EQ(roundtenths(f), Tenths{tenths}) << fractiontext(f);
    EXPECT_EQ(roundwhole({125, 10}), 13);
    EXPECT_EQ(roundwhole({-45, 10}), -4);
    EXPECT_EQ(roundwhole({-4501, 1000}), -5);
}

TEST(Texts, plusHandicapsCarryAPlus_unroundedStepsFourDecimalsAtMost) {
    const std::pair<std::string, const char*> texts[] = {{indextext({-21}), "+2.1"},
                                                         {indextext({-5}), "+0.5"},
                                                         {indextext({0}), "0.0"},
                                                         {handicaptext(-2), "+2"},
                                                         {handicaptext(0), "0"},
                                                         {tenthstext({-5}), "-0.5"},
                                                         {fractiontext({2205, 100}), "22.05"},
                                                         {fractiontext(Fraction(19)), "19.0"},
                                                         {fractiontext({-1, 8}), "-0.125"},
                                                         {fractiontext({1130, 121}), "9.3388..."}};
    for (const auto& [text, expected] : texts) EXPECT_EQ(text, expected);
}
