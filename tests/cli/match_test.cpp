// A season of match play run from the command line: settings, a schedule, a night, the
// sheet corrected, the matches, the table, a week posted to the teams, the web page, and
// the match file going with its league.
#include "cli/clifolder.h"
#include "matchplay/matchfile.h"
#include "model/matchname.h"
#include "teams/teamfile.h"
#include "whs/strokeindex.h"

#include <algorithm>
#include <fstream>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

const std::string matfile = "Tuesday Night League.mat";

// Four teams of two on the demo's eight players; Cedar Ridge given stroke indexes.
class MatchCommands : public CliFolder {
  protected:
    void SetUp() override {
        CliFolder::SetUp();
        fs::remove(data.path() / matfile); // a league that has not played match play yet
        auto g = league();
        g->coursedata[1][courseline_strokeindex] =
            whs::strokeindexline({7, 15, 1, 11, 3, 17, 5, 13, 9, 8, 16, 2, 12, 4, 18, 6, 14, 10});
        ASSERT_TRUE(savecourses(*g, data.path()));
        auto t = std::make_unique<Teamdata>();
        t->teamcount = 4;
        t->teamname = {"", "Eagles", "Hawks", "Owls", "Wrens"};
        for (int p = 1; p <= g->playercount; ++p) g->playerteam[p] = int16_t(1 + (p - 1) / 2);
        ASSERT_TRUE(writeteamfile(*g, *t, data.path()));
        players = {g->playername.begin() + 1, g->playername.begin() + 1 + g->playercount};
    }

    std::vector<std::string> rows(const std::string& csv) {
        std::vector<std::string> out;
        std::istringstream in(csv);
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    }

    std::vector<std::string> players;
};

} // namespace

TEST_F(MatchCommands, settingsAreKeyValueLines_outOfRangeRefusedByKey_offRefusesTheRest) {
    EXPECT_EQ(run({"schedule", cliLeague}).err,
              "greenfold-cli: match play is off in Tuesday Night League; 'greenfold-cli "
              "matchplay Tuesday Night League --set match-play=on' turns it on\n");
    const CliRun on = run({"matchplay", cliLeague, "--set", "match-play=on", "--set=penalty=3"});
    ASSERT_EQ(on.status, exit_ok) << on.err;
    EXPECT_TRUE(on.out.starts_with("match-play=on\nformat=teams\nholes=9\nnines=alternate\n"));
    EXPECT_NE(on.out.find("\npenalty=3\n"), std::string::npos);
    EXPECT_TRUE(on.out.ends_with("\nbye-points=0\ntie-breaks=on\n"));
    const auto before = folderbytes(data.path());
    for (const char* bad : {"holes=12", "nosuch=1", "substitute-cap=0.3", "allowance=101"}) {
        const CliRun r = run({"matchplay", cliLeague, "--set", bad});
        const std::string key = std::string(bad).substr(0, std::string(bad).find('='));
        EXPECT_EQ(r.status, exit_usage) << bad;
        EXPECT_NE(r.err.find(key), std::string::npos) << r.err;
    }
    EXPECT_EQ(run({"matchplay", cliLeague, "--substitute-only", "Nobody"}).status, exit_data);
    EXPECT_EQ(folderbytes(data.path()), before);
    EXPECT_EQ(run({"sheet", cliLeague}).status, exit_usage); // --week is needed
    EXPECT_EQ(run({"schedule", cliLeague, "--rainout", "2"}).status, exit_usage);
}

TEST_F(MatchCommands, aSeasonThroughTheCommandLine) {
    ASSERT_EQ(run({"matchplay", cliLeague, "--set", "match-play=on"}).status, exit_ok);
    const CliRun made = run({"schedule", cliLeague, "--make", "--weeks", "4", "--first", "06/30/26",
                             "--skip", "07/14/26", "--position", "4"});
    ASSERT_EQ(made.status, exit_ok) << made.err;
    // Four teams: 1 v 4 and 2 v 3 first; week 3 moves past the no-play date; week 4 waits for
    // the table.
    EXPECT_EQ(run({"schedule", cliLeague, "--csv"}).out,
              "week,date,nine,side1,side2,position\r\n"
              "1,06/30/26,front,Eagles,Wrens,no\r\n1,06/30/26,front,Hawks,Owls,no\r\n"
              "2,07/07/26,back,Eagles,Owls,no\r\n2,07/07/26,back,Wrens,Hawks,no\r\n"
              "3,07/21/26,front,Eagles,Hawks,no\r\n3,07/21/26,front,Owls,Wrens,no\r\n"
              "4,07/28/26,back,,,yes\r\n");

    // Week 1 on Cedar Ridge's front nine with the last player away: his phantom plays; the
    // secretary types a card to draw instead and it is kept.
    std::string csv = "Date,Player,Course,Tee,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\r\n";
    for (int k = 0; k < 7; ++k) {
        csv += "06/30/26," + players[std::size_t(k)] + ",Cedar Ridge,mens";
        for (int h = 1; h <= 9; ++h) csv += "," + std::to_string(4 + (h + k) % 3);
        csv += std::string(9, ',') + "\r\n";
    }
    ASSERT_EQ(run({"import", cliLeague, writecsv(csv).string()}).status, exit_ok);
    const CliRun matches = run({"matches", cliLeague, "--csv"});
    ASSERT_EQ(matches.status, exit_ok) << matches.err;
    std::vector<std::string> lines = rows(matches.out);
    ASSERT_EQ(lines.size(), 7u); // heading; A, B and the team net of each match
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.find(",phantom,") != l.npos; }),
              1);
    for (std::size_t k = 1; k < lines.size(); ++k)
        EXPECT_TRUE(lines[k].ends_with(",played\r")) << lines[k];
    const std::string away = players[7];
    const CliRun drawn =
        run({"sheet", cliLeague, "--week", "1", "--draw", away + "=" + players[2]});
    ASSERT_EQ(drawn.status, exit_ok) << drawn.err;
    EXPECT_NE(drawn.out.find("phantom with " + players[2] + "'s card drawn"), std::string::npos)
        << drawn.out;
    EXPECT_NE(run({"matches", cliLeague, "--csv", "--week", "1"})
                  .out.find("," + away + ",draw," + players[2] + ","),
              std::string::npos);
    // A player not in the week's matches, and a card that may not be drawn, are refused.
    EXPECT_EQ(run({"sheet", cliLeague, "--week", "1", "--absent", "Nobody"}).status, exit_data);
    EXPECT_EQ(run({"sheet", cliLeague, "--week", "1", "--draw", away + "=" + players[0]}).status,
              exit_data);

    // The table: every point at stake in the two matches went to a team.
    const CliRun table = run({"matchstandings", cliLeague, "--csv"});
    lines = rows(table.out);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "place,side,played,won,lost,halved,byes,points\r");
    double points = 0;
    for (std::size_t k = 1; k < lines.size(); ++k)
        points += std::stod(lines[k].substr(lines[k].rfind(',') + 1));
    EXPECT_EQ(points, 2 * 23.0);

    // A schedule with a played week is made again only with --force, which keeps it.
    EXPECT_EQ(run({"schedule", cliLeague, "--make", "--weeks", "3", "--first", "07/07/26"}).status,
              exit_data);
    // Week 2 rained off and postponed: it and week 3 move on a date each.
    ASSERT_EQ(run({"schedule", cliLeague, "--rainout", "2", "--postpone"}).status, exit_ok);
    EXPECT_NE(run({"schedule", cliLeague, "--csv"}).out.find("2,07/21/26,back,Eagles,Owls"),
              std::string::npos);

    // Posted to the teams twice: one record a team.
    const CliRun posted = run({"postteams", cliLeague, "--week", "1"});
    ASSERT_EQ(posted.status, exit_ok) << posted.err;
    EXPECT_TRUE(posted.out.starts_with("Week 1 is posted to the teams:\n")) << posted.out;
    ASSERT_EQ(run({"postteams", cliLeague, "--week", "1"}).status, exit_ok);
    auto g = league();
    auto t = std::make_unique<Teamdata>();
    loadteams(*g, *t, data.path());
    EXPECT_EQ(t->eventcount[1], 1);
    EXPECT_EQ(t->eventtext[1][1], "Week 1 v Wrens");

    const fs::path page = data.path() / "page.html";
    ASSERT_EQ(run({"standings", cliLeague, "--html", "-o", page.string()}).status, exit_ok);
    const std::string html = readbytes(page);
    EXPECT_NE(html.find("<h2>Match standings</h2>"), std::string::npos);
    const std::size_t week1 = html.find("<h2>Matches, week 1, 06/30/26</h2>");
    ASSERT_NE(week1, std::string::npos);
    EXPECT_NE(html.find("<td", week1), std::string::npos) << "each match's parts";

    // A new season keeps the match file aside and starts one with the same settings.
    const std::string mat = readbytes(data.path() / matfile);
    ASSERT_EQ(run({"newseason", cliLeague}).status, exit_ok);
    EXPECT_EQ(readbytes(data.path() / "Tuesday Night League-2026.mat"), mat);
    std::ifstream fresh(data.path() / matfile, std::ios::binary);
    const auto read = matchplay::readmatch(fresh);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->settings.on && read->schedule.weeks.empty() && read->sheets.empty());
}
