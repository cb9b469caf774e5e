#include "scoring/handicap.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace greenfold;

namespace {

// A league of one player whose rounds carry the given differentials, slot 1 first.
std::unique_ptr<GOLF1> playerwith(const std::vector<float>& diffs) {
    auto g = std::make_unique<GOLF1>();
    g->playercount = 1;
    g->playername[1] = "Pat Green";
    g->roundcount[1] = int16_t(diffs.size());
    for (std::size_t i = 0; i < diffs.size(); ++i) g->differential[1][i + 1] = diffs[i];
    return g;
}

float indexof(const std::vector<float>& diffs, int tee = tee_mens, float factor = 0.96f) {
    auto g = playerwith(diffs);
    g->hcpfactor = factor;
    g->hcplimit = 1;
    calchcpindex(*g, 1, int(diffs.size()), tee);
    return g->hcpindex[1][diffs.size()];
}

// Differentials 30, 29, ... so the lowest n are easy to tell apart.
std::vector<float> descending(int rounds) {
    std::vector<float> d;
    for (int i = 0; i < rounds; ++i) d.push_back(float(30 - i));
    return d;
}

} // namespace

TEST(Differential, workedExamples) {
    EXPECT_EQ(calcdifferential(45, 47, 70.5f, 125, 3), 19.4f);
    // Nine holes of 45: half the rating (35.25), or the score doubled to 90.
    EXPECT_EQ(calcdifferential(45, 0, 70.5f, 125, 2), 8.8f);
    EXPECT_EQ(calcdifferential(0, 45, 70.5f, 125, 2), 8.8f);
    EXPECT_EQ(calcdifferential(45, 0, 70.5f, 125, 1), 17.6f);
    // Option 3: the course carries nine-hole ratings, taken as they are.
    EXPECT_EQ(calcdifferential(45, 0, 35.3f, 125, 3), 8.8f);
}

TEST(Differential, roundsHalfUpToTenths) {
    EXPECT_EQ(roundtenth(12.35f), 12.4f);
    EXPECT_EQ(roundtenth(12.34f), 12.3f);
    EXPECT_EQ(roundtenth(-3.05f), -3.0f);
    EXPECT_EQ(roundtenth(-3.06f), -3.1f);
    EXPECT_EQ(roundtenth(19.436f), 19.4f);
    // 12.35 computed in single precision from a round: 43 on a 30.65 rating, slope 113.
    EXPECT_EQ(calcdifferential(20, 23, 30.65f, 113, 3), 12.4f);
    EXPECT_EQ(calcdifferential(20, 23, 30.66f, 113, 3), 12.3f);
}

TEST(RoundsUsed, tableAtEachBoundary_withAndWithoutAveraging) {
    const int plain[] = {0, 1, 1, 1, 1, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 8, 9, 10};
    const int averaged[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 3, 3, 4, 4, 5, 5, 6, 6, 7, 8, 9, 10};
    for (int r = 1; r <= 20; ++r) {
        EXPECT_EQ(roundsused(r, false), plain[r]) << r;
        EXPECT_EQ(roundsused(r, true), averaged[r]) << r;
    }
}

TEST(HandicapIndex, tenRounds_useThreeLowest) {
    auto g = playerwith({15.0f, 10.4f, 12.3f, 8.2f, 20.1f, 11.0f, 9.1f, 18.7f, 13.3f, 16.4f});
    auto panel = calchcpindex(*g, 1, 10, tee_mens);
    EXPECT_EQ(g->hcpindex[1][10], 8.8f);
    const std::vector<std::string> expected = {"Pat Green",
                                               "differentials",
                                               "8.2",
                                               "9.1",
                                               "10.4",
                                               "11",
                                               "12.3",
                                               "13.3",
                                               "15",
                                               "16.4",
                                               "18.7",
                                               "20.1",
                                               "total rounds = 10",
                                               "# of rounds used = 3",
                                               "Avg. = 9.233333",
                                               "Hcp index = 8.8"};
    EXPECT_EQ(panel, expected);
    EXPECT_EQ(coursehandicap(g->hcpindex[1][10], 125), 10.0f);
}

TEST(HandicapIndex, onlyRoundsUpToTheSlotCount) {
    // Slot 3 is the one recalculated; the low round in slot 4 is not part of it.
    auto g = playerwith({12.0f, 14.0f, 16.0f, 1.0f});
    auto panel = calchcpindex(*g, 1, 3, tee_mens);
    EXPECT_EQ(g->hcpindex[1][3], 11.5f);
    EXPECT_EQ(g->hcpindex[1][4], 0.0f);
    EXPECT_EQ(panel[panel.size() - 4], "total rounds = 3");
}

TEST(HandicapIndex, boundariesPickTheLowest) {
    EXPECT_EQ(indexof(descending(6), tee_pro, 1.0f), 25.0f);  // 25
    EXPECT_EQ(indexof(descending(7), tee_pro, 1.0f), 24.5f);  // 24, 25
    EXPECT_EQ(indexof(descending(8), tee_pro, 1.0f), 23.5f);  // 23, 24
    EXPECT_EQ(indexof(descending(9), tee_pro, 1.0f), 23.0f);  // 22..24
    EXPECT_EQ(indexof(descending(16), tee_pro, 1.0f), 17.5f); // 15..20
    EXPECT_EQ(indexof(descending(17), tee_pro, 1.0f), 17.0f); // 14..20
    EXPECT_EQ(indexof(descending(19), tee_pro, 1.0f), 16.0f); // 12..20
    EXPECT_EQ(indexof(descending(20), tee_pro, 1.0f), 15.5f); // 11..20
}

TEST(HandicapIndex, averagingAllRoundsUntilNine) {
    auto g = playerwith(descending(8));
    g->averageflag = 1;
    g->hcpfactor = 1.0f;
    auto panel = calchcpindex(*g, 1, 8, tee_pro);
    EXPECT_EQ(g->hcpindex[1][8], 26.5f);
    EXPECT_EQ(panel[panel.size() - 3], "# of rounds used = 8");
    g->roundcount[1] = 9;
    g->differential[1][9] = 22;
    calchcpindex(*g, 1, 9, tee_pro);
    EXPECT_EQ(g->hcpindex[1][9], 23.0f);
}

TEST(HandicapIndex, truncatesTowardZero) {
    EXPECT_EQ(indexof({-1.3f}), -1.2f);
    EXPECT_EQ(indexof({-0.1f}), 0.0f);
    // The stored factor lies just below .96: 20 x .96 is 19.1999989, an index of 19.1.
    EXPECT_EQ(indexof({20.0f}), 19.1f);
    EXPECT_EQ(indexof({20.0f}, tee_mens, 1.0f), 20.0f);
}

TEST(HandicapIndex, limitsPerTee) {
    EXPECT_EQ(indexof({36.5f}, tee_mens, 1.0f), 36.4f);
    EXPECT_EQ(indexof({36.5f}, tee_pro, 1.0f), 36.5f);
    EXPECT_EQ(indexof({36.5f}, tee_ladies, 1.0f), 36.5f);
    EXPECT_EQ(indexof({40.5f}, tee_ladies, 1.0f), 40.4f);
    EXPECT_EQ(indexof({45.0f}, tee_pro, 1.0f), 45.0f);
    auto g = playerwith({36.5f});
    g->hcpfactor = 1.0f;
    g->hcplimit = 0;
    calchcpindex(*g, 1, 1, tee_mens);
    EXPECT_EQ(g->hcpindex[1][1], 36.5f);
}

TEST(CalculationPanel, factorLineOnlyWhenNotDefault) {
    auto g = playerwith({10.0f});
    g->hcpfactor = 1.0f;
    const std::vector<std::string> withfactor = {
        "Pat Green",        "HCP factor 1.00",      "differentials", "10",
        "total rounds = 1", "# of rounds used = 1", "Avg. = 10",     "Hcp index = 10"};
    EXPECT_EQ(calchcpindex(*g, 1, 1, tee_mens), withfactor);
    g->hcpfactor = 0.96f;
    auto panel = calchcpindex(*g, 1, 1, tee_mens);
    EXPECT_EQ(panel[1], "differentials");
    EXPECT_EQ(panel.back(), "Hcp index = 9.5"); // 10 x .96 lies just below 9.6
}

TEST(CalculationPanel, slotOutOfRange_nothingStored) {
    auto g = playerwith({10.0f});
    EXPECT_TRUE(calchcpindex(*g, 1, 0, tee_mens).empty());
    EXPECT_TRUE(calchcpindex(*g, 1, 21, tee_mens).empty());
    EXPECT_TRUE(calchcpindex(*g, 101, 1, tee_mens).empty());
}

TEST(CourseHandicap, halvesRoundUp) {
    EXPECT_EQ(coursehandicap(10.0f, 113), 10.0f);
    EXPECT_EQ(coursehandicap(9.5f, 113), 10.0f);
    EXPECT_EQ(coursehandicap(8.8f, 125), 10.0f);
    EXPECT_EQ(coursehandicap(-0.5f, 113), 0.0f);
    EXPECT_EQ(coursehandicap(-1.5f, 113), -1.0f);
    EXPECT_EQ(coursehandicap(-1.2f, 113), -1.0f);
}

TEST(CourseValues, outsideTheTableReadAsZero) {
    auto g = std::make_unique<GOLF1>();
    g->coursecount = 1;
    g->coursedata[1][courseline_par0 + 18] = "4";
    g->coursedata[1][courseline_rating0 + 2] = "70.5";
    g->coursedata[1][courseline_slope0 + 2] = " 125 (white)";
    g->coursedata[2][courseline_slope0 + 2] = "130"; // beyond the course count
    EXPECT_EQ(teerating(*g, 1, 2).rating, 70.5f);
    EXPECT_EQ(teerating(*g, 1, 2).slope, 125.0f);
    EXPECT_EQ(teerating(*g, 1, 0).rating, 0.0f); // not the par of hole 18
    EXPECT_EQ(teerating(*g, 1, 4).slope, 0.0f);
    EXPECT_EQ(teerating(*g, 2, 2).slope, 0.0f);
    EXPECT_EQ(teerating(*g, -1, 2).slope, 0.0f);
    EXPECT_FALSE(usablerating(teerating(*g, 2, 2)));
}
