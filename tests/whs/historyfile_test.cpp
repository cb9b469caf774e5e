#include "model/historyfile.h"
#include "model/leaguefile.h"
#include "players/ordering.h"
#include "players/roster.h"
#include "scoring/roundslots.h"
#include "support/testfiles.h"
#include "whs/leaguerecord.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

// Ann, Bob and Cyd with 2, 3 and 4 rounds in May 2024, noted as tee p with flags r, one index each.
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
    std::unique_ptr<ProgramState> g = std::make_unique<ProgramState>();
};

} // namespace

TEST_F(History, writtenAndReadWithTheLeagueUnderTheWhsMethodOnly) {
    ASSERT_TRUE(saveleague(*g, dir.path()));
    const std::string bytes = readbytes(dir.path() / "Spring.HIX");
    EXPECT_TRUE(
        bytes.starts_with("Greenfold index history 1\r\n 3 \r\nAnn\r\n 2 \r\n 5 \r\n 1 \r\n 24 "
                          "\r\n 1 \r\n 1 \r\n 5 \r\n 2 \r\n 24 \r\n 1 \r\n 2 \r\n 1 \r\n "
                          "2024 \r\n 5 \r\n 2 \r\n-5 \r\nBob\r\n"))
        << bytes;
    std::string lf = bytes; // lines may end in LF alone
    std::erase(lf, '\r');
    std::istringstream in(lf);
    EXPECT_EQ(readhistory(in)->size(), 3u);
    const auto before = g->history;
    ASSERT_TRUE(reload());
    EXPECT_TRUE(g->history == before);
    g->method = HandicapMethod::classic;
    g->rday[1][1] = 9;
    ASSERT_TRUE(saveleague(*g, dir.path()));
    EXPECT_EQ(readbytes(dir.path() / "Spring.HIX"), bytes);
    ASSERT_TRUE(reload());
    EXPECT_TRUE(g->history[2].issued.empty());
}

TEST_F(History, followsThePlayersAndTheirRounds_inMemoryAndInTheFile) {
    ASSERT_TRUE(saveleague(*g, dir.path()));
    const auto bob = g->history[2], cyd = g->history[3];
    ASSERT_TRUE(removeplayer(*g, "Ann"));
    ASSERT_TRUE(moveplayer(*g, 2, 1));
    EXPECT_TRUE(g->history[1] == cyd && g->history[2] == bob);
    EXPECT_TRUE(g->history[0] == PlayerHistory{} && g->history[3] == PlayerHistory{});
    // Saved under the classic method after Bob's second round changed day: each finds his
    // entry by name, and a round the note was not written for has none.
    g->rday[2][2] = 20;
    g->method = HandicapMethod::classic;
    ASSERT_TRUE(saveleague(*g, dir.path()));
    g->method = HandicapMethod::whs;
    ASSERT_TRUE(reload());
    EXPECT_TRUE(g->history[1] == cyd);
    EXPECT_EQ(std::tuple(g->history[2].issued, g->history[2].rounds[1], g->history[2].rounds[2]),
              std::tuple(bob.issued, bob.rounds[1], RoundNote{}));
    shiftrounds(*g, 1); // a full player drops his oldest round
    EXPECT_EQ(g->history[1].rounds[3], cyd.rounds[4]);
}

TEST_F(History, twoPlayersOfOneNameEachFindTheirOwnEntry) {
    g->playername[2] = "Ann"; // entries Ann, Ann, Cyd
    ASSERT_TRUE(saveleague(*g, dir.path()));
    const auto first = g->history[1], second = g->history[2];
    ASSERT_TRUE(moveplayer(*g, 3, 2)); // Ann, Cyd, Ann, saved without the history
    g->method = HandicapMethod::classic;
    ASSERT_TRUE(saveleague(*g, dir.path()));
    g->method = HandicapMethod::whs;
    ASSERT_TRUE(reload());
    EXPECT_TRUE(g->history[1] == first && g->history[3] == second);
}

TEST_F(History, damagedFileRefusedWhole_keptBeforeTheFirstSave_aFailedSaveWritesNeither) {
    ASSERT_TRUE(saveleague(*g, dir.path()));
    const std::string good = readbytes(dir.path() / "Spring.HIX");
    const std::string league = readbytes(dir.path() / "Spring.LGE");
    const std::string bads[] = {good.substr(0, good.size() - 9),
                                "Greenfold index history 2\r\n 0 \r\n",
                                "Greenfold index history 1\r\n 1 \r\nAnn\r\n 21 \r\n"};
    for (const std::string& bad : bads) {
        std::istringstream in(bad);
        EXPECT_FALSE(readhistory(in)) << bad;
    }
    // Ann with one kept round dated month/day/year and one index issued; only real dates
    // and indexes from +10.0 to 54.0 are read.
    auto ann = [](int month, int day, int year, int iy, int im, int id, int tenths) {
        std::ostringstream f;
        f << "Greenfold index history 1\r\n 1 \r\nAnn\r\n 1 \r\n " << month << " \r\n " << day
          << " \r\n " << year << " \r\n 2 \r\n 0 \r\n 1 \r\n " << iy << " \r\n " << im << " \r\n "
          << id << " \r\n " << tenths << " \r\n";
        std::istringstream in(f.str());
        return readhistory(in).has_value();
    };
    EXPECT_TRUE(ann(2, 29, 24, 2024, 2, 29, -100) && ann(12, 31, 99, 2000, 2, 29, 540));
    for (const auto& [month, day, year, iy, im, id, tenths] :
         {std::tuple(5, 1, 24, 2024, 2, 30, 100), std::tuple(5, 1, 24, 2024, 13, 1, 100),
          std::tuple(5, 1, 24, 2024, 5, 99, 100), std::tuple(5, 1, 24, 32767, 5, 1, 100),
          std::tuple(5, 1, 24, 2024, 5, 1, -500), std::tuple(5, 1, 24, 2024, 5, 1, 541),
          std::tuple(13, 1, 24, 2024, 5, 1, 100), std::tuple(2, 29, 23, 2024, 5, 1, 100),
          std::tuple(5, 1, 100, 2024, 5, 1, 100), std::tuple(5, 0, 24, 2024, 5, 1, 100)})
        EXPECT_FALSE(ann(month, day, year, iy, im, id, tenths))
            << month << "/" << day << "/" << year << " " << iy << "-" << im << "-" << id << " "
            << tenths;
    writebytes(dir.path() / "Spring.HIX", bads[0]);
    const Outcome out = reload();
    ASSERT_TRUE(out && out.messages.size() == 1u);
    EXPECT_NE(out.messages[0].text.find("Spring.HIX could not be read"), std::string::npos);
    EXPECT_TRUE(g->history[1].issued.empty());
    const Outcome saved = saveleague(*g, dir.path());
    ASSERT_TRUE(saved);
    EXPECT_NE(saved.messages.at(0).text.find("The damaged file has been kept"), std::string::npos);
    g->rday[1][1] = 9;
    EXPECT_FALSE(saveleague(*g, dir.path(), failafter(30)));
    EXPECT_EQ(readbytes(dir.path() / "Spring.LGE"), league);
}

TEST(HistoryLimit, thePlayersOldestIndexesGoPastAThousand) {
    auto g = std::make_unique<ProgramState>();
    g->playercount = g->roundcount[1] = 1;
    g->history[1].issued.assign(maxissued, IssuedIndex{2020, 1, 1, 150});
    whs::Posting posting;
    posting.index = whs::Tenths{123};
    posting.revision = whs::Revision{{2026, 6, 1}, {123}};
    whs::applyposting(*g, 1, 1, posting);
    ASSERT_EQ(g->history[1].issued.size(), std::size_t(maxissued));
    EXPECT_EQ(g->history[1].issued.back(), (IssuedIndex{2026, 6, 1, 123}));
}
