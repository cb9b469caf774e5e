// The team windows through the main window's Teams menu.
#include "model/textline.h"
#include "players/ui/leaguewindows.h"
#include "teams/teampoints.h"
#include "teams/teamrules.h"

#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

using Lines = std::vector<std::string>;

void click(QWidget* w, const char* name) {
    control<QPushButton>(w, name)->click();
}

} // namespace

TEST_F(LeagueWindows, teamSetup_fromTheEmptyWindowToTwoTeams) {
    QWidget* w = open("defineteammenu", "createteamsform");
    ASSERT_NE(w, nullptr);
    auto* free = control<QListWidget>(w, "List1");
    auto* team = control<QListWidget>(w, "List2");
    auto* name = control<QLineEdit>(w, "teamnametext");
    auto* caption = control<QLabel>(w, "recordnumberlabel");
    auto* create = control<QPushButton>(w, "createbutton");
    EXPECT_TRUE(control<QLabel>(w, "startlabel")->isVisible());
    EXPECT_FALSE(create->isEnabled());
    EXPECT_EQ(caption->text(), "Team # 1 of 0");

    QTest::keyClicks(name, "Eagles"); // the first name makes team 1
    EXPECT_TRUE(create->isEnabled());
    pick(free, {0, 2});
    click(w, "addbutton");
    EXPECT_EQ(lines(team), (Lines{"Bill Archer", "Ed Castillo"}));
    EXPECT_EQ(free->count(), 6);

    create->click();
    EXPECT_EQ(caption->text(), "Team # 2 of 2");
    EXPECT_FALSE(control<QLabel>(w, "startlabel")->isVisible());
    create->click();
    EXPECT_EQ(fake.dialogs.beeps, 1); // the new team needs its name first
    QTest::keyClicks(name, "Hawks");
    pick(free, {0});
    click(w, "addbutton");

    click(w, "prevteambutton");
    EXPECT_EQ(name->text(), "Eagles");
    click(w, "deleteteambutton");
    EXPECT_EQ(fake.dialogs.shown.back().message, rosternotempty());
    click(w, "Exitbutton");
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(g->teamsdefined, 1);
    EXPECT_EQ(readbytes(teamfile()), " 2 \r\nEagles\r\nHawks\r\n 1 \r\n 2 \r\n 1 \r\n 0 \r\n 0 \r\n"
                                     " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
}

TEST_F(LeagueWindows, teamResults_needPlayersOnTeams) {
    form2->action("enterteamresultsmenu")->trigger();
    EXPECT_EQ(window("teamdataform"), nullptr);
    EXPECT_TRUE(form2->isEnabled());
}

TEST_F(LeagueWindows, teamPoints_addListSwitchAndSave) {
    // Bill and Ed on the Eagles; the Hawks have nobody yet.
    writebytes(teamfile(), " 2 \r\nEagles\r\nHawks\r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n"
                           " 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    QWidget* w = open("enterteamresultsmenu", "teamdataform");
    ASSERT_NE(w, nullptr);
    auto* members = control<QPlainTextEdit>(w, "Membertext");
    EXPECT_EQ(members->toPlainText(), "Bill Archer , Ed Castillo ");
    EXPECT_EQ(control<QLabel>(w, "RecordNumberLabel")->text(), "Team # 1 of 2");
    const QDate today = QDate::currentDate();
    const std::string date = reportdate(today.year(), today.month(), today.day());
    EXPECT_EQ(control<QLineEdit>(w, "DateText")->text().toStdString(), date);
    auto* text1 = control<QLineEdit>(w, "Text1");
    auto* points = control<QLineEdit>(w, "Calculatedtext");
    auto* list = control<QListWidget>(w, "List1");
    auto* total = control<QLabel>(w, "TotalLabel");

    QTest::keyClicks(text1, "Week 1");
    QTest::keyClicks(control<QLineEdit>(w, "ManualText"), "12");
    QTest::keyClicks(points, "3.5");
    click(w, "Addbutton");
    EXPECT_EQ(lines(list), Lines{listinfoline("Week 1", 12, 3.5f)});
    EXPECT_EQ(total->text(), "3.5");
    EXPECT_TRUE(text1->text().isEmpty() && points->text().isEmpty());

    control<QCheckBox>(w, "DateCheck")->click(); // each record starts with the date
    EXPECT_EQ(text1->text().toStdString(), date + " ");
    click(w, "Addbutton");
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(text1->text().toStdString(), date + " ");

    QTest::keyClicks(points, "2"); // typed but not added: No drops it
    click(w, "nextteambutton");
    EXPECT_EQ(fake.dialogs.shown.back().message, unsavedpoints());
    EXPECT_EQ(control<QLabel>(w, "TeamNameLabel")->text(), "Hawks");
    EXPECT_TRUE(members->toPlainText().isEmpty());
    EXPECT_TRUE(points->text().isEmpty());
    EXPECT_EQ(total->text(), "0");

    click(w, "prevteambutton");
    pick(list, {0, 1});
    click(w, "Removebutton");
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(total->text(), "0");

    QTest::keyClicks(text1, "Final"); // Yes on closing adds it before the save
    QTest::keyClicks(points, "4");
    fake.dialogs.answers = {Answer::yes};
    click(w, "exitbutton");
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(readbytes(teamfile()).substr(60),
              " 1 \r\n" + date + " Final\r\n 0 \r\n 4 \r\n 0 \r\n");
}
