// Handicap cards, the course handicap reference chart and the calculator.
#include "reportleague.h"
#include "reports/cardlayout.h"
#include "reports/chcpcalc.h"
#include "reports/chcpchart.h"
#include "reports/recordingsurface.h"

#include <gtest/gtest.h>

#include <numeric>
#include <tuple>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

using Lines = std::vector<std::string>;

const PrintPicture logo{cardlogo, {}};

// Selects the first n list lines and prints their cards.
int printfirst(RecordingSurface& s, GOLF1& g, int n) {
    std::vector<int> lines(static_cast<std::size_t>(n));
    std::iota(lines.begin(), lines.end(), 0);
    const std::vector<int> players = selectcards(g, lines);
    EXPECT_EQ(int(players.size()), n);
    return printcardjob(s, g, players, "05-14-2004", logo);
}

} // namespace

TEST(CardJob, elevenPlayers_tenOnSheetOneAndTheEleventhInSlotOneOfSheetTwo) {
    auto g = reportleague(11, 3);
    RecordingSurface s;
    EXPECT_EQ(printfirst(s, *g, 11), 11);
    const auto& out = s.printout();
    EXPECT_EQ(out.orientation, orientation_portrait);
    EXPECT_EQ(out.pages, 2);
    EXPECT_EQ(out.overflows, 0);
    const auto cards = out.find("Player ");
    ASSERT_EQ(cards.size(), 11u);
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(cards[i].page, 1);
    EXPECT_EQ(cards[10].page, 2);
    EXPECT_EQ(std::pair(cards[10].x, cards[10].y), std::pair(cards[0].x, cards[0].y)); // slot 1
}

TEST(CardJob, tenPlayers_exactlyOneSheetEvenStretchedAndShiftedDown) {
    auto g = reportleague(20, 3);
    RecordingSurface s;
    EXPECT_EQ(printfirst(s, *g, 10), 10);
    EXPECT_EQ(s.printout().pages, 1);
    EXPECT_EQ(s.printout().pictures.size(), 10u);
    EXPECT_EQ(s.printout().documents, 1);

    // The bottom row then runs past the page's end; it still prints on its own sheet.
    g->pscaling = 1.1f;
    g->hoffset = float(0.3 * RecordingSurface().pageheight() / 10.5);
    RecordingSurface low;
    EXPECT_EQ(printfirst(low, *g, 20), 20);
    EXPECT_EQ(low.printout().pages, 2);
    const auto cards = low.printout().find("Player ");
    ASSERT_EQ(cards.size(), 20u);
    for (std::size_t i = 0; i < 20; ++i) EXPECT_EQ(cards[i].page, int(i / 10) + 1) << i;
}

TEST(CardScaling, onlyAPositiveNumberChangesIt) {
    EXPECT_EQ(cardscaling("1.05", 1), 1.05f);
    EXPECT_EQ(cardscaling(".9x", 1), 0.9f);
    for (const char* kept : {"0", "", "  ", "abc", "-1", "0.000", "1e999"})
        EXPECT_EQ(cardscaling(kept, 1.02f), 1.02f) << kept;
}

TEST(CardJob, leagueOrderWhateverTheSelectionOrder) {
    auto g = reportleague(6, 1);
    RecordingSurface s;
    printcardjob(s, *g, selectcards(*g, {5, 1, 3, 1}), "", logo); // line 1 twice: one card
    Lines names;
    for (const auto& card : s.printout().find("Player ")) names.push_back(card.text);
    EXPECT_EQ(names, (Lines{"Player 2", "Player 4", "Player 6"}));
}

TEST(CardPlaces, offsetsShiftAndScalingStretchesRows) {
    auto g = reportleague(1, 1);
    g->pscaling = 1.5f;
    g->hoffset = -40;
    g->wdoffset = 25;
    double x = 0, y = 0;
    AdjustPosition(*g, 7, 1000, 2000, x, y); // left column, fourth row
    EXPECT_NEAR(x, 25, 1e-9);
    EXPECT_NEAR(y, 0.582 * 2000 * 1.5 - 40, 1e-6);
    x = 0, y = 0;
    AdjustPosition(*g, 2, 1000, 2000, x, y); // right column, first row
    EXPECT_NEAR(x, 420 + 25, 1e-9);
    EXPECT_NEAR(y, -40, 1e-9);
}

TEST(CardPlaces, everyElementOfACardInSlotTen) {
    auto g = reportleague(10, 2);
    RecordingSurface s;
    s.setorientation(orientation_portrait);
    PrintCards(s, *g, 10, 10, "Spring 2004", logo);
    const auto& out = s.printout();
    const double w = s.pagewidth(), h = s.pageheight();
    ASSERT_EQ(out.pictures.size(), 1u);
    const PrintedPicture& p = out.pictures[0];
    EXPECT_NEAR(p.x, 0.81 * w, 1e-6);
    EXPECT_NEAR(p.y, 0.834 * h, 1e-6);
    EXPECT_NEAR(p.w, 0.07 * w, 1e-6);
    EXPECT_NEAR(p.h, 0.077 * h, 1e-6);
    const std::tuple<const char*, double, float> places[] = {
        {"Player 10", 0.829, 12},   {"  Hcp Index: 10.4", 0.859, 10},
        {"PV CHCP: 10", 0.884, 10}, {"PV  85", 0.916, 9},
        {"PV  86", 0.926, 9},       {"Spring 2004", 0.964, 9}};
    for (const auto& [start, y, size] : places) {
        const auto found = out.find(start);
        ASSERT_EQ(found.size(), 1u) << start;
        EXPECT_NEAR(found[0].x, 0.53 * w, 1e-6) << start;
        EXPECT_NEAR(found[0].y, y * h, 1e-6) << start;
        EXPECT_EQ(found[0].size, size) << start;
        EXPECT_EQ(found[0].font, "Courier New") << start;
    }
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

TEST(CardLines, playerWithoutRoundsGetsBlankIndexAndCourseHandicap) {
    auto g = reportleague(2, 3);
    g->roundcount[2] = 0;
    EXPECT_EQ(cardindexline(*g, 1), "  Hcp Index: 1.4");
    EXPECT_EQ(cardcoursehcpline(*g, 1), "PV CHCP: 1");
    EXPECT_EQ(cardindexline(*g, 2), "  Hcp Index: ");
    EXPECT_EQ(cardcoursehcpline(*g, 2), " CHCP: ");
    EXPECT_EQ(scorerows(*g, 2), (std::array<std::string, 4>{}));
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

TEST(ChcpChart, wholePageAndTheTeeLineOfEachTee) {
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
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 10),
              (Lines{" ", " ", " ", " ", "Pine Valley   ", " ", "     Ladies Tee - slope 130", " ",
                     " ", chartheading()}));
    // Rows read down: -5.0 .. 7.0, 7.5 .. 19.5, 20.0 .. 32.0, 32.5 .. 44.5.
    EXPECT_EQ(lines[10], "       -5.0      -6        7.5       9       20.0      23       "
                         "32.5      37");
    EXPECT_EQ(lines[34], "        7.0       8       19.5      22       32.0      37       "
                         "44.5      51");
    EXPECT_EQ(Lines(lines.begin() + 35, lines.end()),
              (Lines{" ", " ", " ", " ", "    Use your Hcp index to find the course handicap."}));
    // Sizes: title 24, tee line 14, table 12, all bold.
    EXPECT_EQ(out.find("Pine Valley")[0].size, 24);
    EXPECT_EQ(out.find("     Ladies")[0].size, 14);
    EXPECT_EQ(out.find("    Use your")[0].size, 12);
    EXPECT_TRUE(out.find("    Use your")[0].bold);

    g->coursedata[1][courseline_slope0 + tee_pro] = " 121.5";
    RecordingSurface pro;
    PrintChcpChart(pro, *g, 1, tee_pro);
    EXPECT_EQ(pro.printout().lines(1)[6], "     Pro tee - slope 121.5");
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
