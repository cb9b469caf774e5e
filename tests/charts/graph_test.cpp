#include "charts/canvas.h"
#include "charts/graph.h"
#include "charts/recordingcanvas.h"
#include "model/golf1.h"

#include <gtest/gtest.h>

#include <memory>
#include <numbers>

using namespace greenfold;

namespace {

using Kind = Drawn::Kind;

// A league of one player with n rounds: differential 10 + j, index 8 + j / 10.
std::unique_ptr<GOLF1> oneplayer(int rounds) {
    auto g = std::make_unique<GOLF1>();
    g->playercount = 1;
    g->playername[1] = "Dana Kettle";
    g->roundcount[1] = int16_t(rounds);
    for (int j = 1; j <= rounds; ++j) {
        g->differential[1][j] = 10.0f + float(j);
        g->hcpindex[1][j] = 8.0f + float(j) / 10.0f;
    }
    return g;
}

RecordingCanvas drawn(const GOLF1& g, int p) {
    RecordingCanvas c(graphwidth, graphheight);
    drawgraph(c, g, p);
    return c;
}

// The series lines of one colour, drawn solid in width 2.
std::vector<Drawn> serieslines(const RecordingCanvas& c, int colour) {
    std::vector<Drawn> out;
    for (const auto& d : c.all(Kind::line))
        if (d.pen.colour == colour && d.pen.width == 2 && d.x1 != 660 && d.y1 != 3720)
            out.push_back(d);
    return out;
}

// The first text of these characters; a round number when a height is given.
const Drawn* textat(const RecordingCanvas& c, const std::string& text, double y = -1) {
    for (const auto& d : c.drawn)
        if (d.kind == Kind::text && d.text == text && (y < 0 || d.y1 == y)) return &d;
    return nullptr;
}

} // namespace

TEST(Graph, noRounds_emptyGridAndZeroRoundsPlayed) {
    auto g = oneplayer(0);
    const RecordingCanvas c = drawn(*g, 1);
    ASSERT_EQ(c.drawn.front().kind, Kind::clear);
    EXPECT_TRUE(serieslines(c, differentialcolour).empty());
    EXPECT_EQ(c.all(Kind::line).size(), 2u + 10u); // two axes, ten value lines
    const GraphTexts t = graphtexts(*g, 1);
    EXPECT_EQ(t.roundsplayed, "0 rounds played");
    EXPECT_EQ(t.currentindex, "Current Hcp. Index = 0");
    EXPECT_EQ(t.name, "Dana Kettle");
}

TEST(Graph, grid_axesValueLinesAndLabelsRightAligned) {
    auto g = oneplayer(0);
    const RecordingCanvas c = drawn(*g, 1);
    const auto lines = c.all(Kind::line);
    EXPECT_EQ(lines[0].x1, 660);
    EXPECT_EQ(lines[0].y1, 150);
    EXPECT_EQ(lines[0].y2, 3720);
    EXPECT_EQ(lines[1].x2, 8800);
    EXPECT_EQ(lines[1].pen.width, 2);
    // Dotted, one pixel: the values -5 (y 3350) up to 40 (y 200).
    EXPECT_EQ(lines[2].pen.style, PenStyle::dotted);
    EXPECT_EQ(lines[2].pen.width, 1);
    EXPECT_EQ(lines[2].y1, graphy(-5));
    EXPECT_EQ(lines[11].y1, graphy(40));
    EXPECT_EQ(lines[11].x1, 670);
    EXPECT_EQ(c.pen().style, PenStyle::solid);

    EXPECT_EQ(textat(c, "-5")->x1, 380);
    EXPECT_EQ(textat(c, "0")->x1, 430);
    EXPECT_EQ(textat(c, "5")->x1, 430);
    EXPECT_EQ(textat(c, "40")->x1, 340);
    EXPECT_EQ(textat(c, "40")->y1, 2910 - 70 * 40);
    // Round numbers: 1 to 9 move right to centre under their points.
    EXPECT_EQ(textat(c, "1")->x1, 600 + 380 + 45);
    EXPECT_EQ(textat(c, "1")->y1, 3800);
    EXPECT_EQ(textat(c, "9", 3800)->x1, 600 + 380 * 9 + 45);
    EXPECT_EQ(textat(c, "10", 3800)->x1, 600 + 380 * 10);
    EXPECT_EQ(textat(c, "20", 3800)->x1, 600 + 380 * 20);
}

TEST(Graph, notes_directionUnderTheRoundsAndHandicapDownTheSide) {
    auto g = oneplayer(3);
    const RecordingCanvas c = drawn(*g, 1);
    const Drawn* note = textat(c, "<--  Earlier Rounds         More recent Rounds  -->");
    ASSERT_NE(note, nullptr);
    EXPECT_DOUBLE_EQ(note->x1, 0.12 * graphwidth);
    EXPECT_DOUBLE_EQ(note->y1, 0.94 * graphheight);
    EXPECT_EQ(note->points, 6);
    EXPECT_EQ(note->pen.colour, 0);
    std::string word;
    double y = 0.2 * graphheight;
    for (const auto& d : c.all(Kind::text)) {
        if (d.points != 9) continue;
        word += d.text;
        y += 200;
        EXPECT_DOUBLE_EQ(d.y1, y) << d.text;
        EXPECT_DOUBLE_EQ(d.x1, 0.013 * graphwidth);
    }
    EXPECT_EQ(word, "HANDICAP");
}

TEST(Graph, oneRound_aDotInEachSeries) {
    auto g = oneplayer(1);
    const RecordingCanvas c = drawn(*g, 1);
    const auto red = serieslines(c, differentialcolour);
    const auto black = serieslines(c, indexcolour);
    ASSERT_EQ(red.size(), 1u);
    ASSERT_EQ(black.size(), 1u);
    EXPECT_EQ(red[0].x1, 1080);
    EXPECT_EQ(red[0].x2, 1080);
    EXPECT_EQ(red[0].y1, red[0].y2);
    EXPECT_EQ(red[0].y1, 3000 - 70 * 11);
    EXPECT_DOUBLE_EQ(black[0].y2, 3000 - 70 * double(8.1f));
}

TEST(Graph, twentyRounds_joinedInSlotOrderLastAt8300) {
    auto g = oneplayer(20);
    const RecordingCanvas c = drawn(*g, 1);
    const auto red = serieslines(c, differentialcolour);
    ASSERT_EQ(red.size(), 20u);
    for (std::size_t i = 1; i < red.size(); ++i) {
        EXPECT_EQ(red[i].x1, red[i - 1].x2);
        EXPECT_EQ(red[i].x2, graphx(int(i) + 1));
    }
    EXPECT_EQ(red.back().x2, 8300);
    EXPECT_LT(red.back().x2, 8800); // inside the axis
    // Differentials first, then the indexes over them.
    const auto lines = c.all(Kind::line);
    EXPECT_EQ(lines[lines.size() - 21].pen.colour, differentialcolour);
    EXPECT_EQ(lines.back().pen.colour, indexcolour);
    EXPECT_EQ(graphtexts(*g, 1).currentindex, "Current Hcp. Index = 10");
    EXPECT_EQ(graphtexts(*g, 1).roundsplayed, "20 rounds played");
}

TEST(Graph, valuesOffTheGrid_drawnWhereTheyFall) {
    auto g = oneplayer(3);
    g->differential[1][2] = 45;
    g->differential[1][3] = -7.5f;
    const auto red = serieslines(drawn(*g, 1), differentialcolour);
    ASSERT_EQ(red.size(), 3u);
    EXPECT_EQ(red[1].y2, -150); // above the picture: the edge cuts the line
    EXPECT_EQ(red[2].y2, 3525);
}

TEST(Graph, damagedCountsAndNoPlayer_stayInsideTheTables) {
    auto g = oneplayer(20);
    g->roundcount[1] = 31; // a damaged file: never read past slot 20
    EXPECT_EQ(serieslines(drawn(*g, 1), indexcolour).size(), 20u);
    EXPECT_EQ(graphtexts(*g, 1).roundsplayed, "20 rounds played");
    g->roundcount[1] = -2;
    EXPECT_TRUE(serieslines(drawn(*g, 1), indexcolour).empty());
    const GraphTexts none = graphtexts(*g, 0);
    EXPECT_EQ(none.name, "");
    EXPECT_EQ(none.roundsplayed, "0 rounds played");
}

TEST(Canvas, wedgeSweep_counterClockwiseAcrossZeroAndEqualIsWhole) {
    constexpr double full = 2 * std::numbers::pi;
    EXPECT_DOUBLE_EQ(wedgesweep(1, 2), 1);
    EXPECT_NEAR(wedgesweep(6, 0.5), 0.5 + full - 6, 1e-12);
    EXPECT_DOUBLE_EQ(wedgesweep(4.7123895, 4.7123895), full);
    EXPECT_DOUBLE_EQ(wedgesweep(1.0, 1.0 + 1e-9), full);
    EXPECT_EQ(palettergb(12), 0xFF0000u);
    EXPECT_EQ(palettergb(9), 0x0000FFu);
    EXPECT_EQ(palettergb(16 + 14), 0xFFFF00u);
}
