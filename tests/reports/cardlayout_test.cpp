#include "reportleague.h"
#include "reports/cardlayout.h"
#include "reports/recordingsurface.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

const PrintPicture logo{cardlogo, {}};

std::vector<int> firstlines(int n) {
    std::vector<int> v(std::size_t(n), 0);
    std::iota(v.begin(), v.end(), 0);
    return v;
}

// The names printed, one per card, in order.
std::vector<PrintedText> names(const Printout& out) {
    return out.find("Player ");
}

} // namespace

TEST(CardJob, elevenPlayers_tenOnSheetOneAndTheEleventhInSlotOneOfSheetTwo) {
    auto g = reportleague(11, 3);
    RecordingSurface s;
    ASSERT_EQ(selectcards(*g, firstlines(11)), 11);
    EXPECT_EQ(printcardjob(s, *g, "05-14-2004", logo), 11);
    const auto& out = s.printout();
    EXPECT_EQ(out.orientation, orientation_portrait);
    EXPECT_EQ(out.pages, 2);
    EXPECT_EQ(out.overflows, 0);
    const auto cards = names(out);
    ASSERT_EQ(cards.size(), 11u);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(cards[std::size_t(i)].page, 1);
    EXPECT_EQ(cards[10].page, 2);
    EXPECT_EQ(cards[10].x, cards[0].x); // slot 1 again
    EXPECT_EQ(cards[10].y, cards[0].y);
    for (int p = 1; p <= 11; ++p) EXPECT_EQ(g->selected[p], 0);
}

TEST(CardJob, tenPlayers_exactlyOneSheet) {
    auto g = reportleague(12, 3);
    RecordingSurface s;
    selectcards(*g, firstlines(10));
    EXPECT_EQ(printcardjob(s, *g, "", logo), 10);
    EXPECT_EQ(s.printout().pages, 1);
    EXPECT_EQ(s.printout().pictures.size(), 10u);
    EXPECT_EQ(s.printout().documents, 1);
}

TEST(CardJob, leagueOrderWhateverTheSelectionOrder) {
    auto g = reportleague(6, 1);
    RecordingSurface s;
    EXPECT_EQ(selectcards(*g, {5, 1, 3, 1}), 3); // a line given twice counts once
    printcardjob(s, *g, "", logo);
    const auto cards = names(s.printout());
    ASSERT_EQ(cards.size(), 3u);
    EXPECT_EQ(cards[0].text, "Player 2");
    EXPECT_EQ(cards[1].text, "Player 4");
    EXPECT_EQ(cards[2].text, "Player 6");
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
    g->playerno = 10;
    PrintCards(s, *g, 10, "Spring 2004", logo);
    const auto& out = s.printout();
    const double w = s.pagewidth(), h = s.pageheight();
    ASSERT_EQ(out.pictures.size(), 1u);
    EXPECT_NEAR(out.pictures[0].x, 0.81 * w, 1e-6);
    EXPECT_NEAR(out.pictures[0].y, 0.834 * h, 1e-6);
    EXPECT_NEAR(out.pictures[0].w, 0.07 * w, 1e-6);
    EXPECT_NEAR(out.pictures[0].h, 0.077 * h, 1e-6);
    const struct {
        const char* start;
        double y;
        float size;
    } places[] = {{"Player 10", 0.829, 12},   {"  Hcp Index: 10.4", 0.859, 10},
                  {"PV CHCP: 10", 0.884, 10}, {"PV  85", 0.916, 9},
                  {"PV  86", 0.926, 9},       {"Spring 2004", 0.964, 9}};
    for (const auto& p : places) {
        const auto found = out.find(p.start);
        ASSERT_EQ(found.size(), 1u) << p.start;
        EXPECT_NEAR(found[0].x, 0.53 * w, 1e-6) << p.start;
        EXPECT_NEAR(found[0].y, p.y * h, 1e-6) << p.start;
        EXPECT_EQ(found[0].size, p.size) << p.start;
        EXPECT_EQ(found[0].font, "Courier New") << p.start;
    }
}

TEST(ScoreRows, sevenRoundsInFourRowsWithInitialsAndTotals) {
    auto g = reportleague(1, 7);
    g->roundcourse[1][2] = 2;    // a course without initials
    g->holescore[1][5][20] = 60; // total 101: no second space
    const auto rows = scorerows(*g, 1);
    // Totals: out 41, in 41 + r % 5.
    EXPECT_EQ(rows[0], "PV  83  PV  101 "); // rounds 1 and 5
    EXPECT_EQ(rows[1], " -  84  PV  83  "); // rounds 2 and 6
    EXPECT_EQ(rows[2], "PV  85  PV  84  "); // rounds 3 and 7
    EXPECT_EQ(rows[3], "PV  86  ");         // round 4
    auto full = reportleague(1, 20);
    EXPECT_EQ(scorerows(*full, 1)[0].size(), 5u * 8);
    g->coursedata[1][courseline_initials] = "Golfé";
    EXPECT_EQ(scorerows(*g, 1)[3], "Golfé86  "); // longer initials are kept whole
}

TEST(CardLines, playerWithoutRoundsGetsBlankIndexAndCourseHandicap) {
    auto g = reportleague(2, 3);
    g->roundcount[2] = 0;
    g->hcpindex[2][0] = 0;
    EXPECT_EQ(cardindexline(*g, 1), "  Hcp Index: 1.4");
    EXPECT_EQ(cardcoursehcpline(*g, 1), "PV CHCP: 1");
    EXPECT_EQ(cardindexline(*g, 2), "  Hcp Index: ");
    EXPECT_EQ(cardcoursehcpline(*g, 2), " CHCP: ");
    EXPECT_EQ(scorerows(*g, 2), (std::array<std::string, 4>{}));
}
