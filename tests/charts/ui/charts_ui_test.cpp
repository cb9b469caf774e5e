// The chart windows through the main window's Analysis menu, on the demo league with a
// player of 20 rounds added. Each printout is rendered to PDF under the build folder
// (screens/) and read back.
#include "charts/compare.h"
#include "charts/graph.h"
#include "charts/pie.h"
#include "charts/ui/chartwindows.h"
#include "charts/ui/piechart.h"
#include "model/textline.h"
#include "platform/qtcanvas.h"
#include "platform/qtprintsurface.h"
#include "reports/ui/printwindows.h"
#include "scoring/handicap.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

// A player whose rounds go through the handicap engine as score entry would: a bogey
// golfer with birdies and doubles, a blow-up hole in round 7 and an eagle in round 16.
void addplayer(GOLF1& g, const std::string& name, int rounds) {
    static const int pattern[] = {1, 0, 1, 2, 0, 1, -1, 1, 0, 1, 2, 0, 1};
    const int p = ++g.playercount;
    g.playername[p] = name;
    g.playertee[p] = tee_mens;
    g.roundcount[p] = int16_t(rounds);
    const TeeRating tee = teerating(g, 1, tee_mens);
    for (int r = 1; r <= rounds; ++r) {
        g.roundcourse[p][r] = 1;
        int out = 0, in = 0;
        for (int h = 1; h <= 18; ++h) {
            const int over = r == 7 && h == 5    ? 4
                             : r == 16 && h == 2 ? -2
                                                 : pattern[(r * 5 + h * 3) % 13];
            g.holescore[p][r][h] = int16_t(coursevalue(g, 1, courseline_par0 + h) + over);
            (h <= 9 ? out : in) += g.holescore[p][r][h];
        }
        g.holescore[p][r][19] = int16_t(out);
        g.holescore[p][r][20] = int16_t(in);
        g.differential[p][r] = calcdifferential(out, in, tee.rating, tee.slope, g.ninehole);
        calchcpindex(g, p, r, tee_mens);
        g.coursehcp[p][r] = coursehandicap(g.hcpindex[p][r], tee.slope);
    }
}

QString text(QWidget* window, const char* label) {
    auto* l = control<QLabel>(window, label);
    return l ? l->text() : QString();
}

void click(QWidget* window, const char* button) {
    control<QPushButton>(window, button)->click();
}

class ChartWindows : public PrintWindows {
  protected:
    void SetUp() override {
        PrintWindows::SetUp();
        addplayer(*g, "Sam Fairweather", 20);
        addplayer(*g, "Bartholomew Featherstonehaugh", 3);
    }
    // Chooses list line row in the picker the menu entry opens; returns the chart shown.
    QWidget* choose(const char* menu, int row, const char* chart) {
        QWidget* picker = open(menu, "ANchooseplayer");
        if (picker == nullptr) return nullptr;
        control<QListWidget>(picker, "List1")->setCurrentRow(row);
        click(picker, "acceptbutton");
        return window(chart);
    }
    // Prints with the window's button, answering OK, into screens/<name>.pdf.
    std::string printpdf(QWidget* window, const char* button, const std::string& name) {
        const fs::path pdf = screens() / (name + ".pdf");
        fs::remove(pdf);
        fake.printing.surface = [pdf]() -> std::unique_ptr<PrintSurface> {
            return std::make_unique<QtPrintSurface>(pdf.string());
        };
        fake.dialogs.answers = {Answer::ok};
        click(window, button);
        recordprints();
        return pdftext(name);
    }
};

} // namespace

TEST_F(ChartWindows,
       trends_pickedPlayersGraphPrintsAndHandsOverToHisPie_closeGivesTheMainWindowBack) {
    QWidget* picker = open("graphmenu_0", "ANchooseplayer");
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(form2->tag, ChartTag::line);
    EXPECT_EQ(picker->windowTitle(), "Select Player");
    EXPECT_EQ(text(picker, "Playerlabel"), "Tuesday Night League Player List");
    EXPECT_FALSE(form2->isEnabled());
    auto* list = control<QListWidget>(picker, "List1");
    ASSERT_EQ(list->count(), 10);
    click(picker, "acceptbutton"); // nothing chosen yet
    EXPECT_EQ(fake.dialogs.beeps, 1);
    ASSERT_EQ(window("ANchooseplayer"), picker);
    list->setCurrentRow(8);
    click(picker, "acceptbutton");
    EXPECT_EQ(window("ANchooseplayer"), nullptr);
    QWidget* graph = window("GRform");
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(text(graph, "Lab3"), "Sam Fairweather");
    EXPECT_EQ(text(graph, "Lab2_3"), "20 rounds played");
    EXPECT_EQ(text(graph, "Lab2_4").toStdString(), graphtexts(*g, 9).currentindex);

    fake.dialogs.answers = {Answer::cancel, Answer::ok};
    click(graph, "printbutton");
    EXPECT_TRUE(printouts.empty());
    EXPECT_EQ(window("GRform"), graph);
    click(graph, "printbutton");
    EXPECT_EQ(fake.dialogs.shown[0].message,
              (Message{"Ready to send chart to Printer", "Greenfold", Icon::none}));
    EXPECT_EQ(fake.dialogs.shown[0].buttons, Buttons::okcancel);
    ASSERT_EQ(printouts.size(), 1u);
    ASSERT_EQ(printouts[0]->pictures.size(), 1u);
    EXPECT_EQ(printouts[0]->pictures[0].name, "Picture1");
    const auto lines = printouts[0]->lines(1);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "               Sam Fairweather"), lines.end());
    EXPECT_EQ(lines.back(), todaysdate());
    EXPECT_EQ(fake.busy.depth, 0);
    const std::string pdf = printpdf(graph, "printbutton", "GRform-print");

    click(graph, "Command3d1");
    QWidget* pie = window("Piechart");
    ASSERT_NE(pie, nullptr);
    EXPECT_EQ(window("GRform"), nullptr);
    EXPECT_EQ(text(pie, "Namelabel"), "Sam Fairweather"); // the same player
    EXPECT_FALSE(form2->isEnabled());                     // handing over is not closing
    click(pie, "closebutton");
    EXPECT_TRUE(form2->isEnabled());
    if (!havepoppler()) GTEST_SKIP() << "pdftotext is not installed";
    for (const char* panel : {"Sam Fairweather", "20 rounds played", "Hcp Differential"})
        EXPECT_NE(pdf.find(panel), std::string::npos) << panel;
    const std::string pdfpath = (screens() / "GRform-print.pdf").string();
    EXPECT_NE(run("pdfimages -list '" + pdfpath + "'").find("image"), std::string::npos);
}

TEST_F(ChartWindows, scoring_pickedPlayersPiePrintsItsPanelsAndHandsOverToHisGraph) {
    QWidget* pie = choose("graphmenu_1", 8, "Piechart");
    ASSERT_NE(pie, nullptr);
    EXPECT_EQ(form2->tag, ChartTag::pie);
    EXPECT_EQ(text(pie, "Namelabel"), "Sam Fairweather");
    EXPECT_EQ(text(pie, "totalholeslabel"), "# of scores recorded = 360");
    EXPECT_EQ(text(pie, "aveholelabel").toStdString(), pietexts(*g, 9, countscores(*g, 9)).avehole);
    fake.dialogs.answers = {Answer::ok};
    click(pie, "printbutton");
    ASSERT_EQ(printouts.size(), 1u);
    const auto lines = printouts[0]->lines(1);
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[2], "               Sam Fairweather");
    EXPECT_EQ(lines[8], "               # of scores recorded = 360");
    EXPECT_EQ(printouts[0]->pictures.at(0).name, "P");
    const std::string pdf = printpdf(pie, "printbutton", "Piechart-print");

    click(pie, "Command3D1");
    QWidget* graph = window("GRform");
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(window("Piechart"), nullptr);
    EXPECT_EQ(text(graph, "Lab3"), "Sam Fairweather");
    EXPECT_FALSE(form2->isEnabled());
    click(graph, "donebutton");
    EXPECT_TRUE(form2->isEnabled());
    if (!havepoppler()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_NE(pdf.find("# of scores recorded = 360"), std::string::npos);
}

TEST_F(ChartWindows, pieOfOneCategory_wholeCircleInTheFirstColour) {
    g->roundcount[1] = 1;
    for (int h = 1; h <= 18; ++h)
        g->holescore[1][1][h] = int16_t(leadingnumber(coursefield(*g, 1, courseline_par0 + h)));
    auto* pie = qobject_cast<Piechart*>(choose("graphmenu_1", 0, "Piechart"));
    ASSERT_NE(pie, nullptr);
    const QImage image = pie->canvas().pixmap().toImage();
    const QPoint centre(int(image.width() / 4.5), image.height() / 2);
    for (QPoint at :
         {centre + QPoint(0, image.height() / 4), centre - QPoint(0, image.height() / 4),
          centre + QPoint(image.width() / 8, 0)})
        EXPECT_EQ(image.pixelColor(at), QColor(0, 0, 255)) << at.x() << "," << at.y();
}

TEST_F(ChartWindows, picker_closeAndLabelClick_andAGapInTheRoster) {
    QWidget* picker = open("graphmenu_0", "ANchooseplayer");
    auto* list = control<QListWidget>(picker, "List1");
    list->setCurrentRow(1);
    QTest::mouseClick(control<QLabel>(picker, "Playerlabel"), Qt::LeftButton);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    click(picker, "exitbutton");
    EXPECT_EQ(window("ANchooseplayer"), nullptr);
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(window("GRform"), nullptr);

    // A nameless slot is not listed; the line clicked is still the player charted.
    g->playername[2].clear();
    QWidget* graph = choose("graphmenu_0", 1, "GRform");
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(text(graph, "Lab3").toStdString(), g->playername[3]);
    click(graph, "donebutton");

    // A tag that names no chart gives the main window back rather than leave it off.
    openchartpicker(form2.get(), *g, fake.services, ChartTag::none);
    control<QListWidget>(window("ANchooseplayer"), "List1")->setCurrentRow(0);
    click(window("ANchooseplayer"), "acceptbutton");
    EXPECT_EQ(window("GRform"), nullptr);
    EXPECT_EQ(window("Piechart"), nullptr);
    EXPECT_TRUE(form2->isEnabled());
}

TEST_F(ChartWindows, comparison_listScaleAndPrint_aLeagueWithoutRoundsPrintsOnlyTheHeading) {
    QWidget* compare = open("leaguehcmenu", "compareform");
    ASSERT_NE(compare, nullptr);
    EXPECT_FALSE(form2->isEnabled());
    auto* list = control<QListWidget>(compare, "List1");
    EXPECT_EQ(lines(list), comparelines(*g));
    EXPECT_EQ(list->count(), 10);
    EXPECT_TRUE(QFontInfo(list->font()).fixedPitch());
    auto* caption0 = control<QLabel>(compare, "Label1_0");
    auto* caption1 = control<QLabel>(compare, "Label1_1");
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
    const auto printed = printouts[0]->lines(1);
    ASSERT_EQ(printed.size(), 12u + 10);
    EXPECT_EQ(printed[12], "     " + lines(list)[0]);
    const std::string pdf = printpdf(compare, "Command3d1", "compareform-print");
    click(compare, "donebutton");
    EXPECT_TRUE(form2->isEnabled());

    for (int p = 1; p <= g->playercount; ++p) g->roundcount[p] = 0;
    compare = open("leaguehcmenu", "compareform");
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(control<QListWidget>(compare, "List1")->count(), 0);
    fake.dialogs.answers = {Answer::ok};
    click(compare, "Command3d1");
    ASSERT_EQ(printouts.size(), 2u);
    EXPECT_EQ(printouts[1]->lines(1).size(), 12u);
    if (!havepoppler()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_NE(pdf.find("Bartholomew Featherstonehaugh"), std::string::npos);
}
