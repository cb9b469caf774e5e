// The handicap list, the known leagues and the round export from the command line.
#include "cli/clifolder.h"
#include "cli/csvfile.h"
#include "lists/views.h"
#include "reports/listexport.h"

#include <algorithm>
#include <tuple>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

class ListCommand : public CliFolder {};

TEST_F(ListCommand, eachView_isTheBytesOfExportListingAsText) {
    auto g = league();
    auto bytes = [&](const ListLines& lines) { return shortprintbytes(*g, lines, "05-14-2004"); };
    RoundView v;
    const CliRun recent = run({"list", "TUESDAY NIGHT LEAGUE"});
    EXPECT_EQ(recent.out, bytes(*refreshview(*g, v)));
    // The header names the league as the list of leagues spells it, whatever was typed.
    EXPECT_TRUE(recent.out.starts_with("      Tuesday Night League" + std::string(21, ' ') +
                                       "Greenfold   05-14-2004\r\n \r\n"));
    v.view = view_date;
    EXPECT_EQ(run({"list", cliLeague, "--view", "date"}).out, bytes(showdates(*g, v)));
    v.dateindex = 2; // the second date ever played, "MM/DD/YY" on its rounds' lines
    const ListLines second = showdate(*g, v);
    ASSERT_GT(second.rounds.size(), 2u);
    EXPECT_EQ(run({"list", cliLeague, "--date", second.rounds[2].substr(0, 8)}).out, bytes(second));
    EXPECT_EQ(run({"list", cliLeague, "--player", "Dana Brooks"}).out, bytes(showplayer(*g, 2)));
}

TEST_F(ListCommand, long_isTheLongLinesWithoutHeaderOrPages) {
    const CliRun r = run({"list", cliLeague, "--long"});
    ASSERT_EQ(r.status, exit_ok);
    EXPECT_TRUE(r.out.starts_with("           Name               Date   Course  Out  In Total "
                                  "Hcp Index  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 "
                                  "16 17 18  C Hcp # rounds\r\n      " +
                                  std::string(129, '-') +
                                  "\r\n      Bill Archer           05/05/26   CR 49   43    "
                                  "92  15.6         5  6  5  5  6  7  5  5  5  5  4  4  5  7"))
        << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 10); // heading, rule, 8 players
}

TEST_F(ListCommand, toAFile_sameBytes_andAFailedRunCreatesNoFile) {
    const fs::path file = csvdir.path() / "list.txt";
    const CliRun shown = run({"list", cliLeague, "--today", "12-31-2025"});
    EXPECT_EQ(run({"list", cliLeague, "--today", "12-31-2025", "-o", file.string()}).out, "");
    EXPECT_TRUE(readbytes(file) == shown.out && shown.out.find("12-31-2025") != std::string::npos);

    const std::string never = (csvdir.path() / "never.txt").string();
    CliRun r = run({"list", cliLeague, "--date", "01/01/99", "-o", never});
    EXPECT_EQ(std::tuple(r.status, r.err),
              std::tuple(exit_data, "greenfold-cli: no rounds were played on 01/01/99\n"));
    EXPECT_EQ(run({"list", cliLeague, "--player", "Nobody", "-o", never}).status, exit_data);
    EXPECT_FALSE(fs::exists(never));
    r = run({"list", cliLeague, "-o", (csvdir.path() / "no" / "such" / "x.txt").string()});
    EXPECT_EQ(r.status, exit_data);
}

TEST_F(ListCommand, leaguesAndExport_andAFolderWithoutItsFiles) {
    CliRun r = run({"leagues"});
    EXPECT_EQ(std::pair(r.status, r.out),
              std::pair(exit_ok, std::string("Tuesday Night League\n")));
    r = run({"export", cliLeague});
    ASSERT_EQ(r.status, exit_ok);
    EXPECT_TRUE(r.out.starts_with(
        "player,date,course,initials,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,out,in,total,"
        "differential,index,course handicap\r\n"
        "Bill Archer,2026-04-07,Cedar Ridge,CR,5,5,5,7,6,5,6,7,6,4,6,5,7,7,7,5,4,5,52,50,102,"
        "32.0,30.7,32\r\n"));
    EXPECT_EQ(readcsv(r.out).size(), 1u + 68u); // every kept round of the league

    fs::remove(data.path() / "course.dat"); // rounds without course names, and a warning
    r = run({"export", cliLeague});
    EXPECT_TRUE(r.status == exit_ok &&
                r.err.starts_with("greenfold-cli: warning: cannot read the course table"));
    EXPECT_NE(r.out.find("\r\nBill Archer,2026-04-07,,,5,5,5,7"), std::string::npos);

    fs::remove(data.path() / "GrnFld.DAT"); // no list of leagues
    const auto before = folderbytes(data.path());
    EXPECT_EQ(run({"leagues"}).status, exit_data);
    EXPECT_EQ(run({"list", cliLeague}).status, exit_data);
    EXPECT_EQ(folderbytes(data.path()), before);
}

} // namespace
