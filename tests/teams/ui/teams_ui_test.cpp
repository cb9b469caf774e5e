// The roster and team windows through the main window's Players and Teams menus.
#include "platform/spinbutton.h"
#include "players/roster.h"
#include "reports/ui/printcommands.h"
#include "support/printdump.h"
#include "support/windowfixture.h"
#include "teams/teamfile.h"
#include "teams/teampoints.h"
#include "teams/teamreport.h"
#include "teams/teamrules.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

void type(QWidget* w, const char* name, const char* text) {
    QTest::keyClicks(control<QLineEdit>(w, name), text);
}

class Teams : public DemoWindows {
  protected:
    // The demo league as it was before it had teams.
    void withoutteams() {
        fs::remove(teamfile());
        start();
    }
    Lines savednames() const {
        const auto saved = savedleague();
        return {saved->playername.begin() + 1, saved->playername.begin() + 1 + saved->playercount};
    }
};

} // namespace

TEST_F(Teams, addPlayers_enterAddsAndCloseSaves) {
    withoutteams();
    const std::string before = readbytes(leaguefile());
    QWidget* w = open("Playermenu_1", "playform");
    auto* text1 = control<QLineEdit>(w, "Text1");
    QTest::keyClick(text1, Qt::Key_Return); // an empty box: nothing at all
    QTest::keyClicks(text1, "Al");
    QTest::keyClick(text1, Qt::Key_Return);
    EXPECT_EQ(fake.dialogs.beeps, 1);
    text1->clear();
    QTest::keyClicks(text1, "Bo \"Q\" Lu");
    EXPECT_EQ(text1->text(), "Bo 'Q' Lu");
    control<QRadioButton>(w, "Option3D1_2")->click();
    QTest::keyClick(text1, Qt::Key_Return);
    EXPECT_EQ(g->playertee[9], tee_pro);
    EXPECT_EQ(texts(w, {"playernumlabel", "Text1"}), (Lines{"9 member(s)", ""}));
    QTest::keyClicks(text1, "bill ARCHER");
    click(w, "addbutton");
    EXPECT_EQ(fake.dialogs.shown.at(0).message, nametaken());
    EXPECT_EQ(readbytes(leaguefile()), before); // nothing is written before closing
    click(w, "exitbutton");
    EXPECT_EQ(savednames().back(), "Bo 'Q' Lu");
    EXPECT_FALSE(fs::exists(teamfile())); // a league without teams gets no team file
}

TEST_F(Teams, severalRemovalsInOneVisit_keepEveryPlayersTeam) {
    // Teams by roster position: 1 and 3 on team 1; 2, 4 and 7 on team 2.
    writebytes(teamfile(), " 2 \r\nEagles\r\nHawks\r\n 1 \r\n 2 \r\n 1 \r\n 2 \r\n 0 \r\n 0 \r\n"
                           " 2 \r\n 0 \r\n 0 \r\n 0 \r\n");
    QWidget* w = open("Playermenu_3", "RMplayer");
    EXPECT_EQ(label(w, "Playerlabel"), "Tuesday Night League.LGE Player List");
    click(w, "removebutton");
    EXPECT_EQ(fake.dialogs.beeps, 1); // nothing selected
    fake.dialogs.answers = {Answer::no, Answer::yes, Answer::yes};
    for (int row : {0, 0, 1}) { // No to Bill, then Bill and Ed
        control<QListWidget>(w, "List1")->setCurrentRow(row);
        click(w, "removebutton");
    }
    EXPECT_EQ(fake.dialogs.shown[0].message.text,
              "Are you sure you want to remove the player\r\nBill Archer  from "
              "your League?\r\n\r\n     CONTINUE?          Select 'NO' to cancel");
    EXPECT_EQ(fake.dialogs.shown[0].defaultbutton, Answer::no);
    click(w, "exitbutton");
    EXPECT_EQ(readbytes(teamfile()), " 2 \r\nEagles\r\nHawks\r\n 2 \r\n 2 \r\n 0 \r\n 0 \r\n 2 \r\n"
                                     " 0 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(savednames(), (Lines{"Dana Brooks", "Frank Doyle", "Grace Ellis", "Hank Foster",
                                   "Irene Garza", "Jack Hughes"}));
}

TEST_F(Teams, renameRedrawsTheMainWindow_sortMovesByPosition_bothSaveOnClose) {
    QWidget* w = open("Playernamesmenu", "Playernm");
    control<QListWidget>(w, "List1")->setCurrentRow(1);
    EXPECT_EQ(box(w, "Text1"), "Dana Brooks");
    control<QLineEdit>(w, "Text1")->setText("BILL ARCHER"); // differs from Bill's in case only
    fake.dialogs.answers = {Answer::yes};
    click(w, "renamebutton");
    EXPECT_EQ(fake.dialogs.shown.at(0).message, renamequestion());
    click(w, "exitbutton");
    EXPECT_EQ(mainwindow->list1()->item(3)->text(), "BILL ARCHER");

    w = open("Playermenu_2", "sortform");
    auto* change = control<QPushButton>(w, "changebutton");
    control<QListWidget>(w, "List1")->setCurrentRow(0);
    EXPECT_EQ(label(w, "Label1"), "Bill Archer");
    change->click();
    EXPECT_EQ(fake.dialogs.beeps, 1); // onto his own place
    control<SpinButton>(w, "SpinButton1")->upbutton()->click();
    change->click();
    EXPECT_EQ(lines(control<QListWidget>(w, "List1"))[1], "  2  Bill Archer");
    EXPECT_FALSE(change->isEnabled());
    control<QLineEdit>(w, "Text1")->setText("99");
    EXPECT_EQ(box(w, "Text1"), "8");
    change->click(); // the moved player is still the chosen one
    click(w, "exitbutton");
    EXPECT_EQ(savednames()[0], "BILL ARCHER");
    EXPECT_EQ(savednames().back(), "Bill Archer");
    fs::remove(leaguefile()); // closing rewrites the league file even without a move
    click(open("Playermenu_2", "sortform"), "exitbutton");
    EXPECT_TRUE(fs::exists(leaguefile()));
}

TEST_F(Teams, teamSetup_fromNoTeamsToTwo) {
    withoutteams();
    for (const char* menu : {"enterteamresultsmenu", "teamsummarymenu"}) // no players on teams
        mainwindow->action(menu)->trigger();
    EXPECT_TRUE(mainwindow->isEnabled());
    QWidget* w = open("defineteammenu", "createteamsform");
    auto* free = control<QListWidget>(w, "List1");
    auto* create = control<QPushButton>(w, "createbutton");
    EXPECT_TRUE(control<QLabel>(w, "startlabel")->isVisible());
    EXPECT_FALSE(create->isEnabled());
    EXPECT_EQ(label(w, "recordnumberlabel"), "Team # 1 of 0");
    type(w, "teamnametext", "Eagles"); // the first name makes team 1
    pick(free, {0, 2});
    click(w, "addbutton");
    EXPECT_EQ(lines(control<QListWidget>(w, "List2")), (Lines{"Bill Archer", "Ed Castillo"}));
    create->click();
    EXPECT_EQ(label(w, "recordnumberlabel"), "Team # 2 of 2");
    EXPECT_FALSE(control<QLabel>(w, "startlabel")->isVisible());
    create->click();
    EXPECT_EQ(fake.dialogs.beeps, 1); // the new team needs its name first
    type(w, "teamnametext", "Hawks");
    pick(free, {0});
    click(w, "addbutton");
    click(w, "prevteambutton");
    EXPECT_EQ(box(w, "teamnametext"), "Eagles");
    click(w, "deleteteambutton");
    EXPECT_EQ(fake.dialogs.shown.back().message, rosternotempty());
    click(w, "Exitbutton");
    EXPECT_EQ(readbytes(teamfile()), " 2 \r\nEagles\r\nHawks\r\n 1 \r\n 2 \r\n 1 \r\n 0 \r\n 0 \r\n"
                                     " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
}

TEST_F(Teams, teamPoints_addListSwitchAndSave) {
    // Bill and Ed on the Eagles; the Hawks have nobody yet.
    writebytes(teamfile(), " 2 \r\nEagles\r\nHawks\r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n"
                           " 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    QWidget* w = open("enterteamresultsmenu", "teamdataform");
    auto* members = control<QPlainTextEdit>(w, "Membertext");
    EXPECT_EQ(members->toPlainText(), "Bill Archer , Ed Castillo ");
    const std::string date = todaysdate();
    EXPECT_EQ(texts(w, {"RecordNumberLabel", "DateText"}), (Lines{"Team # 1 of 2", date}));
    auto* list = control<QListWidget>(w, "List1");
    type(w, "Text1", "Week 1");
    type(w, "ManualText", "12");
    type(w, "Calculatedtext", "3.5");
    click(w, "Addbutton");
    EXPECT_EQ(lines(list), Lines{listinfoline("Week 1", 12, 3.5f)});
    EXPECT_EQ(texts(w, {"TotalLabel", "Text1", "Calculatedtext"}), (Lines{"3.5", "", ""}));
    control<QCheckBox>(w, "DateCheck")->click(); // each record starts with the date
    EXPECT_EQ(box(w, "Text1").toStdString(), date + " ");
    click(w, "Addbutton");
    EXPECT_EQ(list->count(), 2);

    type(w, "Calculatedtext", "2"); // typed but not added: No drops it
    click(w, "nextteambutton");
    EXPECT_EQ(fake.dialogs.shown.back().message, unsavedpoints());
    EXPECT_EQ(texts(w, {"TeamNameLabel", "Calculatedtext", "TotalLabel"}),
              (Lines{"Hawks", "", "0"}));
    EXPECT_TRUE(members->toPlainText().isEmpty());
    click(w, "prevteambutton");
    pick(list, {0, 1});
    click(w, "Removebutton");
    EXPECT_EQ(list->count(), 0);
    type(w, "Text1", "Final"); // Yes on closing adds it before the save
    type(w, "Calculatedtext", "4");
    fake.dialogs.answers = {Answer::yes};
    click(w, "exitbutton");
    EXPECT_EQ(readbytes(teamfile()).substr(60),
              " 1 \r\n" + date + " Final\r\n 0 \r\n 4 \r\n 0 \r\n");
}

TEST_F(Teams, teamReport_optionsChooseWhatIsPrinted) {
    writebytes(teamfile(), " 2 \r\nEagles\r\nHawks\r\n 1 \r\n 2 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n"
                           " 0 \r\n 0 \r\n 2 \r\nWeek 1 at Elm Ridge\r\n 12 \r\n 3.5 \r\n"
                           "Week 2\r\n 20 \r\n 4 \r\n 1 \r\nWeek 1\r\n 9 \r\n 2 \r\n");
    const std::string teams = readbytes(teamfile());
    QWidget* w = open("teamsummarymenu", "PrintTeamform");
    EXPECT_EQ(w->windowTitle(), "Team Report Printing Options");
    EXPECT_EQ(texts(w, {"Namescheck", "Option1_0", "Option1_1", "Printsetupbutton"}),
              (Lines{"List Team member names ", "Print each Teams last event only",
                     "Include all Team events", "Printer Setup"}));
    auto t = std::make_unique<Teamdata>();
    loadteams(*g, *t, data.path());
    const auto report = [&](bool withnames, bool last) {
        RecordingSurface s;
        printteamreport(s, *g, *t, {withnames, last}, todaysdate());
        return dump(s.printout());
    };
    click(w, "Printbutton");
    control<QCheckBox>(w, "Namescheck")->click();
    control<QRadioButton>(w, "Option1_0")->click();
    click(w, "Printbutton");
    ASSERT_EQ(printouts.size(), 2u);
    EXPECT_EQ(dump(*printouts[0]), report(false, false));
    EXPECT_EQ(dump(*printouts[1]), report(true, true));
    click(w, "Donebutton");
    EXPECT_EQ(window("PrintTeamform"), nullptr);
    EXPECT_TRUE(mainwindow->isEnabled());
    EXPECT_EQ(readbytes(teamfile()), teams); // a report only reads the teams
}
