// The score window's boxes, keys and buttons, on a small league of its own.
#include "model/golf1.h"
#include "scoring/scoreentry.h"
#include "scoring/ui/roundsform.h"
#include "scoring/ui/scoregrid.h"
#include "support/fakeservices.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

// Pars of the course: 4 everywhere but 3 on hole 2.
class ScoreWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        setmonthnames(*g);
        g->leaguefile = "Test.LGE";
        g->coursecount = 1;
        g->coursedata[1][courseline_name] = "Cedar Ridge";
        for (int h = 1; h <= 18; ++h) g->coursedata[1][courseline_par0 + h] = h == 2 ? " 3" : " 4";
        for (int t = 1; t <= 3; ++t) {
            g->coursedata[1][courseline_rating0 + t] = " 70.5";
            g->coursedata[1][courseline_slope0 + t] = " 125";
        }
        g->playercount = 3;
        for (int p = 1; p <= 3; ++p) {
            g->playername[p] = "Player " + std::to_string(p);
            g->playertee[p] = tee_mens;
        }
        // Player 2 has one round, a course handicap of 8 and 12 on hole 1.
        g->roundcount[2] = 1;
        g->coursehcp[2][1] = 8;
        g->holescore[2][1].fill(4);
        g->holescore[2][1][1] = 12;
        g->holescore[2][1][19] = 44;
        g->holescore[2][1][20] = 36;
        g->rmonth[2][1] = 6;
        g->rday[2][1] = 1;
        g->roundcourse[2][1] = 1;
        g->coursenum = 1;
        g->curmonth = 6;
        g->curday = 14;
        g->curyear = 26;
    }
    void TearDown() override {
        if (window) window->close();
    }
    void open() {
        window = new roundsform(*g, fake.services, data.path(), nullptr);
        window->load();
    }
    void entering(int p) {
        g->selected[p] = 1;
        open();
    }
    QLineEdit* box(const QString& name) const { return window->findChild<QLineEdit*>(name); }
    QLineEdit* hole(int h) const { return box(QString("scoretext_%1").arg(h)); }
    bool gone() const { return window.isNull() || !window->isVisible(); }
    QString focused() const { return window->focusWidget()->objectName(); }
    void type(const QString& keys) {
        for (QChar c : keys) QTest::keyClicks(window->focusWidget(), QString(c));
    }
    void record() {
        window->findChild<QPushButton*>("recordbutton")->click();
        QTest::qWait(650);
    }

    TempDir data;
    FakeServices fake;
    std::unique_ptr<GOLF1> g = std::make_unique<GOLF1>();
    QPointer<roundsform> window;
};

} // namespace

TEST_F(ScoreWindow, typing_movesOnAfterEachHoleButWaitsAfterALoneOne) {
    entering(1);
    EXPECT_EQ(box("Partext_2")->text(), " 3");
    window->grid()->focushole(3);
    type("4");
    EXPECT_EQ(hole(3)->text(), " 4");
    EXPECT_EQ(focused(), "scoretext_4");
    type("1");
    EXPECT_EQ(hole(4)->text(), " 1");
    EXPECT_EQ(focused(), "scoretext_4");
    type("0");
    EXPECT_EQ(hole(4)->text(), "10");
    EXPECT_EQ(focused(), "scoretext_5");
    type("x-");
    EXPECT_EQ(hole(5)->text(), "");
    QTest::keyClick(window->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(focused(), "scoretext_6");
    EXPECT_EQ(hole(5)->text(), "");
    EXPECT_EQ(box("outscoretext")->text(), "  14");
    EXPECT_EQ(window->findChild<QLabel*>("Totalscorelabel")->text(), "14");

    // Emptying a hole takes it out of the total at once.
    hole(4)->clear();
    EXPECT_EQ(box("outscoretext")->text(), "  4");
    // The totals take digits typed straight in, for a player with nine-hole totals only.
    box("inscoretext")->setFocus();
    box("inscoretext")->clear();
    type("4a1");
    EXPECT_EQ(box("inscoretext")->text(), "41");
    EXPECT_EQ(window->findChild<QLabel*>("Totalscorelabel")->text(), "45");
}

TEST_F(ScoreWindow, strokeControl_lowersTheHoleBeforeRecordingAndTheTotalFollows) {
    g->escflag = 5;
    entering(2);
    EXPECT_TRUE(window->findChild<QLabel*>("eqlabel")->isVisible());
    type("12");
    type("44444444"
         "444444444");
    EXPECT_EQ(box("outscoretext")->text(), "  44");
    window->findChild<QPushButton*>("recordbutton")->click();
    EXPECT_EQ(hole(1)->text(), " 6"); // par 4 + 2 for a course handicap of 8
    EXPECT_EQ(box("outscoretext")->text(), "  38");
    QTest::qWait(650);
    EXPECT_EQ(g->roundcount[2], 2);
    EXPECT_EQ(g->holescore[2][2][1], 6);
    EXPECT_EQ(g->holescore[2][2][19], 38);
}

TEST_F(ScoreWindow, editing_noJumpsAndNoStrokeControl) {
    g->escflag = 5;
    g->playerno = 2;
    g->selected[2] = 1;
    g->editslot = 1;
    open();
    EXPECT_FALSE(window->findChild<QLabel*>("eqlabel")->isVisible());
    EXPECT_FALSE(window->findChild<QPushButton*>("skipbutton")->isVisible());
    EXPECT_EQ(hole(1)->text(), "12");
    EXPECT_EQ(hole(2)->text(), " 4");
    EXPECT_EQ(box("outscoretext")->text(), "   44");
    window->grid()->focushole(5);
    type("5");
    EXPECT_EQ(hole(5)->text(), " 5");
    EXPECT_EQ(focused(), "scoretext_5");
    record();
    EXPECT_TRUE(gone()); // the only player: the run ended
    EXPECT_EQ(g->roundcount[2], 1);
    EXPECT_EQ(g->holescore[2][1][1], 12);
    EXPECT_EQ(g->holescore[2][1][5], 5);
    EXPECT_EQ(g->holescore[2][1][19], 45);
    EXPECT_EQ(g->editslot, 0);
    EXPECT_TRUE(fs::exists(data.path() / "Test.LGE"));
}

TEST_F(ScoreWindow, nineHoleRound_storedWithInTotalZero) {
    g->ninehole = 2;
    entering(1);
    type("545444365");
    EXPECT_EQ(box("inscoretext")->text(), "  0");
    record();
    ASSERT_EQ(g->roundcount[1], 1);
    EXPECT_EQ(g->holescore[1][1][19], 40);
    EXPECT_EQ(g->holescore[1][1][20], 0);
    EXPECT_EQ(g->holescore[1][1][10], 0);
    EXPECT_EQ(g->differential[1][1], 4.3f); // (40 - 35.25) x 113 / 125 = 4.294
}

TEST_F(ScoreWindow, nothingTyped_storesNothingAndStaysOnThePlayer) {
    entering(1);
    record();
    EXPECT_EQ(g->roundcount[1], 0);
    ASSERT_FALSE(gone());
    EXPECT_EQ(focused(), "scoretext_1");
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

TEST_F(ScoreWindow, courseWithoutSlope_refusedWithItsMessage) {
    g->coursedata[1][courseline_slope0 + tee_mens] = " 0";
    g->escflag = 5;
    entering(2);
    type("12");
    type("44444444");
    record();
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_NE(fake.dialogs.shown[0].message.text.find("no slope rating"), std::string::npos);
    EXPECT_EQ(hole(1)->text(), "12"); // nothing lowered, nothing stored
    EXPECT_EQ(g->roundcount[2], 1);
    EXPECT_FALSE(gone());
}

TEST_F(ScoreWindow, viewMath_widensAndPausesWithThePanelOpen) {
    entering(1);
    g->selected[3] = 1;
    const int narrow = window->width();
    window->findChild<QPushButton*>("Command3D1")->click();
    EXPECT_GT(window->width(), narrow + 100);
    EXPECT_TRUE(window->findChild<QListWidget*>("List1")->isVisible());
    type("545444365454544354");
    record();
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message.text, " Pausing...");
    EXPECT_EQ(window->findChild<QListWidget*>("List1")->count(), 0);
    EXPECT_EQ(window->findChild<QLabel*>("Pnamelabel")->text(), "Player 3");
    window->findChild<QPushButton*>("Command3D1")->click();
    EXPECT_EQ(window->width(), narrow);
    window->findChild<QPushButton*>("infobutton")->click();
    EXPECT_EQ(fake.help.shown.back(), "Entering Scores");
}
