// An imported night posted to the teams and the standings written as a web page, from the
// command line.
#include "cli/clifolder.h"
#include "publish/teampost.h"
#include "teams/teamfile.h"

using namespace greenfold;
using namespace greenfold::testing;

namespace {

class PublishCommand : public CliFolder {};

} // namespace

TEST_F(PublishCommand, postteamsAndTheWebPageWorkOnTheImportedNight) {
    // The demo league without its season's results and teams. Bill is 1st (10 points), Ed
    // 2nd (8) and Jack 3rd (6): see cliNight.
    fs::remove(data.path() / "Tuesday Night League.res");
    fs::remove(data.path() / "Tuesday Night League.tea");
    ASSERT_EQ(run({"import", cliLeague, writecsv(cliNight).string()}).status, exit_ok);
    EXPECT_EQ(run({"postteams", cliLeague}).err, "greenfold-cli: " + noteams().text + "\n");

    auto g = league();
    auto t = std::make_unique<Teamdata>();
    t->teamcount = 2;
    t->teamname = {"", "Eagles", "Hawks"};
    for (int p = 1; p <= g->playercount; ++p)
        g->playerteam[p] = g->playername[p] == "Jack Hughes" ? 2 : 1;
    ASSERT_TRUE(writeteamfile(*g, *t, data.path()));
    const CliRun posted = run({"postteams", cliLeague, "--date", "06/30/26"});
    ASSERT_EQ(posted.status, exit_ok) << posted.err;
    EXPECT_EQ(posted.out, "The night of 06/30/26 is posted to the teams:\n"
                          "Eagles: 18 points from 2 players\nHawks: 6 points from 1 player\n");

    const fs::path page = data.path() / "standings.html";
    ASSERT_EQ(run({"standings", cliLeague, "--html", "-o", page.string()}).status, exit_ok);
    EXPECT_NE(readbytes(page).find("Written 05-14-2004"), std::string::npos);
    EXPECT_EQ(run({"standings", cliLeague, "--html", "--csv"}).status, exit_usage);
}
