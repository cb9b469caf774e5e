// The team report window through the main window's Teams menu, and the report itself
// rendered into a PDF by the Qt surface (screens/teamreport.pdf and a PNG of its first
// page, for a person to look at).
#include "platform/qtprintsurface.h"
#include "players/ui/leaguewindows.h"
#include "reports/recordingsurface.h"
#include "reports/ui/printcommands.h"
#include "teams/teamreport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <cstdio>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

using Lines = std::vector<std::string>;

// Eagles: players 1 and 3, two records; Hawks: player 2, one record.
const std::string twoteams = " 2 \r\nEagles\r\nHawks\r\n 1 \r\n 2 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n"
                             " 0 \r\n 0 \r\n 2 \r\nWeek 1 at Elm Ridge\r\n 12 \r\n 3.5 \r\n"
                             "Week 2\r\n 20 \r\n 4 \r\n 1 \r\nWeek 1\r\n 9 \r\n 2 \r\n";

Lines withprefix(const Lines& lines, const std::string& prefix) {
    Lines out;
    for (const auto& l : lines)
        if (l.starts_with(prefix)) out.push_back(l);
    return out;
}

void click(QWidget* w, const char* name) {
    control<QPushButton>(w, name)->click();
}

// The league's windows, printing onto recording surfaces.
class TeamReportWindow : public LeagueWindows {
  protected:
    std::vector<std::unique_ptr<Printout>>& printouts = fake.printing.printouts;
};

std::string run(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::array<char, 4096> buf;
    while (std::size_t n = pipe ? std::fread(buf.data(), 1, buf.size(), pipe.get()) : 0)
        out.append(buf.data(), n);
    return out;
}

} // namespace

TEST_F(TeamReportWindow, teamReport_needsPlayersOnTeams) {
    form2->action("teamsummarymenu")->trigger();
    EXPECT_EQ(window("PrintTeamform"), nullptr);
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_TRUE(printouts.empty());
}

TEST_F(TeamReportWindow, teamReport_optionsChooseWhatIsPrinted) {
    writebytes(teamfile(), twoteams);
    QWidget* w = open("teamsummarymenu", "PrintTeamform");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Team Report Printing Options");
    EXPECT_FALSE(form2->isEnabled());
    EXPECT_EQ(control<QGroupBox>(w, "Frame1")->title(), "Report Types");
    auto* names = control<QCheckBox>(w, "Namescheck");
    auto* lastonly = control<QRadioButton>(w, "Option1_0");
    auto* all = control<QRadioButton>(w, "Option1_1");
    EXPECT_EQ(names->text(), "List Team member names ");
    EXPECT_EQ(lastonly->text(), "Print each Teams last event only");
    EXPECT_EQ(all->text(), "Include all Team events");
    EXPECT_FALSE(names->isChecked());
    EXPECT_TRUE(all->isChecked());
    EXPECT_EQ(control<QPushButton>(w, "Printsetupbutton")->text(), "Printer Setup");

    click(w, "Printbutton");
    ASSERT_EQ(printouts.size(), 1u);
    Lines lines = printouts[0]->alllines();
    ASSERT_GT(lines.size(), 5u);
    EXPECT_EQ(lines[5], teamreportheader(todaysdate()));
    EXPECT_EQ(withprefix(lines, "    Team: "), (Lines{"    Team: Eagles", "    Team: Hawks"}));
    EXPECT_EQ(withprefix(lines, "    Week"),
              (Lines{teamentryline("Week 1 at Elm Ridge", 12, 3.5f), teamentryline("Week 2", 20, 4),
                     teamentryline("Week 1", 9, 2)}));
    EXPECT_EQ(fake.busy.depth, 0);
    EXPECT_GE(fake.busy.times, 1);

    names->click();
    lastonly->click();
    EXPECT_FALSE(all->isChecked());
    click(w, "Printbutton");
    ASSERT_EQ(printouts.size(), 2u);
    lines = printouts[1]->alllines();
    EXPECT_EQ(withprefix(lines, "    " + g->playername[1]),
              (Lines{"    " + g->playername[1] + " , " + g->playername[3] + " "}));
    EXPECT_EQ(withprefix(lines, "    " + g->playername[2]),
              (Lines{"    " + g->playername[2] + " "}));
    EXPECT_EQ(withprefix(lines, "    Week"),
              (Lines{teamentryline("Week 2", 20, 4), teamentryline("Week 1", 9, 2)}));
    EXPECT_EQ(withprefix(lines, std::string(53, ' ') + "Total:"),
              (Lines{teamtotalline(20, 7.5f), teamtotalline(9, 2)}));

    click(w, "Infobutton");
    EXPECT_EQ(fake.help.shown, Lines{"Team data"});
    if (!printerinstalled()) { // else the system's printer dialog would wait for a person
        click(w, "Printsetupbutton");
        ASSERT_EQ(fake.dialogs.shown.size(), 1u);
        EXPECT_EQ(fake.dialogs.shown[0].message.icon, Icon::information);
        fake.dialogs.shown.clear();
    }
    click(w, "Donebutton");
    EXPECT_EQ(window("PrintTeamform"), nullptr);
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_TRUE(fake.dialogs.shown.empty());
    EXPECT_EQ(readbytes(teamfile()), twoteams); // a report only reads the teams
}

// The columns of the Qt surface are checked with the handicap lists; here the page: the
// report's own breaks come before a page is full, so no third page is begun by a line
// that did not fit.
TEST(TeamReportPdf, threeTeamsOfTwentyRecords_onTwoPages) {
    auto g = std::make_unique<GOLF1>();
    auto t = std::make_unique<Teamdata>();
    for (const char* name : {"Bill Archer", "Ann Baker", "Ed Castillo", "Kim Lowe", "Joe Pike"}) {
        g->playername[++g->playercount] = name;
        g->playerteam[g->playercount] = int16_t(1 + g->playercount % 3);
    }
    for (const char* name : {"Eagles", "Hawks", "Owls"}) {
        const int team = ++t->teamcount;
        t->teamname[team] = name;
        t->eventcount[team] = 20;
        for (int e = 1; e <= 20; ++e) {
            t->eventtext[team][e] = "Week " + std::to_string(e) + (e % 4 ? "" : " at Elm Ridge");
            t->eventmanual[team][e] = float(e * 3 + team);
            t->eventpoints[team][e] = e % 5 == 0 ? 12.5f : float(e % 3);
        }
    }
    const fs::path screens = GREENFOLD_SCREENS, pdf = screens / "teamreport.pdf";
    fs::create_directories(screens);
    fs::remove(pdf);
    {
        QtPrintSurface s(pdf.string());
        EXPECT_TRUE(printteamreport(s, *g, *t, {true, false}, "05-14-2004"));
    }
    EXPECT_EQ(readbytes(pdf).substr(0, 5), "%PDF-");
    if (std::system("pdftotext -v >/dev/null 2>&1") != 0) GTEST_SKIP() << "no pdftotext";
    run("pdftoppm -png -r 70 -f 1 -l 1 '" + pdf.string() + "' '" +
        (screens / "teamreport").string() + "'");
    const std::string info = run("pdfinfo '" + pdf.string() + "'");
    const auto pages = info.find("Pages:");
    ASSERT_NE(pages, std::string::npos);
    EXPECT_EQ(std::atoi(info.c_str() + pages + 6), 2) << info;
    const std::string text = run("pdftotext -layout '" + pdf.string() + "' -");
    EXPECT_NE(text.find("Team: Owls"), std::string::npos);
    EXPECT_NE(text.find("Bill Archer , Kim Lowe"), std::string::npos);
}
