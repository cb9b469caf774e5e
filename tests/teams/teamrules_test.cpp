#include "model/programstate.h"
#include "teams/teamrules.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

using namespace greenfold;

namespace {

using Names = std::vector<std::string>;

class TeamRules : public ::testing::Test {
  protected:
    void players(std::initializer_list<const char*> names) {
        for (const char* name : names) g->playername[++g->playercount] = name;
    }
    // Names the current team, then adds one more team and names it, for each name.
    void teams(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (t->teamcount > 0) createteam(*t, "x");
            nameteam(*t, name);
        }
    }

    std::unique_ptr<ProgramState> g = std::make_unique<ProgramState>();
    std::unique_ptr<Teamdata> t = std::make_unique<Teamdata>();
};

} // namespace

TEST_F(TeamRules, typingANameIntoTheEmptyWindow_createsTeamOne) {
    players({"Ann", "Bob"});
    EXPECT_EQ(teamview(*g, *t).caption, "Team # 1 of 0");
    EXPECT_TRUE(assignplayers(*g, *t, {"Ann"}).beep && g->playerteam[1] == 0); // no team yet
    nameteam(*t, "Eagles");
    EXPECT_TRUE(t->teamcount == 1 && assignplayers(*g, *t, {"Bob"}).done);
    const Teamview v = teamview(*g, *t);
    EXPECT_EQ(std::tuple(v.members, v.unassigned, v.name, v.caption),
              std::tuple(Names{"Bob"}, Names{"Ann"}, "Eagles", "Team # 1 of 1"));
}

TEST_F(TeamRules, createNeedsANameAndStopsAtAHundredTeams) {
    EXPECT_TRUE(createteam(*t, "").beep && t->teamcount == 0);
    nameteam(*t, "T1");
    while (t->teamcount < maxteams) ASSERT_TRUE(createteam(*t, "named").done);
    EXPECT_EQ(t->currentteam, maxteams);
    EXPECT_TRUE(createteam(*t, "named").message == teamsfull() && t->teamcount == maxteams);
}

TEST_F(TeamRules, repeatedNames_moveTheLaterPlayerFirstThenTheOther) {
    players({"Bob", "Ann", "Bob"});
    teams({"Eagles"});
    assignplayers(*g, *t, {"Bob"});
    EXPECT_EQ(std::pair(g->playerteam[1], g->playerteam[3]), (std::pair<int16_t, int16_t>(0, 1)));
    assignplayers(*g, *t, {"Bob"}); // the one still without a team
    EXPECT_EQ(g->playerteam[1], 1);
    releaseplayers(*g, *t, {"Bob"});
    EXPECT_EQ(std::pair(g->playerteam[1], g->playerteam[3]), (std::pair<int16_t, int16_t>(1, 0)));
}

TEST_F(TeamRules, removeTeamTwoOfThree_renumbersTeamThreeWithItsNameAndRecords) {
    players({"Ann", "Bob", "Cy"});
    teams({"One", "Two", "Three"});
    g->playerteam[1] = 1;
    g->playerteam[3] = 3;
    t->eventcount[2] = 2;
    t->eventcount[3] = 1;
    t->eventtext[3][1] = "Week 1";
    EXPECT_EQ(removeteam(*g, *t).message, rosternotempty()); // team 3 has Cy
    EXPECT_EQ(t->teamcount, 3);

    t->currentteam = 2;
    ASSERT_TRUE(removeteam(*g, *t).done);
    EXPECT_EQ(std::tuple(t->teamcount, t->currentteam, t->teamname[2], t->eventcount[2],
                         t->eventtext[2][1]),
              std::tuple(2, 2, "Three", 1, "Week 1"));
    EXPECT_EQ(std::pair(g->playerteam[1], g->playerteam[3]), (std::pair<int16_t, int16_t>(1, 2)));
}

TEST_F(TeamRules, removingTheLastTeamStepsBack_andTheOnlyTeamIsOnlyCleared) {
    EXPECT_TRUE(removeteam(*g, *t).beep); // no team at all: nothing to remove
    teams({"One", "Two"});
    ASSERT_TRUE(removeteam(*g, *t).done);
    EXPECT_TRUE(t->currentteam == 1 && !nextteam(*t));
    t->eventcount[1] = 2;
    ASSERT_TRUE(removeteam(*g, *t).done);
    EXPECT_EQ(std::tuple(t->teamcount, t->teamname[1], t->eventcount[1]), std::tuple(1, "", 2));
}
