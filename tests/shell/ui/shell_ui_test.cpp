#include "model/backup.h"
#include "model/golf1.h"
#include "model/leaguefile.h"
#include "model/leaguelist.h"
#include "platform/spinbutton.h"
#include "reports/reportleague.h"
#include "shell/ui/createleagueform.h"
#include "shell/ui/form1.h"
#include "shell/ui/form2.h"
#include "support/fakeservices.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

const fs::path demo = fs::path(GREENFOLD_TEST_DATA) / ".." / ".." / "resources" / "demo";

template <typename T> T* window(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return qobject_cast<T*>(w);
    return nullptr;
}

class ShellWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& f : fs::directory_iterator(demo))
            fs::copy_file(f.path(), data.path() / f.path().filename());
    }
    void start() {
        form2 = std::make_unique<Form2>(*g, fake.services);
        form2->load(data.path(), sys.path().string() + "/");
        form2->show();
    }
    std::vector<std::string> list2() const {
        std::vector<std::string> out;
        for (int i = 0; i < form2->list2()->count(); ++i)
            out.push_back(form2->list2()->item(i)->text().toStdString());
        return out;
    }

    TempDir data, sys;
    FakeServices fake;
    std::unique_ptr<GOLF1> g = std::make_unique<GOLF1>();
    std::unique_ptr<Form2> form2;
};

} // namespace

TEST_F(ShellWindows, startWithoutRecord_saysSoOnceAndOffersNoLeagueCommands) {
    fs::remove(data.path() / "GrnFld.DAT");
    start();
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message.text,
              "Cannot Load GrnFld.DAT, Please check your working\r\ndirectory or Launchers "
              "startup directory setting.");
    EXPECT_EQ(form2->messagepanel()->text(), "Open a League file to begin");
    EXPECT_EQ(form2->action("leaguesmenu_0")->text(), "No Entries");
    for (const char* name : {"entermenu", "Viewmenu_1", "Viewmenu_3", "Playermenu_1",
                             "defineteammenu", "teamsummarymenu", "graphmenu_1"})
        EXPECT_FALSE(form2->action(name)->isEnabled()) << name;
    EXPECT_TRUE(form2->action("Viewmenu_1")->isChecked());
    EXPECT_TRUE(form2->action("GCmenu_1")->isEnabled());

    // "Load league" with nothing known, "Enter Scores" and "Add Player" answer quietly.
    form2->findChild<QToolButton*>("toolbutton_0")->click();
    EXPECT_EQ(fake.dialogs.beeps, 1);
    form2->findChild<QToolButton*>("toolbutton_1")->click();
    form2->findChild<QToolButton*>("toolbutton_2")->click();
    EXPECT_EQ(fake.dialogs.shown.size(), 1u);
}

TEST_F(ShellWindows, fullLeague_namesAndRoundsScrollAsOneWhateverMovesThem) {
    auto full = reportleague(100, 1);
    full->leaguefile = "Tuesday Night League.LGE";
    ASSERT_TRUE(saveleague(*full, data.path()));
    start();
    form2->action("leaguesmenu_0")->trigger();
    QListWidget* names = form2->list1();
    QListWidget* rounds = form2->list2();
    auto* vscroll = form2->findChild<QScrollBar*>("VScroll1");
    ASSERT_EQ(names->count(), 102);
    QTest::qWait(50); // the lists lay themselves out
    auto together = [&](const char* what) {
        const int top = rounds->verticalScrollBar()->value();
        EXPECT_EQ(names->verticalScrollBar()->value(), top) << what;
        EXPECT_EQ(vscroll->value(), top) << what;
        return top;
    };
    auto wheel = [](QListWidget* list, int steps) {
        QWidget* port = list->viewport();
        const QPointF at(port->width() / 2.0, port->height() / 2.0);
        QWheelEvent turn(at, port->mapToGlobal(at), {}, {0, -120 * steps}, Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(port, &turn);
    };

    wheel(rounds, 3);
    EXPECT_GT(together("wheel over the rounds"), 0);
    wheel(names, 5);
    const int wheeled = together("wheel over the names");
    names->setFocus();
    names->setCurrentRow(wheeled);
    QTest::keyClick(names, Qt::Key_PageDown);
    QTest::keyClick(names, Qt::Key_PageDown);
    EXPECT_GT(together("Page Down in the names"), wheeled);
    QTest::keyClick(names, Qt::Key_End);
    EXPECT_EQ(together("End in the names"), rounds->verticalScrollBar()->maximum());
    rounds->setFocus();
    rounds->setCurrentRow(rounds->count() - 1);
    QTest::keyClick(rounds, Qt::Key_Home);
    EXPECT_EQ(together("Home in the rounds"), 0);
    vscroll->setValue(40);
    EXPECT_EQ(together("VScroll1"), 40);
    EXPECT_EQ(names->item(names->indexAt({2, 2}).row())->text(), "Player 39");
}

TEST_F(ShellWindows, openLeague_enablesCommandsAndShowsRecentRounds) {
    start();
    EXPECT_TRUE(fake.dialogs.shown.empty());
    EXPECT_EQ(form2->action("leaguesmenu_0")->text(), "Tuesday Night League");
    form2->action("leaguesmenu_0")->trigger();
    EXPECT_EQ(form2->messagepanel()->text(), "Current League - Tuesday Night League");
    EXPECT_TRUE(form2->action("entermenu")->isEnabled());
    EXPECT_TRUE(form2->action("Viewmenu_2")->isEnabled());
    auto lines = list2();
    ASSERT_EQ(lines.size(), 2u + 8u);
    EXPECT_EQ(lines[0].substr(0, 30), "  Date   Course  Out  In Total");
    EXPECT_EQ(form2->list1()->item(2)->text(), "Bill Archer");
    EXPECT_EQ(form2->list1()->count(), form2->list2()->count());
    EXPECT_TRUE(form2->findChild<SpinButton*>("Spin1")->isVisible());

    // One step back shows everyone's round before, with its hint.
    form2->findChild<SpinButton*>("Spin1")->downbutton()->click();
    EXPECT_EQ(form2->actionmessage()->text(), "Viewing rounds entered earlier");
    EXPECT_NE(list2(), lines);
    form2->findChild<SpinButton*>("Spin1")->upbutton()->click();
    EXPECT_EQ(list2(), lines);

    // A league that fails to open leaves the open one, and the panel says so again.
    writebytes(data.path() / "Tuesday Night League.LGE", "damaged");
    form2->action("leaguesmenu_0")->trigger();
    EXPECT_EQ(form2->messagepanel()->text(), "Current League - Tuesday Night League");
}

TEST_F(ShellWindows, byDate_andOnePlayerThroughThePicker) {
    start();
    form2->action("leaguesmenu_0")->trigger();
    form2->action("Viewmenu_2")->trigger();
    EXPECT_TRUE(form2->action("Viewmenu_2")->isChecked());
    EXPECT_FALSE(form2->action("Viewmenu_1")->isChecked());
    auto newest = list2();
    ASSERT_GT(newest.size(), 2u);
    form2->findChild<SpinButton*>("Spin1")->downbutton()->click();
    EXPECT_EQ(form2->actionmessage()->text(), "Viewing earlier dates");

    form2->action("Viewmenu_3")->trigger();
    auto* picker = window<QWidget>("chooseplayer");
    ASSERT_NE(picker, nullptr);
    EXPECT_FALSE(form2->isEnabled());
    auto* names = picker->findChild<QListWidget*>("List1");
    ASSERT_EQ(names->count(), 8);
    EXPECT_EQ(picker->findChild<QLabel*>("Playerlabel")->text(),
              "Tuesday Night League Player List");
    picker->findChild<QPushButton*>("acceptbutton")->click();
    EXPECT_EQ(fake.dialogs.beeps, 1); // nothing chosen yet
    names->setCurrentRow(1);
    picker->findChild<QPushButton*>("acceptbutton")->click();
    EXPECT_TRUE(form2->isEnabled());
    QTest::qWait(700); // the one-shot refresh
    auto rounds = list2();
    ASSERT_EQ(int(rounds.size()), 2 + g->roundcount[2]);
    EXPECT_EQ(form2->list1()->item(2)->text(), "Dana Brooks");
    EXPECT_TRUE(form2->action("Viewmenu_3")->isChecked());

    // Closing the picker puts the check back on the most recent rounds.
    form2->action("Viewmenu_3")->trigger();
    window<QWidget>("chooseplayer")->findChild<QPushButton*>("exitbutton")->click();
    EXPECT_TRUE(form2->action("Viewmenu_1")->isChecked());
    EXPECT_TRUE(form2->isEnabled());
}

TEST_F(ShellWindows, createAndDeleteALeague) {
    start();
    form2->action("Creatmenu")->trigger();
    auto* create = window<Createleagueform>("Createleagueform");
    ASSERT_NE(create, nullptr);
    auto* text1 = create->findChild<QLineEdit*>("Text1");
    QTest::keyClicks(text1, "Fri.day-Men");
    EXPECT_EQ(text1->text(), "FridayMen");
    create->findChild<QPushButton*>("okbutton")->click();
    EXPECT_TRUE(fs::exists(data.path() / "FridayMen.LGE"));
    EXPECT_EQ(readbytes(data.path() / "FridayMen.LGE"), " 0 \r\n");
    EXPECT_EQ(form2->action("leaguesmenu_1")->text(), "FridayMen");
    EXPECT_EQ(form2->messagepanel()->text(), "Open a League file to begin");
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(window<QWidget>("Createleagueform"), nullptr);

    // Delete it again, finding the name whatever its case; No is the default answer.
    form2->action("Creatmenu")->trigger();
    create = window<Createleagueform>("Createleagueform");
    create->findChild<QLineEdit*>("Text1")->setText("fridaymen");
    create->findChild<QPushButton*>("deletebutton")->click();
    ASSERT_FALSE(fake.dialogs.shown.empty());
    EXPECT_EQ(fake.dialogs.shown.back().buttons, Buttons::yesno);
    EXPECT_EQ(fake.dialogs.shown.back().defaultbutton, Answer::no);
    EXPECT_EQ(fake.dialogs.shown.back().message.icon, Icon::stop);
    EXPECT_TRUE(fs::exists(data.path() / "FridayMen.LGE"));

    fake.dialogs.answers.push_back(Answer::yes);
    create->findChild<QPushButton*>("deletebutton")->click();
    EXPECT_FALSE(fs::exists(data.path() / "FridayMen.LGE"));
    EXPECT_EQ(form2->action("leaguesmenu_1"), nullptr);
    EXPECT_EQ(g->leaguecount, 1);
}

TEST_F(ShellWindows, layoutFollowsScreenWidth) {
    fake.display.width = 640;
    g->screenwidth = 640;
    start();
    const QSize small = form2->minimumSize();
    g->screenwidth = 641;
    Form2 large(*g, fake.services);
    large.load(data.path(), sys.path().string() + "/");
    EXPECT_LT(small.width(), large.minimumSize().width());
    EXPECT_LT(small.height(), large.minimumSize().height());
    EXPECT_NEAR(double(large.minimumSize().width()) / large.minimumSize().height(), 10500.0 / 7500,
                0.02);
    EXPECT_NEAR(double(small.width()) / small.height(), 8655.0 / 6030, 0.02);
}

TEST_F(ShellWindows, helpMenuOpensItsKeywords) {
    start();
    form2->action("Infomenu")->trigger();
    form2->action("quickstartmenu")->trigger();
    form2->action("Purposemenu")->trigger();
    form2->action("helpsearchmenu")->trigger();
    EXPECT_EQ(fake.help.shown, (std::vector<std::string>{"Contents", "Quick Start Basics",
                                                         "Program Purpose & Intent"}));
    EXPECT_EQ(fake.help.searches, 1);
    form2->findChild<QToolButton*>("toolbutton_4")->click();
    EXPECT_EQ(fake.help.shown.back(), "Contents");
    form2->close();
    EXPECT_EQ(fake.help.quits, 1);
}

TEST(SplashWindow, fewColoursSwapPicturesAndKeysDismiss) {
    FakeServices fake;
    auto g = std::make_unique<GOLF1>();
    Form1 splash(*g, fake.services);
    QSignalSpy low(&splash, &Form1::lowcolour);
    QSignalSpy gone(&splash, &Form1::dismissed);
    splash.load();
    EXPECT_EQ(g->colordepthok, 1);
    EXPECT_EQ(low.count(), 0);
    EXPECT_TRUE(splash.striptext().startsWith("Greenfold "));
    fake.display.depth = 4;
    splash.load();
    EXPECT_EQ(g->colordepthok, 0);
    EXPECT_EQ(low.count(), 1);
    splash.show();
    QTest::keyClick(&splash, Qt::Key_A);
    EXPECT_EQ(gone.count(), 0);
    QTest::keyClick(&splash, Qt::Key_Space);
    EXPECT_EQ(gone.count(), 1);
    EXPECT_FALSE(splash.isVisible());
}

TEST_F(ShellWindows, backupToAFolderThenRestore_closesTheLeagueSoNothingOlderIsSaved) {
    start();
    form2->action("leaguesmenu_0")->trigger();
    const std::string first = g->playername[1];
    TempDir disk;
    form2->action("Backupmenu")->trigger();
    auto* window = ::window<QWidget>("Backupform");
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(form2->isEnabled());
    window->findChild<QRadioButton*>("folderbutton")->setChecked(true);
    fake.dialogs.folders.push_back(disk.path().string());
    window->findChild<QPushButton*>("copybutton")->click();
    EXPECT_TRUE(fs::exists(disk.path() / "restore.dat"));
    EXPECT_TRUE(fs::exists(disk.path() / "Tuesday Night League.LGE"));
    QTest::qWait(2300); // the window closes by itself after two seconds
    EXPECT_EQ(::window<QWidget>("Backupform"), nullptr);
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(fake.busy.depth, 0);

    writebytes(data.path() / "course.dat", " 0 \r\n");
    g->playername[1] = "Changed Since";
    ASSERT_TRUE(saveleague(*g, data.path()));
    fake.dialogs.shown.clear();
    fake.dialogs.answers.push_back(Answer::yes);
    fake.dialogs.folders.push_back(disk.path().string());
    form2->action("Restoremenu")->trigger();
    EXPECT_EQ(fake.dialogs.beeps, 1);
    ASSERT_GE(fake.dialogs.shown.size(), 3u);
    EXPECT_EQ(fake.dialogs.shown[0].message.title, "WARNING!");
    EXPECT_EQ(fake.dialogs.shown[0].defaultbutton, Answer::no);
    EXPECT_EQ(fake.dialogs.shown[fake.dialogs.shown.size() - 2].message, restoredone());
    EXPECT_EQ(fake.dialogs.shown.back().message, restoredreopen());
    EXPECT_EQ(readbytes(data.path() / "course.dat"), readbytes(disk.path() / "course.dat"));
    const std::string league = readbytes(disk.path() / "Tuesday Night League.LGE");
    EXPECT_EQ(readbytes(data.path() / "Tuesday Night League.LGE"), league);
    // The league held in memory is closed: nothing can save it over the restored file.
    EXPECT_TRUE(g->leaguefile.empty());
    EXPECT_FALSE(form2->action("Playermenu_1")->isEnabled());
    EXPECT_EQ(form2->messagepanel()->text(), "Open a League file to begin");
    EXPECT_EQ(g->coursecount, 2); // the restored course table, read again
    form2->action("leaguesmenu_0")->trigger();
    EXPECT_EQ(g->playername[1], first);
    EXPECT_EQ(leaguebytes(*g), league);
}
