// Renders the roster and team windows to PNG files under the build folder (screens/),
// for a person to look at.
#include "players/ui/leaguewindows.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

void save(QWidget* w, const char* name) {
    ASSERT_NE(w, nullptr) << name;
    fs::create_directories(GREENFOLD_SCREENS);
    QPixmap shot = w->grab();
    ASSERT_FALSE(shot.isNull());
    ASSERT_TRUE(shot.save(QString(GREENFOLD_SCREENS) + "/" + name + ".png"));
}

void close(QWidget* w, const char* button) {
    w->findChild<QPushButton*>(button)->click();
}

} // namespace

TEST_F(LeagueWindows, renderRosterAndTeamWindows) {
    writebytes(teamfile(), " 2 \r\nEagles\r\nHawks\r\n 1 \r\n 2 \r\n 1 \r\n 0 \r\n 0 \r\n 2 \r\n"
                           " 0 \r\n 0 \r\n 2 \r\nWeek 1 at Elm Ridge\r\n 12 \r\n 3.5 \r\n"
                           "Week 2\r\n 20 \r\n 4 \r\n 0 \r\n");
    QWidget* w = open("Playermenu_1", "playform");
    QTest::keyClicks(w->findChild<QLineEdit*>("Text1"), "Kim Lowe");
    save(w, "playform");
    close(w, "exitbutton");

    w = open("Playermenu_3", "RMplayer");
    w->findChild<QListWidget*>("List1")->setCurrentRow(2);
    save(w, "RMplayer");
    close(w, "exitbutton");

    w = open("Playernamesmenu", "Playernm");
    w->findChild<QListWidget*>("List1")->setCurrentRow(1);
    save(w, "Playernm");
    close(w, "exitbutton");

    w = open("Playermenu_2", "sortform");
    w->findChild<QListWidget*>("List1")->setCurrentRow(3);
    save(w, "sortform");
    close(w, "exitbutton");

    for (const char* shot : {"createteamsform", "createteamsform-empty"}) {
        w = open("defineteammenu", "createteamsform");
        save(w, shot);
        close(w, "Exitbutton");
        fs::remove(teamfile());
    }

    writebytes(teamfile(), " 1 \r\nEagles\r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
                           " 0 \r\n 2 \r\nWeek 1 at Elm Ridge\r\n 12 \r\n 3.5 \r\n"
                           "Week 2\r\n 20 \r\n 4 \r\n");
    w = open("enterteamresultsmenu", "teamdataform");
    save(w, "teamdataform");
    close(w, "exitbutton");

    w = open("teamsummarymenu", "PrintTeamform");
    w->findChild<QCheckBox*>("Namescheck")->setChecked(true);
    save(w, "PrintTeamform");
    close(w, "Donebutton");
}
