#include "reportleague.h"
#include "reports/listexport.h"

#include "support/testfiles.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

std::string expectedspring() {
    const std::string crlf = "\r\n";
    return std::string(6, ' ') + "SPRING" + std::string(35, ' ') + "Greenfold   05-14-2004" + crlf +
           " " + crlf +                                                                     //
           std::string(7, ' ') + "     Name" + std::string(13, ' ') +                       //
           "  Date   Course  Out  In Total Hcp Index  " + "  C Hcp # rounds" + crlf +       //
           "      " + std::string(82, '_') + crlf +                                         //
           "       Player 1" + std::string(14, ' ') + "05/01/04   PV 41   42    83   1.4" + //
           std::string(13, ' ') + "1      1" + crlf +                                       //
           "       Bartholomew Featherstonehaugh" + "05/01/04   PV 42   42    84   2.4" +   //
           std::string(13, ' ') + "2      1" + crlf;
}

} // namespace

TEST(ExportFile, springLeague_byteForByteOverAnOldExport) {
    auto g = reportleague(2, 1);
    g->playername[2] = "Bartholomew Featherstonehaugh"; // longer than the name column
    TempDir dir;
    const fs::path file = dir.path() / "spring.txt";
    writebytes(file, std::string(5000, 'x'));
    ASSERT_TRUE(shortprintfile(*g, recentlines(*g), "05-14-2004", file.string()).ok);
    EXPECT_EQ(readbytes(file), expectedspring());
}

TEST(ExportFile, cannotBeWritten_saysSoAndKeepsTheOldFile) {
    auto g = reportleague(2, 1);
    TempDir dir;
    const std::string missing = (dir.path() / "no such folder" / "list.txt").string();
    const Outcome nofolder = shortprintfile(*g, recentlines(*g), "05-14-2004", missing);
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
