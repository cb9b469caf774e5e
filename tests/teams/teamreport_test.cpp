// The team report's lines; the printed report is in tests/reports/golden_test.cpp.
#include "teams/teamreport.h"

#include <gtest/gtest.h>

using namespace greenfold;

TEST(TeamReport, recordText_filledTo60UnlessItIsThatLongAlready) {
    const std::string t55(55, 'x'), t56(56, 'x'), t70(70, 'x');
    EXPECT_EQ(teamentryline(t55, 12, 3.5f), "    " + t55 + " " + "  12.0" + "      3.5");
    EXPECT_EQ(teamentryline(t56, 12, 3.5f), "    " + t56 + "  12.0" + "      3.5");
    EXPECT_EQ(teamentryline(t70, 12, 3.5f), "    " + t70 + "  12.0" + "      3.5");
    EXPECT_EQ(teamentryline("Café", 0, 0), "    Café" + std::string(52, ' ') + "   0.0      0.0");
    EXPECT_EQ(teamentryline("", 12345, -2), std::string(60, ' ') + "12345.0" + "      -2.0");
}
