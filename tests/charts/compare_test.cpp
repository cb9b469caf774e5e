// The rules of the league comparison; the printed listing is in
// tests/reports/golden_test.cpp.
#include "charts/compare.h"
#include "reports/recordingsurface.h"

#include <gtest/gtest.h>

#include <memory>

using namespace greenfold;

TEST(Compare, absurdIndexFromADamagedFile_stillNamesTheRightPlayer) {
    auto g = std::make_unique<ProgramState>();
    g->playercount = 100;
    for (int p = 1; p <= 100; ++p) {
        g->roundcount[p] = 2;
        g->hcpindex[p][1] = 99;
        g->hcpindex[p][2] = p == 42 || p == 43 ? 250000.0f : 10.0f; // no digits left for the slot
    }
    const auto ranked = rankplayers(*g);
    ASSERT_EQ(ranked.size(), 100u);
    EXPECT_EQ(std::tuple(ranked[0].slot, ranked[98].slot, ranked[99].slot), std::tuple(1, 42, 43));
}

TEST(ComparePrint, fiftyLinesStayOnOnePage_theFiftyFirstStartsAnother) {
    for (int n : {50, 51}) {
        RecordingSurface s;
        printcomparison(s, ProgramState{}, std::vector<std::string>(std::size_t(n), "x"),
                        "05-14-2004");
        EXPECT_EQ(std::pair(s.printout().pages, s.printout().overflows), std::pair(n - 49, 0)) << n;
    }
}
