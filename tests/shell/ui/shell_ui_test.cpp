// The main window, every window's menu entry, and the league, backup and help commands.
#include "platform/spinbutton.h"
#include "reports/reportleague.h"
#include "support/windowfixture.h"

#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

class Shell : public DemoWindows {
  protected:
    SpinButton* spin() const { return mainwindow->findChild<SpinButton*>("Spin1"); }
    void tool(int n) {
        mainwindow->findChild<QToolButton*>(QString("toolbutton_%1").arg(n))->click();
    }
};

} // namespace

TEST_F(Shell, startWithoutRecord_offersNoLeagueCommands_helpMenuAndButton) {
    fs::remove(data.path() / "GrnFld.DAT");
    start(false);
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(mainwindow->action("leaguesmenu_0")->text(), "No Entries");
    for (const char* name : {"entermenu", "Viewmenu_1", "Viewmenu_3", "Playermenu_1",
                             "defineteammenu", "teamsummarymenu", "graphmenu_1"})
        EXPECT_FALSE(mainwindow->action(name)->isEnabled()) << name;
    for (int n : {0, 1, 2}) tool(n); // Load League beeps; Enter Scores, Add Player are quiet
    EXPECT_EQ(fake.dialogs.beeps, 1);
    EXPECT_EQ(fake.dialogs.shown.size(), 1u);
    for (const char* menu : {"Infomenu", "quickstartmenu", "Purposemenu", "helpsearchmenu"})
        mainwindow->action(menu)->trigger();
    tool(4);
    EXPECT_EQ(fake.help.shown,
              (Lines{"Contents", "Quick Start Basics", "Program Purpose & Intent", "Contents"}));
    EXPECT_EQ(fake.help.searches, 1);
    mainwindow->close();
    EXPECT_EQ(fake.help.quits, 1);
}

TEST_F(Shell, fullLeague_namesAndRoundsScrollAsOneWhateverMovesThem) {
    auto full = reportleague(100, 1);
    full->leaguefile = demoleague;
    ASSERT_TRUE(saveleague(*full, data.path()));
    start();
    QListWidget *names = mainwindow->list1(), *rounds = mainwindow->list2();
    auto* vscroll = mainwindow->findChild<QScrollBar*>("VScroll1");
    QTest::qWait(50); // the lists lay themselves out
    auto together = [&](const char* what) {
        const int top = rounds->verticalScrollBar()->value();
        EXPECT_EQ(names->verticalScrollBar()->value(), top) << what;
        EXPECT_EQ(vscroll->value(), top) << what;
        return top;
    };
    const QPointF at(10, 10);
    QWheelEvent turn(at, rounds->viewport()->mapToGlobal(at), {}, {0, -360}, Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(rounds->viewport(), &turn);
    EXPECT_GT(together("wheel over the rounds"), 0);
    names->setFocus();
    QTest::keyClick(names, Qt::Key_End);
    EXPECT_EQ(together("End in the names"), rounds->verticalScrollBar()->maximum());
    vscroll->setValue(40);
    EXPECT_EQ(together("VScroll1"), 40);
    EXPECT_EQ(names->item(names->indexAt({2, 2}).row())->text(), "Player 39");
}

// Every window a menu opens: its title, the main window off while it shows, its help
// button's keyword, and its close button giving the main window back.
TEST_F(Shell, eachMenuOpensItsWindow_helpAndCloseButtons) {
    const struct {
        const char *menu, *name, *title, *keyword, *close; // no keyword: no help button
    } windows[] = {
        {"entermenu", "selectplayers", "Player & Course Selection for Score Entry",
         "Entering Scores", "cancelbutton"},
        {"editroundmenu", "GPlayer", "Select Player", nullptr, "exitbutton"},
        {"Viewmenu_3", "chooseplayer", "Select Player", nullptr, "exitbutton"},
        {"settingsmenu", "Setfont", "Greenfold Settings", "Fonts", "okbutton"},
        {"Playermenu_1", "playform", "Tuesday Night League Players", "Players", "exitbutton"},
        {"Playermenu_2", "sortform", "Greenfold", nullptr, "exitbutton"},
        {"Playermenu_3", "RMplayer", "", "Players", "exitbutton"},
        {"Playernamesmenu", "Playernm", "Change Player Name", "Players", "exitbutton"},
        {"defineteammenu", "createteamsform", "Greenfold Team Set-up", "Team data", "Exitbutton"},
        {"coursehcpmenu", "CHcpform", "Course Handicaps", "Course Handicaps", "closebutton"},
        {"printcardsmenu", "HcpCards", "Handicap Card Printing", "Printing", "donebutton"},
        {"graphmenu_0", "ANchooseplayer", "Select Player", nullptr, "exitbutton"},
        {"leaguehcmenu", "compareform", "Greenfold", nullptr, "donebutton"},
        {"GCmenu_1", "course", "Course Information", "Courses - Adding or Editing", "cancelbutton"},
        {"Backupmenu", "Backupform", "Greenfold Backup Utility", nullptr, "exitbutton"},
        {"Creatmenu", "Createleagueform", "Create League File", "Creating League Files",
         "Command3d1"},
    };
    for (const auto& w : windows) {
        QWidget* shown = open(w.menu, w.name);
        ASSERT_NE(shown, nullptr) << w.menu;
        EXPECT_EQ(shown->windowTitle(), w.title) << w.name;
        EXPECT_FALSE(mainwindow->isEnabled()) << w.name;
        if (w.keyword) {
            auto* help = shown->findChild<QPushButton*>("infobutton");
            (help ? help : control<QPushButton>(shown, "Infobutton"))->click();
            EXPECT_EQ(fake.help.shown.back(), w.keyword) << w.name;
        }
        click(shown, w.close);
        EXPECT_EQ(window(w.name), nullptr) << w.name;
        EXPECT_TRUE(mainwindow->isEnabled()) << w.name;
    }
    EXPECT_TRUE(mainwindow->action("Viewmenu_1")->isChecked()); // the player view was left
}

TEST_F(Shell, views_stepBackByRoundsOrDates_andOnePlayerThroughThePicker) {
    const Lines recent = lines(mainwindow->list2());
    spin()->downbutton()->click();
    EXPECT_EQ(mainwindow->actionmessage()->text(), "Viewing rounds entered earlier");
    EXPECT_NE(lines(mainwindow->list2()), recent);
    spin()->upbutton()->click();
    EXPECT_EQ(lines(mainwindow->list2()), recent);
    mainwindow->action("Viewmenu_2")->trigger();
    EXPECT_FALSE(mainwindow->action("Viewmenu_1")->isChecked());
    spin()->downbutton()->click();
    EXPECT_EQ(mainwindow->actionmessage()->text(), "Viewing earlier dates");

    QWidget* picker = open("Viewmenu_3", "chooseplayer");
    EXPECT_EQ(label(picker, "Playerlabel"), "Tuesday Night League Player List");
    control<QListWidget>(picker, "List1")->setCurrentRow(1);
    click(picker, "acceptbutton");
    EXPECT_TRUE(waitfor([&] { return mainwindow->list1()->item(2)->text() == "Dana Brooks"; }));
    EXPECT_TRUE(mainwindow->action("Viewmenu_3")->isChecked());
}

TEST_F(Shell, backupToAFolderThenRestore_closesTheLeagueSoNothingOlderIsSaved) {
    const std::string league = readbytes(leaguefile());
    TempDir disk;
    QWidget* backup = open("Backupmenu", "Backupform");
    control<QRadioButton>(backup, "folderbutton")->setChecked(true);
    fake.dialogs.folders = {disk.path().string(), disk.path().string()};
    click(backup, "copybutton");
    EXPECT_TRUE(waitfor([] { return window("Backupform") == nullptr; })); // after two seconds
    EXPECT_TRUE(mainwindow->isEnabled());

    writebytes(data.path() / "course.dat", " 0 \r\n");
    g->playername[1] = "Changed Since";
    ASSERT_TRUE(saveleague(*g, data.path()));
    fake.dialogs.shown.clear();
    fake.dialogs.answers = {Answer::yes};
    mainwindow->action("Restoremenu")->trigger();
    EXPECT_EQ(fake.dialogs.shown.at(0).message.title, "WARNING!");
    EXPECT_EQ(fake.dialogs.shown[0].defaultbutton, Answer::no);
    EXPECT_EQ(readbytes(leaguefile()), league);
    // The league held in memory is closed: nothing can save it over the restored file.
    EXPECT_FALSE(mainwindow->action("Playermenu_1")->isEnabled());
    EXPECT_EQ(mainwindow->messagepanel()->text(), "Open a League file to begin");
    EXPECT_EQ(g->coursecount, 2); // the restored course table, read again
}
