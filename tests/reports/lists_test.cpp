// The rules of the handicap lists, the exported text listing and the print steps they share;
// the printed pages are in golden_test.cpp.
#include "reportleague.h"
#include "reports/handicaplists.h"
#include "reports/listexport.h"
#include "reports/printsteps.h"
#include "reports/recordingsurface.h"

#include "support/testfiles.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

using Lines = std::vector<std::string>;

const std::string date = "05-14-2004";

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
    EXPECT_EQ(reportheader("Tuesday Night League.LGE", 45, "d").find("Greenfold"), 47u);
    // Columns count characters, not the bytes of an accented name.
    EXPECT_EQ(reportheader("Café.LGE", 45, "d"), spaces(6) + "Café" + spaces(37) + "Greenfold   d");
    for (const std::string& name : {std::string(50, 'X'), std::string(41, 'Y')})
        EXPECT_EQ(reportheader(name + ".LGE", 45, "d"), spaces(6) + name + "Greenfold   d");
}

TEST(CharSubstr, countsCharactersNotBytes) {
    EXPECT_EQ(charsubstr("Müller", 1, 3), "üll");
    EXPECT_EQ(charsubstr("abc", 2, 10), "c");
    EXPECT_EQ(charsubstr("abc", 5, 2), "");
    EXPECT_EQ(filler("Zoë", 5), "  ");
}

TEST(Printmenu, needsADataLineInBothLists) {
    ListLines two{{"a", "b"}, {"c", "d"}};
    EXPECT_FALSE(listprintable(two));
    two.names.push_back("e");
    EXPECT_FALSE(listprintable(two)); // the round list is a line short
    two.rounds.push_back("f");
    EXPECT_TRUE(listprintable(two));
}

TEST(ExportFile, springLeagueByteForByteOverAnOldExport_aFailedWriteSaysSoAndKeepsTheOldFile) {
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

    // Cannot be written: says so and keeps the old file.
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
