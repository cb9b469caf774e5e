// The printed handicap lists, the exported text listing, and the print steps they share.
#include "reportleague.h"
#include "reports/handicaplists.h"
#include "reports/listexport.h"
#include "reports/printsteps.h"
#include "reports/recordingsurface.h"

#include "model/textline.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

using Lines = std::vector<std::string>;

const std::string date = "05-14-2004";

// The start of every list: the blank line of the font reset, four more, the header and
// an empty line.
Lines lead(int width) {
    return {" ", " ", " ", " ", " ", reportheader("SPRING.LGE", width, date), ""};
}

std::string spaces(std::size_t n) {
    return std::string(n, ' ');
}

} // namespace

TEST(ResetPrintFont, firstFontOtherThanCurrentAndPrintFont_elseKept_blankLineAlways) {
    const std::pair<Lines, std::string> cases[] = {
        {{"Arial", "Courier New", "Times New Roman", "Verdana"}, "Times New Roman"},
        {{"Courier New", "Arial"}, "Arial"}}; // Arial is the current font
    for (const auto& [fonts, chosen] : cases) {
        RecordingSurface s;
        s.fonts = fonts;
        resetprintfont(s, "Courier New");
        EXPECT_EQ(s.currentfont(), chosen);
        ASSERT_EQ(s.printout().texts.size(), 1u);
        EXPECT_EQ(s.printout().texts[0].text, " ");
        EXPECT_EQ(s.printout().texts[0].font, chosen);
    }
}

TEST(ReportHeader, productNameAtAFixedColumn_noFillerWhenTheNameFillsTheWidth) {
    EXPECT_EQ(reportheader("A.LGE", 45, date),
              spaces(6) + "A" + spaces(40) + "Greenfold   " + date);
    EXPECT_EQ(reportheader("A.LGE", 80, date).find("Greenfold"), 82u);
    EXPECT_EQ(reportheader("Tuesday Night League.LGE", 45, "d").find("Greenfold"), 47u);
    // Columns count characters, not the bytes of an accented name.
    EXPECT_EQ(reportheader("Café.LGE", 45, "d"), spaces(6) + "Café" + spaces(37) + "Greenfold   d");
    for (const std::string& name : {std::string(50, 'X'), std::string(41, 'Y')})
        EXPECT_EQ(reportheader(name + ".LGE", 45, "d"), spaces(6) + name + "Greenfold   d");
}

TEST(ChartCells, checkYAndBuildline) {
    ChartLine line;
    const std::pair<float, const char*> cases[] = {
        {9.5f, " 9.5"}, {12.5f, "12.5"}, {-5, "-5.0"}, {0, " 0.0"}, {10, "10.0"}, {-0.5f, "-0.5"}};
    for (const auto& [value, text] : cases) {
        checkY(line, value);
        EXPECT_EQ(line.idxtext, text) << value;
    }
    line.linetext = "x";
    checkY(line, 7.5f);
    line.chcptext = " 8";
    buildline(line);
    EXPECT_EQ(line.linetext, "x        7.5       8");
}

TEST(CharSubstr, countsCharactersNotBytes) {
    EXPECT_EQ(charsubstr("Müller", 1, 3), "üll");
    EXPECT_EQ(charsubstr("abc", 2, 10), "c");
    EXPECT_EQ(charsubstr("abc", 5, 2), "");
    EXPECT_EQ(filler("Zoë", 5), "  ");
}

TEST(ListLines, namesFilledTo22LongerOnesWrittenWhole) {
    const std::string round = std::string(94, 'r') + "ABCDEFGHIJKLMNOP" + "tail";
    EXPECT_EQ(longline("Ann", round), spaces(6) + "Ann" + spaces(19) + round);
    const std::string exact(22, 'N');
    EXPECT_EQ(longline(exact, "R"), spaces(6) + exact + "R");
    for (const std::string& name : {exact, std::string("Bartholomew Featherstonehaugh")})
        EXPECT_EQ(shortline(name, round),
                  spaces(7) + name + std::string(42, 'r') + "ABCDEFGHIJKLMNOP");
    // Names are filled by characters, so an accented name lines up with the others.
    EXPECT_EQ(textwidth(longline("José", "R")), textwidth(longline("Jose", "R")));
}

TEST(Printmenu, needsADataLineInBothLists) {
    ListLines two{{"a", "b"}, {"c", "d"}};
    EXPECT_FALSE(listprintable(two));
    two.names.push_back("e");
    EXPECT_FALSE(listprintable(two)); // the round list is a line short
    two.rounds.push_back("f");
    EXPECT_TRUE(listprintable(two));
}

TEST(ListReports, threeEntries_headerHeadingRuleAndOneLineInTheReportFont) {
    auto g = reportleague(1, 2);
    const ListLines lines = recentlines(*g);
    RecordingSurface landscape, portrait;
    printlongreport(landscape, *g, lines, date);
    printshortreport(portrait, *g, lines, date);
    const std::string heading = longline(lines.names[0], lines.rounds[0]).substr(0, 132) + "rnd";
    EXPECT_TRUE(heading.ends_with("C Hcp # rnd"));
    Lines expected = lead(80);
    expected.insert(expected.end(), {heading, longrule(), longline("Player 1", lines.rounds[2])});
    EXPECT_EQ(landscape.printout().alllines(), expected);
    expected = lead(45);
    expected.insert(expected.end(), {shortline(lines.names[0], lines.rounds[0]), shortrule(),
                                     shortline("Player 1", lines.rounds[2])});
    EXPECT_EQ(portrait.printout().alllines(), expected);
    for (const auto* s : {&landscape, &portrait}) {
        const Printout& out = s->printout();
        EXPECT_EQ(out.pages, 1);
        EXPECT_EQ(out.documents, 1);
        const PrintedText& last = out.texts.back();
        EXPECT_EQ(last.font, "Courier New");
        EXPECT_TRUE(last.bold);
        EXPECT_EQ(last.size, s == &landscape ? 9 : 10);
    }
    EXPECT_EQ(landscape.printout().orientation, orientation_landscape);
    EXPECT_EQ(portrait.printout().orientation, orientation_portrait);
}

TEST(ListReports, fullLeague_longBreaksAfterEntries43And86ShortAfter53_withHeadingAndRule) {
    auto g = reportleague(100, 20);
    const ListLines lines = recentlines(*g);
    ASSERT_EQ(lines.names.size(), 102u);
    using Layout = void (*)(PrintSurface&, const GOLF1&, const ListLines&, const std::string&);
    const struct {
        Layout print;
        std::string (*line)(const std::string&, const std::string&);
        std::string rule;
        int width;
        std::vector<std::size_t> lastentries; // of each page
    } lists[] = {{printlongreport, longline, longrule(), 80, {43, 86, 101}},
                 {printshortreport, shortline, shortrule(), 45, {53, 101}}};
    for (const auto& list : lists) {
        RecordingSurface s;
        list.print(s, *g, lines, date);
        const Printout& out = s.printout();
        ASSERT_EQ(out.pages, int(list.lastentries.size()));
        EXPECT_EQ(out.overflows, 0);
        // Later pages do not repeat the league header: blank lines, heading, rule, a blank.
        const std::string heading = out.lines(1)[7];
        Lines firsttop = lead(list.width);
        firsttop.insert(firsttop.end(), {heading, list.rule});
        const Lines nexttop{" ", " ", " ", " ", " ", heading, list.rule, " "};
        std::size_t first = 2;
        for (int p = 1; p <= out.pages; ++p) {
            const Lines page = out.lines(p);
            const Lines& top = p == 1 ? firsttop : nexttop;
            const std::size_t last = list.lastentries[std::size_t(p - 1)];
            ASSERT_EQ(page.size(), top.size() + last + 1 - first) << p;
            EXPECT_EQ(Lines(page.begin(), page.begin() + long(top.size())), top) << p;
            EXPECT_EQ(page[top.size()], list.line(lines.names[first], lines.rounds[first])) << p;
            EXPECT_EQ(page.back(), list.line(lines.names[last], lines.rounds[last])) << p;
            first = last + 1;
        }
    }
}

TEST(ListReports, listEndingExactlyAtABreak_noPageWithOnlyTheHeading) {
    auto g = reportleague(42, 1); // entries 0..43
    RecordingSurface longlist, shortlist;
    printlongreport(longlist, *g, recentlines(*g), date);
    g = reportleague(52, 1); // entries 0..53
    printshortreport(shortlist, *g, recentlines(*g), date);
    EXPECT_EQ(longlist.printout().pages, 1);
    EXPECT_EQ(shortlist.printout().pages, 1);
}

TEST(ExportFile, springLeague_byteForByteOverAnOldExport) {
    auto g = reportleague(2, 1);
    g->playername[2] = "Bartholomew Featherstonehaugh"; // longer than the name column
    TempDir dir;
    const fs::path file = dir.path() / "spring.txt";
    writebytes(file, std::string(5000, 'x'));
    ASSERT_TRUE(shortprintfile(*g, recentlines(*g), date, file.string()).ok);
    EXPECT_EQ(readbytes(file),
              spaces(6) + "SPRING" + spaces(35) + "Greenfold   05-14-2004\r\n \r\n" + spaces(7) +
                  "     Name" + spaces(13) + "  Date   Course  Out  In Total Hcp Index  " +
                  "  C Hcp # rounds\r\n" + spaces(6) + std::string(82, '_') + "\r\n" +
                  "       Player 1" + spaces(14) + "05/01/04   PV 41   42    83   1.4" +
                  spaces(13) + "1      1\r\n" + "       Bartholomew Featherstonehaugh" +
                  "05/01/04   PV 42   42    84   2.4" + spaces(13) + "2      1\r\n");
}

TEST(ExportFile, cannotBeWritten_saysSoAndKeepsTheOldFile) {
    auto g = reportleague(2, 1);
    TempDir dir;
    const std::string missing = (dir.path() / "no such folder" / "list.txt").string();
    const Outcome nofolder = shortprintfile(*g, recentlines(*g), date, missing);
    EXPECT_FALSE(nofolder.ok);
    ASSERT_EQ(nofolder.messages.size(), 1u);
    EXPECT_NE(nofolder.messages[0].text.find(missing), std::string::npos);
    EXPECT_EQ(nofolder.messages[0].icon, Icon::exclamation);
    const fs::path old = dir.path() / "old.txt";
    writebytes(old, "previous export");
    EXPECT_FALSE(shortprintfile(*g, recentlines(*g), "d", old.string(), failafter(100)).ok);
    EXPECT_EQ(readbytes(old), "previous export");
}

TEST(ExportFileName, txtAddedUnlessPresentShortNamesRefused) {
    EXPECT_EQ(exportfilename("/home/ann/report"), "/home/ann/report.txt");
    EXPECT_EQ(exportfilename("/home/ann/REPORT.TXT"), "/home/ann/REPORT.TXT");
    EXPECT_EQ(exportfilename("/home/ann/Report.Txt"), "/home/ann/Report.Txt");
    EXPECT_EQ(exportfilename("list"), "list.txt");     // 8 characters: written
    EXPECT_EQ(exportfilename("abc.TXT"), "abc.TXT");   // exactly 7
    EXPECT_EQ(exportfilename("a"), std::nullopt);      // "a.txt" is too short
    EXPECT_EQ(exportfilename(""), std::nullopt);       // a cancelled dialog
    EXPECT_EQ(exportfilename("ab.txt"), std::nullopt); // 6 characters
    EXPECT_EQ(exportfilename("ü"), std::nullopt);      // counted in characters
}
