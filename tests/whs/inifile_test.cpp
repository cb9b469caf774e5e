#include "whs/inifile.h"

#include "model/settingsfile.h"
#include "shell/startup.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

using namespace greenfold::whs;
using namespace greenfold::testing;

TEST(IniFile, missingKeysGiveClassicAtFullAllowance_badValuesAreRefusedByLine) {
    const IniSettings none = readini("# nothing set\r\n");
    EXPECT_TRUE(none.method == Method::classic && none.allowance == 100 && none.problem.empty());
    const std::pair<const char*, const char*> refused[] = {
        {"method=best\nallowance=0\n",
         "line 1: method=best is not a handicap method; method takes classic or whs"},
        {"method=whs\r\nallowance=101\r\n", "line 2: allowance=101 is not an allowance; "
                                            "allowance takes a whole percent from 1 to 100"},
        {"allowance=95%\r\n", "line 1: allowance=95% is not an allowance; allowance takes a "
                              "whole percent from 1 to 100"},
        {"\n\nallowance=-5\r\n", "line 3: allowance=-5 is not an allowance; allowance "
                                 "takes a whole percent from 1 to 100"},
        {"allowance=\r\n", "line 1: allowance= is not an allowance; allowance takes a whole "
                           "percent from 1 to 100"},
        {"\xFF\xFEm\0e\0t\0h\0o\0d\0", "is not plain text (saved as UTF-16?); it takes lines "
                                       "such as method=classic or method=whs and "
                                       "allowance=100"}};
    for (const auto& [text, problem] : refused) {
        const std::string bytes = text[0] == '\xFF' ? std::string(text, 14) : std::string(text);
        EXPECT_EQ(readini(bytes).problem, problem) << text;
    }
    EXPECT_EQ(readini("\xEF\xBB\xBFmethod=whs\r\n").method, Method::whs); // a UTF-8 mark
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
    IniSettings s{Method::whs, 95, {}, {}};
    ASSERT_TRUE(saveini(s, sys));
    EXPECT_EQ(readbytes(sys + inifilename), "method=whs\r\nallowance=95\r\n");
    s.allowance = 50;
    EXPECT_FALSE(saveini(s, sys, failafter(10)));
    EXPECT_EQ(loadini(sys).allowance, 95);
}

TEST(IniFile, startupFillsTheSettings_theSettingsFileStaysAsItWas) {
    TempDir data, sys;
    const std::string dir = sys.path().string() + "/";
    auto g = std::make_unique<greenfold::ProgramState>();
    greenfold::startup(*g, data.path(), dir);
    EXPECT_TRUE(g->method == Method::classic && g->allowance == 100);
    writebytes(sys.path() / "gfd32.ini", golden("gfd32-5.ini"));
    writebytes(sys.path() / inifilename, "allowance=90\nmethod=whs\n");
    greenfold::startup(*g, data.path(), dir);
    EXPECT_TRUE(g->method == Method::whs && g->allowance == 90);
    ASSERT_TRUE(greenfold::savesettings(*g, dir));
    EXPECT_EQ(readbytes(sys.path() / "gfd32.ini"), golden("gfd32-5.ini"));
}
