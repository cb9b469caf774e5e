// Each report rendered through the Qt surface into a PDF, read back as text with
// pdftotext to see that the columns line up, and turned into PNG pages under the build
// folder (screens/) for a person to look at.
#include "platform/qtprintsurface.h"
#include "reports/cardlayout.h"
#include "reports/chcpchart.h"
#include "reports/handicaplists.h"
#include "reports/printsteps.h"
#include "reports/reportleague.h"
#include "support/fakeservices.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <sstream>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

const std::string date = "05-14-2004";

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

fs::path screens() {
    fs::create_directories(GREENFOLD_SCREENS);
    return GREENFOLD_SCREENS;
}

// Renders the layout into screens/<name>.pdf; returns the text of its pages.
std::string render(const std::string& name, const std::function<void(PrintSurface&)>& layout) {
    const fs::path pdf = screens() / (name + ".pdf");
    fs::remove(pdf);
    QtPrintSurface s(pdf.string());
    layout(s);
    EXPECT_FALSE(s.failed());
    EXPECT_EQ(readbytes(pdf).substr(0, 5), "%PDF-");
    if (!havepoppler()) return {};
    run("pdftoppm -png -r 70 -f 1 -l 1 '" + pdf.string() + "' '" + (screens() / name).string() +
        "'");
    return run("pdftotext -layout '" + pdf.string() + "' -");
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

int pages(const std::string& name) {
    const std::string info = run("pdfinfo '" + (screens() / (name + ".pdf")).string() + "'");
    const auto at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + 6);
}

// A word of the PDF's text with where it lies, in points.
struct Word {
    std::string text;
    double xmin = 0, xmax = 0, ymin = 0;
    int page = 0;
};

double attribute(const std::string& line, const std::string& name) {
    const auto at = line.find(name + "=\"");
    return at == std::string::npos ? -1 : std::atof(line.c_str() + at + name.size() + 2);
}

std::vector<Word> words(const std::string& name) {
    std::vector<Word> out;
    std::istringstream html(
        run("pdftotext -bbox '" + (screens() / (name + ".pdf")).string() + "' -"));
    int page = 0;
    for (std::string line; std::getline(html, line);) {
        if (line.find("<page ") != std::string::npos) ++page;
        const auto open = line.find("<word ");
        if (open == std::string::npos) continue;
        const auto from = line.find('>', open) + 1;
        out.push_back({line.substr(from, line.find("</word>") - from), attribute(line, "xMin"),
                       attribute(line, "xMax"), attribute(line, "yMin"), page});
    }
    return out;
}

// Every word with this text starts (or, right-aligned, ends) at the same place.
std::size_t aligned(const std::vector<Word>& all, const std::string& text, bool right = false) {
    std::vector<double> at;
    for (const auto& w : all)
        if (w.text == text) at.push_back(right ? w.xmax : w.xmin);
    for (double x : at) EXPECT_NEAR(x, at.front(), 0.01) << text;
    return at.size();
}

// The last word of every line that starts with the given word.
std::vector<Word> lineends(const std::vector<Word>& all, const std::string& first) {
    std::vector<Word> out;
    for (const auto& start : all) {
        if (start.text != first) continue;
        Word last = start;
        for (const auto& w : all)
            if (w.page == start.page && std::abs(w.ymin - start.ymin) < 0.01 && w.xmax > last.xmax)
                last = w;
        out.push_back(last);
    }
    return out;
}

} // namespace

TEST(ReportPdf, longList_fullLeagueOnThreeLandscapePagesColumnsAligned) {
    auto g = reportleague(100, 20);
    g->playername[7] = "Bartholomew Featherstonehaugh-Smythe"; // written whole
    const ListLines lines = recentlines(*g);
    const auto text =
        render("longlist", [&](PrintSurface& s) { printlongreport(s, *g, lines, date); });
    if (!havepoppler()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(count(text, "Greenfold   05-14-2004"), 1u);
    EXPECT_EQ(count(text, "C Hcp # rnd"), 3u); // once a page
    EXPECT_EQ(pages("longlist"), 3);
    // The long name is written whole and runs into its date, so it is left out here.
    auto all = words("longlist");
    std::erase_if(all, [](const Word& w) { return w.text.starts_with("Featherstonehaugh"); });
    EXPECT_EQ(aligned(all, "05/20/04"), 99u);
    auto ends = lineends(all, "Player");
    ASSERT_EQ(ends.size(), 99u);
    for (const auto& w : ends) EXPECT_NEAR(w.xmax, ends[0].xmax, 0.01) << w.text;
    // On the monospaced grid the product name stands 76 characters after the league's.
    ASSERT_EQ(all[0].text, "SPRING");
    ASSERT_EQ(all[1].text, "Greenfold");
    const double charwidth = (ends[0].xmax - ends[0].xmin) / double(ends[0].text.size());
    EXPECT_NEAR(all[1].xmin - all[0].xmin, 76 * charwidth, 0.01);
    EXPECT_EQ(count(text, "Featherstonehaugh-Smythe05/20/04"), 1u);
}

TEST(ReportPdf, shortList_portraitTwoPages) {
    auto g = reportleague(100, 20);
    const ListLines lines = recentlines(*g);
    const auto text =
        render("shortlist", [&](PrintSurface& s) { printshortreport(s, *g, lines, date); });
    if (!havepoppler()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(count(text, "# rounds"), 2u);
    EXPECT_EQ(pages("shortlist"), 2);
    const auto all = words("shortlist");
    EXPECT_EQ(aligned(all, "05/20/04"), 100u);
    const auto ends = lineends(all, "Player");
    ASSERT_EQ(ends.size(), 100u);
    for (const auto& w : ends) EXPECT_NEAR(w.xmax, ends[0].xmax, 0.01) << w.text;
    // Courier New, or where it is missing a monospaced font with the same widths.
    const std::string fonts = run("pdffonts '" + (screens() / "shortlist.pdf").string() + "'");
    EXPECT_TRUE(fonts.find("CourierNew") != std::string::npos ||
                fonts.find("LiberationMono") != std::string::npos)
        << fonts;
}

TEST(ReportPdf, courseHandicapChart) {
    auto g = reportleague(1, 1);
    g->coursedata[1][courseline_slope0 + tee_ladies] = " 130";
    const auto text =
        render("chcpchart", [&](PrintSurface& s) { PrintChcpChart(s, *g, 1, tee_ladies); });
    if (!havepoppler()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(count(text, "Pine Valley"), 1u);
    EXPECT_EQ(count(text, "Ladies Tee - slope 130"), 1u);
    EXPECT_EQ(pages("chcpchart"), 1);
    // The first and the last row: indexes and handicaps end in the same columns.
    const auto all = words("chcpchart");
    const auto first = lineends(all, "-5.0"), last = lineends(all, "7.0");
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(last.size(), 1u);
    EXPECT_EQ(first[0].text, "37");
    EXPECT_EQ(last[0].text, "51");
    EXPECT_NEAR(first[0].xmax, last[0].xmax, 0.01);
    auto word = [&](const char* wanted) {
        return std::find_if(all.begin(), all.end(),
                            [&](const Word& w) { return w.text == wanted; });
    };
    EXPECT_NEAR(word("-5.0")->xmax, word("7.0")->xmax, 0.01);
}

TEST(ReportPdf, handicapCards_elevenPlayersTwoSheetsWithLogo) {
    auto g = reportleague(11, 7);
    g->roundcount[3] = 0; // no rounds: blank index
    selectcards(*g, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    const auto text = render("hcpcards", [&](PrintSurface& s) {
        printcardjob(s, *g, "05-14-2004", PrintPicture{cardlogo, {}});
    });
    if (!havepoppler()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(count(text, "Hcp Index:"), 11u);
    EXPECT_EQ(count(text, "Player 11"), 1u);
    EXPECT_EQ(pages("hcpcards"), 2);
    // The two columns of cards: names side by side on the same text line.
    const auto nine = text.find("Player 9");
    EXPECT_LT(text.find("Player 10", nine), text.find('\n', nine));
    EXPECT_NE(run("pdfimages -list '" + (screens() / "hcpcards.pdf").string() + "'").find("image"),
              std::string::npos);
}

TEST(NoPrinter, pdfNamedInASaveDialogAndTheUserToldWhere) {
    TempDir dir;
    FakeServices fake;
    fake.dialogs.files.push_back((dir.path() / "chart").string());
    auto surface = openpdfsurface(fake.services);
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message.title,
              "No printer installed: save the printout as PDF");
    auto g = reportleague(1, 1);
    PrintChcpChart(*surface, *g, 1, tee_mens);
    tellprinted(fake.services, *surface);
    ASSERT_EQ(fake.dialogs.shown.size(), 2u);
    const Message& told = fake.dialogs.shown[1].message;
    EXPECT_EQ(told.text, "No printer is installed, so the printout was saved as a PDF file:\r\n" +
                             (dir.path() / "chart.pdf").string());
    EXPECT_EQ(told.icon, Icon::information);
    EXPECT_EQ(readbytes(dir.path() / "chart.pdf").substr(0, 4), "%PDF");

    // Cancelling the file name prints nothing and says nothing more.
    EXPECT_EQ(openpdfsurface(fake.services), nullptr);
    EXPECT_EQ(fake.dialogs.shown.size(), 3u);
}

TEST(NoPrinter, pdfThatCannotBeWritten_saysSoAndLeavesNoFile) {
    TempDir dir;
    FakeServices fake;
    const fs::path target = dir.path() / "missing" / "list.pdf";
    QtPrintSurface s(target.string());
    auto g = reportleague(2, 1);
    printshortreport(s, *g, recentlines(*g), date);
    EXPECT_TRUE(s.failed());
    tellprinted(fake.services, s);
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message.text,
              "The printout could not be saved as\r\n" + target.string());
    EXPECT_FALSE(fs::exists(target));
}
