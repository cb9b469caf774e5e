#include "scoring/handicap.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

using namespace greenfold;

namespace {

// A league of one player whose rounds carry the given differentials, slot 1 first.
std::unique_ptr<ProgramState> playerwith(const std::vector<float>& diffs, float factor = 0.96f) {
    auto g = std::make_unique<ProgramState>();
    g->playercount = 1;
    g->playername[1] = "Pat Green";
    g->hcpfactor = factor;
    g->roundcount[1] = int16_t(diffs.size());
    for (std::size_t i = 0; i < diffs.size(); ++i) g->differential[1][i + 1] = diffs[i];
    return g;
}

// The calculation panel's lines, each followed by "|".
std::string joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& l : lines) all += l + "|";
    return all;
}

// Differentials 30, 29, ... so the lowest n are easy to tell apart.
std::vector<float> descending(int rounds) {
    std::vector<float> d(std::size_t(rounds), 30.0f);
    for (int i = 0; i < rounds; ++i) d[std::size_t(i)] -= float(i);
    return d;
}

} // namespace

TEST(Differential, workedExamplesRoundHalfUpToTenths) {
    // Out, in, rating, slope, nine-hole option (2 half the rating, 1 doubled, 3 nine's own).
    const std::tuple<int, int, float, float, int, float> cases[] = {
        {45, 47, 70.5f, 125, 3, 19.4f}, {45, 0, 70.5f, 125, 2, 8.8f},
        {0, 45, 70.5f, 125, 2, 8.8f},   {45, 0, 70.5f, 125, 1, 17.6f},
        {45, 0, 35.3f, 125, 3, 8.8f},   {20, 23, 30.65f, 113, 3, 12.4f},
        {20, 23, 30.66f, 113, 3, 12.3f}};
    for (const auto& [out, in, rating, slope, ninehole, expected] : cases)
        EXPECT_EQ(calcdifferential(out, in, rating, slope, ninehole), expected)
            << out << "/" << in << " on " << rating << " option " << ninehole;
    const float tenths[][2] = {
        {12.35f, 12.4f}, {12.34f, 12.3f}, {-3.05f, -3.0f}, {-3.06f, -3.1f}, {19.436f, 19.4f}};
    for (const auto& t : tenths) EXPECT_EQ(roundtenth(t[0]), t[1]) << t[0];
}

TEST(RoundsUsed, tableAtEachBoundary_withAndWithoutAveraging) {
    const int plain[] = {0, 1, 1, 1, 1, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 8, 9, 10};
    const int averaged[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 3, 3, 4, 4, 5, 5, 6, 6, 7, 8, 9, 10};
    for (int r = 0; r <= 20; ++r)
        EXPECT_EQ(std::pair(roundsused(r, false), roundsused(r, true)),
                  std::pair(plain[r], averaged[r]))
            << r;
}

TEST(HandicapIndex, tenRounds_workedExampleWithItsPanel) {
    auto g = playerwith({15.0f, 10.4f, 12.3f, 8.2f, 20.1f, 11.0f, 9.1f, 18.7f, 13.3f, 16.4f});
    EXPECT_EQ(joined(calchcpindex(*g, 1, 10, tee_mens)),
              "Pat Green|differentials|8.2|9.1|10.4|11|12.3|13.3|15|16.4|18.7|20.1|"
              "total rounds = 10|# of rounds used = 3|Avg. = 9.233333|Hcp index = 8.8|");
    EXPECT_EQ(g->hcpindex[1][10], 8.8f); // 8.864 cut to the tenth
}

TEST(HandicapIndex, lowestRoundsFactorTruncationAndTeeLimits) {
    // Differentials, tee, factor, averaging, limit, index: 20 x the stored .96 is 19.1999989;
    // Mens limited to 36.4, Ladies 40.4, Pro unlimited.
    const std::tuple<std::vector<float>, int, float, bool, bool, float> cases[] = {
        {descending(7), tee_pro, 1.0f, false, true, 24.5f},
        {descending(20), tee_pro, 1.0f, false, true, 15.5f},
        {descending(8), tee_pro, 1.0f, true, true, 26.5f},
        {descending(9), tee_pro, 1.0f, true, true, 23.0f},
        {{-1.3f}, tee_mens, 0.96f, false, true, -1.2f},
        {{-0.1f}, tee_mens, 0.96f, false, true, 0.0f},
        {{20.0f}, tee_mens, 0.96f, false, true, 19.1f},
        {{20.0f}, tee_mens, 1.0f, false, true, 20.0f},
        {{36.5f}, tee_mens, 1.0f, false, true, 36.4f},
        {{36.5f}, tee_ladies, 1.0f, false, true, 36.5f},
        {{40.5f}, tee_ladies, 1.0f, false, true, 40.4f},
        {{45.0f}, tee_pro, 1.0f, false, true, 45.0f},
        {{36.5f}, tee_mens, 1.0f, false, false, 36.5f}};
    for (const auto& [diffs, tee, factor, average, limit, expected] : cases) {
        auto g = playerwith(diffs, factor);
        g->averageflag = average ? 1 : 0;
        g->hcplimit = limit ? 1 : 0;
        const int r = int(diffs.size());
        calchcpindex(*g, 1, r, tee);
        EXPECT_EQ(g->hcpindex[1][r], expected) << r << " rounds from " << diffs[0] << ", tee "
                                               << tee << ", factor " << factor << average << limit;
    }
}

TEST(HandicapIndex, onlySlotsUpToTheOneRecalculated_outOfRangeStoresNothing) {
    auto g = playerwith({12.0f, 14.0f, 16.0f, 1.0f}, 1.0f);
    auto panel = calchcpindex(*g, 1, 3, tee_mens); // the low round in slot 4 is not counted
    EXPECT_EQ(std::pair(g->hcpindex[1][3], g->hcpindex[1][4]), std::pair(12.0f, 0.0f));
    EXPECT_EQ(panel[panel.size() - 4], "total rounds = 3");
    for (auto [p, r] : {std::pair{1, 0}, {1, 21}, {101, 1}})
        EXPECT_TRUE(calchcpindex(*g, p, r, tee_mens).empty()) << p << " " << r;
}

TEST(CalculationPanel, factorLineOnlyWhenNotDefault) {
    auto g = playerwith({10.0f}, 1.0f);
    EXPECT_EQ(joined(calchcpindex(*g, 1, 1, tee_mens)),
              "Pat Green|HCP factor 1.00|differentials|10|total rounds = 1|# of rounds used = 1|"
              "Avg. = 10|Hcp index = 10|");
    g->hcpfactor = 0.96f; // 10 x .96 lies just below 9.6
    EXPECT_EQ(calchcpindex(*g, 1, 1, tee_mens)[1], "differentials");
    EXPECT_EQ(g->hcpindex[1][1], 9.5f);
}

TEST(CourseHandicap, halvesRoundUp) {
    const float cases[][3] = {{10.0f, 113, 10}, {9.5f, 113, 10},  {8.8f, 125, 10},
                              {-0.5f, 113, 0},  {-1.5f, 113, -1}, {-1.2f, 113, -1}};
    for (const auto& c : cases) EXPECT_EQ(coursehandicap(c[0], c[1]), c[2]) << c[0] << " " << c[1];
}
