// The command line: what is accepted, what is refused, and the dates it takes.
#include "cli/cliargs.h"
#include "cli/clidates.h"
#include "cli/clihelp.h"
#include "cli/commands.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

using namespace greenfold;

TEST(CliArgs, optionsAnywhere_bothSpellings_andDoubleDashForOddNames) {
    auto p = parseargs({"list", "--view=date", "[Spring]", "-o=list.txt", "--today", "05-14-2004"});
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(
        std::tuple(p.request.command, p.request.league, p.request.outfile, p.request.list.view),
        std::tuple(CliCommand::list, "[Spring]", "list.txt", view_date));
    ASSERT_TRUE(p.request.today);
    EXPECT_EQ(p.request.today->day, 14);

    p = parseargs({"import", "--dry-run", "--", "-odd league", "night.csv"});
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(std::tuple(p.request.league, p.request.csvfile, p.request.dryrun),
              std::tuple("-odd league", "night.csv", true));
}

TEST(CliArgs, dateAndPlayerChooseTheirView_conflictsAreRefused) {
    EXPECT_EQ(parseargs({"list", "L", "--date", "05/05/26"}).request.list.view, view_date);
    EXPECT_EQ(parseargs({"list", "L", "--player", "Bill Archer"}).request.list.view, view_player);
    EXPECT_EQ(parseargs({"list", "L", "--view", "recent", "--date", "05/05/26"}).error,
              "--date belongs to --view date");
    EXPECT_EQ(parseargs({"list", "L", "--view", "player"}).error,
              "--view player needs --player NAME");
    EXPECT_EQ(parseargs({"list", "L", "--view", "week"}).error,
              "--view is recent, date or player, not 'week'");
}

TEST(CliArgs, wrongCommandLines_sayWhatIsWrong) {
    EXPECT_EQ(parseargs({}).error, "no command given");
    EXPECT_EQ(parseargs({"print", "L"}).error, "unknown command 'print'");
    EXPECT_EQ(parseargs({"export", "L", "--dry-run"}).error, "export does not take --dry-run");
    EXPECT_EQ(parseargs({"--dir=", "leagues"}).error, "--dir needs a value");
    EXPECT_EQ(parseargs({"leagues", "--verbose"}).error, "unknown option --verbose");
    EXPECT_EQ(parseargs({"list", "L", "-o"}).error, "-o needs a value");
    EXPECT_EQ(parseargs({"list", "L", "-o", "a", "--output", "b"}).error,
              "--output is given twice");
    EXPECT_EQ(parseargs({"list", "L", "--today", "2004-05-14"}).error,
              "--today: '2004-05-14' is not a date (MM-DD-YYYY)");
}

TEST(CliArgs, helpWinsOverMissingArguments_onStandardOutput_usageErrorsTwo) {
    std::ostringstream out, err;
    CliContext ctx{out, err, "", {2004, 5, 14}};
    EXPECT_EQ(runcli({"import", "--help"}, ctx), exit_ok);
    EXPECT_EQ(out.str() + err.str(), commandhelp(CliCommand::import));
    EXPECT_EQ(runcli({"import", "L"}, ctx), exit_usage);
    EXPECT_EQ(err.str(), "greenfold-cli: import takes 2 arguments, not 1\n" + tryhelp());
}

TEST(CliDates, roundDates_bothFormsAndTheCenturyRule) {
    EXPECT_EQ(std::tuple(readrounddate("05/07/84").date.year, readrounddate("5/7/85").date.year,
                         readrounddate("2024-02-29").date.day,
                         readrounddate("02/29/2024").date.month),
              std::tuple(2084, 1985, 29, 2));
    EXPECT_EQ(readrounddate("02/29/23").problem, "'02/29/23' is not a day of the calendar");
    EXPECT_EQ(readrounddate("13/01/24").problem, "'13/01/24' has no month 13");
    EXPECT_EQ(readrounddate("1984-12-31").problem,
              "'1984-12-31' is outside the years a league keeps (1985 to 2084)");
    for (const char* bad : {"", "05/07", "05/07/024", "24-05-07", "05.07.24", "May 7", "5/7/24x"})
        EXPECT_FALSE(readrounddate(bad).ok()) << bad;
}
