// Reading and writing CSV as spreadsheets do.
#include "cli/csvfile.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace greenfold;

using Cells = std::vector<std::string>;

TEST(CsvFile, quotedCells_holdCommasQuotesAndLineBreaks_rowsCountRecordsNotLines) {
    const auto records = readcsv("a,\"b, c\",\"say \"\"hi\"\"\"\r\n"
                                 "\"two\r\nlines\",x\n"
                                 "\n"
                                 "last,\"\",\r\n"
                                 ",, ,");
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].cells, (Cells{"a", "b, c", "say \"hi\""}));
    EXPECT_EQ(std::tuple(records[1].cells, records[1].row),
              std::tuple(Cells{"two\r\nlines", "x"}, 2));
    EXPECT_TRUE(blankrecord(records[2]));
    EXPECT_EQ(std::tuple(records[3].cells, records[3].row), std::tuple(Cells{"last", "", ""}, 4));
    EXPECT_TRUE(blankrecord(records[4])); // a row a spreadsheet left empty
    for (const auto& r : records) EXPECT_EQ(r.problem, "");
}

TEST(CsvFile, brokenQuoting_isAProblemOfThatRecord) {
    const auto records = readcsv("ok,1\r\n\"closed\"junk,2\r\nfine\r\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].problem + "|" + records[1].problem, "|text follows a quoted cell");
    EXPECT_EQ(records[2].cells, (Cells{"fine"}));
}

TEST(CsvFile, written_quotesOnlyWhatNeedsIt_andReadsBackTheSame) {
    const Cells cells{"Bill Archer", "O'Neil, Pat", "6\" putt", "line\nbreak", ""};
    const std::string line = csvline(cells);
    EXPECT_EQ(line, "Bill Archer,\"O'Neil, Pat\",\"6\"\" putt\",\"line\nbreak\",\r\n");
    const auto back = readcsv(line + line);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1].cells, cells);
}

TEST(CsvFile, text_dropsTheByteOrderMark_andReadsWindows1252) {
    EXPECT_EQ(csvtext("\xEF\xBB\xBF"
                      "date,player"),
              "date,player");
    EXPECT_EQ(csvtext("Jos\xE9") + csvtext("Jos\xC3\xA9"), "Jos\xC3\xA9Jos\xC3\xA9");
}
