#include "scoring/scoreentry.h"

#include <gtest/gtest.h>

#include <memory>

using namespace greenfold;

TEST(HoleBox, shortScoresGetASpace_focusMovesOnceTheScoreIsWhole) {
    struct Case {
        const char* typed;
        int hole;
        bool entering;
        const char* shown;
        bool advance;
    };
    const Case cases[] = {
        {"4", 3, true, " 4", true},   {"1", 3, true, " 1", false}, // 1 may become 10..19
        {" 10", 3, true, "10", true}, {"0", 3, true, " 0", false},
        {"9", 3, true, "9", true},    {" 12", 5, true, "12", true},
        {"5", 18, true, " 5", false}, {"5", 3, false, " 5", false}, // editing: no jumps
        {" 4", 3, true, " 4", true},  {" ", 3, true, " ", false},
        {"", 3, true, "", false},
    };
    for (const Case& c : cases) {
        const HoleBox box = holebox(c.typed, c.hole, c.entering);
        EXPECT_EQ(box.text, c.shown) << '"' << c.typed << '"';
        EXPECT_EQ(box.advance, c.advance) << '"' << c.typed << '"';
    }
}

TEST(RoundPicker, newestFirst_rowsMapToSlotsAndSetTheSessionRound) {
    auto g = std::make_unique<GOLF1>();
    g->playercount = g->playerno = 1;
    g->roundcount[1] = 3;
    const int dates[4][3] = {{0, 0, 0}, {3, 7, 5}, {10, 12, 99}, {6, 21, 26}};
    for (int r = 1; r <= 3; ++r) {
        g->rmonth[1][r] = int16_t(dates[r][0]);
        g->rday[1][r] = int16_t(dates[r][1]);
        g->ryear[1][r] = int16_t(dates[r][2]);
        g->roundcourse[1][r] = int16_t(r + 10);
    }
    EXPECT_EQ(roundlist(*g, 1), (std::vector<std::string>{"06/21/26", "10/12/99", "03/07/05"}));
    ASSERT_TRUE(chooseround(*g, 2));
    EXPECT_EQ(g->editslot, 1);
    EXPECT_EQ(g->curmonth, 3);
    EXPECT_EQ(g->curday, 7);
    EXPECT_EQ(g->curyear, 5);
    EXPECT_EQ(g->coursenum, 11);
    EXPECT_FALSE(chooseround(*g, 3));
    EXPECT_FALSE(chooseround(*g, -1));
    EXPECT_EQ(g->editslot, 1);
}
