#include "reportleague.h"
#include "reports/chcpcalc.h"
#include "reports/chcpchart.h"
#include "reports/recordingsurface.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::testing;

TEST(ChartRounding, halvesToEvenWhereTheCalculatorRoundsUp) {
    const struct {
        float index, slope;
        long chart;
        double calc;
    } cases[] = {
        {0.5f, 113, 0, 1},    {1.5f, 113, 2, 2}, {2.5f, 113, 2, 3},    {3.5f, 113, 4, 4},
        {44.5f, 155, 61, 61}, {-5, 130, -6, -6}, {-2.5f, 113, -2, -2}, {-1.5f, 113, -2, -1},
        {12.3f, 125, 14, 14}, {0, 140, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(chartcoursehcp(c.index, c.slope), c.chart) << c.index << " on " << c.slope;
        EXPECT_EQ(calccoursehcp(c.index, c.slope), c.calc) << c.index << " on " << c.slope;
    }
}

TEST(ChcpChart, wholePage) {
    auto g = reportleague(1, 1);
    g->coursedata[1][courseline_slope0 + tee_ladies] = " 130";
    RecordingSurface s;
    PrintChcpChart(s, *g, 1, tee_ladies);
    const auto& out = s.printout();
    EXPECT_EQ(out.orientation, orientation_portrait);
    EXPECT_EQ(out.pages, 1);
    EXPECT_EQ(out.documents, 1);
    const auto lines = out.lines(1);
    ASSERT_EQ(lines.size(), 4u + 2 + 3 + 1 + 25 + 5);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 10),
              (std::vector<std::string>{" ", " ", " ", " ", "Pine Valley   ", " ",
                                        "     Ladies Tee - slope 130", " ", " ", chartheading()}));
    // Rows read down: -5.0 .. 7.0, 7.5 .. 19.5, 20.0 .. 32.0, 32.5 .. 44.5.
    EXPECT_EQ(lines[10], "       -5.0      -6        7.5       9       20.0      23       "
                         "32.5      37");
    EXPECT_EQ(lines[34], "        7.0       8       19.5      22       32.0      37       "
                         "44.5      51");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 35, lines.end()),
              (std::vector<std::string>{" ", " ", " ", " ",
                                        "    Use your Hcp index to find the course handicap."}));
    // Sizes: title 24, tee line 14, table 12, all bold.
    EXPECT_EQ(out.find("Pine Valley")[0].size, 24);
    EXPECT_EQ(out.find("     Ladies")[0].size, 14);
    EXPECT_EQ(out.find("    Use your")[0].size, 12);
    EXPECT_TRUE(out.find("    Use your")[0].bold);
}

TEST(ChcpChart, teeTextsAndSlopeWithDecimals) {
    auto g = reportleague(1, 1);
    g->coursedata[1][courseline_slope0 + tee_pro] = " 121.5";
    RecordingSurface s;
    PrintChcpChart(s, *g, 1, tee_pro);
    EXPECT_EQ(s.printout().lines(1)[6], "     Pro tee - slope 121.5");
}

TEST(TeeQuestion, repliesAboveThreeAskAgainZeroEmptyOrCancelEnd) {
    const struct {
        std::optional<std::string> reply;
        int tee;
        bool again;
    } cases[] = {{"1", 1, false},  {" 3 ", 3, false}, {"2 please", 2, false},
                 {"4", 0, true},   {"99", 0, true},   {"3.5", 0, true},
                 {"0", 0, false},  {"", 0, false},    {std::nullopt, 0, false},
                 {"-2", 0, false}, {"men", 0, false}, {"1e9", 0, true}};
    for (const auto& c : cases) {
        const TeeReply r = readteereply(c.reply);
        EXPECT_EQ(r.tee, c.tee) << c.reply.value_or("(cancel)");
        EXPECT_EQ(r.again, c.again) << c.reply.value_or("(cancel)");
    }
}

TEST(Calculator, promptsForEmptyBoxesAndCountsTextAsZero) {
    CalcAnswer a = calculate("", "113");
    EXPECT_TRUE(a.beep);
    EXPECT_EQ(a.message, "Enter your Hcp Index");
    a = calculate("12", "");
    EXPECT_TRUE(a.beep);
    EXPECT_EQ(a.message, "Enter the Slope Value");
    a = calculate("2.5", "113");
    EXPECT_FALSE(a.beep);
    EXPECT_TRUE(a.done);
    EXPECT_EQ(a.message, "Course Handicap = 3");
    EXPECT_EQ(calculate("-2.5", "113").message, "Course Handicap = -2");
    EXPECT_EQ(calculate("abc", "113").message, "Course Handicap = 0");
    EXPECT_EQ(calculate("18.2", "slope").message, "Course Handicap = 0");
    EXPECT_EQ(calculate("1e300", "1e300").message, "Course Handicap = 0");
}
