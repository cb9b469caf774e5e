// The team report's lines; the printed report is in tests/reports/golden_test.cpp.
#include "reports/recordingsurface.h"
#include "teams/teamreport.h"

#include <gtest/gtest.h>

using namespace greenfold;

TEST(TeamReport, recordText_filledTo60UnlessItIsThatLongAlready) {
    const std::string t55(55, 'x'), t56(56, 'x'), t70(70, 'x');
    EXPECT_EQ(teamentryline(t55, 12, 3.5f), "    " + t55 + " " + "  12.0" + "      3.5");
    EXPECT_EQ(teamentryline(t56, 12, 3.5f), "    " + t56 + "  12.0" + "      3.5");
    EXPECT_EQ(teamentryline(t70, 12, 3.5f), "    " + t70 + "  12.0" + "      3.5");
    EXPECT_EQ(teamentryline("Café", 0, 0), "    Café" + std::string(52, ' ') + "   0.0      0.0");
    EXPECT_EQ(teamentryline("", 12345, -2), std::string(60, ' ') + "12345.0" + "      -2.0");
}

TEST(TeamReport, aTeamHeadingBelowLine45GoesToTheNextPage) {
    // 6 lines of header, then team 1: its heading 4, n records, the total 3. Team 2's heading
    // follows on line 13 + n: 45 stays, 46 starts a page.
    auto g = std::make_unique<ProgramState>();
    for (int n : {32, 33}) {
        auto t = std::make_unique<Teamdata>();
        t->teamcount = 2;
        t->teamname = {"", "Eagles", "Hawks"};
        t->eventcount[1] = int16_t(n);
        RecordingSurface s;
        printteamreport(s, *g, *t, {}, "12-07-2026");
        EXPECT_EQ(std::tuple(s.printout().pages, s.printout().overflows),
                  std::tuple(n == 32 ? 1 : 2, 0))
            << n;
    }
}
