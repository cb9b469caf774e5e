// Match play's view of the open league: the roster and its teams, the courses, the course
// handicap by either method, and a week's night from the results file.
#include "example.h"
#include "matchplay/league.h"

#include <gtest/gtest.h>

#include <memory>

using namespace greenfold;
using namespace greenfold::matchplay;
using namespace greenfold::matchplay::testing;

namespace {

// The example course as course 1 (Mens tee 72.0 / 113, so a classic course handicap is
// the index), course 2 without stroke indexes; Bill, Ed, Dan and Al on the Mens tee.
std::unique_ptr<ProgramState> league() {
    auto g = std::make_unique<ProgramState>();
    g->coursecount = 2;
    for (int c = 1; c <= 2; ++c) {
        g->coursedata[c][courseline_name] = c == 1 ? "Hillcrest" : "Lakeside";
        for (int h = 1; h <= 18; ++h)
            g->coursedata[c][courseline_par0 + h] = std::to_string(examplepar[std::size_t(h - 1)]);
        g->coursedata[c][courseline_rating0 + tee_mens] = "72.0";
        g->coursedata[c][courseline_slope0 + tee_mens] = "113";
        g->coursedata[c][courseline_rating0 + tee_ladies] = "73.1";
        g->coursedata[c][courseline_slope0 + tee_ladies] = "130";
    }
    g->coursedata[1][courseline_strokeindex] = whs::strokeindexline(examplesi);
    g->playercount = 4;
    const char* names[] = {"Bill", "Ed", "Dan", "Al"};
    for (int p = 1; p <= 4; ++p) {
        g->playername[p] = names[p - 1];
        g->playertee[p] = tee_mens;
    }
    return g;
}

ResultLine line(const std::string& name, NightDate date, const Holes& holes,
                std::optional<int> index, int course = 1) {
    ResultLine l;
    l.date = date;
    l.name = name;
    l.course = int16_t(course);
    l.tee = tee_mens;
    for (std::size_t h = 0; h < 18; ++h) l.holes[h] = int16_t(holes[h]);
    l.index = index;
    return l;
}

void keep(ProgramState& g, int p, int r, NightDate date, float index) {
    g.roundcount[p] = int16_t(std::max<int>(g.roundcount[p], r));
    g.rmonth[p][r] = date.month;
    g.rday[p][r] = date.day;
    g.ryear[p][r] = date.year;
    g.hcpindex[p][r] = index;
}

} // namespace

TEST(League, theRosterCoursesAndTeams) {
    auto g = league();
    auto t = std::make_unique<Teamdata>();
    t->teamcount = 2;
    t->teamname[1] = "Eagles";
    t->teamname[2] = "Hawks";
    g->playerteam[1] = 2;
    g->playerteam[2] = 1;
    g->playerteam[4] = 7; // past the last team: none
    const Roster r = leagueroster(*g, *t);
    EXPECT_EQ(r.teams, (std::vector<std::string>{"Eagles", "Hawks"}));
    ASSERT_EQ(r.players.size(), 4u);
    EXPECT_EQ(std::tuple(r.players[0].name, r.players[0].team), std::tuple("Bill", 2));
    EXPECT_EQ(r.players[3].team, 0);
    EXPECT_TRUE(leaguehasteams(*g, *t));
    EXPECT_EQ(leagueplayers(*g), (std::vector<std::string>{"Bill", "Ed", "Dan", "Al"}));
    const CourseHoles c = courseholes(*g, 1);
    EXPECT_EQ(std::tuple(c.name, c.par, c.strokeindex),
              std::tuple("Hillcrest", examplepar, examplesi));
    EXPECT_FALSE(courseholes(*g, 2).strokeindex.has_value());
}

TEST(League, theCourseHandicapForTheMatchsHolesByEitherMethod) {
    auto g = league();
    // Classic: 13 on the Mens tee, half of it for a nine, not rounded: 6.5.
    EXPECT_EQ(matchcoursehcp(*g, 130, 1, tee_mens, Nine::front), whs::Fraction(13, 2));
    EXPECT_EQ(matchcoursehcp(*g, 130, 1, tee_mens, Nine::all), whs::Fraction(13));
    EXPECT_FALSE(matchcoursehcp(*g, 130, 1, tee_pro, Nine::all).has_value());
    // WHS, 12.4 on the Ladies tee 73.1 / 130: 12.4 x 130 / 113 + 1.1 = 15.37 over 18; the
    // front nine's own, 6.2 x 130 / 113 + 0.55 = 7.68.
    g->method = HandicapMethod::whs;
    const auto whs18 = matchcoursehcp(*g, 124, 1, tee_ladies, Nine::all);
    const auto whs9 = matchcoursehcp(*g, 124, 1, tee_ladies, Nine::front);
    ASSERT_TRUE(whs18 && whs9);
    EXPECT_EQ(*whs18, whs::Fraction(1612, 113) + whs::Fraction(11, 10));
    EXPECT_EQ(*whs9, whs::Fraction(806, 113) + whs::Fraction(55, 100));
    EXPECT_EQ(std::pair(matchhandicap(*whs18, 100), matchhandicap(*whs18, 90)), std::pair(15, 14));
    EXPECT_EQ(std::pair(matchhandicap(*whs9, 100), matchhandicap(*whs9, 90)), std::pair(8, 7));
}

TEST(League, aWeeksNightFromTheResultsFile) {
    auto g = league();
    ResultsFile f;
    const NightDate night{5, 5, 26}, later{5, 12, 26};
    // Bill and Ed on course 1, Al on course 2 that night; Dan played only a week later.
    f.lines = {line("Bill", night, billfront, 130), line("Ed", night, edfront, std::nullopt),
               line("Al", night, billfront, 90, 2), line("Bill", later, billback, 120),
               line("Dan", later, danback, 100)};
    // The index before a night is the one his next line carries; after his last line, the
    // one issued after his last kept round before the night.
    keep(*g, 2, 1, {4, 28, 26}, 7.0f);
    keep(*g, 2, 2, {5, 20, 26}, 7.5f);
    keep(*g, 2, 3, {6, 20, 26}, 8.5f);
    EXPECT_EQ(indexbeforenight(*g, f, 3, night), 100);
    EXPECT_EQ(indexbeforenight(*g, f, 1, night), 130);
    EXPECT_EQ(indexbeforenight(*g, f, 2, night), std::nullopt);
    EXPECT_EQ(indexbeforenight(*g, f, 2, {5, 26, 26}), 75);
    // Under the WHS method the index history says which index was issued before the night.
    g->method = HandicapMethod::whs;
    g->history[2].issued = {{2026, 4, 28, 70}, {2026, 5, 27, 74}};
    EXPECT_EQ(indexbeforenight(*g, f, 2, {5, 26, 26}), 70);
    g->method = HandicapMethod::classic;

    // A line that keeps no tee takes the player's own: Al plays the Ladies tee (73.1 / 130).
    f.lines[2].tee = 0;
    g->playertee[4] = tee_ladies;
    Week w1 = week(1, Nine::front, {});
    w1.date = night;
    const NightInput n = nightinput(*g, f, w1);
    ASSERT_EQ(n.cards.size(), 3u);
    EXPECT_EQ(n.nightcourse, 1);
    EXPECT_EQ(n.card("Bill")->coursehcp, whs::Fraction(13, 2));
    EXPECT_EQ(n.card("Bill")->holes, billfront);
    EXPECT_FALSE(n.card("Ed")->coursehcp.has_value());
    EXPECT_EQ(n.card("Al")->course, 2);
    EXPECT_EQ(n.card("Al")->coursehcp, whs::Fraction(5)); // 9.0 x 130 / 113 is 10, half 5
    EXPECT_EQ(n.courses.size(), 2u);
    // Absent players' handicaps on their default tee on the night's course.
    EXPECT_EQ(n.absenthcp.at("Dan"), whs::Fraction(5));
    EXPECT_EQ(n.absenthcp.count("Ed"), 0u);
    const SeasonNights all =
        leaguenights(*g, f, makeschedule({"Bill", "Ed"}, {3, night, {}, {}}, {}));
    EXPECT_EQ(all.size(), 2u); // weeks 1 and 2 have rounds, week 3 none
    EXPECT_EQ(nightswithrounds(f), (Nights{night, later}));
}
