// The handicap list, the known leagues and the round export from the command line.
#include "cli/clifolder.h"
#include "cli/csvfile.h"
#include "cli/roundexport.h"
#include "lists/views.h"
#include "reports/handicaplists.h"
#include "reports/listexport.h"

using namespace greenfold;
using namespace greenfold::testing;

namespace {

const std::string may14 = "05-14-2004";

class ListCommand : public CliFolder {};

TEST_F(ListCommand, eachView_isTheBytesOfExportListingAsText) {
    auto g = league();
    RoundView v;
    const std::string recent = shortprintbytes(*g, *refreshview(*g, v), may14);
    v.view = view_date;
    const std::string newest = shortprintbytes(*g, showdates(*g, v), may14);
    v.dateindex = 2; // the second date ever played
    const ListLines secondlines = showdate(*g, v);
    ASSERT_GT(secondlines.rounds.size(), 2u);
    const std::string date = secondlines.rounds[2].substr(0, 8); // "MM/DD/YY"
    const std::string second = shortprintbytes(*g, secondlines, may14);
    const std::string dana = shortprintbytes(*g, showplayer(*g, 2), may14);

    EXPECT_EQ(run({"list", cliLeague}).out, recent);
    EXPECT_EQ(run({"list", "TUESDAY NIGHT LEAGUE", "--view", "date"}).out, newest);
    EXPECT_EQ(run({"list", cliLeague, "--date", date}).out, second) << date;
    EXPECT_EQ(run({"list", cliLeague, "--player", "Dana Brooks"}).out, dana);

    // The header names the league as the list of leagues spells it, whatever was typed.
    EXPECT_TRUE(recent.starts_with("      Tuesday Night League" + std::string(21, ' ') +
                                   "Greenfold   05-14-2004\r\n \r\n"));
}

TEST_F(ListCommand, long_isTheLongLinesWithoutHeaderOrPages) {
    auto g = league();
    RoundView v;
    const ListLines lines = *refreshview(*g, v);
    const CliRun r = run({"list", cliLeague, "--long"});
    ASSERT_EQ(r.status, exit_ok);
    std::string expected = longline(lines.names[0], lines.rounds[0]) + "\r\n" + longrule() + "\r\n";
    for (std::size_t i = 2; i < lines.names.size(); ++i)
        expected += longline(lines.names[i], lines.rounds[i]) + "\r\n";
    EXPECT_EQ(r.out, expected);
    EXPECT_TRUE(r.out.find("# rounds\r\n") != std::string::npos);
}

TEST_F(ListCommand, toAFile_sameBytes_andAFailedRunCreatesNoFile) {
    const fs::path file = csvdir.path() / "list.txt";
    const CliRun shown = run({"list", cliLeague, "--today", "12-31-2025"});
    EXPECT_EQ(run({"list", cliLeague, "--today", "12-31-2025", "-o", file.string()}).out, "");
    EXPECT_EQ(readbytes(file), shown.out);
    EXPECT_NE(shown.out.find("12-31-2025"), std::string::npos);

    const fs::path never = csvdir.path() / "never.txt";
    CliRun r = run({"list", cliLeague, "--date", "01/01/99", "-o", never.string()});
    EXPECT_EQ(r.status, exit_data);
    EXPECT_EQ(r.err, "greenfold-cli: no rounds were played on 01/01/99\n");
    r = run({"list", cliLeague, "--player", "Nobody", "-o", never.string()});
    EXPECT_EQ(r.status, exit_data);
    EXPECT_FALSE(fs::exists(never));
    r = run({"list", cliLeague, "-o", (csvdir.path() / "no" / "such" / "x.txt").string()});
    EXPECT_EQ(r.status, exit_data);
}

TEST_F(ListCommand, leagues_oneALine_andAFolderWithoutTheListIsBadData) {
    const CliRun r = run({"leagues"});
    EXPECT_EQ(r.status, exit_ok);
    EXPECT_EQ(r.out, "Tuesday Night League\n");
    fs::remove(data.path() / "GrnFld.DAT");
    const auto before = folderbytes(data.path());
    EXPECT_EQ(run({"leagues"}).status, exit_data);
    EXPECT_EQ(run({"list", cliLeague}).status, exit_data);
    EXPECT_EQ(folderbytes(data.path()), before);
}

TEST_F(ListCommand, export_everyKeptRound_andWithoutCoursesAWarning) {
    auto g = league();
    int rounds = 0;
    for (int p = 1; p <= g->playercount; ++p) rounds += g->roundcount[p];
    CliRun r = run({"export", cliLeague});
    ASSERT_EQ(r.status, exit_ok);
    const auto records = readcsv(r.out);
    ASSERT_EQ(int(records.size()), 1 + rounds);
    EXPECT_EQ(records[0].cells, exportheading());
    EXPECT_EQ(records[1].cells, roundcells(*g, 1, 1));
    EXPECT_EQ(records[1].cells[2], "Cedar Ridge");

    fs::remove(data.path() / "course.dat");
    r = run({"export", cliLeague});
    EXPECT_EQ(r.status, exit_ok);
    EXPECT_TRUE(r.err.starts_with("greenfold-cli: warning: cannot read the course table"));
    EXPECT_EQ(readcsv(r.out)[1].cells[2], "");
}

} // namespace
