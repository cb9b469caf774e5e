#include "scoring/settingsrules.h"

#include "model/latestfile.h"
#include "model/settingsfile.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <memory>

using namespace greenfold;
using namespace greenfold::testing;

TEST(Factor, outsideHalfToOnePointOneQuietlyBecomesDefault) {
    EXPECT_EQ(factorfrom("1.1"), 1.1f);
    EXPECT_EQ(factorfrom("0.5"), 0.5f);
    EXPECT_EQ(factorfrom(".9"), 0.9f);
    EXPECT_EQ(factorfrom("0.90"), 0.9f);
    EXPECT_EQ(factorfrom(" 1.0 "), 1.0f);
    for (const char* bad : {"1.11", "0.49", "1.2", "0.4", "abc", "", "-1", "1e40"})
        EXPECT_EQ(factorfrom(bad), 0.96f) << bad;
    EXPECT_EQ(factortext(0.96f), ".96");
    EXPECT_EQ(factortext(1.1f), "1.10");
}

TEST(SettingsFiles, bothWritten_settingsBesideWhereTheyWereRead) {
    TempDir data, sys;
    auto g = std::make_unique<GOLF1>();
    readsettings(*g, sys.path().string() + "/");
    EXPECT_EQ(settingsdir(*g), sys.path().string() + "/");
    g->averageflag = 1;
    g->escflag = 5;
    g->hcpfactor = 1.1f;
    ASSERT_TRUE(savebothsettings(*g, data.path(), settingsdir(*g)));
    EXPECT_EQ(readbytes(sys.path() / "gfd32.ini"), " 5 \r\n 0 \r\n 0 \r\n 1 \r\n 1 \r\n");
    EXPECT_EQ(readbytes(data.path() / "GrnFld.DAT"), latestbytes(*g));
    EXPECT_NE(latestbytes(*g).find(" 1.1 \r\n"), std::string::npos);
    EXPECT_EQ(averagingnotice().icon, Icon::information);
}
