#include "charts/compare.h"
#include "charts/graph.h"
#include "charts/pie.h"
#include "charts/ui/chartleague.h"
#include "charts/ui/chartwindows.h"
#include "model/golf1.h"
#include "platform/qtprintsurface.h"
#include "reports/recordingsurface.h"
#include "reports/ui/printcommands.h"
#include "shell/ui/form2.h"
#include "support/fakeservices.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

template <typename T = QWidget> T* shown(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return qobject_cast<T*>(w);
    return nullptr;
}

QString text(QWidget* window, const char* label) {
    auto* l = window->findChild<QLabel*>(label);
    EXPECT_NE(l, nullptr) << label;
    return l ? l->text() : QString();
}

void click(QWidget* window, const char* button) {
    auto* b = window->findChild<QPushButton*>(button);
    ASSERT_NE(b, nullptr) << button;
    b->click();
}

// The main window on the fuller demo league, printing onto recording surfaces.
class ChartWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        fullerleague(data.path());
        setprintsurfacefactory([this] {
            printouts.push_back(std::make_unique<Printout>());
            return std::make_unique<RecordingSurface>(*printouts.back());
        });
        form2 = std::make_unique<Form2>(*g, fake.services);
        form2->load(data.path(), sys.path().string() + "/");
        form2->show();
        form2->action("leaguesmenu_0")->trigger();
        fake.dialogs.shown.clear();
    }
    void TearDown() override {
        setprintsurfacefactory({});
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != form2.get() && w->isVisible()) w->close();
        QApplication::processEvents();
    }
    // Chooses list line row in the chart picker the menu entry opens.
    void choose(const char* menu, int row) {
        form2->action(menu)->trigger();
        QWidget* picker = shown("ANchooseplayer");
        ASSERT_NE(picker, nullptr);
        picker->findChild<QListWidget*>("List1")->setCurrentRow(row);
        click(picker, "acceptbutton");
    }

    TempDir data, sys;
    FakeServices fake;
    std::unique_ptr<GOLF1> g = std::make_unique<GOLF1>();
    std::unique_ptr<Form2> form2;
    std::vector<std::unique_ptr<Printout>> printouts;
};

} // namespace

TEST_F(ChartWindows, trends_pickerThenGraphOfThatPlayer_doneGivesTheMainWindowBack) {
    form2->action("graphmenu_0")->trigger();
    EXPECT_EQ(form2->tag, "line");
    QWidget* picker = shown("ANchooseplayer");
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->windowTitle(), "Select Player");
    EXPECT_EQ(text(picker, "Playerlabel"), "Tuesday Night League Player List");
    EXPECT_FALSE(form2->isEnabled());
    auto* list = picker->findChild<QListWidget*>("List1");
    ASSERT_EQ(list->count(), 10);
    click(picker, "acceptbutton"); // nothing chosen yet
    EXPECT_EQ(fake.dialogs.beeps, 1);
    ASSERT_EQ(shown("ANchooseplayer"), picker);

    list->setCurrentRow(8);
    click(picker, "acceptbutton");
    EXPECT_EQ(shown("ANchooseplayer"), nullptr);
    QWidget* graph = shown("GRform");
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(g->playerno, 9);
    EXPECT_FALSE(form2->isEnabled());
    EXPECT_EQ(text(graph, "Lab3"), "Sam Fairweather");
    EXPECT_EQ(text(graph, "Lab2_3"), "20 rounds played");
    EXPECT_EQ(text(graph, "Lab2_4"), QString::fromStdString(graphtexts(*g, 9).currentindex));
    EXPECT_EQ(fake.busy.depth, 0);

    click(graph, "donebutton");
    EXPECT_EQ(shown("GRform"), nullptr);
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(g->playerno, 0);
}

TEST_F(ChartWindows, scoring_pieAndGraphHandOverForTheSamePlayer) {
    choose("graphmenu_1", 2);
    EXPECT_EQ(form2->tag, "pie");
    QWidget* pie = shown("Piechart");
    ASSERT_NE(pie, nullptr);
    const std::string name = g->playername[3];
    EXPECT_EQ(text(pie, "Namelabel").toStdString(), name);
    const PieTexts texts = pietexts(*g, 3, countscores(*g, 3));
    EXPECT_EQ(text(pie, "totalholeslabel").toStdString(), texts.totalholes);
    EXPECT_EQ(text(pie, "aveholelabel").toStdString(), texts.avehole);

    click(pie, "Command3D1");
    QWidget* graph = shown("GRform");
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(shown("Piechart"), nullptr);
    EXPECT_EQ(text(graph, "Lab3").toStdString(), name);
    EXPECT_FALSE(form2->isEnabled()); // handing over is not closing
    click(graph, "Command3d1");
    pie = shown("Piechart");
    ASSERT_NE(pie, nullptr);
    EXPECT_EQ(g->playerno, 3);
    EXPECT_FALSE(form2->isEnabled());
    click(pie, "closebutton");
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(g->playerno, 0);
    EXPECT_EQ(fake.busy.depth, 0);
}

TEST_F(ChartWindows, picker_closeAndLabelClick_andAGapInTheRoster) {
    form2->action("graphmenu_0")->trigger();
    QWidget* picker = shown("ANchooseplayer");
    auto* list = picker->findChild<QListWidget*>("List1");
    list->setCurrentRow(1);
    QTest::mouseClick(picker->findChild<QLabel*>("Playerlabel"), Qt::LeftButton);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    click(picker, "exitbutton");
    EXPECT_EQ(shown("ANchooseplayer"), nullptr);
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(shown("GRform"), nullptr);

    // A nameless slot is not listed; the line clicked is still the player charted.
    g->playername[2].clear();
    choose("graphmenu_0", 1);
    QWidget* graph = shown("GRform");
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(g->playerno, 3);
    EXPECT_EQ(text(graph, "Lab3").toStdString(), g->playername[3]);
    click(graph, "donebutton");

    // A tag that names no chart gives the main window back rather than leave it off.
    openchartpicker(form2.get(), *g, fake.services, "bar");
    shown("ANchooseplayer")->findChild<QListWidget*>("List1")->setCurrentRow(0);
    click(shown("ANchooseplayer"), "acceptbutton");
    EXPECT_EQ(shown("GRform"), nullptr);
    EXPECT_EQ(shown("Piechart"), nullptr);
    EXPECT_TRUE(form2->isEnabled());
}

TEST_F(ChartWindows, graphPrint_cancelPrintsNothingOkPrintsPictureAndPanels) {
    choose("graphmenu_0", 8);
    QWidget* graph = shown("GRform");
    ASSERT_NE(graph, nullptr);
    fake.dialogs.answers = {Answer::cancel, Answer::ok};
    click(graph, "printbutton");
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message.text, "Ready to send chart to Printer");
    EXPECT_EQ(fake.dialogs.shown[0].message.title, "Greenfold");
    EXPECT_EQ(fake.dialogs.shown[0].buttons, Buttons::okcancel);
    EXPECT_TRUE(printouts.empty());
    EXPECT_EQ(shown("GRform"), graph);

    click(graph, "printbutton");
    ASSERT_EQ(printouts.size(), 1u);
    const Printout& out = *printouts[0];
    ASSERT_EQ(out.pictures.size(), 1u);
    EXPECT_EQ(out.pictures[0].name, "Picture1");
    const auto lines = out.lines(1);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "               Sam Fairweather"), lines.end());
    EXPECT_EQ(lines.back(), todaysdate());
    EXPECT_EQ(out.documents, 1);
    EXPECT_EQ(fake.busy.depth, 0);
}

TEST_F(ChartWindows, piePrint_panelsAsShown) {
    choose("graphmenu_1", 8);
    QWidget* pie = shown("Piechart");
    ASSERT_NE(pie, nullptr);
    fake.dialogs.answers = {Answer::ok};
    click(pie, "printbutton");
    ASSERT_EQ(printouts.size(), 1u);
    const auto lines = printouts[0]->lines(1);
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[2], "               Sam Fairweather");
    EXPECT_EQ(lines[8], "               " + text(pie, "totalholeslabel").toStdString());
    EXPECT_EQ(lines[8], "               # of scores recorded = 360");
    EXPECT_EQ(printouts[0]->pictures.at(0).name, "P");
}

TEST_F(ChartWindows, comparison_listScalePrintAndDone) {
    form2->action("leaguehcmenu")->trigger();
    QWidget* compare = shown("compareform");
    ASSERT_NE(compare, nullptr);
    EXPECT_FALSE(form2->isEnabled());
    auto* list = compare->findChild<QListWidget*>("List1");
    std::vector<std::string> shownlines;
    for (int i = 0; i < list->count(); ++i)
        shownlines.push_back(list->item(i)->text().toStdString());
    EXPECT_EQ(shownlines, comparelines(*g));
    EXPECT_EQ(list->count(), 10);
    EXPECT_TRUE(QFontInfo(list->font()).fixedPitch());
    auto* caption0 = compare->findChild<QLabel*>("Label1_0");
    auto* caption1 = compare->findChild<QLabel*>("Label1_1");
    ASSERT_NE(caption0, nullptr);
    ASSERT_NE(caption1, nullptr);
    EXPECT_EQ(caption0->text().toStdString(), scalecaption0);
    EXPECT_EQ(caption1->text().toStdString(), scalecaption1());
    EXPECT_EQ(caption0->geometry(), caption1->geometry()); // one over the other
    EXPECT_EQ(text(compare, "Panel3D2"), "Hcp Index");

    fake.dialogs.answers = {Answer::cancel, Answer::ok};
    click(compare, "Command3d1");
    EXPECT_TRUE(printouts.empty());
    click(compare, "Command3d1");
    EXPECT_EQ(fake.dialogs.shown[1].message.text, "Ready to send List to the Printer.");
    ASSERT_EQ(printouts.size(), 1u);
    const auto lines = printouts[0]->lines(1);
    ASSERT_EQ(lines.size(), 12u + 10);
    EXPECT_EQ(lines[12], "     " + shownlines[0]);
    click(compare, "donebutton");
    EXPECT_TRUE(form2->isEnabled());
}

TEST_F(ChartWindows, leagueWithoutRounds_emptyComparisonAndEmptyCharts) {
    for (int p = 1; p <= g->playercount; ++p) g->roundcount[p] = 0;
    form2->action("leaguehcmenu")->trigger();
    QWidget* compare = shown("compareform");
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(compare->findChild<QListWidget*>("List1")->count(), 0);
    fake.dialogs.answers = {Answer::ok};
    click(compare, "Command3d1");
    ASSERT_EQ(printouts.size(), 1u);
    EXPECT_EQ(printouts[0]->lines(1).size(), 12u);
    click(compare, "donebutton");

    choose("graphmenu_1", 0);
    QWidget* pie = shown("Piechart");
    ASSERT_NE(pie, nullptr);
    EXPECT_EQ(text(pie, "aveparlabel"), "Avg. Par per hole =");
    EXPECT_EQ(text(pie, "totalholeslabel"), "# of scores recorded = 0");
    click(pie, "Command3D1");
    QWidget* graph = shown("GRform");
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(text(graph, "Lab2_3"), "0 rounds played");
}
