#include "model/coursefile.h"
#include "model/latestfile.h"
#include "model/leaguefile.h"
#include "model/settingsfile.h"
#include "model/textline.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

std::unique_ptr<GOLF1> model() {
    return std::make_unique<GOLF1>();
}

std::string leaguewith(int players) {
    LineWriter w;
    w.integer(players);
    for (int p = 1; p <= players; ++p) {
        w.text("Player " + std::to_string(p)).integer(2).integer(0);
        for (int i = 0; i < 20 * 27; ++i) w.integer(0);
    }
    return w.str();
}

} // namespace

TEST(LeagueFile, goldenLeague_loadsEveryMemberAndSavesByteForByte) {
    TempDir dir;
    fs::copy_file(fs::path(GREENFOLD_TEST_DATA) / "two.LGE", dir.path() / "two.LGE");
    auto g = model();
    g->leaguefile = "TWO.lge"; // names match whatever their case
    ASSERT_TRUE(loadleague(*g, dir.path()));
    EXPECT_EQ(g->playercount, 2);
    EXPECT_EQ(g->playername[1], "Smith, John ");
    EXPECT_EQ(g->playername[2], " Al Jones");
    EXPECT_EQ(g->playertee[1], 2);
    EXPECT_EQ(g->roundcount[1], 3);
    EXPECT_EQ(g->roundcount[2], 0);
    EXPECT_EQ(g->differential[1][1], 19.4f);
    EXPECT_EQ(g->hcpindex[1][3], -0.9f);
    EXPECT_EQ(g->coursehcp[1][3], -1.0f);
    EXPECT_EQ(g->rmonth[1][3], 6);
    EXPECT_EQ(g->roundcourse[1][2], 2);
    EXPECT_EQ(g->holescore[1][1][18], 8);
    EXPECT_EQ(g->holescore[1][2][10], 0);
    EXPECT_EQ(g->holescore[1][2][19], 45);
    EXPECT_EQ(g->holescore[1][2][20], 0);

    ASSERT_TRUE(saveleague(*g, dir.path()));
    EXPECT_EQ(readbytes(dir.path() / "two.LGE"), golden("two.LGE"));
    EXPECT_FALSE(fs::exists(dir.path() / "TWO.lge"));
}

TEST(LeagueFile, emptyLeague_isOneLine) {
    auto g = model();
    EXPECT_EQ(leaguebytes(*g), golden("empty.LGE"));
}

TEST(LeagueFile, failedLoad_keepsTheOpenLeagueAndSaysSo) {
    TempDir dir;
    auto g = model();
    g->leaguefile = "two.LGE";
    fs::copy_file(fs::path(GREENFOLD_TEST_DATA) / "two.LGE", dir.path() / "two.LGE");
    ASSERT_TRUE(loadleague(*g, dir.path()));
    g->playername[3] = "Beyond the count";

    const std::string good = golden("two.LGE");
    const std::string bad[] = {
        good.substr(0, good.size() / 2), // premature end
        " 2 \r\nA\r\n 2 \r\nx\r\n",      // text where a number is due
        leaguewith(101),                 // too many players
        " -1 \r\n",                      // a negative count
        " 1 \r\nA\r\n 2 \r\n 21 \r\n",   // more rounds than slots
        "",                              // empty file
    };
    for (const auto& bytes : bad) {
        writebytes(dir.path() / "bad.LGE", bytes);
        auto before = *g;
        g->leaguefile = "bad.LGE";
        before.leaguefile = "bad.LGE";
        Outcome out = loadleague(*g, dir.path());
        EXPECT_FALSE(out);
        ASSERT_EQ(out.messages.size(), 1u);
        EXPECT_EQ(out.messages[0], leagueloadfailure());
        EXPECT_EQ(out.messages[0].text, "Unable to load league file, please check the\r\n"
                                        "working directory specified by your launcher.");
        EXPECT_EQ(g->playercount, 2);
        EXPECT_EQ(g->playername[1], "Smith, John ");
        EXPECT_EQ(g->holescore[1][1][19], 45);
        EXPECT_EQ(g->playername[3], "Beyond the count");
    }
    g->leaguefile = "missing.LGE";
    EXPECT_FALSE(loadleague(*g, dir.path()));
    EXPECT_EQ(g->playercount, 2);
}

TEST(LeagueFile, loadKeepsPlayersAboveTheFilesCount) {
    auto g = model();
    g->playercount = 3;
    g->playername[3] = "Third";
    std::istringstream in(leaguewith(1));
    ASSERT_TRUE(readleague(in, *g));
    EXPECT_EQ(g->playercount, 1);
    EXPECT_EQ(g->playername[1], "Player 1");
    EXPECT_EQ(g->playername[3], "Third");
}

TEST(LeagueFile, fullLeague_roundTripsEveryValue) {
    auto g = model();
    std::mt19937 rng(7);
    g->playercount = 100;
    for (int p = 1; p <= 100; ++p) {
        g->playername[p] = "Player, " + std::to_string(p) + " ";
        g->playertee[p] = int16_t(1 + p % 3);
        g->roundcount[p] = int16_t(p % 21);
        for (int r = 1; r <= 20; ++r) {
            g->differential[p][r] = float(int(rng() % 600) - 100) / 10.0f;
            g->hcpindex[p][r] = float(int(rng() % 500) - 50) / 10.0f;
            g->coursehcp[p][r] = float(rng() % 45);
            g->rmonth[p][r] = int16_t(1 + rng() % 12);
            g->rday[p][r] = int16_t(1 + rng() % 31);
            g->ryear[p][r] = int16_t(rng() % 100);
            g->roundcourse[p][r] = int16_t(1 + rng() % 200);
            for (int k = 1; k <= 20; ++k) g->holescore[p][r][k] = int16_t(rng() % 12);
        }
    }
    const std::string bytes = leaguebytes(*g);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 54301);
    auto back = model();
    std::istringstream in(bytes);
    ASSERT_TRUE(readleague(in, *back));
    EXPECT_EQ(leaguebytes(*back), bytes);
    EXPECT_EQ(back->playername, g->playername);
    EXPECT_EQ(back->differential, g->differential);
    EXPECT_EQ(back->hcpindex, g->hcpindex);
    EXPECT_EQ(back->holescore, g->holescore);
}

TEST(LeagueFile, namesWithLineBreaks_cannotBreakTheFile) {
    auto g = model();
    g->playercount = 1;
    g->playername[1] = "Evil\r\n 99 ";
    std::istringstream in(leaguebytes(*g));
    auto back = model();
    ASSERT_TRUE(readleague(in, *back));
    EXPECT_EQ(back->playername[1], "Evil 99 ");
}

TEST(CourseFile, goldenCourses_loadAndSaveByteForByte) {
    TempDir dir;
    fs::copy_file(fs::path(GREENFOLD_TEST_DATA) / "course.dat", dir.path() / "course.dat");
    auto g = model();
    ASSERT_TRUE(loadcourses(*g, dir.path()));
    EXPECT_EQ(g->coursecount, 2);
    EXPECT_EQ(g->coursedata[1][1], "Pine Valley, North");
    EXPECT_EQ(g->coursedata[2][1], "  Meadow Brook");
    EXPECT_EQ(g->coursedata[1][24], " 70.5");
    EXPECT_EQ(g->coursedata[1][27], " 125");
    EXPECT_EQ(g->coursedata[2][29], "MB");
    EXPECT_EQ(g->coursedata[2][30], "note");

    // The table is written as "Course.DAT", which on a case-blind name is the same file.
    ASSERT_TRUE(savecourses(*g, dir.path()));
    EXPECT_EQ(readbytes(dir.path() / "course.dat"), golden("course.dat"));
    EXPECT_FALSE(fs::exists(dir.path() / "Course.DAT"));

    g->coursecount = 0;
    ASSERT_TRUE(savecourses(*g, dir.path()));
    EXPECT_EQ(readbytes(dir.path() / "course.dat"), " 0 \r\n");
}

TEST(CourseFile, failedLoad_keepsTheTableAndPicksTheMessage) {
    TempDir dir;
    auto g = model();
    g->coursecount = 1;
    g->coursedata[1][1] = "Old Course";
    Outcome missing = loadcourses(*g, dir.path());
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.messages[0].title, "Loading...");
    EXPECT_EQ(missing.messages[0].icon, Icon::exclamation);
    EXPECT_EQ(missing.messages[0].text, "No courses have been saved or\r\nproblem reading file.\r\n"
                                        "Ignore this if you are entering your\r\nfirst course.");
    EXPECT_EQ(loadcourses(*g, dir.path(), CourseLoad::editing).messages[0].text,
              "No courses have been saved.\r\nOther possible causes - Working Directory not\r\n"
              "specified properly in program manager or\r\nlauncher.  Check Doc file for "
              "placement of\r\nFiles");

    writebytes(dir.path() / "course.dat", " 201 \r\n");
    EXPECT_FALSE(loadcourses(*g, dir.path()));
    writebytes(dir.path() / "course.dat", " 2 \r\n" + std::string(31, 'x'));
    EXPECT_FALSE(loadcourses(*g, dir.path()));
    EXPECT_EQ(g->coursecount, 1);
    EXPECT_EQ(g->coursedata[1][1], "Old Course");
}

TEST(SettingsFile, fiveAndFourItems_andDefaultsWhenMissing) {
    TempDir dir;
    const std::string sys = dir.path().string() + "/";
    auto g = model();
    g->escflag = 0;
    writebytes(dir.path() / "gfd32.ini", golden("gfd32-5.ini"));
    readsettings(*g, sys);
    EXPECT_EQ(g->inipath, sys + "gfd32.ini");
    EXPECT_EQ(g->escflag, 5);
    EXPECT_EQ(g->hoffset, 0.25f);
    EXPECT_EQ(g->wdoffset, -0.5f);
    EXPECT_EQ(g->pscaling, 1.1f);
    EXPECT_EQ(g->averageflag, 1);
    ASSERT_TRUE(savesettings(*g, sys));
    EXPECT_EQ(readbytes(dir.path() / "gfd32.ini"), golden("gfd32-5.ini"));

    writebytes(dir.path() / "gfd32.ini", golden("gfd32-4.ini"));
    readsettings(*g, sys);
    EXPECT_EQ(g->escflag, 5);
    EXPECT_EQ(g->pscaling, 1.1f);
    EXPECT_EQ(g->averageflag, 0);

    for (const std::string& bytes : {std::string(" 5 \r\n .25 \r\n"), std::string(" x \r\n")}) {
        writebytes(dir.path() / "gfd32.ini", bytes);
        g->averageflag = 1;
        readsettings(*g, sys);
        EXPECT_EQ(g->escflag, 0);
        EXPECT_EQ(g->hoffset, 0.0f);
        EXPECT_EQ(g->pscaling, 1.0f);
        EXPECT_EQ(g->averageflag, 0);
    }
    fs::remove(dir.path() / "gfd32.ini");
    g->escflag = 5;
    readsettings(*g, sys);
    EXPECT_EQ(g->escflag, 0);

    // The settings folder is made when it does not exist yet.
    EXPECT_TRUE(savesettings(*g, sys + "deeper/"));
    EXPECT_TRUE(fs::exists(dir.path() / "deeper" / "gfd32.ini"));
}

TEST(LatestFile, recordsWithNoneAndTwoLeagues_roundTrip) {
    for (const char* name : {"latest-0.DAT", "latest-2.DAT"}) {
        auto g = model();
        std::istringstream in(golden(name));
        ASSERT_TRUE(readlatest(in, *g)) << name;
        EXPECT_EQ(latestbytes(*g), golden(name)) << name;
    }
    auto g = model();
    std::istringstream in(golden("latest-2.DAT"));
    ASSERT_TRUE(readlatest(in, *g));
    EXPECT_EQ(g->leaguecount, 2);
    EXPECT_EQ(g->leaguelist[2], "Ladies, Thursday ");
    EXPECT_EQ(g->hcpfactor, 1.0f);
    EXPECT_EQ(g->printfont, "Arial");
    EXPECT_EQ(g->ninehole, 1);
    EXPECT_EQ(g->leagueindex, 1);
    EXPECT_EQ(g->hcplimit, 0);
    EXPECT_EQ(g->dateremind, 1);
}

TEST(LatestFile, factorAndFontDefaults_andTheFontField) {
    auto g = model();
    std::istringstream low(" 0 \r\n .3 \r\n\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n");
    ASSERT_TRUE(readlatest(low, *g));
    EXPECT_EQ(g->hcpfactor, 0.96f);
    EXPECT_EQ(g->printfont, "Courier New");
    std::istringstream comma(" 0 \r\n 1 \r\n \"Lucida, Sans\" \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n");
    ASSERT_TRUE(readlatest(comma, *g));
    EXPECT_EQ(g->printfont, "Lucida");
}

TEST(LatestFile, unreadableRecord_changesNothing) {
    TempDir dir;
    auto g = model();
    g->leaguecount = 1;
    g->leaguelist[1] = "Kept";
    for (const std::string& bytes :
         {std::string(" 16 \r\n"), std::string(" 1 \r\nA\r\n .96 \r\n"),
          std::string(" 0 \r\n .96 \r\nArial\r\n x \r\n 0 \r\n 0 \r\n 0 \r\n")}) {
        writebytes(dir.path() / "GrnFld.DAT", bytes);
        Outcome out = loadlatest(*g, dir.path());
        ASSERT_FALSE(out);
        EXPECT_EQ(out.messages[0].text, "Cannot Load GrnFld.DAT, Please check your working\r\n"
                                        "directory or Launchers startup directory setting.");
        EXPECT_EQ(out.messages[0].icon, Icon::none);
        EXPECT_EQ(g->leaguelist[1], "Kept");
    }
}

TEST(DemoData, demoFolderReadsWhole) {
    const fs::path demo = fs::path(GREENFOLD_TEST_DATA) / ".." / ".." / "resources" / "demo";
    auto g = model();
    ASSERT_TRUE(loadlatest(*g, demo));
    ASSERT_GE(g->leaguecount, 1);
    g->leaguefile = g->leaguelist[1] + ".LGE";
    ASSERT_TRUE(loadleague(*g, demo));
    ASSERT_TRUE(loadcourses(*g, demo));
    EXPECT_GT(g->playercount, 0);
    EXPECT_GT(g->coursecount, 0);
    EXPECT_EQ(leaguebytes(*g), readbytes(demo / g->leaguefile));
}
