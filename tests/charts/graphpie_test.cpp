// The graph and the pie: as drawn on a recording canvas, their panels and printouts.
#include "charts/chartplayer.h"
#include "charts/chartprint.h"
#include "charts/recordingcanvas.h"
#include "reports/recordingsurface.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <tuple>

using namespace greenfold;

namespace {

using Kind = Drawn::Kind;
using Rounds = std::vector<std::vector<int>>;
using Texts = std::vector<std::string>;

// Player 1 with n rounds: differential 10 + j, index 8 + j / 10.
std::unique_ptr<GOLF1> graphed(int rounds) {
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

RecordingCanvas drawn(const GOLF1& g) {
    RecordingCanvas c(graphwidth, graphheight);
    drawgraph(c, g, 1);
    return c;
}

// The series lines of one colour, drawn solid in width 2: not the axes.
std::vector<Drawn> serieslines(const RecordingCanvas& c, int colour) {
    std::vector<Drawn> out;
    for (const auto& d : c.all(Kind::line))
        if (d.pen.colour == colour && d.pen.width == 2 && d.x1 != 660 && d.y1 != 3720)
            out.push_back(d);
    return out;
}

std::array<double, 4> ends(const Drawn& d) {
    return {d.x1, d.y1, d.x2, d.y2};
}

// The first text of these characters, at this height when one is given.
const Drawn* textat(const RecordingCanvas& c, const std::string& text, double y = -1) {
    for (const auto& d : c.drawn)
        if (d.kind == Kind::text && d.text == text && (y < 0 || d.y1 == y)) return &d;
    return nullptr;
}

// Course 1 is par 4 on every hole; player 1's rounds are given hole by hole.
std::unique_ptr<GOLF1> scored(const Rounds& rounds) {
    auto g = std::make_unique<GOLF1>();
    g->coursecount = 1;
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

std::vector<Slice> slicesof(const Rounds& rounds) {
    return pieslices(countscores(*scored(rounds), 1));
}

constexpr double W = 8.0 * 600, H = 10.5 * 600; // the recording surface's portrait page

// Where the one text that starts so was printed, in what size and font.
std::tuple<double, double, float, std::string> placed(const Printout& out,
                                                      const std::string& start) {
    const auto found = out.find(start);
    EXPECT_EQ(found.size(), 1u) << start;
    if (found.empty()) return {};
    return {found[0].x, found[0].y, found[0].size, found[0].font};
}

} // namespace

TEST(Graph, noRounds_emptyGridWithItsLabelsAndZeroRoundsPlayed) {
    auto g = graphed(0);
    const RecordingCanvas c = drawn(*g);
    ASSERT_EQ(c.drawn.front().kind, Kind::clear);
    const auto lines = c.all(Kind::line);
    ASSERT_EQ(lines.size(), 2u + 10u); // two axes, ten value lines, no series
    EXPECT_EQ(ends(lines[0]), (std::array{660.0, 150.0, 660.0, 3720.0}));
    EXPECT_EQ(ends(lines[1]), (std::array{660.0, 3720.0, 8800.0, 3720.0}));
    EXPECT_EQ(lines[1].pen.width, 2);
    // Dotted, one pixel: the values -5 (y 3350) up to 40 (y 200).
    EXPECT_EQ(ends(lines[2]), (std::array{670.0, 3350.0, 8800.0, 3350.0}));
    EXPECT_EQ(ends(lines[11]), (std::array{670.0, 200.0, 8800.0, 200.0}));
    EXPECT_EQ(lines[2].pen.style, PenStyle::dotted);
    EXPECT_EQ(lines[2].pen.width, 1);
    EXPECT_EQ(c.pen().style, PenStyle::solid);
    // Value labels right-aligned; round numbers 1 to 9 move right under their points.
    const std::tuple<const char*, double, double> labels[] = {{"-5", 380, 3260},
                                                              {"0", 430, 2910},
                                                              {"40", 340, 110},
                                                              {"1", 1025, 3800},
                                                              {"20", 8200, 3800}};
    for (const auto& [text, x, y] : labels) {
        const Drawn* d = textat(c, text, y);
        ASSERT_NE(d, nullptr) << text;
        EXPECT_EQ(d->x1, x) << text;
    }
    const GraphTexts t = graphtexts(*g, 1);
    EXPECT_EQ(t.roundsplayed, "0 rounds played");
    EXPECT_EQ(t.currentindex, "Current Hcp. Index = 0");
    EXPECT_EQ(t.name, "Dana Kettle");
}

TEST(Graph, notes_directionUnderTheRoundsAndHandicapDownTheSide) {
    const RecordingCanvas c = drawn(*graphed(3));
    const Drawn* note = textat(c, "<--  Earlier Rounds         More recent Rounds  -->");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ((std::array{note->x1, note->y1, note->points, double(note->pen.colour)}),
              (std::array{0.12 * graphwidth, 0.94 * graphheight, 6.0, 0.0}));
    std::string word;
    double y = 0.2 * graphheight;
    for (const auto& d : c.all(Kind::text)) {
        if (d.points != 9) continue;
        word += d.text;
        EXPECT_EQ((std::array{d.x1, d.y1}), (std::array{0.013 * graphwidth, y += 200})) << d.text;
    }
    EXPECT_EQ(word, "HANDICAP");
}

TEST(Graph, oneRound_aDotInEachSeries) {
    const RecordingCanvas c = drawn(*graphed(1));
    const auto red = serieslines(c, differentialcolour);
    const auto black = serieslines(c, indexcolour);
    ASSERT_EQ(red.size(), 1u);
    ASSERT_EQ(black.size(), 1u);
    EXPECT_EQ(ends(red[0]), (std::array{1080.0, 3000.0 - 70 * 11, 1080.0, 3000.0 - 70 * 11}));
    EXPECT_DOUBLE_EQ(black[0].y2, 3000 - 70 * double(8.1f));
}

TEST(Graph, twentyRounds_joinedInSlotOrderLastAt8300IndexesOverDifferentials) {
    auto g = graphed(20);
    const RecordingCanvas c = drawn(*g);
    const auto red = serieslines(c, differentialcolour);
    ASSERT_EQ(red.size(), 20u);
    for (std::size_t i = 1; i < red.size(); ++i) {
        EXPECT_EQ(red[i].x1, red[i - 1].x2);
        EXPECT_EQ(red[i].x2, 700 + 380 * double(i + 1));
    }
    EXPECT_EQ(red.back().x2, 8300);
    const auto lines = c.all(Kind::line);
    EXPECT_EQ(lines[lines.size() - 21].pen.colour, differentialcolour);
    EXPECT_EQ(lines.back().pen.colour, indexcolour);
    EXPECT_EQ(graphtexts(*g, 1).currentindex, "Current Hcp. Index = 10");
    EXPECT_EQ(graphtexts(*g, 1).roundsplayed, "20 rounds played");
}

TEST(Graph, valuesOffTheGrid_drawnWhereTheyFall) {
    auto g = graphed(3);
    g->differential[1][2] = 45;
    g->differential[1][3] = -7.5f;
    const auto red = serieslines(drawn(*g), differentialcolour);
    ASSERT_EQ(red.size(), 3u);
    EXPECT_EQ(red[1].y2, -150); // above the picture: the edge cuts the line
    EXPECT_EQ(red[2].y2, 3525);
}

TEST(Graph, damagedCountsAndNoPlayer_stayInsideTheTables) {
    auto g = graphed(20);
    g->roundcount[1] = 31; // a damaged file: never read past slot 20
    EXPECT_EQ(serieslines(drawn(*g), indexcolour).size(), 20u);
    EXPECT_EQ(graphtexts(*g, 1).roundsplayed, "20 rounds played");
    g->roundcount[1] = -2;
    EXPECT_TRUE(serieslines(drawn(*g), indexcolour).empty());
    EXPECT_EQ(graphtexts(*g, 0).name, "");
    EXPECT_EQ(graphtexts(*g, 0).roundsplayed, "0 rounds played");
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

TEST(Pie, frontNineOnly_countsNineAndSkipsUnplayedHolesEverywhere) {
    auto g = scored(
        {{4, 5, 3, 4, 6, 1, 7, 4, 4}, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 5}});
    const ScoreCount c = countscores(*g, 1);
    EXPECT_EQ(c.scores, 9 + 18);
    EXPECT_EQ(c.parsum, 4.0 * 27);
    EXPECT_EQ(c.scoresum, 38 + 73);
    EXPECT_EQ(c.classes, (std::array{0, 1, 4 + 17, 1 + 1, 1, 2}));
    const PieTexts t = pietexts(*g, 1, c);
    EXPECT_EQ(t.name, "Robin Marsh");
    EXPECT_EQ(t.avepar, "avg. par per hole = 4.0");
    EXPECT_EQ(t.avehole, "avg. score per hole = 4.1");
    EXPECT_EQ(t.totalholes, "# of scores recorded = 27");
}

TEST(Pie, noRounds_noSlicesNoLegendDesignTexts) {
    auto g = scored({});
    const ScoreCount c = countscores(*g, 1);
    EXPECT_TRUE(pieslices(c).empty());
    RecordingCanvas canvas(piewidth, pieheight);
    drawpie(canvas, pieslices(c));
    ASSERT_EQ(canvas.drawn.size(), 1u);
    EXPECT_EQ(canvas.drawn[0].kind, Kind::clear);
    const PieTexts t = pietexts(*g, 1, c);
    EXPECT_EQ(t.avepar, "Avg. Par per hole =");
    EXPECT_EQ(t.avehole, "Avg. Score per hole =");
    EXPECT_EQ(t.totalholes, "# of scores recorded = 0");
}

TEST(Pie, shares_oneDecimalAndADigitBeforeThePointInSliceOrderSkippingEmptyOnes) {
    Rounds twenty(20, std::vector<int>(18, 4)); // 17 pars and a bogey a round...
    for (auto& r : twenty) r[0] = 5;
    twenty[0][1] = 2; // ... and one eagle in 360 holes
    const std::pair<Rounds, Texts> cases[] = {
        {{{3, 3, 4, 4, 4, 5}}, {"Birdies 33.3", "Pars 50.0", "Bogies 16.7"}},
        {{{4, 4, 4, 4}}, {"Pars 100.0"}},
        {twenty, {"Eagles 0.3", "Pars 94.2", "Bogies 5.6"}}};
    for (const auto& [rounds, expected] : cases) {
        Texts labels;
        for (const auto& s : slicesof(rounds)) labels.push_back(s.label);
        EXPECT_EQ(labels, expected);
    }
}

TEST(Pie, withoutEagles_birdiesFirstInColour9CentredAtTwelve) {
    // 2 birdies, 3 pars, 1 bogey: 1/3, 1/2, 1/6 of the pie.
    const auto slices = slicesof({{3, 3, 4, 4, 4, 5}});
    ASSERT_EQ(slices.size(), 3u);
    EXPECT_EQ(slices[0].name, "Birdies");
    EXPECT_NEAR((slices[0].start + slices[0].end) / 2, std::numbers::pi / 2, 1e-6);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(slices[std::size_t(i)].colour, 9 + i);
    // Each slice starts where the last ended; the bogeys cross 3 o'clock.
    EXPECT_EQ(slices[1].start, slices[0].end);
    EXPECT_EQ(slices[2].start, slices[1].end);
    EXPECT_GT(slices[2].start, slices[2].end);
    EXPECT_NEAR(wedgesweep(slices[2].start, slices[2].end), std::numbers::pi / 3, 1e-5);
}

TEST(Pie, oneCategory_wholeCircle) {
    const auto slices = slicesof({{4, 4, 4, 4}});
    ASSERT_EQ(slices.size(), 1u);
    EXPECT_EQ(slices[0].start, slices[0].end);
    EXPECT_NEAR(slices[0].start, 3 * std::numbers::pi / 2, 1e-6);
    EXPECT_DOUBLE_EQ(wedgesweep(slices[0].start, slices[0].end), 2 * std::numbers::pi);
}

TEST(Pie, normalangle_turnsOnceAndNeverReachesZero) {
    constexpr float turn = 6.283186f;
    EXPECT_FLOAT_EQ(normalangle(1.0f), 1.0f);
    EXPECT_FLOAT_EQ(normalangle(-0.5f), turn - 0.5f);
    EXPECT_FLOAT_EQ(normalangle(7.0f), 7.0f - turn);
    EXPECT_FLOAT_EQ(normalangle(turn), 0.001f);
    EXPECT_FLOAT_EQ(normalangle(0.0f), 0.001f);
}

TEST(Pie, drawing_wedgesAroundTheCentreAndLegendCentredVertically) {
    const auto slices = slicesof({{2, 3, 4, 5, 6, 9}});
    RecordingCanvas c(piewidth, pieheight);
    drawpie(c, slices);
    const auto wedges = c.all(Kind::wedge), boxes = c.all(Kind::box), texts = c.all(Kind::text);
    ASSERT_EQ(wedges.size(), 6u);
    ASSERT_EQ(boxes.size(), 6u);
    Texts legend;
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(ends(wedges[i]), (std::array{piewidth / 4.5, pieheight / 2, piewidth / 5, 0.0}));
        EXPECT_EQ((std::array{wedges[i].fill, boxes[i].fill}),
                  (std::array{int(i) + 9, int(i) + 9}));
        EXPECT_EQ((std::array{wedges[i].start, wedges[i].end}),
                  (std::array<double, 2>{slices[i].start, slices[i].end}));
        EXPECT_EQ(texts[i].y1, boxes[i].y1);
        legend.push_back(texts[i].text);
    }
    EXPECT_EQ(legend, (Texts{"Eagles 16.7%", "Birdies 16.7%", "Pars 16.7%", "Bogies 16.7%",
                             "Double Bogies 16.7%", "Other 16.7%"}));
    const double th = std::floor(10 * 20 * 1.15); // 10 points, in whole twips
    EXPECT_DOUBLE_EQ(boxes[0].y1, pieheight / 2 - th * 1.5 * 6 / 2);
    EXPECT_DOUBLE_EQ(boxes[5].y1 + th * 1.5 - pieheight / 2, pieheight / 2 - boxes[0].y1);
    EXPECT_EQ(ends(boxes[1]), (std::array{piewidth / 2, boxes[1].y1, piewidth / 2 + piewidth / 16,
                                          boxes[1].y1 + th}));
    EXPECT_DOUBLE_EQ(texts[5].x1, piewidth / 2 + piewidth / 14);
}

TEST(GraphPrint, pictureLegendPanelsInLargeTypeAndDate) {
    Printout out;
    RecordingSurface s(out);
    s.setorientation(orientation_landscape); // as a long list leaves it
    printgraph(s, GOLF1{}, {"Dana Kettle", "Current Hcp. Index = 14.2", "20 rounds played"},
               PrintPicture{"Picture1", "png"}, "05-14-2004");
    ASSERT_EQ(out.pictures.size(), 1u);
    const PrintedPicture& p = out.pictures[0];
    EXPECT_EQ(p.name, "Picture1");
    EXPECT_EQ((std::array{p.x, p.y, p.w, p.h}), (std::array{W / 20, H / 10, W / 1.1, H / 2.5}));
    // Legend: a black line for the index, a light red one for the differential, each
    // W/50 long, with its name in bold right after it.
    ASSERT_EQ(out.drawings.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const PrintedDrawing& d = out.drawings[i];
        const double x = i == 0 ? 0.2 * W : 0.55 * W;
        EXPECT_EQ((std::array{d.x1, d.y1, d.x2, d.y2}),
                  (std::array{x, H / 1.9, x + W / 50, H / 1.9}));
        EXPECT_EQ((std::array{d.colour, d.width}), (std::array{i == 0 ? 0 : 12, 8}));
    }
    const std::string courier = "Courier New";
    EXPECT_EQ(placed(out, " Hcp Index"), std::tuple(0.2 * W + W / 50, 0.518 * H, 10.0f, courier));
    EXPECT_EQ(placed(out, " Hcp Differential"),
              std::tuple(0.55 * W + W / 50, 0.518 * H, 10.0f, courier));
    EXPECT_TRUE(out.find(" Hcp Index")[0].bold);
    EXPECT_FALSE(out.find(" Hcp Index")[0].lineend);
    // The page starts on another font; the panels print in the print font, in 18 points.
    EXPECT_EQ(out.lines(1),
              (Texts{" ", " Hcp Index Hcp Differential ", "               Dana Kettle", " ",
                     "               Current Hcp. Index = 14.2", " ",
                     "               20 rounds played", "05-14-2004"}));
    EXPECT_DOUBLE_EQ(out.texts[out.texts.size() - 7].x, 0.1 * W); // the first blank line
    EXPECT_EQ(std::get<2>(placed(out, "               Dana")), 18);
    EXPECT_EQ(std::get<3>(placed(out, "               Dana")), courier);
    EXPECT_EQ(placed(out, "05-14-2004"), std::tuple(0.85 * W, 0.9 * H, 9.0f, courier));
    EXPECT_EQ(out.documents, 1);
    EXPECT_EQ(out.orientation, orientation_portrait);
}

TEST(PiePrint, pictureAndFourPanelsInLargeType) {
    Printout out;
    RecordingSurface s(out);
    s.setorientation(orientation_landscape);
    GOLF1 g;
    g.printfont = "Times New Roman";
    printpie(s, g,
             {"Robin Marsh", "avg. par per hole = 4.0", "avg. score per hole = 4.9",
              "# of scores recorded = 360"},
             PrintPicture{"P", "png"}, "05-14-2004");
    ASSERT_EQ(out.pictures.size(), 1u);
    EXPECT_DOUBLE_EQ(out.pictures[0].h, H / 2.4);
    EXPECT_TRUE(out.drawings.empty());
    EXPECT_EQ(out.orientation, orientation_portrait);
    EXPECT_EQ(out.lines(1), (Texts{" ", " ", "               Robin Marsh", "  ",
                                   "               avg. par per hole = 4.0", " ",
                                   "               avg. score per hole = 4.9", " ",
                                   "               # of scores recorded = 360", "05-14-2004"}));
    // The blank line before the name is still in the page's first size.
    EXPECT_EQ((std::array{out.texts[1].x, out.texts[1].y}), (std::array{0.1 * W, 0.55 * H}));
    EXPECT_NE(out.texts[1].size, 18);
    EXPECT_EQ(std::tuple(out.texts[2].size, out.texts[2].font, out.texts[2].bold),
              std::tuple(18.0f, std::string("Times New Roman"), false));
    EXPECT_EQ(std::get<2>(placed(out, "05-14-2004")), 9);
    EXPECT_EQ(out.documents, 1);
}
