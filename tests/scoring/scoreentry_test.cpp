#include "scoring/scoreentry.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

using namespace greenfold;

TEST(HoleBox, shortScoresGetASpace_focusMovesOnceTheScoreIsWhole) {
    const std::tuple<const char*, int, bool, const char*, bool> cases[] = {
        {"4", 3, true, " 4", true},   {"1", 3, true, " 1", false}, // 1 may become 10..19
        {" 10", 3, true, "10", true}, {"0", 3, true, " 0", false},
        {"9", 3, true, "9", true},    {" 12", 5, true, "12", true},
        {"5", 18, true, " 5", false}, {"5", 3, false, " 5", false}, // editing: no jumps
        {" 4", 3, true, " 4", true},  {" ", 3, true, " ", false},
        {"", 3, true, "", false},
    };
    for (const auto& [typed, hole, entering, shown, advance] : cases) {
        const HoleBox box = holebox(typed, hole, entering);
        EXPECT_EQ(std::pair(box.text, box.advance), std::pair(std::string(shown), advance))
            << '"' << typed << '"';
    }
}

TEST(RoundPicker, newestFirst_rowsMapToSlotsAndMakeTheSessionRound) {
    auto g = std::make_unique<ProgramState>();
    g->playercount = 1;
    g->roundcount[1] = 3;
    g->rmonth[1] = {0, 3, 10, 6};
    g->rday[1] = {0, 7, 12, 21};
    g->ryear[1] = {0, 5, 99, 26};
    g->roundcourse[1] = {0, 11, 12, 13};
    EXPECT_EQ(roundlist(*g, 1), (std::vector<std::string>{"06/21/26", "10/12/99", "03/07/05"}));
    const auto s = chooseround(*g, 1, 2);
    ASSERT_TRUE(s);
    EXPECT_EQ(std::tuple(s->editslot, s->player, s->month, s->day, s->year, s->course),
              std::tuple(1, 1, 3, 7, 5, 11));
    for (auto [p, row] : {std::pair{1, 3}, {1, -1}, {2, 0}}) EXPECT_FALSE(chooseround(*g, p, row));
}

TEST(ScoreQueue, waitingPlayersComeInSlotOrderOnce) {
    ScoreSession s;
    s.waiting = {2, 5, 9};
    firstplayer(s);
    std::vector<int> seen{s.player};
    while (nextplayer(s) && seen.size() < 5) seen.push_back(s.player);
    EXPECT_EQ(seen, (std::vector<int>{2, 5, 9}));
    EXPECT_EQ(s.player, 0);
}
