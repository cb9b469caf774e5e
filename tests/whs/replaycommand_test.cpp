// greenfold-cli replay on the demo league, and the other commands under the WHS method.
#include "cli/clifolder.h"
#include "model/leaguelist.h"
#include "whs/inifile.h"

#include <algorithm>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

class Replay : public CliFolder {};

} // namespace

TEST_F(Replay, aLineAPlayer_writesOnlyWhenAsked_andTheClassicFileComesBack) {
    const auto before = folderbytes(data.path());
    CliRun r = run({"replay", cliLeague});
    ASSERT_EQ(r.status, exit_ok) << r.err;
    EXPECT_TRUE(r.out.starts_with("Bill Archer: index 15.6, under classic 15.6, difference 0.0; "
                                  "5 rounds, 5 from the default tee\nDana Brooks: "))
        << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 8);
    EXPECT_EQ(folderbytes(data.path()), before);

    r = run({"replay", cliLeague, "--method", "whs", "--write"});
    ASSERT_EQ(r.status, exit_ok) << r.err;
    EXPECT_NE(r.out.find("under whs"), std::string::npos);
    EXPECT_EQ(readbytes(data.path() / (std::string(cliLeagueFile) + ".before-replay")),
              before.at(cliLeagueFile));
    EXPECT_TRUE(readbytes(data.path() / cliLeagueFile) != before.at(cliLeagueFile) &&
                fs::exists(data.path() / "Tuesday Night League.HIX"));
    const std::string whsleague = readbytes(data.path() / cliLeagueFile);
    r = run({"replay", cliLeague, "--method=classic", "--write"});
    ASSERT_EQ(r.status, exit_ok);
    EXPECT_EQ(readbytes(data.path() / cliLeagueFile), before.at(cliLeagueFile));
    // The first copy stays; the second takes the next number, and the message names it.
    EXPECT_EQ(readbytes(data.path() / (std::string(cliLeagueFile) + ".before-replay")),
              before.at(cliLeagueFile));
    EXPECT_EQ(readbytes(data.path() / (std::string(cliLeagueFile) + ".before-replay-2")),
              whsleague);
    EXPECT_TRUE(r.err.ends_with("the file as it was is Tuesday Night League.LGE.before-replay-2\n"))
        << r.err;
}

TEST_F(Replay, wrongCommandLinesTwo_badDataOne_exportFollowsTheMethod) {
    EXPECT_EQ(
        run({"replay", cliLeague, "--method", "best"}).err,
        "greenfold-cli: --method is classic or whs, not 'best'\nTry 'greenfold-cli --help'.\n");
    EXPECT_EQ(run({"replay"}).status, exit_usage);
    EXPECT_EQ(run({"replay", cliLeague, "--write=yes"}).status, exit_usage);
    EXPECT_EQ(run({"list", cliLeague, "--write"}).status, exit_usage);
    EXPECT_EQ(run({"replay", "No Such League"}).status, exit_data);
    EXPECT_NE(run({"--help"}).out.find("replay LEAGUE"), std::string::npos);

    writebytes(sys.path() / "greenfold.ini", "method=whs\r\n");
    const CliRun out = run({"export", cliLeague});
    EXPECT_TRUE(out.out.starts_with("player,date,") &&
                out.out.find(",course handicap,tee,flags\r\n") != std::string::npos);
    // A damaged index history stops a command rather than working on without it.
    writebytes(data.path() / "Tuesday Night League.HIX", "Greenfold index history 1\r\n");
    const auto before = folderbytes(data.path());
    const CliRun r = run({"replay", cliLeague, "--write"});
    EXPECT_TRUE(r.status == exit_data &&
                r.err.find("cannot read the index history file") != std::string::npos)
        << r.err;
    EXPECT_EQ(folderbytes(data.path()), before);
}

TEST_F(Replay, aMethodOrAllowanceTheProgramDoesNotKnowStopsEveryCommandAndTheDesktop) {
    writebytes(sys.path() / "greenfold.ini", "allowance=90\r\nmethod=WHS2\r\n");
    const auto before = folderbytes(data.path());
    const std::string problem = sys.path().string() + "/greenfold.ini, line 2: method=WHS2 is "
                                                      "not a handicap method; method takes "
                                                      "classic or whs";
    for (const char* command : {"list", "replay", "export"})
        EXPECT_EQ(run({command, cliLeague}).err, "greenfold-cli: " + problem + "\n") << command;
    EXPECT_EQ(run({"import", cliLeague, writecsv(cliNight).string()}).status, exit_data);
    EXPECT_EQ(folderbytes(data.path()), before);

    // The desktop says so at start and opens no league; choosing the method in Settings
    // writes the file again, the refused one kept beside it.
    auto g = std::make_unique<ProgramState>();
    const Outcome started = startup(*g, data.path(), sys.path().string() + "/");
    ASSERT_EQ(started.messages.size(), 1u);
    EXPECT_TRUE(started.messages[0].text.starts_with(problem + ".\r\n"));
    EXPECT_EQ(openleague(*g, 0, data.path()).outcome.messages, started.messages);
    g->method = HandicapMethod::classic;
    const Outcome saved = whs::savemethod(*g, sys.path().string() + "/");
    ASSERT_TRUE(saved);
    EXPECT_NE(saved.messages.at(0).text.find("greenfold.ini.damaged-"), std::string::npos);
    EXPECT_EQ(readbytes(sys.path() / "greenfold.ini"), "method=classic\r\nallowance=90\r\n");
    EXPECT_TRUE(openleague(*g, 0, data.path()).outcome);
    releaseopenleague();
}
