#include "whs/inifile.h"

#include "model/settingsfile.h"
#include "shell/startup.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

using namespace greenfold::whs;
using namespace greenfold::testing;

TEST(IniFile, missingKeysAndBadValuesGiveClassicAtFullAllowance) {
    for (const char* text : {"", "method=best\nallowance=0\n", "allowance=101\r\n",
                             "allowance=95%\r\n", "allowance=-5\r\n", "allowance=\r\n"}) {
        const IniSettings s = readini(text);
        EXPECT_TRUE(s.method == Method::classic && s.allowance == 100) << text;
    }
}

TEST(IniFile, readsLfOrCrLf_writesCrLfKeepingOtherKeys) {
    const IniSettings s = readini("window=12,40\n Method = WHS \r\nallowance=85\n\n# note\r\n");
    EXPECT_EQ(inibytes(s), "method=whs\r\nallowance=85\r\nwindow=12,40\r\n# note\r\n");
    EXPECT_EQ(inibytes(readini(inibytes(s))), inibytes(s));
}

TEST(IniFile, saveThenLoad_aFailedSaveLeavesTheOldFile) {
    TempDir dir;
    const std::string sys = dir.path().string() + "/config/";
    EXPECT_EQ(loadini(sys).method, Method::classic);
    IniSettings s{Method::whs, 95, {}};
    ASSERT_TRUE(saveini(s, sys));
    EXPECT_EQ(readbytes(sys + inifilename), "method=whs\r\nallowance=95\r\n");
    s.allowance = 50;
    EXPECT_FALSE(saveini(s, sys, failafter(10)));
    EXPECT_EQ(loadini(sys).allowance, 95);
}

TEST(IniFile, startupFillsTheSettings_theSettingsFileStaysAsItWas) {
    TempDir data, sys;
    const std::string dir = sys.path().string() + "/";
    auto g = std::make_unique<greenfold::GOLF1>();
    greenfold::startup(*g, data.path(), dir);
    EXPECT_TRUE(g->method == Method::classic && g->allowance == 100);
    writebytes(sys.path() / "gfd32.ini", golden("gfd32-5.ini"));
    writebytes(sys.path() / inifilename, "allowance=90\nmethod=whs\n");
    greenfold::startup(*g, data.path(), dir);
    EXPECT_TRUE(g->method == Method::whs && g->allowance == 90);
    ASSERT_TRUE(greenfold::savesettings(*g, dir));
    EXPECT_EQ(readbytes(sys.path() / "gfd32.ini"), golden("gfd32-5.ini"));
}
