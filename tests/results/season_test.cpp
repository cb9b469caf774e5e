// The results file, the handicap in effect and the nights kept in step with the league.
#include "model/leaguefile.h"
#include "resultlines.h"
#include "results/competition.h"
#include "results/newseason.h"
#include "results/night.h"
#include "results/nightbook.h"
#include "results/nightrecord.h"
#include "results/standings.h"
#include "scoring/roundslots.h"
#include "support/testfiles.h"
#include "teams/teamfile.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

// The Spring league: course 1, every hole a par 4, the Mens tee 70.5 / 125; Ann on the Mens
// tee; a folder for its files.
class Spring : public ::testing::Test {
  protected:
    Spring() {
        g->coursecount = 1;
        for (int h = 1; h <= 18; ++h) g->coursedata[1][courseline_par0 + h] = "4";
        g->coursedata[1][courseline_totalpar] = "72";
        g->coursedata[1][courseline_rating0 + tee_mens] = "70.5";
        g->coursedata[1][courseline_slope0 + tee_mens] = "125";
        g->playercount = 1;
        g->playername[1] = "Ann";
        g->playertee[1] = tee_mens;
        g->ninehole = 2;
        g->leaguefile = "Spring.LGE";
    }
    std::unique_ptr<ProgramState> g = std::make_unique<ProgramState>();
    TempDir dir;
};

// Records (or edits, slot > 0) player 1's round of June `day`, as the score window does.
void play(NightBook& book, int day, int out, int in, int slot = 0) {
    const RoundEntry e{
        1, slot, 1, 6, day, 26, {tee_mens, {}, std::to_string(out), std::to_string(in)}};
    ASSERT_TRUE(book.record(e).stored);
}

const ResultLine& lineof(const ResultsFile& f, int day) {
    for (const ResultLine& l : f.lines)
        if (l.date.day == day) return l;
    throw std::runtime_error("no line");
}

} // namespace

TEST(ResultsFile, roundTripsAndRefusesALineAtOddsWithItself) {
    ResultsFile f;
    f.settings = {90,
                  Scoring::gross,
                  TieRule::countback,
                  {12, 9},
                  1,
                  FlightMode::byhand,
                  3,
                  FlightDraw::everynight,
                  {{"Ann Lee", "Gold"}},
                  8,
                  {SkinsMode::both, true, true, 1205},
                  3};
    f.lines = {resultline("Ann Lee", {}, std::nullopt), totalsline("Bo", 38, 0, -2, 2)};
    f.lines[1].index = -15;
    f.started = NightDate{10, 6, 26};
    f.drawn = {{"Ann Lee", 0, 124}, {"Bo", 2, std::nullopt}};
    const std::string bytes = resultsbytes(f);
    EXPECT_EQ(bytes.substr(0, 21), "Greenfold results 3\r\n");
    EXPECT_NE(bytes.find("Gold\r\n 3 \r\n 1 \r\n 1 \r\n12.05\r\n 3 \r\n10/06/26\r\n 2 \r\n"
                         "1 12.4 Ann Lee\r\n3 - Bo\r\n 2 \r\n"),
              std::string::npos);
    EXPECT_NE(
        bytes.find("06/02/26 1 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 38 0 38 -1.5 -2 -2 40 Bo\r\n"),
        std::string::npos);
    EXPECT_EQ(resultsof(bytes), f);
    // Version 2 has neither the day the season started nor the draw; version 1 no skins and
    // team lines either: their defaults.
    std::string second = bytes;
    second.replace(second.find("3\r\n"), 1, "2");
    second.erase(second.find("10/06/26\r\n"), 10 + 29); // the day, then the five draw lines
    ResultsFile defaults = f;
    defaults.started.reset();
    defaults.drawn.clear();
    EXPECT_EQ(resultsof(second), defaults);
    std::string first = second;
    first.replace(first.find("2\r\n"), 1, "1").erase(first.find("Gold\r\n") + 6, 27);
    defaults.settings.skins = {};
    defaults.settings.teambest = 0;
    EXPECT_EQ(resultsof(first), defaults);
    // A net that is not gross less handicap, a bad figure where a player without a handicap
    // has none, a drawn flight past the flights, or a file cut short: refused whole.
    std::vector<std::string> bad = {std::string(bytes).replace(bytes.find(" 40 Bo"), 6, " 41 Bo"),
                                    std::string(bytes).replace(bytes.find("3 - Bo"), 1, "4"),
                                    bytes.substr(0, bytes.size() - 10)};
    const std::size_t points = bytes.find(" 12 \r\n 9 \r\n");
    ASSERT_NE(points, std::string::npos);
    EXPECT_TRUE(resultsof(std::string(bytes).replace(points, 4, " 9999 ")));
    bad.push_back(std::string(bytes).replace(points, 4, " 10000 "));      // points past 9999
    const std::size_t best = bytes.find(" 8 \r\n 1 \r\nAnn Lee\r\nGold"); // best nights counted
    ASSERT_NE(best, std::string::npos);
    EXPECT_TRUE(resultsof(std::string(bytes).replace(best, 3, " 999 ")));
    bad.push_back(std::string(bytes).replace(best, 3, " 1000 "));
    for (std::size_t field = 0; field < 4; ++field)
        bad.push_back(std::string(bytes).replace(bytes.find("- - - - Ann") + 2 * field, 1, "x"));
    for (const std::string& b : bad) EXPECT_FALSE(resultsof(b)) << b;
}

TEST_F(Spring, aDamagedResultsFileIsKeptBeforeTheFirstSave) {
    writebytes(dir.path() / "Spring.res", "Greenfold results 1\r\nnot a number\r\n");
    LoadedResults r = loadresults(*g, dir.path());
    EXPECT_TRUE(r.outcome.ok);
    ASSERT_EQ(r.outcome.messages.size(), 1u);
    EXPECT_TRUE(r.file.lines.empty());
    EXPECT_TRUE(saveresults(*g, r.file, dir.path()).ok);
    int kept = 0;
    for (const auto& e : fs::directory_iterator(dir.path()))
        kept += e.path().filename().string().rfind("Spring.res.damaged-", 0) == 0;
    EXPECT_EQ(kept, 1);
}

TEST_F(Spring, handicapInEffect_classicNineHoleWhsAndTheResultsAllowanceRoundedOnce) {
    ResultLine l = resultline("Ann", {}, std::nullopt);
    l.out = 45;
    l.in = 47;
    using Figures = std::tuple<std::optional<int>, std::optional<int>>; // base, hcp
    auto figures = [&](int index, int allowance) {
        const InEffect e = handicapfor(*g, l, index, allowance);
        return Figures(e.base, e.hcp);
    };
    // Int(8.8 x 125 / 113 + .5) = 10; 9.9 gives 11.45, so 11; at 85% 9.35, so 9.
    EXPECT_EQ(figures(88, 100), Figures(10, 10));
    EXPECT_EQ(figures(99, 85), Figures(11, 9));
    EXPECT_FALSE(handicapfor(*g, l, std::nullopt, 100).hcp);
    // A nine takes half, rounded once after the allowance: 12.5 on slope 117 is 13, half
    // 6.5, at 80% 5.2, so 5 (not 7 x 80% = 5.6, 6); the base shows the half going up.
    l.in = 0;
    g->coursedata[1][courseline_slope0 + tee_mens] = "117";
    EXPECT_EQ(figures(125, 80), Figures(7, 5));
    EXPECT_EQ(figures(125, 100), Figures(7, 7));
    // WHS: 10.0 x 125 / 113 + (70.5 - 72) = 9.56; the lists' 90% gives the base 8.61, so 9;
    // the night takes the competition's 80% of 9.56 alone, 7.65, so 8.
    g->method = HandicapMethod::whs;
    g->allowance = 90;
    g->coursedata[1][courseline_slope0 + tee_mens] = "125";
    l.in = 47;
    EXPECT_EQ(figures(100, 80), Figures(9, 8));
    // A WHS league's first results file starts at its allowance; a changed allowance works
    // every night out again from its index, not from the base.
    ResultsFile f = loadresults(*g, dir.path()).file;
    EXPECT_EQ(f.settings.allowance, 90);
    l.index = 100, l.base = 9, l.hcp = 9;
    f.lines = {l};
    CompetitionSettings s = f.settings;
    s.allowance = 80;
    changesettings(f, s, *g);
    EXPECT_EQ(f.lines[0].hcp, 8);
    EXPECT_EQ(withallowance(10, 85), 9);
    EXPECT_EQ(withallowance(-3, 50), -1); // half a plus 3 is +1
    // Under WHS a round has an index in effect once one was issued by the previous round's day.
    g->roundcount[1] = 2;
    g->rmonth[1][1] = 6, g->rday[1][1] = 1, g->ryear[1][1] = 26, g->hcpindex[1][1] = 12.0f;
    g->history[1].issued = {{2026, 6, 1, 120}};
    EXPECT_EQ(indexbefore(*g, 1, 2), 120);
    g->history[1].issued = {{2026, 6, 2, 120}};
    EXPECT_EQ(indexbefore(*g, 1, 2), std::nullopt);
}

TEST_F(Spring, nightsFollowEditsAndDeletions_andKeepNightsTheLeagueDropped) {
    NightBook book(*g, dir.path());
    const ResultsFile& f = book.file();
    play(book, 1, 46, 46);
    // No earlier round: no handicap. After 92: (92 - 70.5) x 113 / 125 = 19.4, x .96 is
    // an index of 18.6, a course handicap of Int(20.58 + .5) = 21 for the second night.
    EXPECT_FALSE(lineof(f, 1).hcp);
    play(book, 2, 45, 45);
    EXPECT_EQ(lineof(f, 2).index, 186);
    EXPECT_EQ(lineof(f, 2).net(), 69);
    // The second night's round edited afterwards: its night changes with it.
    play(book, 2, 47, 48, 2);
    EXPECT_EQ(lineof(f, 2).net(), 74);
    EXPECT_EQ(f.lines.size(), 2u);

    for (int day = 3; day <= 21; ++day) play(book, day, 46, 46);
    EXPECT_EQ(g->roundcount[1], 20);
    const ResultLine second = lineof(f, 2);
    // The league now keeps the second night as its first round: editing it keeps the index
    // the line remembers from the night the league dropped.
    play(book, 2, 47, 48, 1);
    EXPECT_EQ(lineof(f, 2), second);
    EXPECT_EQ(standings(f)[0].rows[0].nights, 21);
    // Deleting that round takes it off its night; the file written holds what is shown.
    EXPECT_TRUE(book.remove(1, 1, tee_mens).deleted);
    EXPECT_EQ(standings(f)[0].rows[0].nights, 20);
    EXPECT_TRUE(book.save());
    EXPECT_EQ(loadresults(*g, dir.path()).file, f);
}

TEST_F(Spring, firstResults_ofALeagueWithRoundsButNoFile_areTheNightsOfItsNewestRoundsYear) {
    g->playername[++g->playercount] = "Bob";
    g->playertee[2] = tee_mens;
    const auto round = [&](int p, int month, int day, int year) {
        ASSERT_TRUE(
            recordround(*g, {p, 0, 1, month, day, year, {tee_mens, {}, "46", "46"}}).stored);
    };
    round(1, 12, 1, 25);
    round(1, 6, 1, 26);
    round(2, 6, 1, 26);
    round(2, 6, 8, 26);
    // Ann's June night has the index stored with her December round, not in the file;
    // Bob's oldest kept round has none.
    const LoadedResults r = loadresults(*g, dir.path());
    EXPECT_FALSE(r.exists);
    ASSERT_EQ(r.file.lines.size(), 3u);
    EXPECT_EQ(r.file.lines[0].index, 186); // 92 on 70.5 / 125: 19.4 x .96
    EXPECT_EQ(std::tuple(r.file.lines[1].name, r.file.lines[1].hcp),
              std::tuple("Bob", std::nullopt));
    EXPECT_TRUE(r.file.lines[2].hcp);
    // A round of a new year recorded into it: the first file written holds that year alone.
    NightBook book(*g, dir.path());
    ASSERT_TRUE(book.record({1, 0, 1, 1, 5, 27, {tee_mens, {}, "45", "45"}}).stored);
    ASSERT_TRUE(book.save());
    const LoadedResults saved = loadresults(*g, dir.path());
    ASSERT_TRUE(saved.exists);
    EXPECT_EQ(seasonnights(saved.file), (std::vector<NightDate>{{1, 5, 27}}));
    // A new season on a league whose first file was never written keeps that file aside.
    TempDir other;
    const std::string first = resultsbytes(loadresults(*g, other.path()).file);
    const SeasonStart start = planseason(*g, other.path());
    ASSERT_TRUE(start.plan);
    ASSERT_TRUE(startseason(*g, *start.plan, other.path()));
    EXPECT_EQ(readbytes(other.path() / "Spring-2027.res"), first);
}

TEST_F(Spring, theResultsFileFollowsTheRoster) {
    ResultsFile f;
    f.lines = {resultline("Ann", {}, 4), resultline("Bob", {}, 6), resultline("Ann", {}, 5, 8)};
    f.settings.assigned = {{"Ann", "Gold"}};
    ASSERT_TRUE(saveresults(*g, f, dir.path()));
    RosterChanges changes;
    changes.renamed("Ann", "Anne");
    changes.removed("Bob");
    ASSERT_TRUE(changes.save(*g, nullptr, dir.path()));
    f = loadresults(*g, dir.path()).file;
    EXPECT_EQ(f.lines.size(), 2u);
    EXPECT_EQ(f.lines[1].name, "Anne");
    EXPECT_EQ(f.settings.assigned, (std::vector<FlightAssignment>{{"Anne", "Gold"}}));
}

TEST_F(Spring, newSeason_keepsRoundsAndTeams_putsNightsAndTeamPointsAside_thenAFreshTable) {
    EXPECT_EQ(planseason(*g, dir.path()).refusal.text,
              "Spring has no night in its results yet: there is no season to put aside.");
    {
        NightBook book(*g, dir.path());
        play(book, 1, 46, 46);
        play(book, 8, 45, 45);
        ASSERT_TRUE(book.save());
    }
    ResultsFile season = loadresults(*g, dir.path()).file;
    season.settings.points = {5, 3};
    ASSERT_TRUE(saveresults(*g, season, dir.path()));
    ASSERT_TRUE(saveleague(*g, dir.path()));
    // The Eagles, Ann's team, with 12 points for June 1.
    const std::string teamfile = " 1 \r\nEagles\r\n 1 \r\n 1 \r\nJune 1\r\n 0 \r\n 12 \r\n";
    writebytes(dir.path() / "Spring.tea", teamfile);
    g->playerteam[1] = 1;
    const std::string nights = readbytes(dir.path() / "Spring.res");
    const std::string leaguebytes = readbytes(dir.path() / "Spring.LGE");
    writebytes(dir.path() / "Spring-2026.tea", "an older season's teams"); // the name is taken

    const SeasonStart start = planseason(*g, dir.path());
    ASSERT_TRUE(start.plan);
    EXPECT_EQ(std::tuple(start.plan->nights, start.plan->resultsto, start.plan->teamsto),
              std::tuple(2, "Spring-2026-2.res", "Spring-2026-2.tea"));
    EXPECT_NE(newseasonquestion(*g, *start.plan).text.find("the 2 nights"), std::string::npos);
    // A team file that cannot be kept aside stops it all: nights and team points stay.
    SeasonPlan broken = *start.plan;
    broken.teams = "Gone.tea";
    EXPECT_FALSE(startseason(*g, broken, dir.path()));
    EXPECT_EQ(
        std::tuple(readbytes(dir.path() / "Spring.res"), readbytes(dir.path() / "Spring.tea")),
        std::tuple(nights, teamfile));
    EXPECT_FALSE(fs::exists(dir.path() / "Spring-2026-2.res"));
    ASSERT_TRUE(startseason(*g, *start.plan, dir.path()));
    EXPECT_EQ(readbytes(dir.path() / "Spring-2026-2.res"), nights);
    EXPECT_EQ(readbytes(dir.path() / "Spring-2026-2.tea"), teamfile);
    EXPECT_EQ(readbytes(dir.path() / "Spring.LGE"), leaguebytes);
    const ResultsFile fresh = loadresults(*g, dir.path()).file;
    EXPECT_TRUE(fresh.lines.empty());
    EXPECT_EQ(fresh.settings, season.settings);
    EXPECT_EQ(readbytes(dir.path() / "Spring.tea"),
              " 1 \r\nEagles\r\n 1 \r\n 0 \r\n");                      // no records
    EXPECT_EQ(planseason(*g, dir.path()).refusal.title, "New Season"); // no night now

    NightBook book(*g, dir.path());
    play(book, 15, 44, 44); // the handicap carries over
    EXPECT_EQ(book.file().lines.size(), 1u);
    EXPECT_TRUE(book.file().lines[0].hcp);
}

TEST_F(Spring, flightsDrawnOnceAtTheFirstNightFromTheWholeLeague_aLaterPlayerMovesNobody) {
    // Ann 5.0 and Bob 20.0 play the first night; Cy held 10.0 from May, Di has no index.
    for (const char* name : {"Bob", "Cy", "Di"}) g->playername[++g->playercount] = name;
    g->roundcount[3] = 1;
    g->rmonth[3][1] = 5, g->rday[3][1] = 20, g->ryear[3][1] = 26, g->hcpindex[3][1] = 10.0f;
    ResultsFile f;
    f.settings.flights = FlightMode::byhandicap;
    f.lines = {resultline("Ann", {}, 5, 1, 50), resultline("Bob", {}, 20, 1, 200)};
    keepdraw(f, *g);
    const std::vector<DrawnPlayer> drawn = {
        {"Ann", 0, 50}, {"Cy", 0, 100}, {"Bob", 1, 200}, {"Di", 1, std::nullopt}};
    EXPECT_EQ(f.drawn, drawn);
    const NightResults first = nightresults(f, {6, 1, 26});
    // Cy plays later in the flight drawn for him; Ed, new to the league, goes where his
    // index puts him (12.0: past A's highest, 10.0), Flo at 8.0 to A: nobody moves.
    for (auto [name, index] : {std::pair("Cy", 300), {"Ed", 120}, {"Flo", 80}})
        f.lines.push_back(resultline(name, {}, index / 10, 8, index));
    const Flights later = drawflights(f, {6, 8, 26});
    EXPECT_EQ(later.of, (std::map<std::string, int>{
                            {"Ann", 0}, {"Bob", 1}, {"Cy", 0}, {"Di", 1}, {"Ed", 1}, {"Flo", 0}}));
    EXPECT_EQ(nightresults(f, {6, 1, 26}).flights.size(), first.flights.size());
    EXPECT_EQ(nightresults(f, {6, 1, 26}).flights[1].rows[0].name, "Bob");
    // The draw is kept in the file; three flights draw again, a rename follows it.
    EXPECT_EQ(resultsof(resultsbytes(f))->drawn, drawn);
    CompetitionSettings three = f.settings;
    three.flightcount = 3;
    changesettings(f, three, *g);
    EXPECT_EQ(f.drawn[2], (DrawnPlayer{"Bob", 2, 200}));
    renameinresults(f, "Bob", "Rob");
    EXPECT_EQ(drawflights(f, {6, 8, 26}).flightof("Rob"), 2);
}
