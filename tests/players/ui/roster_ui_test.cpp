// The roster windows through the main window's Players menu.
#include "model/leaguefile.h"
#include "platform/spinbutton.h"
#include "players/roster.h"
#include "players/ui/leaguewindows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

using Names = std::vector<std::string>;

void click(QWidget* w, const char* name) {
    control<QPushButton>(w, name)->click();
}

class RosterWindows : public LeagueWindows {
  protected:
    // The names the league file now holds.
    Names savednames() const {
        GOLF1 back;
        back.leaguefile = g->leaguefile;
        EXPECT_TRUE(loadleague(back, data.path()));
        return {back.playername.begin() + 1, back.playername.begin() + 1 + back.playercount};
    }
};

} // namespace

TEST_F(RosterWindows, addPlayers_enterAddsAndCloseSaves) {
    const std::string before = readbytes(leaguefile());
    QWidget* w = open("Playermenu_1", "playform");
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(form2->isEnabled());
    EXPECT_EQ(w->windowTitle(), "Tuesday Night League Players");
    auto* count = control<QLabel>(w, "playernumlabel");
    EXPECT_EQ(count->text(), "8 member(s)");
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
    EXPECT_EQ(g->playername[9], "Bo 'Q' Lu");
    EXPECT_EQ(g->playertee[9], tee_pro);
    EXPECT_EQ(count->text(), "9 member(s)");
    EXPECT_TRUE(text1->text().isEmpty());

    QTest::keyClicks(text1, "bill ARCHER");
    click(w, "addbutton");
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message, nametaken());
    EXPECT_TRUE(text1->text().isEmpty());
    EXPECT_EQ(readbytes(leaguefile()), before); // nothing is written before closing
    click(w, "exitbutton");
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(savednames().back(), "Bo 'Q' Lu");
    EXPECT_FALSE(fs::exists(teamfile())); // a league without teams gets no team file
}

TEST_F(RosterWindows, severalRemovalsInOneVisit_keepEveryPlayersTeam) {
    // Teams by roster position: 1 and 3 on team 1; 2, 4 and 7 on team 2.
    writebytes(teamfile(), " 2 \r\nEagles\r\nHawks\r\n 1 \r\n 2 \r\n 1 \r\n 2 \r\n 0 \r\n 0 \r\n"
                           " 2 \r\n 0 \r\n 0 \r\n 0 \r\n");
    QWidget* w = open("Playermenu_3", "RMplayer");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(control<QLabel>(w, "Playerlabel")->text(), "Tuesday Night League.LGE Player List");
    auto* list = control<QListWidget>(w, "List1");
    click(w, "removebutton");
    EXPECT_EQ(fake.dialogs.beeps, 1); // nothing selected

    list->setCurrentRow(0);
    fake.dialogs.answers = {Answer::no, Answer::yes, Answer::yes};
    click(w, "removebutton");
    const auto& asked = fake.dialogs.shown.back();
    EXPECT_EQ(asked.message, removequestion("Bill Archer"));
    EXPECT_EQ(asked.message.text,
              "Are you sure you want to remove the player\r\nBill Archer  from "
              "your League?\r\n\r\n     CONTINUE?          Select 'NO' to cancel");
    EXPECT_EQ(asked.defaultbutton, Answer::no);
    EXPECT_EQ(list->count(), 8);
    list->setCurrentRow(0);
    click(w, "removebutton");
    list->setCurrentRow(1); // Ed Castillo, second now
    click(w, "removebutton");
    EXPECT_EQ(list->count(), 6);
    click(w, "exitbutton");
    EXPECT_EQ(readbytes(teamfile()), " 2 \r\nEagles\r\nHawks\r\n 2 \r\n 2 \r\n 0 \r\n 0 \r\n 2 \r\n"
                                     " 0 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(savednames(), (Names{"Dana Brooks", "Frank Doyle", "Grace Ellis", "Hank Foster",
                                   "Irene Garza", "Jack Hughes"}));
}

TEST_F(RosterWindows, rename_refusesExactDuplicatesAndRedrawsTheView) {
    QWidget* w = open("Playernamesmenu", "Playernm");
    ASSERT_NE(w, nullptr);
    auto* text1 = control<QLineEdit>(w, "Text1");
    control<QListWidget>(w, "List1")->setCurrentRow(1);
    EXPECT_EQ(text1->text(), "Dana Brooks");
    click(w, "renamebutton"); // her own name is taken too
    EXPECT_EQ(fake.dialogs.shown.back().message, nameinuse());
    text1->setText("BILL ARCHER"); // differs from player 1 in letter case only
    fake.dialogs.answers = {Answer::yes};
    click(w, "renamebutton");
    EXPECT_EQ(fake.dialogs.shown.back().message, renamequestion());
    click(w, "exitbutton");
    EXPECT_EQ(savednames()[1], "BILL ARCHER");
    EXPECT_EQ(form2->list1()->item(3)->text(), "BILL ARCHER");
}

TEST_F(RosterWindows, sort_movesByPositionAndAlwaysSavesOnClose) {
    QWidget* w = open("Playermenu_2", "sortform");
    ASSERT_NE(w, nullptr);
    auto* list = control<QListWidget>(w, "List1");
    auto* text1 = control<QLineEdit>(w, "Text1");
    auto* change = control<QPushButton>(w, "changebutton");
    EXPECT_EQ(list->item(0)->text(), "  1  Bill Archer");
    EXPECT_FALSE(change->isEnabled());

    list->setCurrentRow(0);
    EXPECT_EQ(control<QLabel>(w, "Label1")->text(), "Bill Archer");
    EXPECT_EQ(text1->text(), " 1");
    change->click();
    EXPECT_EQ(fake.dialogs.beeps, 1); // onto his own place
    auto* up = control<SpinButton>(w, "SpinButton1")->upbutton();
    up->click();
    up->click();
    change->click();
    EXPECT_EQ(list->item(0)->text(), "  1  Dana Brooks");
    EXPECT_EQ(list->item(2)->text(), "  3  Bill Archer");
    EXPECT_FALSE(change->isEnabled());
    text1->setText("99");
    EXPECT_EQ(text1->text(), "8");
    change->click(); // the moved player is still the chosen one
    click(w, "exitbutton");
    EXPECT_EQ(savednames().back(), "Bill Archer");
    EXPECT_EQ(g->roundcount[8], 5); // his rounds went with him

    fs::remove(leaguefile()); // closing rewrites the league file even without a move
    click(open("Playermenu_2", "sortform"), "exitbutton");
    EXPECT_TRUE(fs::exists(leaguefile()));
}
