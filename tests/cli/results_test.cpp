// A night imported through greenfold-cli, then its results and the season's standings.
#include "cli/clifolder.h"
#include "results/resultsfile.h"

#include <sstream>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

class ResultsCommand : public CliFolder {};

} // namespace

TEST_F(ResultsCommand, importedNightGivesPlacesPointsAndStandingsAsCsv) {
    // The demo league as it was before it kept results.
    fs::remove(data.path() / "Tuesday Night League.res");
    ASSERT_EQ(run({"import", cliLeague, writecsv(cliNight).string()}).status, exit_ok);
    EXPECT_TRUE(fs::exists(data.path() / "Tuesday Night League.res"));

    const CliRun results = run({"results", cliLeague, "--csv"});
    ASSERT_EQ(results.status, exit_ok) << results.err;
    EXPECT_EQ(results.out, "date,flight,place,player,gross,handicap,net,points\r\n"
                           "06/30/26,,1,Bill Archer,78,16,62,10\r\n"
                           "06/30/26,,2,Ed Castillo,79,15,64,8\r\n"
                           "06/30/26,,3,Jack Hughes,90,20,70,6\r\n");
    EXPECT_EQ(run({"results", cliLeague, "--date", "6/30/2026", "--csv"}).out, results.out);
    // The demo league kept rounds before it kept results: its first file holds every night
    // of 2026 too, each player's oldest kept round without a handicap (Ed: 11 and this).
    const CliRun standings = run({"standings", cliLeague, "--csv"});
    EXPECT_EQ(standings.out.substr(0, 103), "place,player,flight,nights,points,average net\r\n"
                                            "1,Hank Foster,,12,76.5,65.0\r\n"
                                            "2,Ed Castillo,,12,74,68.8\r\n");
    EXPECT_EQ(run({"results", cliLeague, "--date", "06/23/26", "--csv"}).out.substr(52),
              "06/23/26,,1,Hank Foster,40,12,28,10\r\n");
    EXPECT_EQ(run({"results", cliLeague, "--date", "04/07/26", "--csv"}).out.substr(52, 31),
              "04/07/26,,,Frank Doyle,86,,,0\r\n");

    // Gross skins at 1.50 a player: Bill's is the only round with holes, so he plays alone
    // and wins all 18, 150 / 18 = 8 cents each.
    const fs::path res = data.path() / "Tuesday Night League.res";
    std::istringstream in(readbytes(res));
    ResultsFile f = *readresults(in);
    f.settings.skins = {SkinsMode::gross, false, false, 150};
    writebytes(res, resultsbytes(f));
    const CliRun skins = run({"results", cliLeague, "--skins", "--csv"});
    EXPECT_EQ(skins.out.substr(0, 91), "date,flight,kind,hole,player,score,carried,payout\r\n"
                                       "06/30/26,,gross,1,Bill Archer,5,0,0.08\r\n");

    const CliRun missing = run({"results", cliLeague, "--date", "06/29/26"});
    EXPECT_EQ(missing.status, exit_data);
    EXPECT_EQ(missing.err, "greenfold-cli: no round was played on 06/29/26\n");
    EXPECT_EQ(run({"standings", cliLeague, "--date", "06/30/26"}).status, exit_usage);
}
