#include "model/latestfile.h"
#include "model/textline.h"
#include "shell/startup.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::testing;

TEST(Startup, withoutARecordSaysSoOnceAndStartsWithDefaults_readsMonthsSettingsAndAFullRecord) {
    TempDir data, sys;
    auto g = std::make_unique<ProgramState>();
    g->hcpfactor = 0;
    g->printfont.clear();
    Outcome out = startup(*g, data.path(), sys.path().string() + "/");
    EXPECT_FALSE(out);
    EXPECT_EQ(out.messages, std::vector{latestloadfailure()});
    EXPECT_EQ(std::tuple(g->hcpfactor, g->printfont), std::tuple(0.96f, "Courier New"));

    LineWriter w;
    w.integer(15);
    for (int n = 1; n <= 15; ++n) w.text("League " + std::to_string(n));
    w.single(0.96f).text("Courier New").integer(1).integer(14).integer(1).integer(1);
    writebytes(data.path() / "grnfld.dat", w.str());
    writebytes(sys.path() / "gfd32.ini", golden("gfd32-5.ini"));
    out = startup(*g, data.path(), sys.path().string() + "/");
    EXPECT_TRUE(out && out.messages.empty());
    EXPECT_EQ(std::tuple(g->monthname[1], g->monthname[12], g->escflag, g->leaguecount,
                         g->leaguelist[1], g->leaguelist[15], g->leagueindex),
              std::tuple("January", "December", 5, 15, "League 1", "League 15", 14));
}
