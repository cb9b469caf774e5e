// Renders the chart windows to PNG files under the build folder (screens/), and their
// printouts through the Qt print surface to PDF files, turned into PNG pages there as
// well, for a person to look at.
#include "charts/ui/anchooseplayer.h"
#include "charts/ui/chartleague.h"
#include "charts/ui/compareform.h"
#include "charts/ui/grform.h"
#include "charts/ui/piechart.h"
#include "model/golf1.h"
#include "platform/qtcanvas.h"
#include "platform/qtprintsurface.h"
#include "support/fakeservices.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

#include <array>
#include <cstdio>
#include <memory>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

fs::path screens() {
    fs::create_directories(GREENFOLD_SCREENS);
    return GREENFOLD_SCREENS;
}

void save(QWidget* w, const std::string& name) {
    QPixmap shot = w->grab();
    ASSERT_FALSE(shot.isNull());
    ASSERT_TRUE(shot.save(QString::fromStdString((screens() / (name + ".png")).string())));
}

std::string run(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return out;
    std::array<char, 4096> buf;
    while (std::size_t n = std::fread(buf.data(), 1, buf.size(), pipe.get()))
        out.append(buf.data(), n);
    return out;
}

bool havepoppler() {
    return std::system("pdftotext -v >/dev/null 2>&1") == 0;
}

// The windows' own print commands, printing into screens/<name>.pdf.
class ChartScreens : public ::testing::Test {
  protected:
    void SetUp() override {
        fullerleague(data.path());
        g->leaguefile = demoleague;
        ASSERT_TRUE(loadcourses(*g, data.path()));
        ASSERT_TRUE(loadleague(*g, data.path()));
    }
    void TearDown() override { setprintsurfacefactory({}); }

    // Answers the print question with OK and returns the printout's text.
    std::string print(QWidget* window, const char* button, const std::string& name) {
        const fs::path pdf = screens() / (name + ".pdf");
        fs::remove(pdf);
        setprintsurfacefactory([pdf]() -> std::unique_ptr<PrintSurface> {
            return std::make_unique<QtPrintSurface>(pdf.string());
        });
        fake.dialogs.answers = {Answer::ok};
        window->findChild<QPushButton*>(button)->click();
        EXPECT_EQ(readbytes(pdf).substr(0, 5), "%PDF-");
        if (!havepoppler()) return {};
        run("pdftoppm -png -r 60 -singlefile '" + pdf.string() + "' '" +
            (screens() / name).string() + "'");
        return run("pdftotext -layout '" + pdf.string() + "' -");
    }

    TempDir data;
    FakeServices fake;
    std::unique_ptr<GOLF1> g = std::make_unique<GOLF1>();
};

} // namespace

TEST_F(ChartScreens, graphOfTwentyRounds) {
    g->playerno = 9;
    auto* graph = new GRform(*g, fake.services, nullptr);
    graph->load();
    save(graph, "GRform");
    const std::string text = print(graph, "printbutton", "GRform-print");
    graph->close();
    if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_NE(text.find("Sam Fairweather"), std::string::npos);
    EXPECT_NE(text.find("20 rounds played"), std::string::npos);
    EXPECT_NE(text.find("Hcp Differential"), std::string::npos);
    EXPECT_NE(
        run("pdfimages -list '" + (screens() / "GRform-print.pdf").string() + "'").find("image"),
        std::string::npos);
}

TEST_F(ChartScreens, pieOfTwentyRoundsAndOfOneCategory) {
    g->playerno = 9;
    auto* pie = new Piechart(*g, fake.services, nullptr);
    pie->load();
    save(pie, "Piechart");
    const std::string text = print(pie, "printbutton", "Piechart-print");
    pie->close();

    // Every hole a par: the whole circle in one colour.
    g->playerno = 1;
    g->roundcount[1] = 1;
    for (int h = 1; h <= 18; ++h)
        g->holescore[1][1][h] = int16_t(leadingnumber(coursefield(*g, 1, courseline_par0 + h)));
    auto* single = new Piechart(*g, fake.services, nullptr);
    single->load();
    save(single, "Piechart-onecategory");
    const QImage image = single->canvas().pixmap().toImage();
    const QPoint centre(int(image.width() / 4.5), image.height() / 2);
    for (QPoint at :
         {centre + QPoint(0, image.height() / 4), centre - QPoint(0, image.height() / 4),
          centre + QPoint(image.width() / 8, 0)})
        EXPECT_EQ(image.pixelColor(at), QColor(0, 0, 255)) << at.x() << "," << at.y();
    single->close();
    if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_NE(text.find("# of scores recorded = 360"), std::string::npos);
}

TEST_F(ChartScreens, comparisonAndPicker) {
    auto* compare = new compareform(*g, fake.services, nullptr);
    compare->load();
    save(compare, "compareform");
    const std::string text = print(compare, "Command3d1", "compareform-print");
    compare->close();

    auto* picker = new ANchooseplayer(*g, fake.services, nullptr);
    picker->load();
    picker->findChild<QListWidget*>("List1")->setCurrentRow(8);
    save(picker, "ANchooseplayer");
    picker->close();
    if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_NE(text.find("Bartholomew Featherstonehaugh"), std::string::npos);
    EXPECT_NE(text.find("Hcp Index"), std::string::npos);
}
