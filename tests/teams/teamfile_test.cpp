#include "model/programstate.h"
#include "support/testfiles.h"
#include "teams/teamfile.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <tuple>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

// Two teams over four players (1 and 3 on team 2, 4 on team 1), records on both.
const std::string twoteams =
    " 2 \r\nEagles\r\nBirdies\r\n 2 \r\n 0 \r\n 2 \r\n 1 \r\n"
    " 1 \r\nWeek 1\r\n 12 \r\n 3.5 \r\n"
    " 2 \r\n05-02-2024 at Elm Ridge\r\n .5 \r\n-2 \r\n\r\n 1000 \r\n .25 \r\n";

struct LeagueWithTeams {
    std::unique_ptr<ProgramState> g = std::make_unique<ProgramState>();
    std::unique_ptr<Teamdata> t = std::make_unique<Teamdata>();

    explicit LeagueWithTeams(int players) {
        g->leaguefile = "SPRING.LGE";
        g->playercount = int16_t(players);
    }
    bool read(const std::string& bytes) {
        std::istringstream in(bytes);
        return readteamfile(in, *g, *t);
    }
};

} // namespace

TEST(TeamFile, readThenWrite_givesTheSameBytes) {
    LeagueWithTeams l(4);
    ASSERT_TRUE(l.read(twoteams));
    EXPECT_EQ(std::pair(l.t->eventpoints[1][1], int(l.g->playerteam[4])), std::pair(3.5f, 1));
    EXPECT_EQ(teambytes(*l.g, *l.t), twoteams);
    LeagueWithTeams none(3); // three players, no teams
    EXPECT_EQ(teambytes(*none.g, *none.t), " 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
}

TEST(TeamFile, damagedFile_keepsWhatWasReadWhole) {
    LeagueWithTeams l(4); // cut inside the second record of team 2
    EXPECT_FALSE(l.read(twoteams.substr(0, twoteams.find("\r\n 1000"))));
    EXPECT_EQ(std::tuple(l.g->playerteam[3], l.t->eventcount[1], l.t->eventcount[2],
                         l.t->eventtext[2][1]),
              std::tuple(2, 1, 1, "05-02-2024 at Elm Ridge"));

    for (const std::string bad : {" 101 \r\n", " 1 \r\nA\r\n-1 \r\n", " 1 \r\nA\r\n x\r\n",
                                  " 1 \r\nA\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 151 \r\n"})
        EXPECT_FALSE(LeagueWithTeams(4).read(bad)) << bad;
    // A team number beyond any team refuses the file even when what follows would read.
    EXPECT_FALSE(LeagueWithTeams(2).read(" 1 \r\nA\r\n 999 \r\n 0 \r\n"));

    LeagueWithTeams past(2); // a team number past the team count points nowhere: no team
    ASSERT_TRUE(past.read(" 1 \r\nA\r\n 5 \r\n 1 \r\n 0 \r\n"));
    EXPECT_EQ(std::pair(int(past.g->playerteam[1]), int(past.g->playerteam[2])), std::pair(0, 1));
}

TEST(TeamFile, loadteams_readsAnyLetterCaseAndNeverShowsAnotherLeaguesTeams) {
    TempDir dir;
    writebytes(dir.path() / "spring.TEA", twoteams);
    LeagueWithTeams l(4);
    l.g->playerteam[2] = 7; // left from the league open before
    loadteams(*l.g, *l.t, dir.path());
    EXPECT_TRUE(l.g->teamsdefined == 1 && teambytes(*l.g, *l.t) == twoteams);

    fs::remove(dir.path() / "spring.TEA");
    l.g->playerteam[2] = 7;
    loadteams(*l.g, *l.t, dir.path());
    EXPECT_EQ(std::tuple(l.g->teamsdefined, l.t->teamcount, l.g->playerteam[2]),
              std::tuple(0, 0, 0));
    EXPECT_TRUE(l.g->damagedfiles.empty()); // a missing file is no damage
}

TEST(TeamFile, damagedFileIsKeptBeforeTheFirstWrite) {
    TempDir dir;
    writebytes(dir.path() / "SPRING.tea", " 2 \r\nEagles\r\n");
    LeagueWithTeams l(4);
    loadteams(*l.g, *l.t, dir.path());
    Outcome out = writeteamfile(*l.g, *l.t, dir.path());
    ASSERT_TRUE(out.ok && out.messages.size() == 1u);
    EXPECT_NE(out.messages[0].text.find("kept as"), std::string::npos);
    int kept = 0;
    for (const auto& f : fs::directory_iterator(dir.path()))
        if (f.path().filename().string().rfind("SPRING.tea.damaged-", 0) == 0)
            kept += readbytes(f.path()) == " 2 \r\nEagles\r\n";
    EXPECT_EQ(kept, 1);
    EXPECT_EQ(readbytes(dir.path() / "SPRING.tea"), teambytes(*l.g, *l.t));
}

TEST(TeamFile, failedWrite_isReportedAndLeavesTheOldFile) {
    TempDir dir;
    LeagueWithTeams l(4);
    writebytes(dir.path() / "SPRING.tea", "old");
    Outcome out = writeteamfile(*l.g, *l.t, dir.path(), failafter(10));
    EXPECT_TRUE(!out.ok && out.messages == std::vector<Message>{teamsavefailure("SPRING.tea")});
    EXPECT_EQ(readbytes(dir.path() / "SPRING.tea"), "old");
}
