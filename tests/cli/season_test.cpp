// A new season from the command line: what it says where, and the results and standings of
// a season that has no night yet; the skins' payout by player; a league not found.
#include "cli/clifolder.h"
#include "results/resultsfile.h"

using namespace greenfold;
using namespace greenfold::testing;

namespace {

class SeasonCommand : public CliFolder {};

} // namespace

TEST_F(SeasonCommand, newseasonSaysWhatItDidOnOutput_thenTheEmptySeasonIsNoError) {
    // A league of rounds only: no results, teams or match play kept yet.
    for (const char* kept : {".res", ".tea", ".mat"})
        fs::remove(data.path() / (std::string(cliLeague) + kept));
    ASSERT_EQ(run({"import", cliLeague, writecsv(cliNight).string()}).status, exit_ok);
    const fs::path res = data.path() / "Tuesday Night League.res";
    std::istringstream in(readbytes(res));
    ResultsFile f = *readresults(in);
    f.settings.skins = {SkinsMode::gross, false, false, 150}; // Bill alone wins all 18
    writebytes(res, resultsbytes(f));
    const CliRun totals = run({"results", cliLeague, "--totals", "--csv"});
    EXPECT_EQ(totals.out, "date,player,skins,payout\r\n06/30/26,Bill Archer,18,1.44\r\n");
    const CliRun sheet = run({"results", cliLeague, "--skins"});
    EXPECT_NE(sheet.out.find("\nPayout by player, all games\n"), std::string::npos);
    EXPECT_EQ(run({"results", cliLeague, "--skins", "--csv"}).out.substr(0, 51),
              "date,flight,kind,hole,player,score,carried,payout\r\n"); // its columns as they were

    const CliRun started = run({"newseason", cliLeague});
    ASSERT_EQ(started.status, exit_ok) << started.err;
    EXPECT_EQ(started.err, "");
    EXPECT_EQ(started.out,
              "The season that began in 2026 is kept as Tuesday Night League-2026.res. "
              "The new season starts on 05/14/04 with no nights.\n");

    const std::string note =
        "greenfold-cli: Tuesday Night League: A new season started on 05/14/04 and has no "
        "night yet.\n";
    const CliRun csv = run({"results", cliLeague, "--csv"});
    EXPECT_EQ(std::tuple(csv.status, csv.out, csv.err),
              std::tuple(exit_ok, "date,flight,place,player,gross,handicap,net,points\r\n", note));
    const CliRun table = run({"standings", cliLeague});
    EXPECT_EQ(std::tuple(table.status, table.err), std::tuple(exit_ok, note));
    EXPECT_TRUE(table.out.ends_with("\n\nTuesday Night League Season Standings\nA new season "
                                    "started on 05/14/04 and has no night yet.\n"))
        << table.out;
    EXPECT_EQ(run({"results", cliLeague, "--totals", "--csv"}).out, "date,player,skins,payout\r\n");
    const CliRun page = run({"standings", cliLeague, "--html"});
    EXPECT_EQ(std::tuple(page.status, page.err), std::tuple(exit_ok, note));
    EXPECT_NE(page.out.find("<p>A new season started on 05/14/04"), std::string::npos);
    const CliRun post = run({"postteams", cliLeague});
    EXPECT_EQ(post.status, exit_data);
    EXPECT_NE(post.err.find("has no night to post: A new season started"), std::string::npos);
    const CliRun dated = run({"results", cliLeague, "--date", "06/30/26"});
    EXPECT_EQ(dated.status, exit_data); // that night is in the kept season
}

TEST_F(SeasonCommand, aLeagueNotFoundNamesTheFolderInFull) {
    const CliRun r = run({"results", "Tuesday Night"});
    EXPECT_EQ(r.status, exit_data);
    EXPECT_EQ(r.err, "greenfold-cli: no league named 'Tuesday Night' in " +
                         fs::absolute(data.path()).lexically_normal().string() +
                         " ('greenfold-cli leagues' lists them)\n");
}
