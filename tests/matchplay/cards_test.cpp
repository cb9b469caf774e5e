// The scorecards handed out before a night, the match play printouts and what the windows
// read from their boxes. The cards are printed on the recording surface and kept as golden
// printouts in tests/data/printouts (GREENFOLD_WRITE_GOLDEN=1 writes them anew).
#include "example.h"
#include "matchplay/cards.h"
#include "matchplay/matchforms.h"
#include "matchplay/matchprint.h"
#include "reports/recordingsurface.h"
#include "reports/reportleague.h"
#include "support/printdump.h"
#include "support/testfiles.h"
#include "whs/strokeindex.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace greenfold;
using namespace greenfold::matchplay;
using namespace greenfold::matchplay::testing;

namespace {

const fs::path printouts = fs::path(GREENFOLD_TEST_DATA) / "printouts";

// The holes (1-based) where a card line receives strokes, and how many.
std::string strokes(const CardLine& l) {
    std::string out;
    for (std::size_t h = 0; h < 18; ++h)
        if (l.strokes[h] != 0)
            out += (out.empty() ? "" : " ") + std::to_string(h + 1) +
                   (l.strokes[h] == 1 ? "" : "x" + std::to_string(l.strokes[h]));
    return out;
}

void golden(const std::string& name, const std::vector<Scorecard>& cards) {
    Printout out;
    RecordingSurface surface(out);
    EXPECT_EQ(printscorecards(surface, cards, "Courier New"), int(cards.size()));
    const std::string printed = greenfold::testing::dump(out);
    const fs::path file = printouts / ("scorecards-" + name + ".golden");
    if (std::getenv("GREENFOLD_WRITE_GOLDEN")) greenfold::testing::writebytes(file, printed);
    EXPECT_EQ(printed, greenfold::testing::readbytes(file)) << name;
}

MatchFile filewith(const MatchSettings& s) {
    MatchFile f;
    f.settings = s;
    return f;
}

} // namespace

TEST(Scorecards, eachPlayerHasHisMatchHandicapAndADotWhereHeReceives) {
    // Example 10.5: Eagles v Hawks on the back nine; A Bill 7 v Dan 10, B Carl 15 v Ed 12:
    // each receiver gets a stroke on holes 12, 14 and 16.
    const Week back9 = week(2, Nine::back, {{"Eagles", "Hawks"}});
    auto team = weekcards(filewith(teamsettings()), eagleshawks, examplenight({}), back9, 1);
    ASSERT_EQ(team.size(), 1u);
    // Who is on which line, with which handicap, the golden printout shows.
    const auto& lines = team[0].lines;
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(strokes(lines[0]) + "|" + strokes(lines[1]), "|12 14 16");
    EXPECT_EQ(strokes(lines[2]) + "|" + strokes(lines[3]), "12 14 16|");
    golden("team", team);

    // Example 10.3, player against player on the front nine: Ed gets 5, on 3, 5, 7, 1, 9.
    const std::vector<Side> players{{"Bill", {"Bill"}, {}}, {"Ed", {"Ed"}, {}}};
    const Week front9 = week(1, Nine::front, {{"Bill", "Ed"}, {"Carl", ""}});
    auto single = weekcards(filewith(individualsettings()), players, examplenight({}), front9, 1);
    ASSERT_EQ(single.size(), 1u); // the bye has no card
    EXPECT_EQ(strokes(single[0].lines[1]), "1 3 5 7 9");
    golden("nine", single);

    // Over 18 holes the handicaps are doubled: Ed gets 10 on the ten hardest of 18.
    MatchSettings eighteen = individualsettings();
    eighteen.holes = 18;
    const auto long18 =
        weekcards(filewith(eighteen), players, night({}, {{"Bill", 14}, {"Ed", 24}}),
                  week(1, Nine::all, {{"Bill", "Ed"}}), 1);
    EXPECT_EQ(strokes(long18[0].lines[1]), "1 3 5 7 9 10 12 14 16 18");
    golden("individual", long18);

    // Full handicaps: Bill's +2 gives strokes back on the two easiest holes of the nine (6
    // and 2), Carl's 11 gives him two on the two hardest.
    MatchSettings full = individualsettings();
    full.strokes = Strokes::full;
    const std::vector<Side> plus{{"Bill", {"Bill"}, {}}, {"Carl", {"Carl"}, {}}};
    const auto plusses = weekcards(filewith(full), plus, night({}, {{"Bill", -2}, {"Carl", 11}}),
                                   week(1, Nine::front, {{"Bill", "Carl"}}), 1);
    EXPECT_EQ(strokes(plusses[0].lines[0]), "2x-1 6x-1");
    EXPECT_EQ(strokes(plusses[0].lines[1]), "1 2 3x2 4 5x2 6 7 8 9");
    golden("plus", plusses);
}

TEST(Scorecards, theSheetSoFarDecidesWhoIsOnTheCard) {
    MatchFile f = filewith(teamsettings());
    const Week back9 = week(2, Nine::back, {{"Eagles", "Hawks"}});
    WeekSheet& sheet = f.sheetfor(2);
    fillsheet(sheet, back9, eagleshawks, {}, f.settings, {}); // no rounds: all absent
    const std::vector<std::string> everyone{"Bill", "Carl", "Dan", "Ed", "Sam"};
    const SheetContext c{back9, f.settings, {}, everyone, {}};
    ASSERT_TRUE(setsubstitute(sheet, c, "Carl", "Sam"));
    ASSERT_TRUE(setforfeit(sheet, c, "Ed"));
    ASSERT_TRUE(typehandicap(sheet, c, "Sam", 5));
    auto cards = weekcards(f, eagleshawks, examplenight({}), back9, 1);
    const auto& l = cards[0].lines;
    // Sam (5, typed) plays A for the Eagles against Dan (10), who gets 5; Ed forfeits the B
    // match and Bill plays it without strokes. Before the night the others play.
    EXPECT_EQ(l[0].name, "Eagles A: Sam for Carl");
    EXPECT_EQ(l[0].handicap, "5");
    EXPECT_EQ(strokes(l[1]), "10 12 14 16 18");
    EXPECT_EQ(l[2].name, "Eagles B: Bill");
    EXPECT_EQ(l[3].name, "Hawks B: Ed forfeits");
    EXPECT_EQ(strokes(l[2]) + strokes(l[3]), "");
    EXPECT_TRUE(cards[0].note.empty());

    // A course without stroke indexes, or a player without a handicap: no strokes, and
    // the card says why.
    NightInput bare = examplenight({});
    bare.courses[1].strokeindex.reset();
    bare.absenthcp.erase("Dan");
    cards = weekcards(filewith(teamsettings()), eagleshawks, bare, back9, 1);
    EXPECT_EQ(cards[0].note, "Hillcrest has no stroke indexes: no strokes marked; no match "
                             "handicap yet for Dan: no strokes marked");
    golden("note", {cards[0]}); // the note in small print under the card
    // Equal match handicaps: the first on the roster plays A.
    NightInput equal = examplenight({});
    equal.absenthcp["Carl"] = whs::Fraction(7);
    cards = weekcards(filewith(teamsettings()), eagleshawks, equal, back9, 1);
    EXPECT_EQ(cards[0].lines[0].name, "Eagles A: Bill");
    Week cancelled = back9;
    cancelled.cancelled = true;
    EXPECT_TRUE(weekcards(f, eagleshawks, examplenight({}), cancelled, 1).empty());
}

TEST(MatchPrintouts, aLongScheduleShrinksOntoOnePage_aWideWeekToThePageWidth) {
    ProgramState g;
    g.leaguefile = "SPRING.LGE";
    std::vector<std::string> lines(90, "Week  1  06/30/26  front  Eagles v Hawks");
    Printout out;
    RecordingSurface s(out);
    EXPECT_TRUE(printmatchlines(s, g, lines, "05-14-2004", true));
    EXPECT_EQ(out.pages, 1);
    EXPECT_LT(out.texts.back().size, matchprintsize);
    EXPECT_EQ(out.lines(1)[5].substr(0, 16), "      SPRING    ");

    // Too many for one page even at the smallest size: it goes on to a second page.
    std::vector<std::string> many(200, "x");
    RecordingSurface s2;
    EXPECT_FLOAT_EQ(fittedsize(s2, "Courier New", many, true), smallestprintsize);
    EXPECT_FLOAT_EQ(fittedsize(s2, "Courier New", many, false), matchprintsize);
    // 120 characters at 10 points are 10 inches: the font shrinks to fit 8.
    EXPECT_FLOAT_EQ(fittedsize(s2, "Courier New", {std::string(120, 'x')}, false), 8.0f);
}

TEST(MatchForms, datesAndWeeksAsTyped_theFirstDateOffered) {
    EXPECT_EQ(nighttext(*readnightdate("6/30/26")), "06/30/26");
    EXPECT_EQ(nighttext(*readnightdate("06/30/2026")), "06/30/26");
    EXPECT_EQ(nighttext(*readnightdate("06/30/2084")), "06/30/84"); // the last year of 1985-2084
    for (const char* bad :
         {"", "06/31/26", "13/01/26", "6-30-26", "06/30/1900", "06/30/2085", "06/30/6"})
        EXPECT_FALSE(readnightdate(bad)) << bad;
    EXPECT_EQ(datestext(*readdates(" 07/14/26, 8/4/26 ")), "07/14/26 08/04/26");
    EXPECT_TRUE(readdates("")->empty());
    EXPECT_FALSE(readdates("07/14/26 tomorrow"));
    EXPECT_EQ(weekstext(*readweeks("7,14")), "7 14");
    EXPECT_FALSE(readweeks("0"));
    EXPECT_FALSE(readweeks("53"));

    // The schedule's own first date; else the league's night after its newest, not before
    // today; else today.
    Schedule s;
    ResultsFile f;
    const NightDate today{7, 8, 26};
    EXPECT_EQ(offeredfirst(s, f, today), today);
    f.lines.push_back({});
    f.lines.back().date = {6, 2, 26};
    EXPECT_EQ(nighttext(offeredfirst(s, f, today)), "07/14/26");
    s.plan.first = {5, 5, 26};
    EXPECT_EQ(nighttext(offeredfirst(s, f, today)), "05/05/26");
}

TEST(Scorecards, aStrokePlayNightsCardsCarryEachPlayersHandicapInEffect) {
    // Player 1 holds 13.4, player 2 +2.0, player 3 has no round yet; slope 113.
    auto g = greenfold::testing::reportleague(3, 3);
    g->hcpindex[1][3] = 13.4f;
    g->hcpindex[2][3] = -2.0f;
    g->roundcount[3] = 0;
    for (int p = 1; p <= 3; ++p) g->playertee[p] = tee_mens;
    g->coursedata[1][courseline_strokeindex] = whs::strokeindexline(examplesi);
    g->coursedata[1][courseline_rating0 + tee_mens] = "70.0";
    ResultsFile f;
    const NightDate night{5, 14, 4};
    auto cards = nightcards(*g, f, {1, 2, 3}, 1, night, Nine::all);
    ASSERT_EQ(cards.size(), 1u);
    const auto& l = cards[0].lines;
    EXPECT_EQ(l[0].handicap, "13");
    EXPECT_EQ(strokes(l[0]), "1 3 4 5 7 8 9 10 12 13 14 16 18"); // indexes 1 to 13
    EXPECT_EQ(l[1].handicap, "+2");
    EXPECT_EQ(strokes(l[1]), "6x-1 15x-1"); // indexes 17 and 18 give back
    EXPECT_EQ(l[2].handicap, "");
    EXPECT_EQ(cards[0].note, "Player 3 has no handicap yet");
    EXPECT_EQ(cards[0].title, "05/14/04, 18 holes, Pine Valley");

    // A nine plays half the handicap (6.5, so 7) on its own holes; the results allowance
    // applies as the night's results take it (13 at 50 %: 7).
    cards = nightcards(*g, f, {1}, 1, night, Nine::front);
    EXPECT_EQ(cards[0].lines[0].handicap, "7");
    EXPECT_EQ(strokes(cards[0].lines[0]), "1 3 4 5 7 8 9");
    f.settings.allowance = 50;
    EXPECT_EQ(nightcards(*g, f, {1}, 1, night, Nine::all)[0].lines[0].handicap, "7");
    // Five players take two cards.
    EXPECT_EQ(nightcards(*g, f, {1, 2, 3, 1, 2}, 1, night, Nine::all).size(), 2u);
}
