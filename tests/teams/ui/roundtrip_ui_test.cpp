// A night of roster work through the windows, then the program starts again on the same
// folder: everything is as it was left.
#include "model/leaguefile.h"
#include "players/ui/leaguewindows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

using Lines = std::vector<std::string>;

void click(QWidget* w, const char* name) {
    control<QPushButton>(w, name)->click();
}

void type(QWidget* w, const char* box, const char* text) {
    QTest::keyClicks(control<QLineEdit>(w, box), text);
}

void points(QWidget* w, const char* text, const char* manual, const char* pts) {
    type(w, "Text1", text);
    type(w, "ManualText", manual);
    type(w, "Calculatedtext", pts);
    click(w, "Addbutton");
}

} // namespace

TEST_F(LeagueWindows, rosterAndTeams_surviveARestart) {
    QWidget* w = open("Playermenu_1", "playform");
    control<QRadioButton>(w, "Option3D1_2")->click();
    type(w, "Text1", "Kim Lowe");
    click(w, "addbutton");
    click(w, "exitbutton");

    fake.dialogs.answers = {Answer::yes, Answer::yes};
    w = open("Playernamesmenu", "Playernm");
    control<QListWidget>(w, "List1")->setCurrentRow(1);
    control<QLineEdit>(w, "Text1")->setText("Dana Brooks-Lee");
    click(w, "renamebutton");
    click(w, "exitbutton");
    w = open("Playermenu_3", "RMplayer");
    control<QListWidget>(w, "List1")->setCurrentRow(3); // Frank Doyle
    click(w, "removebutton");
    click(w, "exitbutton");

    w = open("Playermenu_2", "sortform");
    control<QListWidget>(w, "List1")->setCurrentRow(6); // Jack Hughes to the top
    control<QLineEdit>(w, "Text1")->setText("1");
    click(w, "changebutton");
    click(w, "exitbutton");

    w = open("defineteammenu", "createteamsform");
    type(w, "teamnametext", "Eagles");
    pick(control<QListWidget>(w, "List1"), {0, 1}); // Jack, Bill
    click(w, "addbutton");
    click(w, "createbutton");
    type(w, "teamnametext", "Hawks");
    pick(control<QListWidget>(w, "List1"), {5}); // Kim
    click(w, "addbutton");
    click(w, "Exitbutton");

    w = open("enterteamresultsmenu", "teamdataform");
    points(w, "Week 1", "12", "3.5");
    click(w, "nextteambutton");
    points(w, "Week 1", "10", "2");
    points(w, "Week 2", "15", "1.5");
    click(w, "exitbutton");
    EXPECT_EQ(fake.dialogs.shown.size(), 2u); // the two questions; no failure anywhere
    EXPECT_EQ(Lines(g->playername.begin() + 1, g->playername.begin() + 9),
              (Lines{"Jack Hughes", "Bill Archer", "Dana Brooks-Lee", "Ed Castillo", "Grace Ellis",
                     "Hank Foster", "Irene Garza", "Kim Lowe"}));
    const std::string league = leaguebytes(*g);

    start(); // the program again, on the same folder
    EXPECT_EQ(leaguebytes(*g), league);
    w = open("defineteammenu", "createteamsform");
    EXPECT_EQ(control<QLineEdit>(w, "teamnametext")->text(), "Eagles");
    EXPECT_EQ(lines(control<QListWidget>(w, "List2")), (Lines{"Jack Hughes", "Bill Archer"}));
    click(w, "Exitbutton");
    w = open("enterteamresultsmenu", "teamdataform");
    EXPECT_EQ(control<QLabel>(w, "TotalLabel")->text(), "3.5");
    click(w, "nextteambutton");
    EXPECT_EQ(control<QPlainTextEdit>(w, "Membertext")->toPlainText(), "Kim Lowe ");
    EXPECT_EQ(control<QListWidget>(w, "List1")->count(), 2);
    EXPECT_EQ(control<QLabel>(w, "TotalLabel")->text(), "3.5");
    click(w, "exitbutton");
}
