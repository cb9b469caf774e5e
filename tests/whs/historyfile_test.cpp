// The index history file: written and read with the league under the WHS method only, kept
// beside the players and their rounds whatever moves them, refused whole when damaged.
#include "model/backup.h"
#include "model/historyfile.h"
#include "model/leaguefile.h"
#include "model/leaguelist.h"
#include "players/ordering.h"
#include "players/roster.h"
#include "scoring/roundslots.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

// Players A, B, C, each with rounds on day 1.. of May 2024 and the history to match: a
// note on each round (tee and flags from the player's number) and one issued index.
class History : public ::testing::Test {
  protected:
    void SetUp() override {
        g->method = HandicapMethod::whs;
        g->leaguefile = "Spring.LGE";
        for (const char* name : {"Ann", "Bob", "Cyd"}) addplayer(*g, name, tee_mens);
        for (int p = 1; p <= 3; ++p) {
            g->roundcount[p] = int16_t(p + 1);
            for (int r = 1; r <= p + 1; ++r) {
                g->rmonth[p][r] = 5;
                g->rday[p][r] = int16_t(r);
                g->ryear[p][r] = 24;
                g->history[p].rounds[r] = {int16_t(p), uint8_t(r)};
            }
            g->history[p].issued = {{2024, 5, int16_t(p + 1), int16_t(-5 * p)}};
        }
    }
    Outcome reload() {
        clearleague(*g);
        return loadleague(*g, dir.path());
    }
    TempDir dir;
    std::unique_ptr<GOLF1> g = std::make_unique<GOLF1>();
};

} // namespace

TEST_F(History, savedAndReadWithTheLeague_textLinesOfItsOwn) {
    EXPECT_EQ(historyfilename("Spring.lge"), "Spring.HIX");
    EXPECT_EQ(historyfilename("Spring"), "Spring.HIX");
    const auto before = g->history;
    ASSERT_TRUE(saveleague(*g, dir.path()));
    const std::string bytes = readbytes(dir.path() / "Spring.HIX");
    EXPECT_TRUE(
        bytes.starts_with("Greenfold index history 1\r\n 3 \r\nAnn\r\n 2 \r\n 5 \r\n 1 "
                          "\r\n 24 \r\n 1 \r\n 1 \r\n 5 \r\n 2 \r\n 24 \r\n 1 \r\n 2 \r\n 1 "
                          "\r\n 2024 \r\n 5 \r\n 2 \r\n-5 \r\nBob\r\n"))
        << bytes;
    EXPECT_NE(bytes.find("Cyd\r\n 4 "), std::string::npos);
    EXPECT_TRUE(bytes.ends_with(" 1 \r\n 2024 \r\n 5 \r\n 4 \r\n-15 \r\n"));
    ASSERT_TRUE(reload());
    EXPECT_EQ(g->history, before);
    // Lines may end in LF alone.
    std::string lf = bytes;
    std::erase(lf, '\r');
    std::istringstream in(lf);
    EXPECT_EQ(readhistory(in)->size(), 3u);
}

TEST_F(History, theClassicMethodNeitherWritesNorReadsIt) {
    ASSERT_TRUE(saveleague(*g, dir.path()));
    const std::string hix = readbytes(dir.path() / "Spring.HIX");
    g->method = HandicapMethod::classic;
    g->ryear[1][1] = 25;
    ASSERT_TRUE(saveleague(*g, dir.path()));
    EXPECT_EQ(readbytes(dir.path() / "Spring.HIX"), hix);
    ASSERT_TRUE(reload());
    EXPECT_TRUE(g->history[1].issued.empty());
    EXPECT_EQ(g->history[2].rounds[1], RoundNote{});
}

TEST_F(History, followsThePlayersAndTheirRounds) {
    const auto bob = g->history[2], cyd = g->history[3];
    ASSERT_TRUE(removeplayer(*g, "Ann"));
    EXPECT_EQ(g->history[1], bob);
    EXPECT_EQ(g->history[3], PlayerHistory{});
    ASSERT_TRUE(moveplayer(*g, 2, 1));
    EXPECT_EQ(g->history[1], cyd);
    EXPECT_EQ(g->history[2], bob);
    EXPECT_EQ(g->history[0], PlayerHistory{});
    shiftrounds(*g, 1); // a full player drops his oldest round
    EXPECT_EQ(g->history[1].rounds[1], cyd.rounds[2]);
    EXPECT_EQ(g->history[1].rounds[3], cyd.rounds[4]);
}

TEST_F(History, readBesideTheLeagueByName_roundsOnlyOnTheirDates) {
    ASSERT_TRUE(saveleague(*g, dir.path()));
    // The league file changed without its history: Ann gone, Bob's second round replaced
    // by one of another day, Cyd first.
    ASSERT_TRUE(removeplayer(*g, "Ann"));
    ASSERT_TRUE(moveplayer(*g, 2, 1));
    g->rday[2][2] = 20;
    g->method = HandicapMethod::classic;
    ASSERT_TRUE(saveleague(*g, dir.path()));
    g->method = HandicapMethod::whs;
    ASSERT_TRUE(reload());
    EXPECT_EQ(g->playername[1], "Cyd");
    EXPECT_EQ(g->history[1].rounds[4], (RoundNote{3, 4}));
    EXPECT_EQ(g->history[2].issued.front().tenths, -10);
    EXPECT_EQ(g->history[2].rounds[1], (RoundNote{2, 1}));
    EXPECT_EQ(g->history[2].rounds[2], RoundNote{});
}

TEST_F(History, damagedFile_leagueOpensWithoutIt_keptBeforeTheFirstSave) {
    ASSERT_TRUE(saveleague(*g, dir.path()));
    const std::string good = readbytes(dir.path() / "Spring.HIX");
    const std::string bads[] = {good.substr(0, good.size() - 9),
                                "Greenfold index history 2\r\n 0 \r\n",
                                "Greenfold index history 1\r\n 1 \r\nAnn\r\n 21 \r\n"};
    for (const std::string& bad : bads) {
        std::istringstream in(bad);
        EXPECT_FALSE(readhistory(in)) << bad;
    }
    writebytes(dir.path() / "Spring.HIX", bads[0]);
    const Outcome out = reload();
    EXPECT_TRUE(out);
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_NE(out.messages[0].text.find("Spring.HIX could not be read"), std::string::npos);
    EXPECT_TRUE(g->history[1].issued.empty());
    const Outcome saved = saveleague(*g, dir.path());
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved.messages.size(), 1u); // where the damaged file was kept
    int kept = 0;
    for (const auto& f : fs::directory_iterator(dir.path()))
        kept += f.path().filename().string().starts_with("Spring.HIX.damaged-");
    EXPECT_EQ(kept, 1);
}

TEST_F(History, aFailedHistorySaveLeavesTheLeagueFileAlone) {
    ASSERT_TRUE(saveleague(*g, dir.path()));
    const std::string league = readbytes(dir.path() / "Spring.LGE");
    g->rday[1][1] = 9;
    EXPECT_FALSE(saveleague(*g, dir.path(), failafter(30)));
    EXPECT_EQ(readbytes(dir.path() / "Spring.LGE"), league);
}

TEST_F(History, deletedWithItsLeague_backedUpAndRestoredWithIt) {
    g->leaguelist[++g->leaguecount] = "Spring";
    ASSERT_TRUE(saveleague(*g, dir.path()));
    writebytes(dir.path() / "GrnFld.DAT", "record");
    writebytes(dir.path() / "course.dat", "courses");
    TempDir disk;
    ASSERT_TRUE(backup(*g, dir.path(), disk.path()));
    const std::string hix = readbytes(dir.path() / "Spring.HIX");
    EXPECT_EQ(readbytes(disk.path() / "Spring.HIX"), hix);

    ASSERT_TRUE(deleteleague(*g, "Spring", true, false, dir.path()).outcome);
    EXPECT_FALSE(fs::exists(dir.path() / "Spring.LGE"));
    EXPECT_FALSE(fs::exists(dir.path() / "Spring.HIX"));
    ASSERT_TRUE(restore(disk.path()));
    EXPECT_EQ(readbytes(dir.path() / "Spring.HIX"), hix);
}
