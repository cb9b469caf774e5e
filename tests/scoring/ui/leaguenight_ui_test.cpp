// Score entry, correcting and deleting rounds, and the settings, through the windows. A
// whole night typed and saved is in tests/cli/ui/desktop_ui_test.cpp.
#include "platform/spinbutton.h"
#include "support/windowfixture.h"

#include <QCheckBox>
#include <QDate>
#include <QRadioButton>
#include <QToolButton>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

constexpr int bill = 1, ed = 3; // rows 0 and 2, from the Mens tee of Cedar Ridge

using Night = DemoWindows;

} // namespace

TEST_F(Night, setup_refusalsAndTheDateQuestion) {
    g->dateremind = 1;
    QWidget* w = open("entermenu", "selectplayers");
    ASSERT_NE(w, nullptr);
    click(w, "acceptbutton");
    QTest::keyClicks(control<QComboBox>(w, "coursecombo")->lineEdit(), "Cedar Ridge");
    click(w, "acceptbutton");
    click(w, "allbutton");
    click(w, "acceptbutton"); // No: correct the date
    ASSERT_EQ(fake.dialogs.shown.size(), 3u);
    EXPECT_EQ(fake.dialogs.shown[0].message.text, "Please select a course before continuing.");
    EXPECT_EQ(fake.dialogs.shown[1].message.text, "No Players selected, cannot continue.");
    const auto& question = fake.dialogs.shown[2];
    EXPECT_EQ(question.message.text, QDate::currentDate()
                                         .toString("'Is 'M/d/yyyy' at Cedar Ridge\r\nthe correct "
                                                   "date and location of the Round?\r\n\r\nDate / "
                                                   "location checking can be disabled, see "
                                                   "program settings.'")
                                         .toStdString());
    EXPECT_EQ(question.message.title, "Double Checking Date & Location");
    EXPECT_EQ(question.buttons, Buttons::yesno);
    fake.dialogs.answers = {Answer::yes};
    click(w, "acceptbutton");
    ASSERT_NE(window("roundsform"), nullptr);
    EXPECT_EQ(label(window("roundsform"), "Pnamelabel"), "Bill Archer");
}

TEST_F(Night, typing_movesOnAfterEachHoleButWaitsAfterALoneOne) {
    g->escflag = 5;
    QWidget* rounds = enterrounds({0});
    ASSERT_NE(rounds, nullptr);
    EXPECT_TRUE(control<QLabel>(rounds, "eqlabel")->isVisible()); // stroke control is on
    control<QLineEdit>(rounds, "scoretext_3")->setFocus();
    typekeys(rounds, "410x-\n"); // no jump after a lone 1, none for keys that are no digit
    EXPECT_EQ(texts(rounds, {"scoretext_3", "scoretext_4", "scoretext_5"}),
              (Lines{" 4", "10", ""}));
    EXPECT_EQ(rounds->focusWidget()->objectName(), "scoretext_6");
    EXPECT_EQ(box(rounds, "outscoretext"), "  14");
    control<QLineEdit>(rounds, "scoretext_4")->clear(); // out of the total at once
    EXPECT_EQ(box(rounds, "outscoretext"), "  4");
    // The totals take digits typed straight in, for a player with nine-hole totals only.
    control<QLineEdit>(rounds, "inscoretext")->setFocus();
    control<QLineEdit>(rounds, "inscoretext")->clear();
    typekeys(rounds, "4a1");
    EXPECT_EQ(texts(rounds, {"inscoretext", "Totalscorelabel"}), (Lines{"41", "45"}));
}

// The pause after a round keeps the card waiting while the panel can be read and scrolled;
// every step shows whole, wrapped at the panel's edge.
TEST_F(Night, viewMath_widensAndPausesWithThePanelReadable_cancelKeepsWhatWasRecorded) {
    const auto counts = g->roundcount;
    QWidget* rounds = enterrounds({0, 2});
    ASSERT_NE(rounds, nullptr);
    const int narrow = rounds->width();
    click(rounds, "Command3D1");
    EXPECT_GT(rounds->width(), narrow + 100);
    auto* panel = control<QListWidget>(rounds, "List1");
    typekeys(rounds, "545444365454544354");
    click(rounds, "recordbutton");
    auto* next = control<QPushButton>(rounds, "continuebutton");
    ASSERT_TRUE(waitfor([&] { return next->isVisible(); }));
    EXPECT_TRUE(fake.dialogs.shown.empty());
    EXPECT_EQ(label(rounds, "Pnamelabel"), "Bill Archer");
    EXPECT_TRUE(label(rounds, "pauselabel").startsWith("Pausing: Bill Archer's round"));
    EXPECT_EQ(next->text(), "&Next Player");
    EXPECT_FALSE(control<QPushButton>(rounds, "recordbutton")->isEnabled());
    EXPECT_TRUE(panel->isEnabled());
    const Lines steps = lines(panel);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.front(), "Bill Archer");
    EXPECT_TRUE(steps.back().starts_with("Hcp index = "));
    const int width = panel->viewport()->width();
    for (int i = 0; i < panel->count(); ++i) {
        const QRect needed = panel->fontMetrics().boundingRect(
            QRect(0, 0, width, 10000), Qt::TextWordWrap, panel->item(i)->text());
        EXPECT_LE(needed.height(), panel->visualItemRect(panel->item(i)).height()) << i;
        EXPECT_LE(needed.width(), width) << i;
    }
    panel->scrollToBottom(); // the panel scrolls while the card waits
    click(rounds, "continuebutton");
    EXPECT_EQ(label(rounds, "Pnamelabel"), "Ed Castillo");
    EXPECT_FALSE(next->isVisible());
    EXPECT_EQ(panel->count(), 0);
    EXPECT_TRUE(control<QPushButton>(rounds, "recordbutton")->isEnabled());
    click(rounds, "Command3D1");
    EXPECT_EQ(rounds->width(), narrow);
    click(rounds, "cancelbutton");
    EXPECT_EQ(window("roundsform"), nullptr);
    EXPECT_TRUE(mainwindow->isEnabled());
    EXPECT_EQ(savedleague()->roundcount[bill], counts[bill] + 1);
    EXPECT_EQ(savedleague()->roundcount[ed], counts[ed]);
}

TEST_F(Night, editThroughRoundPicker_noJumpsNoStrokeControl_savesThatRound) {
    constexpr int dana = 2; // eight rounds, row 1
    g->rmonth[dana][3] = 3;
    g->rday[dana][3] = 7;
    g->ryear[dana][3] = 5;
    g->escflag = 5;
    QWidget* picker = open("editroundmenu", "GPlayer");
    EXPECT_EQ(label(picker, "message"), "Select a Player");
    click(picker, "acceptbutton"); // no player chosen yet
    EXPECT_EQ(fake.dialogs.beeps, 1);
    auto* list = control<QListWidget>(picker, "List1");
    list->setCurrentRow(1);
    click(picker, "acceptbutton");
    EXPECT_EQ(label(picker, "message"), "Select Date");
    list->setCurrentRow(5);
    click(picker, "acceptbutton");
    QWidget* rounds = window("roundsform");
    ASSERT_NE(rounds, nullptr);
    EXPECT_FALSE(control<QLabel>(rounds, "eqlabel")->isVisible());
    EXPECT_FALSE(control<QPushButton>(rounds, "skipbutton")->isVisible());
    EXPECT_TRUE(label(rounds, "Namelabel").endsWith("on March  7"));
    auto* hole1 = control<QLineEdit>(rounds, "scoretext_1");
    hole1->setFocus();
    hole1->selectAll();
    typekeys(rounds, "12");
    EXPECT_EQ(rounds->focusWidget(), hole1); // no jump after a one
    click(rounds, "infobutton");
    EXPECT_EQ(fake.help.shown.back(), "Edit a Round");
    click(rounds, "recordbutton");
    ASSERT_TRUE(waitfor([] { return window("roundsform") == nullptr; }));
    EXPECT_EQ(savedleague()->holescore[dana][3][1], 12);
}

TEST_F(Night, deleteThroughRoundPicker_asksNoByDefault) {
    QWidget* picker = open("editroundmenu", "GPlayer");
    auto* list = control<QListWidget>(picker, "List1");
    list->setCurrentRow(2); // Ed Castillo: a double click on his newest of eleven rounds
    click(picker, "acceptbutton");
    const QPoint newest = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, newest);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, newest);
    QWidget* rounds = window("roundsform");
    ASSERT_NE(rounds, nullptr);
    EXPECT_TRUE(label(rounds, "Namelabel").endsWith(QString::number(g->rday[ed][11])));
    fake.dialogs.answers = {Answer::no, Answer::yes};
    click(rounds, "deletebutton");
    EXPECT_EQ(fake.dialogs.shown.at(0).defaultbutton, Answer::no);
    EXPECT_NE(window("roundsform"), nullptr);
    click(rounds, "deletebutton");
    EXPECT_EQ(window("roundsform"), nullptr);
    EXPECT_EQ(savedleague()->roundcount[ed], 10);
}

TEST_F(Night, settings_storedInBothFiles_averagingNoticeEachTime_outOfRangeFactorQuietly) {
    start(false);
    QWidget* w = open("settingsmenu", "Setfont");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(texts(w, {"hcptext", "fontlabel"}), (Lines{".96", "Courier New"}));
    EXPECT_TRUE(control<QRadioButton>(w, "Nineholeoption_3")->isChecked()); // demo: 3
    EXPECT_TRUE(control<QCheckBox>(w, "hcplimitcheck")->isChecked());
    QTest::mouseClick(control<QLabel>(w, "ninehelppanel"), Qt::LeftButton);
    EXPECT_EQ(fake.help.shown, Lines{"Nine Hole Rounds"});
    control<QLineEdit>(w, "hcptext")->setText(".9");
    control<QRadioButton>(w, "Nineholeoption_2")->click();
    for (const char* on : {"Averagecheck", "Equitablecheck", "dateremindcheck"})
        control<QCheckBox>(w, on)->setChecked(true);
    control<QCheckBox>(w, "hcplimitcheck")->setChecked(false);
    auto* fonts = control<QListWidget>(w, "List1");
    fonts->setCurrentRow(0);
    const QString font = fonts->item(0)->text();
    EXPECT_EQ(label(w, "fontlabel"), font);
    EXPECT_EQ(control<QLabel>(w, "fontlabel")->font().family(), QFont(font).family());
    click(w, "okbutton");

    EXPECT_EQ(std::tuple(g->hcpfactor, g->ninehole, g->averageflag, g->escflag, g->dateremind,
                         g->hcplimit),
              std::tuple(0.9f, 2, 1, 5, 1, 0));
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message.text.substr(0, 45),
              "You have selected the option to average using");
    // The settings file goes back where it was read from, the latest-league record
    // beside the data.
    EXPECT_EQ(readbytes(sys.path() / "gfd32.ini"), " 5 \r\n 0 \r\n 0 \r\n 1 \r\n 1 \r\n");
    EXPECT_NE(
        readbytes(data.path() / "GrnFld.DAT").find(" .9 \r\n" + font.toStdString() + "\r\n 2 \r\n"),
        std::string::npos);

    click(open("settingsmenu", "Setfont"), "okbutton");
    EXPECT_EQ(fake.dialogs.shown.size(), 2u); // again, every time averaging is on
    w = open("settingsmenu", "Setfont");
    control<QCheckBox>(w, "Averagecheck")->setChecked(false);
    control<QLineEdit>(w, "hcptext")->setText("1.11");
    click(w, "okbutton");
    EXPECT_EQ(fake.dialogs.shown.size(), 2u);
    EXPECT_EQ(std::tuple(g->averageflag, g->hcpfactor), std::tuple(0, 0.96f));
}

// Yes to the method question works the rounds out again; the open view shows the new figures
// at once, in the player view as in the others, on the player or the date it showed.
TEST_F(Night, methodSwitch_redrawsTheOpenViewWhereItStands) {
    auto switchto = [&](int option) {
        QWidget* w = open("settingsmenu", "Setfont");
        control<QRadioButton>(w, QString("methodoption_%1").arg(option))->click();
        fake.dialogs.answers = {Answer::yes};
        click(w, "okbutton");
    };
    mainwindow->action("Viewmenu_2")->trigger();
    mainwindow->findChild<SpinButton*>("Spin1")->downbutton()->click();
    const RoundView dateview = mainwindow->roundview();
    const Lines olderdate = lines(mainwindow->list2());
    switchto(2);
    ASSERT_EQ(g->method, HandicapMethod::whs);
    EXPECT_EQ(mainwindow->roundview().dateindex, dateview.dateindex);
    EXPECT_EQ(lines(mainwindow->list2()), showdate(*g, dateview).rounds);
    EXPECT_NE(lines(mainwindow->list2()), olderdate);

    QWidget* picker = open("Viewmenu_3", "chooseplayer");
    control<QListWidget>(picker, "List1")->setCurrentRow(1);
    click(picker, "acceptbutton");
    ASSERT_TRUE(waitfor([&] { return mainwindow->list1()->item(2)->text() == "Dana Brooks"; }));
    const Lines whs = lines(mainwindow->list2());
    switchto(1);
    ASSERT_EQ(g->method, HandicapMethod::classic);
    EXPECT_EQ(lines(mainwindow->list2()), showplayer(*g, 2).rounds);
    EXPECT_NE(lines(mainwindow->list2()), whs);
}
