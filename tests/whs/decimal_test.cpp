#include "whs/decimal.h"
#include "whsprint.h"

#include <gtest/gtest.h>

using namespace greenfold::whs;

TEST(Rounding, halvesGoUpTowardPlusInfinity_whereBinaryFloatsGoWrong) {
    // 22.05 and 4.35 are a hair below the half as doubles, 10.55 too; a library round
    // takes -1.55 away from zero and -4.5 to -5.
    EXPECT_EQ(roundtenths({2205, 100}), Tenths{221});
    EXPECT_EQ(roundtenths({435, 100}), Tenths{44});
    EXPECT_EQ(roundtenths({1055, 100}), Tenths{106});
    EXPECT_EQ(roundtenths({-155, 100}), Tenths{-15});
    EXPECT_EQ(roundwhole({125, 10}), 13);
    EXPECT_EQ(roundwhole({-45, 10}), -4);
}

TEST(Rounding, publishedExamplesOfMinusDifferentials) {
    EXPECT_EQ(roundtenths({-154, 100}), Tenths{-15});
    EXPECT_EQ(roundtenths({-155, 100}), Tenths{-15});
    EXPECT_EQ(roundtenths({1250, 1000}), Tenths{13});
    EXPECT_EQ(roundtenths({-1250, 1000}), Tenths{-12});
    EXPECT_EQ(roundtenths({-12501, 10000}), Tenths{-13});
    // Just either side of a half, and a whole number that needs no rounding.
    EXPECT_EQ(roundtenths({2204999, 100000}), Tenths{220});
    EXPECT_EQ(roundwhole({-4501, 1000}), -5);
    EXPECT_EQ(roundwhole(Fraction(7)), 7);
}

TEST(Fraction, staysExactThroughTheSteps) {
    // 113 / 125 x 21: 18.984, not a float's 18.98399...
    const Fraction sd = Fraction(113) / Fraction(125) * (Fraction(94) - Tenths{730});
    EXPECT_EQ(sd, Fraction(2373, 125));
    EXPECT_EQ(Fraction(Tenths{-15}), Fraction(-3, 2));
    EXPECT_EQ(Fraction(6, -4), Fraction(-3, 2));
    EXPECT_LT(Fraction(-3, 2), Fraction(-14, 10));
    EXPECT_GT(Fraction(Tenths{70}), Fraction(69999, 10000));
}

TEST(Texts, plusHandicapsCarryAPlusSign) {
    EXPECT_EQ(indextext({-21}), "+2.1");
    EXPECT_EQ(indextext({-5}), "+0.5");
    EXPECT_EQ(indextext({0}), "0.0");
    EXPECT_EQ(indextext({540}), "54.0");
    EXPECT_EQ(handicaptext(-2), "+2");
    EXPECT_EQ(handicaptext(0), "0");
    EXPECT_EQ(handicaptext(14), "14");
    EXPECT_EQ(tenthstext({-5}), "-0.5");
    EXPECT_EQ(tenthstext({221}), "22.1");
}

TEST(Texts, unroundedStepsShowFourDecimalsAtMost) {
    EXPECT_EQ(fractiontext({2373, 125}), "18.984");
    EXPECT_EQ(fractiontext({2205, 100}), "22.05");
    EXPECT_EQ(fractiontext(Fraction(19)), "19.0");
    EXPECT_EQ(fractiontext({-226, 100}), "-2.26");
    EXPECT_EQ(fractiontext({-1, 8}), "-0.125");
    EXPECT_EQ(fractiontext({1130, 121}), "9.3388...");
}
