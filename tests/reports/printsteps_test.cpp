#include "reports/printsteps.h"
#include "reports/recordingsurface.h"

#include <gtest/gtest.h>

using namespace greenfold;

TEST(ResetPrintFont, firstFontOtherThanCurrentAndPrintFont_elseKept_blankLineAlways) {
    RecordingSurface s;
    s.fonts = {"Arial", "Courier New", "Times New Roman", "Verdana"};
    resetprintfont(s, "Courier New");
    EXPECT_EQ(s.currentfont(), "Times New Roman");

    RecordingSurface two;
    two.fonts = {"Courier New", "Arial"};
    resetprintfont(two, "Courier New");
    EXPECT_EQ(two.currentfont(), "Arial");
    for (const RecordingSurface* r : {&s, &two}) {
        ASSERT_EQ(r->printout().texts.size(), 1u);
        EXPECT_EQ(r->printout().texts[0].text, " ");
        EXPECT_EQ(r->printout().texts[0].font, r->currentfont());
    }
}

TEST(ReportHeader, productNameAtFixedColumnWhateverTheLeagueName) {
    const std::string portrait = reportheader("A.LGE", 45, "05-14-2004");
    EXPECT_EQ(portrait,
              std::string(6, ' ') + "A" + std::string(40, ' ') + "Greenfold   05-14-2004");
    EXPECT_EQ(reportheader("A.LGE", 80, "05-14-2004").find("Greenfold"), 82u);
    EXPECT_EQ(reportheader("Tuesday Night League.LGE", 45, "d").find("Greenfold"), 47u);
    // Columns count characters, not the bytes of an accented name.
    const std::string accented = reportheader("Café.LGE", 45, "d");
    EXPECT_EQ(accented.substr(0, accented.find("Greenfold")),
              std::string(6, ' ') + "Café" + std::string(37, ' '));
}

TEST(ReportHeader, nameAsLongAsTheWidthOrLonger_noFillerAtAll) {
    const std::string name(50, 'X'), exact(41, 'Y');
    EXPECT_EQ(reportheader(name + ".LGE", 45, "d"), std::string(6, ' ') + name + "Greenfold   d");
    EXPECT_EQ(reportheader(exact + ".LGE", 45, "d"), std::string(6, ' ') + exact + "Greenfold   d");
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
