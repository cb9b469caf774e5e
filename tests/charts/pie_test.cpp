#include "charts/canvas.h"
#include "charts/pie.h"
#include "charts/recordingcanvas.h"
#include "model/golf1.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

using namespace greenfold;

namespace {

using Kind = Drawn::Kind;

// Course 1 is par 4 on every hole; the player's rounds are given hole by hole.
std::unique_ptr<GOLF1> league(const std::vector<std::vector<int>>& rounds) {
    auto g = std::make_unique<GOLF1>();
    g->coursecount = 1;
    g->coursedata[1][courseline_name] = "Flatlands";
    for (int h = 1; h <= 18; ++h) g->coursedata[1][courseline_par0 + h] = " 4";
    g->playercount = 1;
    g->playername[1] = "Robin Marsh";
    g->roundcount[1] = int16_t(rounds.size());
    for (std::size_t r = 0; r < rounds.size(); ++r) {
        g->roundcourse[1][r + 1] = 1;
        for (std::size_t h = 0; h < rounds[r].size(); ++h)
            g->holescore[1][r + 1][h + 1] = int16_t(rounds[r][h]);
    }
    return g;
}

int counted(const ScoreCount& c, ScoreClass k) {
    return c.classes[std::size_t(k)];
}

} // namespace

TEST(Pie, classify_exactlyAgainstParAndThreeAwayIsOther) {
    EXPECT_EQ(classify(2, 4), ScoreClass::eagles);
    EXPECT_EQ(classify(3, 4), ScoreClass::birdies);
    EXPECT_EQ(classify(4, 4), ScoreClass::pars);
    EXPECT_EQ(classify(5, 4), ScoreClass::bogies);
    EXPECT_EQ(classify(6, 4), ScoreClass::doublebogies);
    EXPECT_EQ(classify(1, 4), ScoreClass::other); // a hole in one on a par 4
    EXPECT_EQ(classify(7, 4), ScoreClass::other); // a triple bogey
    EXPECT_EQ(classify(4, 4.5), ScoreClass::other);
    EXPECT_EQ(classname(ScoreClass::doublebogies), "Double Bogies");
}

TEST(Pie, frontNineOnly_countsNineAndSkipsUnplayedHolesEverywhere) {
    auto g = league(
        {{4, 5, 3, 4, 6, 1, 7, 4, 4}, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 5}});
    const ScoreCount c = countscores(*g, 1);
    EXPECT_EQ(c.scores, 9 + 18);
    EXPECT_EQ(c.parsum, 4.0 * 27);
    EXPECT_EQ(c.scoresum, 38 + 73);
    EXPECT_EQ(counted(c, ScoreClass::pars), 4 + 17);
    EXPECT_EQ(counted(c, ScoreClass::other), 2);
    EXPECT_EQ(counted(c, ScoreClass::eagles), 0);
    const PieTexts t = pietexts(*g, 1, c);
    EXPECT_EQ(t.name, "Robin Marsh");
    EXPECT_EQ(t.avepar, "avg. par per hole = 4.0");
    EXPECT_EQ(t.avehole, "avg. score per hole = 4.1");
    EXPECT_EQ(t.totalholes, "# of scores recorded = 27");
}

TEST(Pie, noRounds_noSlicesNoLegendDesignTexts) {
    auto g = league({});
    const ScoreCount c = countscores(*g, 1);
    const auto slices = pieslices(c);
    EXPECT_TRUE(slices.empty());
    RecordingCanvas canvas(piewidth, pieheight);
    drawpie(canvas, slices);
    ASSERT_EQ(canvas.drawn.size(), 1u);
    EXPECT_EQ(canvas.drawn[0].kind, Kind::clear);
    const PieTexts t = pietexts(*g, 1, c);
    EXPECT_EQ(t.avepar, "Avg. Par per hole =");
    EXPECT_EQ(t.avehole, "Avg. Score per hole =");
    EXPECT_EQ(t.totalholes, "# of scores recorded = 0");
}

TEST(Pie, withoutEagles_birdiesFirstInColour9CentredAtTwelve) {
    // 2 birdies, 3 pars, 1 bogey: 1/3, 1/2, 1/6 of the pie.
    const auto slices = pieslices(countscores(*league({{3, 3, 4, 4, 4, 5}}), 1));
    ASSERT_EQ(slices.size(), 3u);
    EXPECT_EQ(slices[0].name, "Birdies");
    EXPECT_EQ(slices[0].colour, 9);
    EXPECT_NEAR((slices[0].start + slices[0].end) / 2, std::numbers::pi / 2, 1e-6);
    EXPECT_EQ(slices[0].label, "Birdies 33.3");
    EXPECT_EQ(slices[1].label, "Pars 50.0");
    EXPECT_EQ(slices[1].colour, 10);
    EXPECT_EQ(slices[2].label, "Bogies 16.7");
    EXPECT_EQ(slices[2].colour, 11);
    // Each slice starts where the last ended; the bogeys cross 3 o'clock.
    EXPECT_EQ(slices[1].start, slices[0].end);
    EXPECT_EQ(slices[2].start, slices[1].end);
    EXPECT_GT(slices[2].start, slices[2].end);
    EXPECT_NEAR(wedgesweep(slices[2].start, slices[2].end), std::numbers::pi / 3, 1e-5);
}

TEST(Pie, oneCategory_wholeCircleAndHundredPercent) {
    const auto slices = pieslices(countscores(*league({{4, 4, 4, 4}}), 1));
    ASSERT_EQ(slices.size(), 1u);
    EXPECT_EQ(slices[0].label, "Pars 100.0");
    EXPECT_EQ(slices[0].start, slices[0].end);
    EXPECT_NEAR(slices[0].start, 3 * std::numbers::pi / 2, 1e-6);
    EXPECT_DOUBLE_EQ(wedgesweep(slices[0].start, slices[0].end), 2 * std::numbers::pi);
}

TEST(Pie, shares_oneDecimalAndADigitBeforeThePoint) {
    std::vector<int> round(18, 4);
    round[0] = 5; // 1 bogey in 18 holes... and 17 pars
    std::vector<std::vector<int>> rounds(20, round);
    rounds[0][1] = 2; // and one eagle in 360 holes
    const auto slices = pieslices(countscores(*league(rounds), 1));
    ASSERT_EQ(slices.size(), 3u);
    EXPECT_EQ(slices[0].label, "Eagles 0.3");
    EXPECT_EQ(slices[2].label, "Bogies 5.6");
}

TEST(Pie, normalangle_turnsOnceAndNeverReachesZero) {
    EXPECT_FLOAT_EQ(normalangle(1.0f), 1.0f);
    EXPECT_FLOAT_EQ(normalangle(-0.5f), 6.283186f - 0.5f);
    EXPECT_FLOAT_EQ(normalangle(7.0f), 7.0f - 6.283186f);
    EXPECT_FLOAT_EQ(normalangle(6.283186f), 0.001f);
    EXPECT_FLOAT_EQ(normalangle(0.0f), 0.001f);
}

TEST(Pie, drawing_wedgesAroundTheCentreAndLegendCentredVertically) {
    const auto slices = pieslices(countscores(*league({{2, 3, 4, 5, 6, 9}}), 1));
    ASSERT_EQ(slices.size(), 6u);
    RecordingCanvas c(piewidth, pieheight);
    drawpie(c, slices);
    const auto wedges = c.all(Kind::wedge);
    ASSERT_EQ(wedges.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_DOUBLE_EQ(wedges[i].x1, piewidth / 4.5);
        EXPECT_DOUBLE_EQ(wedges[i].y1, pieheight / 2);
        EXPECT_DOUBLE_EQ(wedges[i].x2, piewidth / 5);
        EXPECT_EQ(wedges[i].fill, int(i) + 9);
        EXPECT_EQ(wedges[i].start, slices[i].start);
    }
    const auto boxes = c.all(Kind::box);
    const auto texts = c.all(Kind::text);
    ASSERT_EQ(boxes.size(), 6u);
    ASSERT_EQ(texts.size(), 6u);
    const double th = std::floor(10 * 20 * 1.15); // 10 points, in whole twips
    EXPECT_DOUBLE_EQ(boxes[0].y1, pieheight / 2 - th * 1.5 * 6 / 2);
    EXPECT_DOUBLE_EQ(boxes[5].y1 + th * 1.5 - pieheight / 2, pieheight / 2 - boxes[0].y1);
    EXPECT_DOUBLE_EQ(boxes[1].x1, piewidth / 2);
    EXPECT_DOUBLE_EQ(boxes[1].x2 - boxes[1].x1, piewidth / 16);
    EXPECT_DOUBLE_EQ(boxes[1].y2 - boxes[1].y1, th);
    EXPECT_EQ(boxes[5].fill, 14);
    EXPECT_EQ(texts[5].text, "Other 16.7%");
    EXPECT_DOUBLE_EQ(texts[5].x1, piewidth / 2 + piewidth / 14);
    EXPECT_EQ(texts[5].y1, boxes[5].y1);
}
