// Odd and hostile files and failing disks: each is refused or read safely, the old data
// stays, and the user gets the program's message.
#include "model/coursefile.h"
#include "model/leaguefile.h"
#include "model/textline.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

std::string oneplayer(const std::string& name, const std::string& holeline = " 4 ") {
    LineWriter w;
    w.integer(1);
    std::string bytes = w.str() + name + "\r\n 2 \r\n 1 \r\n";
    for (int r = 1; r <= 20; ++r) {
        bytes += " 19.4 \r\n 6 \r\n 1 \r\n 26 \r\n 18.6 \r\n 21 \r\n 1 \r\n";
        for (int k = 1; k <= 20; ++k) bytes += (r == 1 && k == 1 ? holeline : " 4 ") + "\r\n";
    }
    return bytes;
}

} // namespace

TEST(HostileFiles, megabyteNameIsReadAndWrittenWhole) {
    const std::string name(1 << 20, 'x');
    auto g = std::make_unique<GOLF1>();
    std::istringstream in(oneplayer(name));
    ASSERT_TRUE(readleague(in, *g));
    EXPECT_EQ(g->playername[1].size(), name.size());
    EXPECT_EQ(leaguebytes(*g), oneplayer(name));
}

TEST(HostileFiles, outOfRangeNumbersAndCountsAreRefused) {
    for (const char* hole : {" 40000 ", "-32769 ", " 1e9 ", " nan ", " 4x "}) {
        auto g = std::make_unique<GOLF1>();
        std::istringstream in(oneplayer("A", hole));
        EXPECT_FALSE(readleague(in, *g)) << hole;
    }
    auto g = std::make_unique<GOLF1>();
    std::istringstream courses(" -1 \r\n");
    EXPECT_FALSE(readcourses(courses, *g));
}

TEST(HostileFiles, leagueFileThatIsAFolder_isNeitherReadNorOverwritten) {
    TempDir dir;
    fs::create_directory(dir.path() / "club.LGE");
    auto g = std::make_unique<GOLF1>();
    g->leaguefile = "club.LGE";
    Outcome load = loadleague(*g, dir.path());
    EXPECT_FALSE(load);
    EXPECT_EQ(load.messages, std::vector{leagueloadfailure()});
    Outcome save = saveleague(*g, dir.path());
    EXPECT_FALSE(save);
    ASSERT_FALSE(save.messages.empty());
    EXPECT_EQ(save.messages.back().icon, Icon::exclamation);
    EXPECT_TRUE(fs::is_directory(dir.path() / "club.LGE"));
}
