// The rules of the handicap cards, the course handicap chart and the calculator; the
// printed sheets are in golden_test.cpp.
#include "reportleague.h"
#include "reports/cardlayout.h"
#include "reports/chcpcalc.h"
#include "reports/chcpchart.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace greenfold;
using namespace greenfold::testing;

TEST(CardScaling, onlyAPositiveNumberChangesIt) {
    EXPECT_EQ(cardscaling("1.05", 1), 1.05f);
    EXPECT_EQ(cardscaling(".9x", 1), 0.9f);
    for (const char* kept : {"0", "", "  ", "abc", "-1", "0.000", "1e999"})
        EXPECT_EQ(cardscaling(kept, 1.02f), 1.02f) << kept;
}

TEST(ScoreRows, sevenRoundsInFourRowsWithInitialsAndTotals) {
    auto g = reportleague(1, 7);
    g->roundcourse[1][2] = 2;    // a course without initials
    g->holescore[1][5][20] = 60; // total 101: no second space
    // Totals: out 41, in 41 + r % 5; rounds 1 and 5, 2 and 6, 3 and 7, 4.
    EXPECT_EQ(scorerows(*g, 1), (std::array<std::string, 4>{"PV  83  PV  101 ", " -  84  PV  83  ",
                                                            "PV  85  PV  84  ", "PV  86  "}));
    EXPECT_EQ(scorerows(*reportleague(1, 20), 1)[0].size(), 5u * 8);
    g->coursedata[1][courseline_initials] = "Golfé";
    EXPECT_EQ(scorerows(*g, 1)[3], "Golfé86  "); // longer initials are kept whole
}

TEST(ChartRounding, halvesToEvenWhereTheCalculatorRoundsUp) {
    const std::tuple<float, float, long, double> cases[] = {
        {0.5f, 113, 0, 1},    {1.5f, 113, 2, 2}, {2.5f, 113, 2, 3},    {3.5f, 113, 4, 4},
        {44.5f, 155, 61, 61}, {-5, 130, -6, -6}, {-2.5f, 113, -2, -2}, {-1.5f, 113, -2, -1},
        {12.3f, 125, 14, 14}, {0, 140, 0, 0}};
    for (const auto& [index, slope, chart, calc] : cases) {
        EXPECT_EQ(chartcoursehcp(index, slope), chart) << index << " on " << slope;
        EXPECT_EQ(calccoursehcp(index, slope), calc) << index << " on " << slope;
    }
}

TEST(TeeQuestion, repliesAboveThreeAskAgainZeroEmptyOrCancelEnd) {
    const std::tuple<std::optional<std::string>, int, bool> cases[] = {
        {"1", 1, false},          {" 3 ", 3, false}, {"2 please", 2, false}, {"4", 0, true},
        {"99", 0, true},          {"3.2", 0, true},  {"0", 0, false},        {"", 0, false},
        {std::nullopt, 0, false}, {"-2", 0, false},  {"men", 0, false},      {"1e9", 0, true}};
    for (const auto& [reply, tee, again] : cases) {
        const TeeReply r = readteereply(reply);
        EXPECT_EQ(std::pair(r.tee, r.again), std::pair(tee, again)) << reply.value_or("(cancel)");
    }
}

TEST(Calculator, promptsForEmptyBoxesAndCountsTextAsZero) {
    const std::tuple<const char*, const char*, bool, const char*> cases[] = {
        {"", "113", true, "Enter your Hcp Index"},
        {"12", "", true, "Enter the Slope Value"},
        {"2.5", "113", false, "Course Handicap = 3"},
        {"-2.5", "113", false, "Course Handicap = -2"},
        {"abc", "113", false, "Course Handicap = 0"},
        {"18.2", "slope", false, "Course Handicap = 0"},
        {"1e300", "1e300", false, "Course Handicap = 0"}};
    for (const auto& [index, slope, beep, message] : cases) {
        const CalcAnswer a = calculate(index, slope);
        EXPECT_EQ(std::tuple(a.beep, a.done, a.message), std::tuple(beep, !beep, message)) << index;
    }
}
