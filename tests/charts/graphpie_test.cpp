// The rules of the graph and the pie; as drawn and printed they are in
// tests/reports/golden_test.cpp.
#include "charts/chartplayer.h"
#include "charts/graph.h"
#include "charts/pie.h"
#include "charts/recordingcanvas.h"

#include <gtest/gtest.h>

#include <memory>
#include <numbers>

using namespace greenfold;

namespace {

// The points of each series the graph of player 1 draws: its lines less the grid's 12,
// halved.
std::size_t seriespoints(const ProgramState& g) {
    RecordingCanvas c(graphwidth, graphheight);
    drawgraph(c, g, 1);
    return (c.all(Drawn::Kind::line).size() - 12) / 2;
}

} // namespace

TEST(Graph, damagedCountsAndNoPlayer_stayInsideTheTables) {
    auto g = std::make_unique<ProgramState>();
    g->playercount = 1;
    g->playername[1] = "Dana Kettle";
    g->roundcount[1] = 31; // a damaged file: never read past slot 20
    EXPECT_EQ(seriespoints(*g), 20u);
    EXPECT_EQ(graphtexts(*g, 1).roundsplayed, "20 rounds played");
    g->roundcount[1] = -2;
    EXPECT_EQ(seriespoints(*g), 0u);
    EXPECT_EQ(graphtexts(*g, 0).name + graphtexts(*g, 0).roundsplayed, "0 rounds played");
    g->playercount = 3; // slot 2 has no name: not listed
    g->playername[3] = "Cy";
    EXPECT_EQ(listedslots(*g), (std::vector<int>{1, 3}));
    g->playercount = 500; // the tables end at 100
    EXPECT_EQ(listedslots(*g), (std::vector<int>{1, 3}));
    EXPECT_FALSE(chartedplayer(*g, 101));
    EXPECT_EQ(currentindex(*g, 101), 0.0f);
}

TEST(Canvas, wedgeSweep_counterClockwiseAndAHairIsWhole_paletteWraps) {
    EXPECT_DOUBLE_EQ(wedgesweep(1, 2), 1);
    EXPECT_NEAR(wedgesweep(6, 0.5), 0.5 + 2 * std::numbers::pi - 6, 1e-12);
    EXPECT_DOUBLE_EQ(wedgesweep(1.0, 1.0 + 1e-9), 2 * std::numbers::pi);
    EXPECT_EQ(palettergb(12), 0xFF0000u);
    EXPECT_EQ(palettergb(16 + 14), 0xFFFF00u);
}

TEST(Pie, classify_exactlyAgainstParAndThreeAwayIsOther) {
    // 1 to 7 on a par 4: a hole in one and a triple bogey are Other.
    using enum ScoreClass;
    const ScoreClass classes[] = {other, eagles, birdies, pars, bogies, doublebogies, other};
    for (int s = 1; s <= 7; ++s) EXPECT_EQ(classify(s, 4), classes[s - 1]) << s;
    EXPECT_EQ(classify(4, 4.5), other);
}

TEST(Pie, normalangle_turnsOnceAndNeverReachesZero) {
    constexpr float turn = 6.283186f;
    EXPECT_FLOAT_EQ(normalangle(1.0f), 1.0f);
    EXPECT_FLOAT_EQ(normalangle(-0.5f), turn - 0.5f);
    EXPECT_FLOAT_EQ(normalangle(7.0f), 7.0f - turn);
    EXPECT_FLOAT_EQ(normalangle(turn), 0.001f);
    EXPECT_FLOAT_EQ(normalangle(0.0f), 0.001f);
}
