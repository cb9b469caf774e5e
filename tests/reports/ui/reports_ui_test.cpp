#include "model/golf1.h"
#include "model/settingsfile.h"
#include "platform/qtprintsurface.h"
#include "reports/handicaplists.h"
#include "reports/listexport.h"
#include "reports/printsteps.h"
#include "reports/recordingsurface.h"
#include "reports/ui/chcpform.h"
#include "reports/ui/hcpcards.h"
#include "reports/ui/printcommands.h"
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
#include <QTest>

#include <fstream>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

const fs::path demo = fs::path(GREENFOLD_TEST_DATA) / ".." / ".." / "resources" / "demo";

template <typename T> T* window(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return qobject_cast<T*>(w);
    return nullptr;
}

// The main window on the demo league, printing onto recording surfaces.
class ReportWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& f : fs::directory_iterator(demo))
            fs::copy_file(f.path(), data.path() / f.path().filename());
        setprintsurfacefactory([this] {
            ++opened;
            printouts.push_back(std::make_unique<Printout>());
            return std::make_unique<RecordingSurface>(*printouts.back());
        });
        form2 = std::make_unique<Form2>(*g, fake.services);
        form2->load(data.path(), sys.path().string() + "/");
        form2->show();
    }
    void TearDown() override { setprintsurfacefactory({}); }
    void openleague() {
        form2->action("leaguesmenu_0")->trigger();
        fake.dialogs.shown.clear();
    }

    TempDir data, sys;
    FakeServices fake;
    std::unique_ptr<GOLF1> g = std::make_unique<GOLF1>();
    std::unique_ptr<Form2> form2;
    int opened = 0;
    std::vector<std::unique_ptr<Printout>> printouts;
};

} // namespace

TEST_F(ReportWindows, print_asksLongOrShortAndPrintsExactlyWhatTheWindowShows) {
    form2->action("Printmenu")->trigger(); // no league, no lines: nothing at all
    EXPECT_TRUE(fake.dialogs.shown.empty());

    openleague();
    form2->action("Viewmenu_2")->trigger();
    g->playername[1] = "Renamed Meanwhile"; // the model moved on, the window did not
    fake.dialogs.answers = {Answer::yes, Answer::no, Answer::cancel};
    for (int i = 0; i < 3; ++i) form2->action("Printmenu")->trigger();
    ASSERT_EQ(fake.dialogs.shown.size(), 3u);
    EXPECT_EQ(fake.dialogs.shown[0].buttons, Buttons::yesnocancel);
    ASSERT_EQ(opened, 2); // Cancel prints nothing
    const auto lines = printouts[0]->lines(1);
    const int n = form2->list1()->count();
    ASSERT_EQ(int(lines.size()), 7 + n);
    EXPECT_EQ(printouts[0]->orientation, orientation_landscape);
    EXPECT_EQ(lines[5], reportheader("Tuesday Night League.LGE", 80, todaysdate()));
    for (int i = 2; i < n; ++i)
        EXPECT_EQ(lines[std::size_t(7 + i)],
                  longline(form2->list1()->item(i)->text().toStdString(),
                           form2->list2()->item(i)->text().toStdString()));
    EXPECT_EQ(printouts[1]->orientation, orientation_portrait);
    EXPECT_EQ(fake.busy.depth, 0);
}

TEST_F(ReportWindows, export_txtAddedShortNamesBeepUnwritableSaysSo) {
    openleague();
    const std::string gone = (data.path() / "gone" / "list.txt").string();
    fake.dialogs.files = {(data.path() / "weekly").string(), std::string("a"), std::nullopt, gone};
    for (int i = 0; i < 4; ++i) form2->action("printfilemenu")->trigger();
    EXPECT_EQ(readbytes(data.path() / "weekly.txt"),
              shortprintbytes(*g, shownlines(*form2), todaysdate()));
    EXPECT_EQ(fake.dialogs.shown[0].message.title, "Export Listing as Text");
    EXPECT_EQ(fake.dialogs.beeps, 2);
    ASSERT_EQ(fake.dialogs.shown.size(), 5u);
    EXPECT_NE(fake.dialogs.shown[4].message.text.find(gone), std::string::npos);
    EXPECT_EQ(fake.dialogs.shown[4].message.icon, Icon::exclamation);
}

TEST_F(ReportWindows, printerSetupWithoutPrinter_saysPrintoutsBecomePdfFiles) {
    if (printerinstalled()) GTEST_SKIP() << "a printer is installed here";
    form2->action("Printsetupmenu")->trigger();
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message.icon, Icon::information);
}

TEST_F(ReportWindows, chart_asksTheTeeAgainAboveThreeAndStopsOnZero) {
    openleague();
    ASSERT_GE(g->coursecount, 1);
    fake.dialogs.inputs = {std::string("7"), std::string("2")};
    PrintChcpChart(*form2, 1);
    ASSERT_EQ(fake.dialogs.shown.size(), 2u);
    EXPECT_EQ(fake.dialogs.shown[0].message.title, "Course Handicap Reference Chart for Posting");
    ASSERT_EQ(opened, 1);
    EXPECT_EQ(printouts[0]->lines(1)[4], g->coursedata[1][courseline_name] + "   ");
    EXPECT_TRUE(printouts[0]->lines(1)[6].starts_with("     Mens Tee - slope "));

    fake.dialogs.inputs = {std::string("0")};
    PrintChcpChart(*form2, 1);
    fake.dialogs.inputs = {std::nullopt};
    PrintChcpChart(*form2, 1);
    PrintChcpChart(*form2, g->coursecount + 1); // a course that is not there asks nothing
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(fake.dialogs.shown.size(), 4u);
}

TEST_F(ReportWindows, calculator_enterMovesOnThenCalculates) {
    form2->action("coursehcpmenu")->trigger();
    auto* calc = window<CHcpform>("CHcpform");
    ASSERT_NE(calc, nullptr);
    EXPECT_FALSE(form2->isEnabled());
    calc->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(calc));
    auto* text1 = calc->findChild<QLineEdit*>("Text1");
    auto* text2 = calc->findChild<QLineEdit*>("Text2");
    auto* message = calc->findChild<QLabel*>("Hcpmessage");

    calc->findChild<QPushButton*>("Calcbutton")->click();
    EXPECT_EQ(message->text(), "Enter your Hcp Index");
    EXPECT_EQ(fake.dialogs.beeps, 1);

    QTest::keyClicks(text1, "2.5");
    EXPECT_EQ(message->text(), ""); // typing clears the answer
    QTest::keyClick(text1, Qt::Key_Return);
    EXPECT_EQ(text1->text(), "2.5");
    EXPECT_TRUE(text2->hasFocus());
    QTest::keyClick(text2, Qt::Key_Return);
    EXPECT_EQ(message->text(), "Enter the Slope Value");
    QTest::keyClicks(text2, "113");
    QTest::keyClick(text2, Qt::Key_Enter);
    EXPECT_EQ(message->text(), "Course Handicap = 3");
    EXPECT_EQ(text2->text(), "113");
    EXPECT_TRUE(text1->hasFocus());
    EXPECT_EQ(text1->selectedText(), "2.5");

    calc->findChild<QPushButton*>("infobutton")->click();
    EXPECT_EQ(fake.help.shown, std::vector<std::string>{"Course Handicaps"});
    calc->findChild<QPushButton*>("closebutton")->click();
    EXPECT_TRUE(form2->isEnabled());
}

TEST_F(ReportWindows, cards_showTheAdjustmentsAndSaveThemOnClose) {
    g->pscaling = 0; // an old settings file: scaling 0 means 1
    g->hoffset = -12.5f;
    openleague();
    form2->action("printcardsmenu")->trigger();
    auto* cards = window<HcpCards>("HcpCards");
    ASSERT_NE(cards, nullptr);
    EXPECT_FALSE(form2->isEnabled());
    auto* hoffset = cards->findChild<QLineEdit*>("hoffsettext");
    auto* scaling = cards->findChild<QLineEdit*>("pscalingtext");
    EXPECT_EQ(hoffset->text(), "-12.5");
    EXPECT_EQ(scaling->text(), "1.000");
    EXPECT_EQ(cards->findChild<QLineEdit*>("Text1")->text().toStdString(), todaysdate());
    EXPECT_EQ(cards->findChild<QListWidget*>("List1")->count(), g->playercount);
    auto* label = cards->findChild<QLabel*>("printcountlabel");
    cards->findChild<QPushButton*>("selectallbutton")->click();
    EXPECT_EQ(label->text().toStdString(), "Cards to Print :  " + std::to_string(g->playercount));
    cards->findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(label->text(), "Cards to Print :  0");

    hoffset->setText("45");
    cards->findChild<QLineEdit*>("WDOffSetText")->setText("-20.5");
    scaling->setText("1.02");
    EXPECT_FLOAT_EQ(g->pscaling, 1.02f); // taken as soon as it is typed
    cards->findChild<QPushButton*>("donebutton")->click();
    EXPECT_TRUE(form2->isEnabled());
    GOLF1 saved;
    readsettings(saved, sys.path().string() + "/");
    EXPECT_FLOAT_EQ(saved.hoffset, 45);
    EXPECT_FLOAT_EQ(saved.wdoffset, -20.5f);
    EXPECT_FLOAT_EQ(saved.pscaling, 1.02f);
}

TEST_F(ReportWindows, cards_cancelNoSelectionThenPrintInLeagueOrder) {
    openleague();
    form2->action("printcardsmenu")->trigger();
    auto* cards = window<HcpCards>("HcpCards");
    ASSERT_NE(cards, nullptr);
    auto* print = cards->findChild<QPushButton*>("PrintButton");
    fake.dialogs.answers = {Answer::cancel, Answer::ok, Answer::ok};
    print->click();
    EXPECT_EQ(fake.dialogs.shown.size(), 1u);
    print->click(); // nothing selected
    ASSERT_EQ(fake.dialogs.shown.size(), 3u);
    EXPECT_EQ(fake.dialogs.shown[2].message.text, "No Players selected, cannot continue.");
    EXPECT_EQ(opened, 0);

    auto* list = cards->findChild<QListWidget*>("List1");
    list->item(4)->setSelected(true);
    list->item(1)->setSelected(true);
    cards->findChild<QLineEdit*>("Text1")->setText("Week 12");
    print->click();
    ASSERT_EQ(opened, 1);
    const auto names = printouts[0]->find(g->playername[2]);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(printouts[0]->pictures.size(), 2u);
    EXPECT_EQ(printouts[0]->find("Week 12").size(), 2u);
    const auto second = printouts[0]->find(g->playername[5]);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_GT(second[0].x, names[0].x); // slot 2, the right column
    cards->close();
}
