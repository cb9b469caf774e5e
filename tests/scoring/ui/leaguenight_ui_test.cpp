// League night through the windows: set-up, score entry, correcting and deleting rounds.
#include "lists/roundlines.h"
#include "platform/spinbutton.h"
#include "scoring/roundslots.h"
#include "scoring/ui/nightfixture.h"
#include "scoring/ui/roundsform.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <tuple>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

// Bill Archer, Ed Castillo and Hank Foster: rows 0, 2 and 5, all from the Mens tee of
// Cedar Ridge (course 1, hole 1 a par 4, hole 2 a par 5).
constexpr int bill = 1, ed = 3, hank = 6;
const QString billscores = "545444365454544354"; // 40 out, 38 in
const QString edscores = "656555476565655465";   // 49 out, 47 in

bool waitfor(const std::function<bool()>& done) {
    return QTest::qWaitFor(done, 3000);
}

QString label(QWidget* w, const char* name) {
    return control<QLabel>(w, name)->text();
}

QString box(QWidget* w, const QString& name) {
    return control<QLineEdit>(w, name)->text();
}

// The scripted dialogs, with a look at the windows while a box holds the screen.
struct WatchedDialogs : FakeDialogs {
    std::function<void(const Message&)> onmessage;
    Answer message(const Message& m, Buttons buttons, Answer defaultbutton) override {
        if (onmessage) onmessage(m);
        return FakeDialogs::message(m, buttons, defaultbutton);
    }
};

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
    // The same round recorded by the engine alone, today on Cedar Ridge; a score string
    // of nine holes leaves the back nine empty.
    void recordonmodel(GOLF1& model, int p, const QString& scores) {
        const QDate today = QDate::currentDate();
        ScoreSession at;
        at.course = 1;
        at.month = today.month();
        at.day = today.day();
        at.year = today.year() % 100;
        at.player = p;
        DisplayedRound d;
        d.tee = tee_mens;
        for (int h = 1; h <= 18; ++h) d.holes[h] = " " + scores.mid(h - 1, 1).toStdString();
        d.out = outtotal(d.holes);
        d.in = intotal(d.holes);
        ASSERT_TRUE(recordround(model, at.entry(d)).stored);
    }
    // The league file holds round r of player p as the engine computed it.
    void expectsaved(const GOLF1& expected, int p, int r) {
        auto saved = savedleague();
        const auto round = [p, r](const GOLF1& l) {
            return std::tuple(l.roundcount[p], l.holescore[p][r], l.differential[p][r],
                              l.hcpindex[p][r], l.coursehcp[p][r], l.rmonth[p][r], l.rday[p][r],
                              l.ryear[p][r]);
        };
        EXPECT_EQ(round(*saved), round(expected)) << "player " << p << ", round " << r;
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
    EXPECT_EQ(box(rounds, "inscoretext"), "  38");
    click(rounds, "recordbutton");
    ASSERT_TRUE(waitfor([&] { return label(rounds, "Pnamelabel") == "Ed Castillo"; }));
    EXPECT_EQ(box(rounds, "scoretext_1"), "");
    EXPECT_EQ(box(rounds, "outscoretext"), "  0");
    EXPECT_EQ(rounds->focusWidget()->objectName(), "scoretext_1");

    ASSERT_TRUE(recordscores(rounds, edscores));
    EXPECT_EQ(label(rounds, "Pnamelabel"), "Hank Foster");
    click(rounds, "skipbutton");
    EXPECT_EQ(shownwindow("roundsform"), nullptr);
    EXPECT_TRUE(form2->isEnabled());

    recordonmodel(*expected, bill, billscores);
    recordonmodel(*expected, ed, edscores);
    for (int p : {bill, ed, hank}) expectsaved(*expected, p, expected->roundcount[p]);
    EXPECT_EQ(g->holescore[bill][g->roundcount[bill]][19], 40);

    // The view timer redraws the most recent rounds with the new ones.
    const std::string billline = roundtext(*g, bill, g->roundcount[bill], std::nullopt);
    ASSERT_TRUE(waitfor([&] {
        auto lines = texts(form2->list2());
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.rfind(billline, 0) == 0; });
    }));
}

TEST_F(Night, cancelAfterTwoOfThree_savesTheTwoRecorded) {
    start();
    const std::string before = leaguebytesondisk();
    const QString status = form2->messagepanel()->text();
    const auto counts = g->roundcount;
    QWidget* rounds = setup({0, 2, 5});
    ASSERT_NE(rounds, nullptr);
    ASSERT_TRUE(recordscores(rounds, billscores));
    ASSERT_TRUE(recordscores(rounds, edscores));
    click(rounds, "cancelbutton");
    EXPECT_EQ(shownwindow("roundsform"), nullptr);
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(form2->messagepanel()->text(), status);
    EXPECT_NE(leaguebytesondisk(), before);
    auto reopened = savedleague();
    EXPECT_EQ(reopened->roundcount[bill], counts[bill] + 1);
    EXPECT_EQ(reopened->roundcount[ed], counts[ed] + 1);
    EXPECT_EQ(reopened->roundcount[hank], counts[hank]);
    EXPECT_EQ(g->roundcount[bill], counts[bill] + 1);
    EXPECT_EQ(g->roundcount[ed], counts[ed] + 1);
    EXPECT_EQ(g->roundcount[hank], counts[hank]);

    form2->action("entermenu")->trigger();
    QWidget* window = shownwindow("selectplayers");
    ASSERT_NE(window, nullptr);
    click(window, "allbutton");
    EXPECT_EQ(control<QListWidget>(window, "List1")->selectedItems().size(), 8);
    click(window, "infobutton");
    EXPECT_EQ(fake.help.shown.back(), "Entering Scores");
    click(window, "cancelbutton");
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(shownwindow("selectplayers"), nullptr);
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
    const QDate today = QDate::currentDate();
    control<QListWidget>(window, "List1")->item(3)->setSelected(true);
    click(window, "acceptbutton");
    ASSERT_EQ(fake.dialogs.shown.size(), 3u);
    const auto& question = fake.dialogs.shown[2];
    EXPECT_EQ(question.message.text,
              QString("Is %1/%2/2084 at Cedar Ridge\r\nthe correct date and location of the "
                      "Round?\r\n\r\nDate / location checking can be disabled, see program "
                      "settings.")
                  .arg(today.month())
                  .arg(today.day())
                  .toStdString());
    EXPECT_EQ(question.message.title, "Double Checking Date & Location");
    EXPECT_EQ(question.buttons, Buttons::yesno);
    EXPECT_NE(shownwindow("selectplayers"), nullptr); // No: correct the date

    yearspin->upbutton()->click();
    fake.dialogs.answers.push_back(Answer::yes);
    click(window, "acceptbutton");
    EXPECT_NE(fake.dialogs.shown.back().message.text.find("/1985 at Cedar Ridge"),
              std::string::npos);
    QWidget* rounds = shownwindow("roundsform");
    ASSERT_NE(rounds, nullptr);
    EXPECT_EQ(label(rounds, "Pnamelabel"), "Frank Doyle");
    EXPECT_TRUE(control<QRadioButton>(rounds, "teebutton_3")->isChecked());
}

TEST_F(Night, typing_movesOnAfterEachHoleButWaitsAfterALoneOne) {
    start();
    QWidget* rounds = setup({0});
    ASSERT_NE(rounds, nullptr);
    EXPECT_EQ(box(rounds, "Partext_2"), " 5");
    control<QLineEdit>(rounds, "scoretext_3")->setFocus();
    const struct {
        const char* keys;
        const char* hole;
        const char* shown;
        const char* focus;
    } steps[] = {
        {"4", "scoretext_3", " 4", "scoretext_4"}, {"1", "scoretext_4", " 1", "scoretext_4"},
        {"0", "scoretext_4", "10", "scoretext_5"}, {"x-", "scoretext_5", "", "scoretext_5"},
        {"\n", "scoretext_5", "", "scoretext_6"},
    };
    for (const auto& s : steps) {
        typekeys(rounds, s.keys);
        EXPECT_EQ(box(rounds, s.hole), s.shown) << s.keys;
        EXPECT_EQ(rounds->focusWidget()->objectName(), s.focus) << s.keys;
    }
    EXPECT_EQ(box(rounds, "outscoretext"), "  14");
    EXPECT_EQ(label(rounds, "Totalscorelabel"), "14");

    // Emptying a hole takes it out of the total at once.
    control<QLineEdit>(rounds, "scoretext_4")->clear();
    EXPECT_EQ(box(rounds, "outscoretext"), "  4");
    // The totals take digits typed straight in, for a player with nine-hole totals only.
    auto* in = control<QLineEdit>(rounds, "inscoretext");
    in->setFocus();
    in->clear();
    typekeys(rounds, "4a1");
    EXPECT_EQ(in->text(), "41");
    EXPECT_EQ(label(rounds, "Totalscorelabel"), "45");
}

TEST_F(Night, strokeControl_refusedWithoutASlope_thenLowersTheHoleAndTheTotalFollows) {
    start();
    g->escflag = 5;
    const int count = g->roundcount[bill];
    g->coursehcp[bill][count] = 8; // par 4 + 2 on hole 1
    QWidget* rounds = setup({0});
    ASSERT_NE(rounds, nullptr);
    std::string& slope = g->coursedata[1][courseline_slope0 + tee_mens];
    const std::string realslope = slope;
    slope = " 0";
    EXPECT_TRUE(control<QLabel>(rounds, "eqlabel")->isVisible());
    typekeys(rounds, "12"
                     "44444444"
                     "444444444");
    EXPECT_EQ(box(rounds, "outscoretext"), "  44");
    click(rounds, "recordbutton");
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_NE(fake.dialogs.shown[0].message.text.find("no slope rating"), std::string::npos);
    EXPECT_EQ(box(rounds, "scoretext_1"), "12"); // nothing lowered, nothing stored
    QTest::qWait(650);
    EXPECT_EQ(g->roundcount[bill], count);
    ASSERT_NE(shownwindow("roundsform"), nullptr);

    slope = realslope;
    click(rounds, "recordbutton");
    EXPECT_EQ(box(rounds, "scoretext_1"), " 6");
    EXPECT_EQ(box(rounds, "outscoretext"), "  38");
    ASSERT_TRUE(waitfor([] { return shownwindow("roundsform") == nullptr; }));
    EXPECT_EQ(g->roundcount[bill], count + 1);
    EXPECT_EQ(g->holescore[bill][count + 1][1], 6);
    EXPECT_EQ(g->holescore[bill][count + 1][19], 38);
}

TEST_F(Night, nothingTypedStaysOnThePlayer_nineHoleRoundStoredWithInTotalZero) {
    start();
    auto expected = std::make_unique<GOLF1>(*g);
    QWidget* rounds = setup({0});
    ASSERT_NE(rounds, nullptr);
    click(rounds, "recordbutton");
    QTest::qWait(650);
    EXPECT_EQ(g->roundcount[bill], expected->roundcount[bill]);
    ASSERT_NE(shownwindow("roundsform"), nullptr);
    EXPECT_EQ(rounds->focusWidget()->objectName(), "scoretext_1");
    EXPECT_TRUE(fake.dialogs.shown.empty());

    typekeys(rounds, "545444365");
    EXPECT_EQ(box(rounds, "inscoretext"), "  0");
    click(rounds, "recordbutton");
    ASSERT_TRUE(waitfor([] { return shownwindow("roundsform") == nullptr; }));
    recordonmodel(*expected, bill, "545444365");
    const int r = expected->roundcount[bill];
    EXPECT_EQ(expected->holescore[bill][r][20], 0);
    expectsaved(*expected, bill, r);
}

TEST_F(Night, viewMath_widensAndPausesWithThePanelShowing) {
    start();
    WatchedDialogs dialogs;
    Services services{dialogs, fake.help, fake.display, fake.busy, fake.printing};
    ScoreSession night;
    night.course = 1;
    night.month = 6;
    night.day = 14;
    night.waiting = {bill, ed};
    QPointer<roundsform> rounds = new roundsform(*g, services, data.path(), night, nullptr);
    rounds->load();
    const int narrow = rounds->width();
    click(rounds, "Command3D1");
    EXPECT_GT(rounds->width(), narrow + 100);
    auto* panel = control<QListWidget>(rounds, "List1");
    EXPECT_TRUE(panel->isVisible());
    QStringList atpause;
    dialogs.onmessage = [&](const Message&) {
        for (int i = 0; i < panel->count(); ++i) atpause << panel->item(i)->text();
    };
    typekeys(rounds, billscores);
    click(rounds, "recordbutton");
    ASSERT_TRUE(waitfor([&] { return label(rounds, "Pnamelabel") == "Ed Castillo"; }));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].message.text, " Pausing...");
    ASSERT_FALSE(atpause.isEmpty());
    EXPECT_EQ(atpause.front(), "Bill Archer");
    EXPECT_TRUE(atpause.back().startsWith("Hcp index = "));
    EXPECT_EQ(panel->count(), 0);
    click(rounds, "Command3D1");
    EXPECT_EQ(rounds->width(), narrow);
    click(rounds, "infobutton");
    EXPECT_EQ(fake.help.shown.back(), "Entering Scores");
    dialogs.onmessage = nullptr;
    rounds->close();
}

TEST_F(Night, editThroughGPlayer_noJumpsNoStrokeControl_recalculatesThatRoundOnlyAndSaves) {
    start();
    constexpr int dana = 2; // eight rounds
    g->rmonth[dana][3] = 3;
    g->rday[dana][3] = 7;
    g->ryear[dana][3] = 5;
    g->escflag = 5;
    auto expected = std::make_unique<GOLF1>(*g);

    form2->action("editroundmenu")->trigger();
    QWidget* picker = shownwindow("GPlayer");
    ASSERT_NE(picker, nullptr);
    EXPECT_FALSE(form2->isEnabled());
    EXPECT_EQ(label(picker, "message"), "Select a Player");
    auto* list = control<QListWidget>(picker, "List1");
    list->setCurrentRow(1);
    click(picker, "acceptbutton");
    EXPECT_EQ(label(picker, "message"), "Select Date");
    EXPECT_EQ(list->item(5)->text(), "03/07/05"); // slot 3 of 8, newest first
    list->setCurrentRow(5);
    click(picker, "acceptbutton");

    QWidget* rounds = shownwindow("roundsform");
    ASSERT_NE(rounds, nullptr);
    EXPECT_EQ(shownwindow("GPlayer"), nullptr);
    EXPECT_FALSE(form2->isEnabled());
    EXPECT_FALSE(control<QLabel>(rounds, "eqlabel")->isVisible());
    EXPECT_FALSE(control<QPushButton>(rounds, "skipbutton")->isVisible());
    EXPECT_TRUE(control<QPushButton>(rounds, "deletebutton")->isVisible());
    EXPECT_TRUE(label(rounds, "Namelabel").endsWith("on March  7"));
    EXPECT_EQ(box(rounds, "scoretext_2"), QString(" %1").arg(g->holescore[dana][3][2]));
    EXPECT_EQ(box(rounds, "outscoretext"), QString("   %1").arg(g->holescore[dana][3][19]));

    // A 12 on hole 1: the focus stays put and no stroke control lowers it.
    auto* hole1 = control<QLineEdit>(rounds, "scoretext_1");
    hole1->setFocus();
    hole1->selectAll();
    typekeys(rounds, "12");
    EXPECT_EQ(rounds->focusWidget(), hole1);
    click(rounds, "infobutton");
    EXPECT_EQ(fake.help.shown.back(), "Edit a Round");
    click(rounds, "recordbutton");
    ASSERT_TRUE(waitfor([] { return shownwindow("roundsform") == nullptr; }));
    EXPECT_TRUE(form2->isEnabled());

    // The engine's numbers for the edited round on Dana's default tee; later rounds keep
    // theirs.
    DisplayedRound d;
    d.tee = g->playertee[dana];
    for (int h = 1; h <= 18; ++h) d.holes[h] = std::to_string(expected->holescore[dana][3][h]);
    d.holes[1] = "12";
    d.out = outtotal(d.holes);
    d.in = std::to_string(expected->holescore[dana][3][20]);
    ScoreSession at;
    at.player = dana;
    at.editslot = 3;
    at.course = expected->roundcourse[dana][3];
    at.month = 3;
    at.day = 7;
    at.year = 5;
    ASSERT_TRUE(recordround(*expected, at.entry(d)).stored);
    expectsaved(*expected, dana, 3);
    EXPECT_EQ(savedleague()->hcpindex[dana][8], expected->hcpindex[dana][8]);
}

TEST_F(Night, deleteThroughGPlayer_asksThenRecalculatesAndSaves) {
    start(); // Ed Castillo has eleven rounds
    auto expected = std::make_unique<GOLF1>(*g);
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
    EXPECT_TRUE(
        label(rounds, "Namelabel").endsWith(QString::number(g->rday[ed][11]))); // the newest round

    click(rounds, "deletebutton"); // the default answer is No
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message, deleteroundquestion());
    EXPECT_EQ(fake.dialogs.shown[0].defaultbutton, Answer::no);
    EXPECT_NE(shownwindow("roundsform"), nullptr);
    EXPECT_EQ(g->roundcount[ed], 11);

    fake.dialogs.answers.push_back(Answer::yes);
    click(rounds, "deletebutton");
    EXPECT_EQ(shownwindow("roundsform"), nullptr);
    EXPECT_TRUE(form2->isEnabled());
    ASSERT_TRUE(deleteround(*expected, ed, 11, true, expected->playertee[ed]).recalculated);
    expectsaved(*expected, ed, 10);
    EXPECT_EQ(savedleague()->rmonth[ed][11], 0);
}

TEST_F(Night, gplayerBeepsWithoutAChoice_closeGivesTheMainWindowBack) {
    start();
    form2->action("editroundmenu")->trigger();
    QWidget* picker = shownwindow("GPlayer");
    ASSERT_NE(picker, nullptr);
    click(picker, "acceptbutton"); // no player chosen yet
    EXPECT_EQ(fake.dialogs.beeps, 1);
    control<QListWidget>(picker, "List1")->setCurrentRow(4);
    click(picker, "acceptbutton");
    click(picker, "acceptbutton"); // no round chosen yet
    EXPECT_EQ(fake.dialogs.beeps, 2);
    click(picker, "exitbutton");
    EXPECT_EQ(shownwindow("GPlayer"), nullptr);
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_TRUE(form2->action("Viewmenu_1")->isChecked());
    EXPECT_FALSE(form2->action("Viewmenu_3")->isChecked());
}
