// Each report rendered through the Qt surface into a PDF under the build folder
// (screens/), its first page turned into PNG for a person to look at, and its words read
// back with their places to see that the columns line up.
#include "platform/qtprintsurface.h"
#include "reports/cardlayout.h"
#include "reports/chcpchart.h"
#include "reports/handicaplists.h"
#include "reports/reportleague.h"
#include "reports/ui/printwindows.h"

#include <algorithm>
#include <sstream>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

const std::string date = "05-14-2004";

// Renders the layout into screens/<name>.pdf; returns its text laid out.
std::string render(const std::string& name, const std::function<void(PrintSurface&)>& layout) {
    fs::remove(screens() / (name + ".pdf"));
    QtPrintSurface s((screens() / (name + ".pdf")).string());
    layout(s);
    EXPECT_FALSE(s.failed());
    return pdftext(name);
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// A word of the PDF with where it lies, in points.
struct Word {
    std::string text;
    double xmin = 0, ymin = 0, xmax = 0;
    int page = 0;
};

std::vector<Word> words(const std::string& name) {
    std::vector<Word> out;
    std::istringstream html(
        run("pdftotext -bbox '" + (screens() / (name + ".pdf")).string() + "' -"));
    int page = 0;
    for (std::string line; std::getline(html, line);) {
        page += line.find("<page ") != std::string::npos;
        Word w;
        char text[200] = {};
        if (std::sscanf(line.c_str(),
                        " <word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" %*[^>]>%199[^<]", &w.xmin,
                        &w.ymin, &w.xmax, text) == 4)
            out.push_back({text, w.xmin, w.ymin, w.xmax, page});
    }
    return out;
}

// The words of this text, or the last word of every line that starts with it.
std::vector<Word> find(const std::vector<Word>& all, const std::string& text, bool lineends) {
    std::vector<Word> out;
    for (const auto& start : all) {
        if (start.text != text) continue;
        Word last = start;
        for (const auto& w : all)
            if (lineends && w.page == start.page && std::abs(w.ymin - start.ymin) < 0.01 &&
                w.xmax > last.xmax)
                last = w;
        out.push_back(last);
    }
    return out;
}

// Each of the words starts (or, as a line's end, ends) where the first does.
std::size_t incolumn(const std::vector<Word>& found, bool byend) {
    for (const auto& w : found)
        EXPECT_NEAR(byend ? w.xmax : w.xmin, byend ? found[0].xmax : found[0].xmin, 0.01) << w.text;
    return found.size();
}

bool monospaced(const std::string& name) {
    const std::string fonts = run("pdffonts '" + (screens() / (name + ".pdf")).string() + "'");
    return fonts.find("CourierNew") != std::string::npos ||
           fonts.find("LiberationMono") != std::string::npos;
}

} // namespace

TEST(ReportPdf, longList_fullLeagueOnThreeLandscapePagesColumnsAligned) {
    auto g = reportleague(100, 20);
    g->playername[7] = "Bartholomew Featherstonehaugh-Smythe"; // written whole
    const ListLines lines = recentlines(*g);
    const auto text =
        render("longlist", [&](PrintSurface& s) { printlongreport(s, *g, lines, date); });
    if (!havepoppler()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(count(text, "\f"), 3u); // pages
    EXPECT_EQ(count(text, "Greenfold   05-14-2004"), 1u);
    EXPECT_EQ(count(text, "C Hcp # rnd"), 3u); // once a page
    EXPECT_EQ(count(text, "Featherstonehaugh-Smythe05/20/04"), 1u);
    // The long name runs into its date, so its line is left out of the columns.
    auto all = words("longlist");
    std::erase_if(all, [](const Word& w) { return w.text.starts_with("Featherstonehaugh"); });
    EXPECT_EQ(incolumn(find(all, "05/20/04", false), false), 99u);
    const auto ends = find(all, "Player", true);
    EXPECT_EQ(incolumn(ends, true), 99u);
    // On the monospaced grid the product name stands 76 characters after the league's.
    ASSERT_EQ(all[0].text, "SPRING");
    ASSERT_EQ(all[1].text, "Greenfold");
    const double charwidth = (ends[0].xmax - ends[0].xmin) / double(ends[0].text.size());
    EXPECT_NEAR(all[1].xmin - all[0].xmin, 76 * charwidth, 0.01);
    EXPECT_TRUE(monospaced("longlist"));
}

TEST(ReportPdf, shortList_portraitTwoPagesColumnsAligned) {
    auto g = reportleague(100, 20);
    const ListLines lines = recentlines(*g);
    const auto text =
        render("shortlist", [&](PrintSurface& s) { printshortreport(s, *g, lines, date); });
    if (!havepoppler()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(count(text, "\f"), 2u);
    EXPECT_EQ(count(text, "# rounds"), 2u);
    const auto all = words("shortlist");
    EXPECT_EQ(incolumn(find(all, "05/20/04", false), false), 100u);
    EXPECT_EQ(incolumn(find(all, "Player", true), true), 100u);
    // Courier New, or where it is missing a monospaced font with the same widths.
    EXPECT_TRUE(monospaced("shortlist"));
}

TEST(ReportPdf, courseHandicapChart_firstAndLastRowsEndInTheSameColumns) {
    auto g = reportleague(1, 1);
    g->coursedata[1][courseline_slope0 + tee_ladies] = " 130";
    const auto text =
        render("chcpchart", [&](PrintSurface& s) { PrintChcpChart(s, *g, 1, tee_ladies); });
    if (!havepoppler()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(count(text, "\f"), 1u);
    EXPECT_EQ(count(text, "Pine Valley"), 1u);
    EXPECT_EQ(count(text, "Ladies Tee - slope 130"), 1u);
    const auto all = words("chcpchart");
    const auto first = find(all, "-5.0", true), last = find(all, "7.0", true);
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(last.size(), 1u);
    EXPECT_EQ(first[0].text, "37");
    EXPECT_EQ(last[0].text, "51");
    EXPECT_EQ(incolumn({first[0], last[0]}, true), 2u);
    EXPECT_EQ(incolumn({find(all, "-5.0", false)[0], find(all, "7.0", false)[0]}, true), 2u);
}

TEST(ReportPdf, handicapCards_elevenPlayersTwoSheetsWithLogo) {
    auto g = reportleague(11, 7);
    g->roundcount[3] = 0; // no rounds: blank index
    const std::vector<int> players = selectcards(*g, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    const auto text = render("hcpcards", [&](PrintSurface& s) {
        printcardjob(s, *g, players, date, PrintPicture{cardlogo, {}});
    });
    if (!havepoppler()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(count(text, "\f"), 2u);
    EXPECT_EQ(count(text, "Hcp Index:"), 11u);
    EXPECT_EQ(count(text, "Player 11"), 1u);
    // The two columns of cards: names side by side on the same text line.
    const auto nine = text.find("Player 9");
    EXPECT_LT(text.find("Player 10", nine), text.find('\n', nine));
    EXPECT_NE(run("pdfimages -list '" + (screens() / "hcpcards.pdf").string() + "'").find("image"),
              std::string::npos);
}

TEST(NoPrinter, pdfNamedInASaveDialogAndTheUserToldWhere_cancelPrintsNothing) {
    TempDir dir;
    FakeServices fake;
    fake.dialogs.files.push_back((dir.path() / "chart").string());
    QtPrinting printing(fake.dialogs);
    auto surface = printing.openpdf();
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message.title,
              "No printer installed: save the printout as PDF");
    PrintChcpChart(*surface, *reportleague(1, 1), 1, tee_mens);
    printing.finished(*surface);
    ASSERT_EQ(fake.dialogs.shown.size(), 2u);
    EXPECT_EQ(fake.dialogs.shown[1].message,
              (Message{"No printer is installed, so the printout was saved as a PDF file:\r\n" +
                           (dir.path() / "chart.pdf").string(),
                       "Greenfold", Icon::information}));
    EXPECT_EQ(readbytes(dir.path() / "chart.pdf").substr(0, 4), "%PDF");
    EXPECT_EQ(printing.openpdf(), nullptr);
    EXPECT_EQ(fake.dialogs.shown.size(), 3u); // the file name asked, nothing more said
}

TEST(NoPrinter, pdfThatCannotBeWritten_saysSoAndLeavesNoFile) {
    TempDir dir;
    FakeServices fake;
    const fs::path target = dir.path() / "missing" / "list.pdf";
    fake.dialogs.files.push_back(target.string());
    QtPrinting printing(fake.dialogs);
    auto s = printing.openpdf();
    auto g = reportleague(2, 1);
    printshortreport(*s, *g, recentlines(*g), date);
    printing.finished(*s);
    ASSERT_EQ(fake.dialogs.shown.size(), 2u);
    EXPECT_EQ(fake.dialogs.shown[1].message.text,
              "The printout could not be saved as\r\n" + target.string());
    EXPECT_FALSE(fs::exists(target));
}
