// The demo folder the program ships is what the program makes of the demo league's rounds:
// its nine-hole option to match Willow Creek's nine-hole ratings, stroke indexes on both
// courses, two teams, and a first season of results with flights, skins and team points.
// Run with GREENFOLD_WRITE_DEMO=1 to write the demo folder afresh after a change.
#include "model/coursefile.h"
#include "model/latestfile.h"
#include "model/leaguefile.h"
#include "publish/teampost.h"
#include "results/competition.h"
#include "results/night.h"
#include "results/skins.h"
#include "scoring/replay.h"
#include "support/testfiles.h"
#include "teams/teamfile.h"
#include "teams/teamrules.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

const fs::path demo = fs::path(GREENFOLD_TEST_DATA) / ".." / ".." / "resources" / "demo";
const char* league = "Tuesday Night League.LGE";

CompetitionSettings demosettings() {
    CompetitionSettings s;
    s.ties = TieRule::countback;
    s.participation = 1;
    // By hand: on the first night nobody has a handicap to be drawn by yet.
    s.flights = FlightMode::byhand;
    for (const char* name : {"Frank Doyle", "Ed Castillo", "Irene Garza", "Bill Archer"})
        s.assigned.push_back({name, "Gold"});
    for (const char* name : {"Dana Brooks", "Hank Foster", "Grace Ellis", "Jack Hughes"})
        s.assigned.push_back({name, "Silver"});
    s.bestnights = 8;
    s.skins = {SkinsMode::both, true, true, 200};
    s.teambest = 3;
    return s;
}

void teamup(ProgramState& g, Teamdata& t) {
    clearteams(t);
    for (int p = 1; p <= g.playercount; ++p) g.playerteam[p] = 0;
    nameteam(t, "Eagles");
    ASSERT_TRUE(
        assignplayers(g, t, {"Bill Archer", "Ed Castillo", "Grace Ellis", "Irene Garza"}).done);
    ASSERT_TRUE(createteam(t, "Hawks").done);
    nameteam(t, "Hawks");
    ASSERT_TRUE(
        assignplayers(g, t, {"Dana Brooks", "Frank Doyle", "Hank Foster", "Jack Hughes"}).done);
}

// The demo league in dir made from the rounds of the one shipped.
void makedemo(const fs::path& dir) {
    for (const char* file : {latestfilename, coursefilename, league})
        fs::copy_file(demo / file, dir / file);
    auto g = std::make_unique<ProgramState>();
    ASSERT_TRUE(loadlatest(*g, dir) && loadcourses(*g, dir));
    g->leaguefile = league;
    ASSERT_TRUE(loadleague(*g, dir));
    g->ninehole = 3; // Willow Creek keeps its nine's own ratings
    g->coursedata[1][courseline_strokeindex] = "SI 7 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14 10";
    g->coursedata[2][courseline_strokeindex] = "SI 5 7 9 1 3 8 2 6 4 5 7 9 1 3 8 2 6 4";
    replayleague(*g, HandicapMethod::classic);
    auto teams = std::make_unique<Teamdata>();
    teamup(*g, *teams);
    ResultsFile f = loadresults(*g, dir).file;
    changesettings(f, demosettings(), *g);
    const std::vector<NightDate> nights = seasonnights(f); // newest first
    for (auto night = nights.rbegin(); night != nights.rend(); ++night)
        ASSERT_TRUE(postnight(*teams, teamnight(*g, *teams, f, *night), *night));
    ASSERT_TRUE(savelatest(*g, dir) && savecourses(*g, dir));
    LeagueCommit commit(dir, g->leaguefile);
    stageleague(*g, commit);
    stageresults(*g, f, commit);
    stageteams(*g, *teams, commit);
    ASSERT_TRUE(commit.run(g->damagedfiles));
}

} // namespace

TEST(Demo, isWhatTheProgramMakesOfItsRounds_andShowsEveryResultsFeature) {
    TempDir made;
    makedemo(made.path());
    const bool write = std::getenv("GREENFOLD_WRITE_DEMO") != nullptr;
    for (const char* file : {latestfilename, coursefilename, league, "Tuesday Night League.res",
                             "Tuesday Night League.tea"}) {
        if (write)
            fs::copy_file(made.path() / file, demo / file, fs::copy_options::overwrite_existing);
        EXPECT_TRUE(readbytes(made.path() / file) == readbytes(demo / file))
            << file << " differs from what the program makes: GREENFOLD_WRITE_DEMO=1 writes it";
    }
    auto g = std::make_unique<ProgramState>();
    ASSERT_TRUE(loadlatest(*g, demo) && loadcourses(*g, demo));
    g->leaguefile = league;
    ASSERT_TRUE(loadleague(*g, demo));
    const LoadedResults r = loadresults(*g, demo);
    ASSERT_TRUE(r.exists);
    const NightDate full{4, 28, 26}; // all eight played
    EXPECT_EQ(nightresults(r.file, full).flights.size(), 2u);
    const NightSkins skins = nightskins(r.file, *g, full);
    EXPECT_EQ(skins.games.size(), 4u); // gross and net in each flight
    EXPECT_TRUE(skins.nonet.empty());
    EXPECT_EQ(courseindexes(*g).size(), 2u);
    EXPECT_TRUE(hasteams(*g, demo));
}
