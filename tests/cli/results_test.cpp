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
    // Cedar Ridge, Mens tee 68.9 / 117. Bill (index 21.4) plays to Int(22.16 + .5) = 22,
    // Ed (22.1) to 23, Jack (30.9) to 32. Bill's 78 and Ed's 79 are both net 56 and share
    // 1st and 2nd's 10 + 8; Jack's 90 is net 58, 3rd, 6 points.
    const std::string night =
        "Date,Player,Course,Tee,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\r\n"
        "06/30/26,Bill Archer,Cedar Ridge,mens,5,4,5,4,4,4,3,6,5,4,5,4,5,4,4,3,5,4\r\n"
        "06/30/26,Ed Castillo,Cedar Ridge,mens,40,39\r\n"
        "06/30/26,Jack Hughes,Cedar Ridge,mens,45,45\r\n";
    ASSERT_EQ(run({"import", cliLeague, writecsv(night).string()}).status, exit_ok);
    EXPECT_TRUE(fs::exists(data.path() / "Tuesday Night League.res"));

    const CliRun results = run({"results", cliLeague, "--csv"});
    ASSERT_EQ(results.status, exit_ok) << results.err;
    EXPECT_EQ(results.out, "date,flight,place,player,gross,handicap,net,points\r\n"
                           "06/30/26,,1,Bill Archer,78,22,56,9\r\n"
                           "06/30/26,,1,Ed Castillo,79,23,56,9\r\n"
                           "06/30/26,,3,Jack Hughes,90,32,58,6\r\n");
    EXPECT_EQ(run({"results", cliLeague, "--date", "6/30/2026", "--csv"}).out, results.out);
    const CliRun standings = run({"standings", cliLeague, "--csv"});
    EXPECT_EQ(standings.out, "place,player,flight,nights,points,average net\r\n"
                             "1,Bill Archer,,1,9,56.0\r\n"
                             "1,Ed Castillo,,1,9,56.0\r\n"
                             "3,Jack Hughes,,1,6,58.0\r\n");

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
