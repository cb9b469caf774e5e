// The seasons the results windows show: the season now, the kept ones, and what a season
// without a night says.
#include "model/resultsname.h"
#include "resultlines.h"
#include "results/newseason.h"
#include "results/seasons.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::testing;

TEST(Seasons, aNewSeasonNotesItsDay_theKeptOnesAreChoicesNewestFirstAndReadOnly) {
    TempDir dir;
    ProgramState g;
    g.leaguefile = "Spring.LGE";
    g.leaguecount = 2;
    g.leaguelist[1] = "Spring";
    g.leaguelist[2] = "Spring-2024"; // a league of its own, not a kept season
    ResultsFile season;
    season.lines = {resultline("Ann", {}, 10)};
    ASSERT_TRUE(saveresults(g, season, dir.path()));
    for (const char* other : {"Spring-2024.res", "spring-2025-2.res", "Spring-2025.res",
                              "Spring-2025.tea", "Spring-25.res", "Spring-2025-1.res"})
        writebytes(dir.path() / other, "");

    SeasonStart start = planseason(g, dir.path());
    ASSERT_TRUE(start.plan);
    start.plan->started = {10, 6, 26};
    const Outcome started = startseason(g, *start.plan, dir.path());
    ASSERT_TRUE(started);
    EXPECT_TRUE(started.messages.back().text.ends_with(
        "The new season starts on 10/06/26 with no nights."));
    const ResultsFile fresh = loadresults(g, dir.path()).file;
    EXPECT_EQ(fresh.started, (NightDate{10, 6, 26}));
    EXPECT_EQ(nonighttext(fresh), "A new season started on 10/06/26 and has no night yet.");
    EXPECT_EQ(nonighttext(ResultsFile{}), "This season has no night yet.");
    EXPECT_EQ(nothingtodo(fresh, SeasonCommand::postteams).text,
              "There is no night to post to the teams. A new season started on 10/06/26 and "
              "has no night yet.");

    const std::vector<SeasonChoice> seasons = seasonchoices(g, dir.path());
    std::vector<std::string> captions;
    for (const SeasonChoice& s : seasons) captions.push_back(seasoncaption(s) + "|" + s.file);
    EXPECT_EQ(captions, (std::vector<std::string>{"This season|", "2026 season|Spring-2026.res",
                                                  "2025 season (2)|spring-2025-2.res",
                                                  "2025 season|Spring-2025.res"}));
    // The season now reads the league's file; a kept one its own, and one that cannot be
    // read is said so and left alone.
    EXPECT_EQ(loadseason(g, seasons[1], dir.path()).file.lines, season.lines);
    EXPECT_TRUE(loadseason(g, seasons[0], dir.path()).file.lines.empty());
    const LoadedResults damaged = loadseason(g, seasons[2], dir.path());
    EXPECT_EQ(damaged.outcome.messages.size(), 1u);
    EXPECT_TRUE(g.damagedfiles.empty());
    EXPECT_NE(keptseasonreadonly(seasons[1]).text.find("Spring-2026.res"), std::string::npos);
}
