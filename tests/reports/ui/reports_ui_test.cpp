// The report commands through the main window on the demo league, printing onto
// recording surfaces.
#include "model/settingsfile.h"
#include "platform/qtprintsurface.h"
#include "reports/handicaplists.h"
#include "reports/listexport.h"
#include "reports/printsteps.h"
#include "reports/ui/chcpform.h"
#include "reports/ui/hcpcards.h"
#include "reports/ui/printwindows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

void click(QWidget* w, const char* name) {
    control<QPushButton>(w, name)->click();
}

} // namespace

TEST_F(PrintWindows, print_asksLongOrShortAndPrintsExactlyWhatTheWindowShows) {
    start(false);
    form2->action("Printmenu")->trigger(); // no league, no lines: nothing at all
    EXPECT_TRUE(fake.dialogs.shown.empty());

    start();
    form2->action("Viewmenu_2")->trigger();
    g->playername[1] = "Renamed Meanwhile"; // the model moved on, the window did not
    fake.dialogs.answers = {Answer::yes, Answer::no, Answer::cancel};
    for (int i = 0; i < 3; ++i) form2->action("Printmenu")->trigger();
    ASSERT_EQ(fake.dialogs.shown.size(), 3u);
    EXPECT_EQ(fake.dialogs.shown[0].buttons, Buttons::yesnocancel);
    EXPECT_EQ(fake.dialogs.shown[0].message.icon, Icon::none);
    EXPECT_EQ(fake.dialogs.shown[0].defaultbutton, Answer::no);
    ASSERT_EQ(printouts.size(), 2u); // Cancel prints nothing
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

TEST_F(PrintWindows, export_txtAddedShortNamesBeepUnwritableSaysSo) {
    const std::string gone = (data.path() / "gone" / "list.txt").string();
    fake.dialogs.files = {(data.path() / "weekly").string(), (data.path() / "a").string(),
                          std::nullopt, gone};
    for (int i = 0; i < 4; ++i) form2->action("printfilemenu")->trigger();
    EXPECT_EQ(readbytes(data.path() / "weekly.txt"),
              shortprintbytes(*g, form2->shownlines(), todaysdate()));
    EXPECT_EQ(fake.dialogs.shown[0].message.title, "Export Listing as Text");
    EXPECT_EQ(fake.dialogs.lastsuffix, "txt"); // the dialog's own overwrite question covers it
    EXPECT_EQ(fake.dialogs.beeps, 2);
    ASSERT_EQ(fake.dialogs.shown.size(), 5u);
    EXPECT_NE(fake.dialogs.shown[4].message.text.find(gone), std::string::npos);
    EXPECT_EQ(fake.dialogs.shown[4].message.icon, Icon::exclamation);

    // A name the dialog left with another ending asks before ".txt" replaces a file.
    writebytes(data.path() / "notes.doc.txt", "kept");
    fake.dialogs.shown.clear();
    fake.dialogs.files = {(data.path() / "notes.doc").string()};
    form2->action("printfilemenu")->trigger();
    ASSERT_EQ(fake.dialogs.shown.size(), 2u);
    EXPECT_EQ(fake.dialogs.shown[1].buttons, Buttons::yesno);
    EXPECT_EQ(fake.dialogs.shown[1].defaultbutton, Answer::no);
    EXPECT_EQ(readbytes(data.path() / "notes.doc.txt"), "kept");
}

TEST_F(PrintWindows, printerSetupWithoutPrinter_saysPrintoutsBecomePdfFiles) {
    if (printerinstalled()) GTEST_SKIP() << "a printer is installed here";
    form2->action("Printsetupmenu")->trigger();
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message.icon, Icon::information);
}

TEST_F(PrintWindows, chart_asksTheTeeAgainAboveThreeAndStopsOnZero) {
    ASSERT_GE(g->coursecount, 1);
    fake.dialogs.inputs = {std::string("7"), std::string("2")};
    PrintChcpChart(*g, fake.services, 1);
    ASSERT_EQ(fake.dialogs.shown.size(), 2u);
    EXPECT_EQ(fake.dialogs.shown[0].message.title, "Course Handicap Reference Chart for Posting");
    ASSERT_EQ(printouts.size(), 1u);
    EXPECT_EQ(printouts[0]->lines(1)[4], g->coursedata[1][courseline_name] + "   ");
    EXPECT_TRUE(printouts[0]->lines(1)[6].starts_with("     Mens Tee - slope "));

    fake.dialogs.inputs = {std::string("0")};
    PrintChcpChart(*g, fake.services, 1);
    fake.dialogs.inputs = {std::nullopt};
    PrintChcpChart(*g, fake.services, 1);
    PrintChcpChart(*g, fake.services,
                   g->coursecount + 1); // a course that is not there asks nothing
    EXPECT_EQ(printouts.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown.size(), 4u);
}

TEST_F(PrintWindows, calculator_enterMovesOnThenCalculates) {
    start(false); // no league is needed
    auto* calc = qobject_cast<CHcpform*>(open("coursehcpmenu", "CHcpform"));
    ASSERT_NE(calc, nullptr);
    EXPECT_FALSE(form2->isEnabled());
    calc->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(calc));
    auto* text1 = control<QLineEdit>(calc, "Text1");
    auto* text2 = control<QLineEdit>(calc, "Text2");
    auto* message = control<QLabel>(calc, "Hcpmessage");

    click(calc, "Calcbutton");
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

    click(calc, "infobutton");
    EXPECT_EQ(fake.help.shown, std::vector<std::string>{"Course Handicaps"});
    click(calc, "closebutton");
    EXPECT_TRUE(form2->isEnabled());
}

TEST_F(PrintWindows, cards_printTheSelectionInLeagueOrderAndSaveTheAdjustmentsOnClose) {
    g->pscaling = 0; // an old settings file: scaling 0 means 1
    g->hoffset = -12.5f;
    QWidget* cards = open("printcardsmenu", "HcpCards");
    ASSERT_NE(cards, nullptr);
    EXPECT_FALSE(form2->isEnabled());
    auto* hoffset = control<QLineEdit>(cards, "hoffsettext");
    auto* scaling = control<QLineEdit>(cards, "pscalingtext");
    EXPECT_EQ(hoffset->text(), "-12.5");
    EXPECT_EQ(scaling->text(), "1.000");
    EXPECT_EQ(control<QLineEdit>(cards, "Text1")->text().toStdString(), todaysdate());
    auto* list = control<QListWidget>(cards, "List1");
    EXPECT_EQ(list->count(), g->playercount);
    auto* label = control<QLabel>(cards, "printcountlabel");
    click(cards, "selectallbutton");
    EXPECT_EQ(label->text().toStdString(), "Cards to Print :  " + std::to_string(g->playercount));
    click(cards, "Command1");
    EXPECT_EQ(label->text(), "Cards to Print :  0");

    fake.dialogs.answers = {Answer::cancel, Answer::ok, Answer::ok};
    click(cards, "PrintButton");
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message.icon, Icon::none);
    EXPECT_EQ(fake.dialogs.shown[0].buttons, Buttons::okcancel);
    click(cards, "PrintButton"); // nothing selected
    ASSERT_EQ(fake.dialogs.shown.size(), 3u);
    EXPECT_EQ(fake.dialogs.shown[2].message.text, "No Players selected, cannot continue.");
    EXPECT_TRUE(printouts.empty());
    list->item(4)->setSelected(true);
    list->item(1)->setSelected(true);
    control<QLineEdit>(cards, "Text1")->setText("Week 12");
    click(cards, "PrintButton");
    ASSERT_EQ(printouts.size(), 1u);
    const auto first = printouts[0]->find(g->playername[2]);
    const auto second = printouts[0]->find(g->playername[5]);
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_GT(second[0].x, first[0].x); // slot 2, the right column
    EXPECT_EQ(printouts[0]->pictures.size(), 2u);
    EXPECT_EQ(printouts[0]->find("Week 12").size(), 2u);

    hoffset->setText("45");
    control<QLineEdit>(cards, "WDOffSetText")->setText("-20.5");
    scaling->setText("1.02");
    EXPECT_FLOAT_EQ(g->pscaling, 1.02f); // taken as soon as it is typed
    scaling->setText("");
    scaling->setText("0"); // on the way to "0.98": the scaling stays
    EXPECT_FLOAT_EQ(g->pscaling, 1.02f);
    scaling->setText("1.02");
    click(cards, "donebutton");
    EXPECT_TRUE(form2->isEnabled());
    GOLF1 saved;
    readsettings(saved, sys.path().string() + "/");
    EXPECT_FLOAT_EQ(saved.hoffset, 45);
    EXPECT_FLOAT_EQ(saved.wdoffset, -20.5f);
    EXPECT_FLOAT_EQ(saved.pscaling, 1.02f);
}
