#include "model/programstate.h"
#include "teams/teampoints.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

using namespace greenfold;

TEST(TeamPoints, listLineKeepsItsColumns) {
    EXPECT_EQ(listinfoline("Week 1", 12, 3.5f),
              "Week 1" + std::string(55, ' ') + "  12.0" + std::string(6, ' ') + "3.5");
    EXPECT_EQ(listinfoline("x", 1234.5f, 999.95f).substr(61), "1234.5    1000.0");
    EXPECT_EQ(listinfoline("x", -3, 0).substr(61), "   -3.0      0.0");
    EXPECT_EQ(listinfoline(std::string(70, 'a'), 1, 1).substr(70), "   1.0      1.0");
    EXPECT_EQ(listinfoline("\xc3\xa9", 1, 1).size(), 2 + 60 + 15u);
}

TEST(TeamPoints, addReadsLeadingNumbersAndTheTotalSumsPointsOnly) {
    auto t = std::make_unique<Teamdata>();
    EXPECT_TRUE(addevent(*t, "", "5", "").beep); // no text and no points
    ASSERT_TRUE(addevent(*t, "Week 1", "12", "3.5").done);
    ASSERT_TRUE(addevent(*t, "", "", "2.25 pts").done);
    ASSERT_TRUE(addevent(*t, "05-02-2024 ", "many", "").done); // the date prefix alone
    EXPECT_EQ(std::tuple(t->eventcount[1], t->eventtext[1][3], t->eventmanual[1][3]),
              std::tuple(3, "05-02-2024 ", 0.0f));
    EXPECT_EQ(std::tuple(totaltext(*t), listinfo(*t).size()), std::tuple("5.75", 3u));
}

TEST(TeamPoints, aHundredAndFiftyFirstRecordIsRefused_removedRowsCloseTheGaps) {
    auto t = std::make_unique<Teamdata>();
    for (int e = 1; e <= maxevents; ++e) ASSERT_TRUE(addevent(*t, "r", "", "1").done);
    EXPECT_TRUE(addevent(*t, "one more", "", "1").message == eventsfull() &&
                t->eventcount[1] == maxevents);
    t->eventcount[1] = 0;
    for (const char* text : {"a", "b", "c", "d"})
        addevent(*t, text, text[0] == 'c' ? "7" : "", "1");
    removeevents(*t, {3, 1, 1});
    EXPECT_EQ(std::tuple(t->eventcount[1], t->eventtext[1][2], t->eventmanual[1][2]),
              std::tuple(2, "c", 7)); // the record moves down whole
    removeevents(*t, {0, 1});
    EXPECT_TRUE(listinfo(*t).empty() && totaltext(*t) == "0");
}

TEST(TeamPoints, membersText_isEmptyForATeamWithoutPlayers) {
    auto g = std::make_unique<ProgramState>();
    auto t = std::make_unique<Teamdata>();
    g->playercount = 3;
    g->playername = {"", "Ann", "Bob", "Cy"};
    g->playerteam[1] = g->playerteam[3] = 1;
    EXPECT_EQ(showmembers(*g, *t), "Ann , Cy ");
    t->currentteam = 2;
    EXPECT_EQ(showmembers(*g, *t), "");
}
