// A night's results posted to the teams' point records, and the standings web page.
#include "publish/teampost.h"
#include "publish/webpage.h"
#include "support/testfiles.h"
#include "teams/teamfile.h"

#include "results/resultlines.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

// Net 60, 62, 64, 66, 68 on the 1st of June: 10, 8, 6, 5 and 4 points.
ResultsFile night(const std::vector<std::string>& names) {
    ResultsFile f;
    int gross = 70;
    for (const std::string& n : names) {
        f.lines.push_back(totalsline(n, gross / 2, gross - gross / 2, 10));
        gross += 2;
    }
    return f;
}

} // namespace

TEST(TeamPosting, postingTwiceReplacesTheNightAndKeepsRecordsTypedByHand) {
    TempDir dir;
    auto g = std::make_unique<ProgramState>();
    g->leaguefile = "T.LGE";
    g->playercount = 5;
    for (int p = 1; p <= 5; ++p) g->playername[p] = std::string(1, char('A' + p - 1));
    // Eagles: A, B, D (10 + 8 + 5); Hawks: C, E (6 + 4). Eagles have a bonus typed by hand.
    writebytes(dir.path() / "T.tea", " 2 \r\nEagles\r\nHawks\r\n 1 \r\n 1 \r\n 2 \r\n 1 \r\n 2 \r\n"
                                     " 1 \r\nBonus\r\n 0 \r\n 2.5 \r\n 0 \r\n");
    ResultsFile f = night({"A", "B", "C", "D", "E"});
    const NightDate june1{6, 1, 26};
    const Outcome first = postteams(*g, f, june1, dir.path());
    ASSERT_TRUE(first);
    EXPECT_EQ(first.messages.back().text, "The night of 06/01/26 is posted to the teams:\r\n"
                                          "Eagles: 23 points from 3 players\r\n"
                                          "Hawks: 10 points from 2 players");

    // Now only each team's best two count: the Eagles' 10 + 8, the Hawks' 6 + 4.
    f.settings.teambest = 2;
    ASSERT_TRUE(postteams(*g, f, june1, dir.path()));
    auto t = std::make_unique<Teamdata>();
    loadteams(*g, *t, dir.path());
    ASSERT_EQ(t->eventcount[1], 2);
    EXPECT_EQ(t->eventtext[1][1], "Bonus");
    EXPECT_FLOAT_EQ(t->eventpoints[1][1], 2.5f);
    EXPECT_EQ(t->eventtext[1][2], "Night results 06/01/26");
    EXPECT_FLOAT_EQ(t->eventmanual[1][2], 2);
    EXPECT_FLOAT_EQ(t->eventpoints[1][2], 18);
    ASSERT_EQ(t->eventcount[2], 1);
    EXPECT_FLOAT_EQ(t->eventpoints[2][1], 10);

    // A second copy of the night left by an earlier fault goes; the records after it move up.
    t->eventcount[2] = 4;
    for (int e = 1; e <= 4; ++e) {
        t->eventtext[2][e] = e % 2 ? postedtext(june1) : "Bonus " + std::to_string(e);
        t->eventpoints[2][e] = float(e);
    }
    ASSERT_TRUE(postnight(*t, {{2, 2, 9.0}}, june1));
    ASSERT_EQ(t->eventcount[2], 3);
    EXPECT_EQ(std::tuple(t->eventpoints[2][1], t->eventtext[2][2], t->eventpoints[2][2],
                         t->eventtext[2][3], t->eventpoints[2][3], t->eventpoints[2][4]),
              std::tuple(9.0f, "Bonus 2", 2.0f, "Bonus 4", 4.0f, 0.0f));
}

TEST(WebPage, hostileNamesAreEscapedAndThePageValidates) {
    const std::string hostile = "O'Brien <b>";
    const ResultsFile f = night({hostile, "Ann & Bo", "Cy"});
    NightSkins skins;
    skins.date = {6, 1, 26};
    skins.settings.mode = SkinsMode::gross;
    skins.games.push_back(
        {"", SkinKind::gross, 3, 1500, {{4, hostile, 3, 1, 1500}}, 0, false, 1, 1500, 0});
    const std::string page = webpage("Tuesday <League>", f, skins, "12-07-2026");

    const std::string cell = "<td class=\"name\">O&#39;Brien &lt;b&gt;</td>";
    std::size_t cells = 0;
    for (auto at = page.find(cell); at != std::string::npos; at = page.find(cell, at + 1)) ++cells;
    EXPECT_EQ(cells, 4u) << "the standings, the night, the skin and what it pays";
    EXPECT_NE(page.find("<h1>Tuesday &lt;League&gt;</h1>"), std::string::npos);
    EXPECT_NE(page.find("Ann &amp; Bo"), std::string::npos);
    EXPECT_NE(page.find("15.00"), std::string::npos);
    EXPECT_EQ(page.find("carried past"), std::string::npos);
    // A single skin carried past the last hole is told too.
    skins.games[0].carriedpast = 1;
    EXPECT_NE(webpage("League", f, skins, "12-07-2026").find("1 carried past the last hole"),
              std::string::npos);
    for (const char* banned : {"<b>", "<script", "src=", "href=", "url(", "@import"})
        EXPECT_EQ(page.find(banned), std::string::npos) << banned;
    for (const char* wanted : {"@media print", "name=\"viewport\"", "Written 12-07-2026"})
        EXPECT_NE(page.find(wanted), std::string::npos) << wanted;

    // tidy exits 0 only when it finds neither an error nor a warning.
    TempDir dir;
    ASSERT_TRUE(savewebpage(dir.path() / "page.html", page));
    const std::string tidy = "tidy -q -e '" + (dir.path() / "page.html").string() + "'";
    EXPECT_EQ(std::system(tidy.c_str()), 0) << "tidy (scripts/setup installs it) on " << tidy;
}
