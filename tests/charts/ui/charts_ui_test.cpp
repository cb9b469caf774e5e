// The chart windows through the main window's Analysis menu, on the demo league.
#include "charts/compare.h"
#include "reports/ui/printcommands.h"
#include "support/windowfixture.h"

using namespace greenfold;
using namespace greenfold::testing;

namespace {

class Charts : public DemoWindows {
  protected:
    // Chooses a row in the picker the menu entry opens; returns the chart shown.
    QWidget* choose(const char* menu, int row, const char* chart) {
        QWidget* picker = open(menu, "ANchooseplayer");
        control<QListWidget>(picker, "List1")->setCurrentRow(row);
        click(picker, "acceptbutton");
        EXPECT_EQ(window("ANchooseplayer"), nullptr);
        return window(chart);
    }
};

} // namespace

TEST_F(Charts, graphAndPie_showThePickedPlayer_printAfterAsking_handOverToEachOther) {
    QWidget* graph = choose("graphmenu_0", 2, "GRform");
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(texts(graph, {"Lab3", "Lab2_3"}), (Lines{"Ed Castillo", "11 rounds played"}));
    fake.dialogs.answers = {Answer::cancel, Answer::ok, Answer::ok};
    click(graph, "printbutton");
    EXPECT_TRUE(printouts.empty());
    click(graph, "printbutton");
    EXPECT_EQ(fake.dialogs.shown[0].message,
              (Message{"Ready to send chart to Printer", "Greenfold", Icon::none}));
    ASSERT_EQ(printouts.size(), 1u);
    EXPECT_EQ(printouts[0]->pictures.at(0).name, "Picture1");
    const auto printed = printouts[0]->lines(1);
    EXPECT_EQ(std::count(printed.begin(), printed.end(), "               Ed Castillo"), 1);
    EXPECT_EQ(printed.back(), todaysdate());

    click(graph, "Command3d1");
    QWidget* pie = window("Piechart");
    ASSERT_NE(pie, nullptr);
    EXPECT_EQ(window("GRform"), nullptr);
    EXPECT_FALSE(mainwindow->isEnabled()); // handing over is not closing
    EXPECT_EQ(texts(pie, {"Namelabel", "totalholeslabel"}),
              (Lines{"Ed Castillo", "# of scores recorded = 171"}));
    click(pie, "printbutton");
    ASSERT_EQ(printouts.size(), 2u);
    EXPECT_EQ(printouts[1]->pictures.at(0).name, "P");
    EXPECT_EQ(printouts[1]->lines(1).at(8), "               # of scores recorded = 171");
    click(pie, "Command3D1");
    EXPECT_NE(window("GRform"), nullptr);
}

TEST_F(Charts, picker_beeps_aGapInTheRoster) {
    QWidget* picker = open("graphmenu_0", "ANchooseplayer");
    EXPECT_EQ(label(picker, "Playerlabel"), "Tuesday Night League Player List");
    click(picker, "acceptbutton"); // nothing chosen yet
    EXPECT_EQ(fake.dialogs.beeps, 1);
    click(picker, "exitbutton");
    // A nameless slot is not listed; the line clicked is still the player charted.
    g->playername[2].clear();
    QWidget* graph = choose("graphmenu_0", 1, "GRform");
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(label(graph, "Lab3"), "Ed Castillo");
    click(graph, "donebutton");
    EXPECT_TRUE(mainwindow->isEnabled());
}

TEST_F(Charts, comparison_listScaleAndPrint) {
    QWidget* compare = open("leaguehcmenu", "compareform");
    ASSERT_NE(compare, nullptr);
    auto* list = control<QListWidget>(compare, "List1");
    EXPECT_EQ(lines(list), comparelines(*g));
    EXPECT_TRUE(QFontInfo(list->font()).fixedPitch());
    EXPECT_EQ(texts(compare, {"Label1_0", "Label1_1", "Panel3D2"}),
              (Lines{scalecaption0, scalecaption1(), "Hcp Index"}));
    EXPECT_EQ(control<QLabel>(compare, "Label1_0")->geometry(),
              control<QLabel>(compare, "Label1_1")->geometry()); // one over the other
    fake.dialogs.answers = {Answer::ok};
    click(compare, "Command3d1");
    EXPECT_EQ(fake.dialogs.shown.at(0).message.text, "Ready to send List to the Printer.");
    ASSERT_EQ(printouts.size(), 1u);
    EXPECT_EQ(printouts[0]->find("     " + lines(list)[0]).size(), 1u);
}
