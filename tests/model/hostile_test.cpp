// Odd and hostile files and failing disks: each is refused or read safely, the old data
// stays, and the user gets the program's message.
#include "model/leaguefile.h"
#include "model/textline.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

// A league of numbered players with the tee, round count and course (in every slot) given.
std::string leaguewith(int players, int tee = tee_mens, int rounds = 0, int course = 0) {
    LineWriter w;
    w.integer(players);
    for (int p = 1; p <= players; ++p) {
        w.text("Player " + std::to_string(p)).integer(tee).integer(rounds);
        for (int r = 1; r <= maxrounds; ++r) {
            w.single(-0.5f).integer(12).integer(31).integer(99).single(19.4f).single(-2);
            w.integer(course);
            for (int k = 1; k <= maxholes; ++k) w.integer(k);
        }
    }
    return w.str();
}

// The bytes with line n (from 0) put in place of what stood there.
std::string withline(const std::string& bytes, int n, const std::string& line) {
    std::size_t at = 0;
    for (int i = 0; i < n; ++i) at = bytes.find('\n', at) + 1;
    return bytes.substr(0, at) + line + bytes.substr(bytes.find('\r', at));
}

} // namespace

TEST(HostileFiles, fullLeague_atEveryLimitRoundTrips_hugeOrBrokenNamesCannotBreakIt) {
    const std::string bytes = leaguewith(maxplayers, tee_pro, maxrounds, maxcourses);
    auto g = std::make_unique<ProgramState>();
    std::istringstream in(bytes);
    ASSERT_TRUE(readleague(in, *g));
    EXPECT_EQ(leaguebytes(*g), bytes);

    const std::string huge = withline(leaguewith(1), 1, std::string(1 << 20, 'x'));
    std::istringstream big(huge);
    ASSERT_TRUE(readleague(big, *g));
    EXPECT_EQ(leaguebytes(*g), huge);

    g->playername[1] = "Evil\r\n 99\t";
    std::istringstream evil(leaguebytes(*g));
    ASSERT_TRUE(readleague(evil, *g));
    EXPECT_EQ(g->playername[1], "Evil 99");
}

TEST(HostileFiles, unreadableLeagueOrAFolder_keepsTheOpenLeagueAndSaysSo) {
    TempDir dir;
    writebytes(dir.path() / "two.LGE", golden("two.LGE"));
    auto g = std::make_unique<ProgramState>();
    g->leaguefile = "two.LGE";
    ASSERT_TRUE(loadleague(*g, dir.path()));
    const auto loaded = leaguebytes(*g);

    const std::string good = golden("two.LGE");
    std::vector<std::string> bad = {
        good.substr(0, good.size() / 2), // premature end
        " -1 \r\n",                      // a negative count
        "",                              // empty file
        leaguewith(maxplayers + 1),      // one past each limit
        leaguewith(1, tee_pro + 1),
        leaguewith(1, tee_mens, maxrounds + 1),
        leaguewith(1, tee_mens, 1, maxcourses + 1),
    };
    for (const char* hole : {" 40000 ", "-32769 ", " 1e9 ", " nan ", " 4x "})
        bad.push_back(withline(leaguewith(1), 11, hole));
    g->leaguefile = "bad.LGE";
    for (const auto& bytes : bad) {
        writebytes(dir.path() / "bad.LGE", bytes);
        Outcome out = loadleague(*g, dir.path());
        EXPECT_FALSE(out);
        EXPECT_EQ(out.messages, std::vector{leagueloadfailure()});
        EXPECT_EQ(leaguebytes(*g), loaded);
    }
    EXPECT_EQ(leagueloadfailure().text, "Unable to load league file, please check the\r\n"
                                        "working directory specified by your launcher.");

    // A league file that is a folder is neither read nor overwritten.
    fs::create_directory(dir.path() / "club.LGE");
    g->leaguefile = "club.LGE";
    EXPECT_EQ(loadleague(*g, dir.path()).messages, std::vector{leagueloadfailure()});
    Outcome save = saveleague(*g, dir.path());
    EXPECT_FALSE(save);
    ASSERT_FALSE(save.messages.empty());
    EXPECT_EQ(save.messages.back().icon, Icon::exclamation);
    EXPECT_TRUE(fs::is_directory(dir.path() / "club.LGE"));
}
