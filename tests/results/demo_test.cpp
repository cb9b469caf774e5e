// The demo folder is what the program makes of the demo league's rounds: the nine-hole
// option that matches Willow Creek's nine-hole ratings, stroke indexes on both courses, four
// teams of two, a season of results with flights, skins and team points, and six weeks of
// match play between the teams. After a change, GREENFOLD_WRITE_DEMO=1 writes the demo
// folder afresh.
#include "matchplay/matchstore.h"
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

using namespace greenfold;
using namespace greenfold::testing;

namespace {

const fs::path demo = fs::path(GREENFOLD_TEST_DATA) / ".." / ".." / "resources" / "demo";
const std::string league = "Tuesday Night League";

std::unique_ptr<ProgramState> opendemo(const fs::path& dir) {
    auto g = std::make_unique<ProgramState>();
    g->leaguefile = league + ".LGE";
    EXPECT_TRUE(loadlatest(*g, dir) && loadcourses(*g, dir) && loadleague(*g, dir));
    return g;
}

// Gold and Silver by hand: on the first night nobody has a handicap to be drawn by.
CompetitionSettings demosettings() {
    CompetitionSettings s;
    s.ties = TieRule::countback;
    s.participation = 1;
    s.flights = FlightMode::byhand;
    for (const char* p : {"Frank Doyle", "Ed Castillo", "Irene Garza", "Bill Archer"})
        s.assigned.push_back({p, "Gold"});
    for (const char* p : {"Dana Brooks", "Hank Foster", "Grace Ellis", "Jack Hughes"})
        s.assigned.push_back({p, "Silver"});
    s.bestnights = 8;
    s.skins = {SkinsMode::both, true, true, 200};
    return s;
}

// Match play between the four teams on the front nine (Willow Creek's rounds are front
// nines), a week every Tuesday from the second night, when everyone has an index; the sixth
// week paired from the table. One player is away on 05/12, two on 05/19: phantoms play.
void addmatches(ProgramState& g, const fs::path& dir, LeagueCommit& commit) {
    matchplay::MatchSeason s = matchplay::openseason(g, dir);
    s.file.settings = matchplay::defaultsettings(true);
    s.file.settings.on = true;
    s.file.settings.nines = matchplay::Nines::front;
    matchplay::refreshseason(s, g);
    ASSERT_TRUE(matchplay::newschedule(s.file, s.sides, {6, {4, 14, 26}, {}, {6}}, {}, false));
    matchplay::refreshseason(s, g);
    matchplay::complete(s);
    matchplay::stagematches(g, s.file, commit);
}

void makedemo(const fs::path& dir) {
    for (const std::string& file :
         {std::string(latestfilename), std::string(coursefilename), league + ".LGE"})
        fs::copy_file(demo / file, dir / file);
    auto g = opendemo(dir);
    g->ninehole = 3; // Willow Creek keeps its nine's own ratings
    g->coursedata[1][courseline_strokeindex] = "SI 7 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14 10";
    g->coursedata[2][courseline_strokeindex] = "SI 5 7 9 1 3 8 2 6 4 5 7 9 1 3 8 2 6 4";
    replayleague(*g, HandicapMethod::classic);
    auto t = std::make_unique<Teamdata>();
    const std::pair<const char*, std::vector<std::string>> teams[] = {
        {"Eagles", {"Bill Archer", "Ed Castillo"}},
        {"Hawks", {"Dana Brooks", "Frank Doyle"}},
        {"Owls", {"Grace Ellis", "Hank Foster"}},
        {"Wrens", {"Irene Garza", "Jack Hughes"}}};
    for (const auto& [name, players] : teams) {
        if (t->teamcount > 0) createteam(*t, name);
        nameteam(*t, name);
        ASSERT_TRUE(assignplayers(*g, *t, players).done);
    }
    ResultsFile f = loadresults(*g, dir).file;
    changesettings(f, demosettings(), *g);
    const std::vector<NightDate> nights = seasonnights(f); // newest first
    for (auto night = nights.rbegin(); night != nights.rend(); ++night)
        ASSERT_TRUE(postnight(*t, teamnight(*g, *t, f, *night), *night));
    LeagueCommit commit(dir, g->leaguefile);
    stageleague(*g, commit);
    stageresults(*g, f, commit);
    stageteams(*g, *t, commit);
    ASSERT_TRUE(commit.run(g->damagedfiles));
    LeagueCommit matches(dir, g->leaguefile);
    addmatches(*g, dir, matches);
    ASSERT_TRUE(savelatest(*g, dir) && savecourses(*g, dir) && matches.run(g->damagedfiles));
}

} // namespace

TEST(Demo, isWhatTheProgramMakesOfItsRounds_andShowsEveryResultsFeature) {
    TempDir made;
    makedemo(made.path());
    for (const std::string& file :
         {std::string(latestfilename), std::string(coursefilename), league + ".LGE",
          league + ".res", league + ".tea", league + ".mat"}) {
        if (std::getenv("GREENFOLD_WRITE_DEMO"))
            fs::copy_file(made.path() / file, demo / file, fs::copy_options::overwrite_existing);
        EXPECT_TRUE(readbytes(made.path() / file) == readbytes(demo / file))
            << file << " is not what the program makes: GREENFOLD_WRITE_DEMO=1 writes it";
    }
    // A night all eight played: two flights, gross and net skins in each, the teams posted.
    auto g = opendemo(demo);
    const ResultsFile f = loadresults(*g, demo).file;
    EXPECT_EQ(nightresults(f, {4, 28, 26}).flights.size(), 2u);
    const NightSkins skins = nightskins(f, *g, {4, 28, 26});
    EXPECT_EQ(std::tuple(skins.games.size(), skins.nonet), std::tuple(4u, ""));
    EXPECT_TRUE(hasteams(*g, demo));
    // Six weeks of matches worked out, the last paired from the table; three phantoms.
    const matchplay::MatchSeason season = matchplay::openseason(*g, demo);
    int played = 0, phantoms = 0;
    for (const matchplay::WeekResult& w :
         matchplay::workoutseason(season.file, season.sides.sides, season.nights))
        for (const matchplay::MatchResult& m : w.matches) {
            played += m.counts();
            for (const matchplay::SinglePart& p : m.singles)
                phantoms += p.slot1.kind == matchplay::Kind::phantom ||
                            p.slot2.kind == matchplay::Kind::phantom;
        }
    EXPECT_EQ(std::tuple(played, phantoms), std::tuple(12, 3));
}
