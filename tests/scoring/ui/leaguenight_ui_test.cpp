// League night through the windows: set-up, score entry, correcting and deleting rounds.
#include "platform/spinbutton.h"
#include "scoring/roundslots.h"
#include "scoring/ui/nightfixture.h"
#include "shell/roundlines.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>
#include <functional>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

// Bill Archer, Ed Castillo and Hank Foster: rows 0, 2 and 5, all from the Mens tee.
constexpr int bill = 1, ed = 3, hank = 6;
const QString billscores = "545444365454544354"; // 40 out, 38 in
const QString edscores = "656555476565655465";   // 49 out, 47 in

DisplayedRound typedround(const QString& scores) {
    DisplayedRound d;
    d.tee = tee_mens;
    for (int h = 1; h <= 18; ++h) d.holes[h] = " " + scores.mid(h - 1, 1).toStdString();
    d.out = outtotal(d.holes);
    d.in = intotal(d.holes);
    return d;
}

bool waitfor(const std::function<bool()>& done) {
    return QTest::qWaitFor(done, 3000);
}

QString label(QWidget* w, const char* name) {
    return control<QLabel>(w, name)->text();
}

class Night : public LeagueNight {
  protected:
    // Enter Rounds with the given rows chosen on Cedar Ridge, accepted.
    QWidget* setup(std::initializer_list<int> rows) {
        form2->action("entermenu")->trigger();
        QWidget* window = shownwindow("selectplayers");
        EXPECT_NE(window, nullptr);
        if (window == nullptr) return nullptr;
        auto* list = control<QListWidget>(window, "List1");
        for (int row : rows) list->item(row)->setSelected(true);
        QTest::keyClicks(control<QComboBox>(window, "coursecombo")->lineEdit(), "cedar ridge");
        click(window, "acceptbutton");
        return shownwindow("roundsform");
    }
    // Types a player's scores and records them; true once the window has moved on.
    bool recordscores(QWidget* rounds, const QString& scores) {
        const QString player = label(rounds, "Pnamelabel");
        typekeys(rounds, scores);
        click(rounds, "recordbutton");
        return waitfor([&] {
            return shownwindow("roundsform") == nullptr || label(rounds, "Pnamelabel") != player;
        });
    }
    // The same rounds recorded by the engine alone, on the league as it was.
    void recordonmodel(GOLF1& model, int p, const QString& scores) {
        const QDate today = QDate::currentDate();
        model.coursenum = 1;
        model.curmonth = int16_t(today.month());
        model.curday = int16_t(today.day());
        model.curyear = int16_t(today.year() % 100);
        model.editslot = 0;
        model.playerno = int16_t(p);
        ASSERT_TRUE(recordround(model, typedround(scores)).stored);
    }
};

} // namespace

TEST_F(Night, wholeNight_twoRecordedThirdSkipped_savedAndShownAfterRefresh) {
    start();
    auto expected = std::make_unique<GOLF1>(*g);
    QWidget* rounds = setup({0, 2, 5});
    ASSERT_NE(rounds, nullptr);
    EXPECT_EQ(shownwindow("selectplayers"), nullptr);
    EXPECT_FALSE(form2->isEnabled());
    EXPECT_EQ(rounds->windowTitle(), "Enter Scores");
    EXPECT_EQ(label(rounds, "Pnamelabel"), "Bill Archer");
    EXPECT_TRUE(label(rounds, "Namelabel").startsWith("Cedar Ridge  golf course  on "));
    EXPECT_TRUE(control<QRadioButton>(rounds, "teebutton_2")->isChecked());
    EXPECT_EQ(label(rounds, "TotalLabel"), " 72");

    typekeys(rounds, billscores);
    EXPECT_EQ(control<QLineEdit>(rounds, "outscoretext")->text(), "  40");
    EXPECT_EQ(control<QLineEdit>(rounds, "inscoretext")->text(), "  38");
    EXPECT_EQ(label(rounds, "Totalscorelabel"), "78");
    click(rounds, "recordbutton");
    ASSERT_TRUE(waitfor([&] { return label(rounds, "Pnamelabel") == "Ed Castillo"; }));
    EXPECT_EQ(control<QLineEdit>(rounds, "scoretext_1")->text(), "");
    EXPECT_EQ(control<QLineEdit>(rounds, "outscoretext")->text(), "  0");
    EXPECT_EQ(rounds->focusWidget()->objectName(), "scoretext_1");

    ASSERT_TRUE(recordscores(rounds, edscores));
    EXPECT_EQ(label(rounds, "Pnamelabel"), "Hank Foster");
    click(rounds, "skipbutton");
    EXPECT_EQ(shownwindow("roundsform"), nullptr);
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(g->editslot, 0);

    recordonmodel(*expected, bill, billscores);
    recordonmodel(*expected, ed, edscores);
    auto saved = savedleague();
    for (int p : {bill, ed, hank}) {
        const int r = expected->roundcount[p];
        ASSERT_EQ(saved->roundcount[p], r) << p;
        EXPECT_EQ(saved->holescore[p][r], expected->holescore[p][r]) << p;
        EXPECT_EQ(saved->differential[p][r], expected->differential[p][r]) << p;
        EXPECT_EQ(saved->hcpindex[p][r], expected->hcpindex[p][r]) << p;
        EXPECT_EQ(saved->coursehcp[p][r], expected->coursehcp[p][r]) << p;
        EXPECT_EQ(saved->rmonth[p][r], expected->rmonth[p][r]) << p;
    }
    EXPECT_EQ(saved->holescore[bill][saved->roundcount[bill]][19], 40);

    // The view timer redraws the most recent rounds with the new ones.
    const std::string billline = roundtext(*g, bill, g->roundcount[bill], std::nullopt);
    ASSERT_TRUE(waitfor([&] {
        auto lines = texts(form2->list2());
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.rfind(billline, 0) == 0; });
    }));
}

TEST_F(Night, cancelAfterTwoOfThree_keepsTwoRoundsInMemoryAndWritesNothing) {
    start();
    const std::string before = leaguebytesondisk();
    const auto counts = g->roundcount;
    QWidget* rounds = setup({0, 2, 5});
    ASSERT_NE(rounds, nullptr);
    ASSERT_TRUE(recordscores(rounds, billscores));
    ASSERT_TRUE(recordscores(rounds, edscores));
    click(rounds, "cancelbutton");
    EXPECT_EQ(shownwindow("roundsform"), nullptr);
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(leaguebytesondisk(), before);
    EXPECT_EQ(g->roundcount[bill], counts[bill] + 1);
    EXPECT_EQ(g->roundcount[ed], counts[ed] + 1);
    EXPECT_EQ(g->roundcount[hank], counts[hank]);
    EXPECT_EQ(g->selected[hank], 1); // still waiting until the next set-up
}

TEST_F(Night, setup_refusalsAndTheDateQuestion) {
    start();
    g->dateremind = 1;
    form2->action("entermenu")->trigger();
    QWidget* window = shownwindow("selectplayers");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Player & Course Selection for Score Entry");
    click(window, "acceptbutton");
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message.text, "Please select a course before continuing.");
    EXPECT_EQ(fake.dialogs.shown[0].message.icon, Icon::exclamation);

    QTest::keyClicks(control<QComboBox>(window, "coursecombo")->lineEdit(), "Cedar Ridge");
    click(window, "acceptbutton");
    ASSERT_EQ(fake.dialogs.shown.size(), 2u);
    EXPECT_EQ(fake.dialogs.shown[1].message.text, "No Players selected, cannot continue.");
    EXPECT_NE(shownwindow("selectplayers"), nullptr);

    // Down from this year to 84, wrapping through 00.
    auto* yearspin = control<SpinButton>(window, "Yearspin");
    const int steps = QDate::currentDate().year() % 100 + 16;
    for (int i = 0; i < steps; ++i) yearspin->downbutton()->click();
    EXPECT_EQ(label(window, "yearlabel"), "84");
    EXPECT_EQ(yearspin->toolTip(), "Year 2084");
    const QString month = QString::number(QDate::currentDate().month());
    const QString day = QString::number(QDate::currentDate().day());
    control<QListWidget>(window, "List1")->item(3)->setSelected(true);
    click(window, "acceptbutton");
    ASSERT_EQ(fake.dialogs.shown.size(), 3u);
    const auto& question = fake.dialogs.shown[2];
    EXPECT_EQ(question.message.text, "Is " + month.toStdString() + "/" + day.toStdString() +
                                         "/2084 at Cedar Ridge\r\nthe correct date and location "
                                         "of the Round?\r\n\r\nDate / location checking can be "
                                         "disabled, see program settings.");
    EXPECT_EQ(question.message.title, "Double Checking Date & Location");
    EXPECT_EQ(question.buttons, Buttons::yesno);
    EXPECT_NE(shownwindow("selectplayers"), nullptr); // No: correct the date

    yearspin->upbutton()->click();
    EXPECT_EQ(yearspin->toolTip(), "Year 1985");
    fake.dialogs.answers.push_back(Answer::yes);
    click(window, "acceptbutton");
    EXPECT_NE(fake.dialogs.shown.back().message.text.find("/1985 at Cedar Ridge"),
              std::string::npos);
    EXPECT_EQ(g->curyear, 85);
    EXPECT_EQ(g->selected[4], 1);
    QWidget* rounds = shownwindow("roundsform");
    ASSERT_NE(rounds, nullptr);
    EXPECT_EQ(label(rounds, "Pnamelabel"), "Frank Doyle");
    EXPECT_TRUE(control<QRadioButton>(rounds, "teebutton_3")->isChecked());
}

TEST_F(Night, setup_cancelClearsTheMarks) {
    start();
    form2->action("entermenu")->trigger();
    QWidget* window = shownwindow("selectplayers");
    ASSERT_NE(window, nullptr);
    click(window, "allbutton");
    EXPECT_EQ(control<QListWidget>(window, "List1")->selectedItems().size(), 8);
    click(window, "infobutton");
    EXPECT_EQ(fake.help.shown.back(), "Entering Scores");
    g->selected[2] = 1; // left over from a cancelled entry run
    click(window, "cancelbutton");
    EXPECT_EQ(g->selected[2], 0);
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(shownwindow("selectplayers"), nullptr);
}

TEST_F(Night, editThroughGPlayer_recalculatesThatRoundOnlyAndSaves) {
    start();
    constexpr int dana = 2; // eight rounds
    g->rmonth[dana][3] = 3;
    g->rday[dana][3] = 7;
    g->ryear[dana][3] = 5;
    auto expected = std::make_unique<GOLF1>(*g);

    form2->action("editroundmenu")->trigger();
    QWidget* picker = shownwindow("GPlayer");
    ASSERT_NE(picker, nullptr);
    EXPECT_FALSE(form2->isEnabled());
    EXPECT_EQ(label(picker, "message"), "Select a Player");
    click(picker, "acceptbutton");
    EXPECT_EQ(fake.dialogs.beeps, 1);
    auto* list = control<QListWidget>(picker, "List1");
    list->setCurrentRow(1);
    click(picker, "acceptbutton");
    EXPECT_EQ(label(picker, "message"), "Select Date");
    EXPECT_EQ(g->selected[dana], 1);
    ASSERT_EQ(list->count(), 8);
    EXPECT_EQ(list->item(5)->text(), "03/07/05"); // slot 3 of 8, newest first
    list->setCurrentRow(5);
    click(picker, "acceptbutton");

    QWidget* rounds = shownwindow("roundsform");
    ASSERT_NE(rounds, nullptr);
    EXPECT_EQ(shownwindow("GPlayer"), nullptr);
    EXPECT_FALSE(form2->isEnabled());
    EXPECT_EQ(g->editslot, 3);
    EXPECT_FALSE(control<QPushButton>(rounds, "skipbutton")->isVisible());
    EXPECT_TRUE(control<QPushButton>(rounds, "deletebutton")->isVisible());
    EXPECT_TRUE(label(rounds, "Namelabel").endsWith("on March  7"));
    auto* hole1 = control<QLineEdit>(rounds, "scoretext_1");
    const auto& stored = g->holescore[dana][3];
    EXPECT_EQ(hole1->text().trimmed().toInt(), stored[1]);
    EXPECT_EQ(control<QLineEdit>(rounds, "outscoretext")->text(), QString("   %1").arg(stored[19]));

    // One stroke more on hole 1; the focus stays put while editing.
    hole1->setFocus();
    hole1->selectAll();
    typekeys(rounds, QString::number(stored[1] + 1));
    EXPECT_EQ(rounds->focusWidget(), hole1);
    click(rounds, "infobutton");
    EXPECT_EQ(fake.help.shown.back(), "Edit a Round");
    click(rounds, "recordbutton");
    ASSERT_TRUE(waitfor([] { return shownwindow("roundsform") == nullptr; }));
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(g->editslot, 0);

    // The engine's numbers for the edited round on Dana's default tee, later rounds as
    // they were.
    DisplayedRound d;
    d.tee = g->playertee[dana];
    for (int h = 1; h <= 18; ++h) d.holes[h] = std::to_string(expected->holescore[dana][3][h]);
    d.holes[1] = std::to_string(expected->holescore[dana][3][1] + 1);
    d.out = outtotal(d.holes);
    d.in = std::to_string(expected->holescore[dana][3][20]);
    expected->playerno = dana;
    expected->editslot = 3;
    expected->coursenum = expected->roundcourse[dana][3];
    ASSERT_TRUE(recordround(*expected, d).stored);
    auto saved = savedleague();
    EXPECT_EQ(saved->roundcount[dana], 8);
    EXPECT_EQ(saved->holescore[dana][3], expected->holescore[dana][3]);
    EXPECT_EQ(saved->differential[dana][3], expected->differential[dana][3]);
    EXPECT_EQ(saved->hcpindex[dana][3], expected->hcpindex[dana][3]);
    EXPECT_EQ(saved->hcpindex[dana][8], expected->hcpindex[dana][8]);
    EXPECT_EQ(saved->ryear[dana][3], 5);
}

TEST_F(Night, deleteThroughGPlayer_asksThenRecalculatesAndSaves) {
    start(); // Ed Castillo has eleven rounds
    auto expected = std::make_unique<GOLF1>(*g);
    const std::string before = leaguebytesondisk();
    form2->action("editroundmenu")->trigger();
    QWidget* picker = shownwindow("GPlayer");
    ASSERT_NE(picker, nullptr);
    auto* list = control<QListWidget>(picker, "List1");
    list->setCurrentRow(2);
    click(picker, "acceptbutton");
    const QPoint newest = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, newest);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, newest);
    QWidget* rounds = shownwindow("roundsform");
    ASSERT_NE(rounds, nullptr);
    EXPECT_EQ(g->editslot, 11);

    click(rounds, "deletebutton"); // the default answer is No
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message, deleteroundquestion());
    EXPECT_EQ(fake.dialogs.shown[0].message.title, "GFD");
    EXPECT_EQ(fake.dialogs.shown[0].defaultbutton, Answer::no);
    EXPECT_NE(shownwindow("roundsform"), nullptr);
    EXPECT_EQ(g->roundcount[ed], 11);

    fake.dialogs.answers.push_back(Answer::yes);
    click(rounds, "deletebutton");
    EXPECT_EQ(shownwindow("roundsform"), nullptr);
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_NE(leaguebytesondisk(), before);

    expected->playerno = ed;
    expected->editslot = 11;
    ASSERT_TRUE(deleteround(*expected, true, expected->playertee[ed]).recalculated);
    auto saved = savedleague();
    EXPECT_EQ(saved->roundcount[ed], 10);
    EXPECT_EQ(saved->differential[ed][10], expected->differential[ed][10]);
    EXPECT_EQ(saved->hcpindex[ed][10], expected->hcpindex[ed][10]);
    EXPECT_EQ(saved->coursehcp[ed][10], expected->coursehcp[ed][10]);
    EXPECT_EQ(saved->rmonth[ed][11], 0);
}

TEST_F(Night, closingGPlayerAfterAPlayer_leavesTheMarkAndNoCurrentPlayer) {
    start();
    form2->action("editroundmenu")->trigger();
    QWidget* picker = shownwindow("GPlayer");
    ASSERT_NE(picker, nullptr);
    control<QListWidget>(picker, "List1")->setCurrentRow(4);
    click(picker, "acceptbutton");
    click(picker, "acceptbutton"); // no round chosen yet
    EXPECT_EQ(fake.dialogs.beeps, 1);
    click(picker, "exitbutton");
    EXPECT_EQ(shownwindow("GPlayer"), nullptr);
    EXPECT_EQ(g->selected[5], 1);
    EXPECT_EQ(g->playerno, 0);
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_TRUE(form2->action("Viewmenu_1")->isChecked());
    EXPECT_FALSE(form2->action("Viewmenu_3")->isChecked());
}
