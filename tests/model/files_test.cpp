#include "model/coursefile.h"
#include "model/latestfile.h"
#include "model/leaguefile.h"
#include "model/settingsfile.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

class Files : public ::testing::Test {
  protected:
    TempDir dir;
    std::unique_ptr<ProgramState> g = std::make_unique<ProgramState>();
};

} // namespace

TEST_F(Files, goldenLeague_loadsEveryMemberAndSavesByteForByte) {
    writebytes(dir.path() / "two.LGE", golden("two.LGE"));
    g->leaguefile = "TWO.lge";  // names match whatever their case
    g->playername[3] = "Third"; // above the file's count: kept
    ASSERT_TRUE(loadleague(*g, dir.path()));
    EXPECT_EQ(g->playername[3], "Third");
    EXPECT_EQ(
        (std::vector<int>{g->playercount, g->playertee[1], g->roundcount[1], g->rmonth[1][3],
                          g->roundcourse[1][2], g->holescore[1][1][18], g->holescore[1][2][19]}),
        (std::vector<int>{2, 2, 3, 6, 2, 8, 45}));
    EXPECT_EQ((std::vector<float>{g->differential[1][1], g->hcpindex[1][3], g->coursehcp[1][3]}),
              (std::vector<float>{19.4f, -0.9f, -1.0f}));

    ASSERT_TRUE(saveleague(*g, dir.path()));
    EXPECT_EQ(readbytes(dir.path() / "two.LGE"), golden("two.LGE"));
    EXPECT_FALSE(fs::exists(dir.path() / "TWO.lge"));
}

TEST_F(Files, goldenCourses_loadAndSaveByteForByte) {
    writebytes(dir.path() / "course.dat", golden("course.dat"));
    ASSERT_TRUE(loadcourses(*g, dir.path()));
    EXPECT_EQ(g->coursedata[2][1], "  Meadow Brook");

    // The table is written as "Course.DAT", which on a case-blind name is the same file.
    ASSERT_TRUE(savecourses(*g, dir.path()));
    EXPECT_EQ(readbytes(dir.path() / "course.dat"), golden("course.dat"));
    EXPECT_FALSE(fs::exists(dir.path() / "Course.DAT"));

    g->coursecount = 0;
    ASSERT_TRUE(savecourses(*g, dir.path()));
    EXPECT_EQ(readbytes(dir.path() / "course.dat"), " 0 \r\n");
}

TEST_F(Files, twoHundredCoursesAtMost_aFailedLoadKeepsTheTableAndPicksTheMessage) {
    g->coursecount = 1;
    g->coursedata[1][1] = "Old Course";
    Outcome missing = loadcourses(*g, dir.path());
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.messages, (std::vector<Message>{{"No courses have been saved or\r\nproblem "
                                                       "reading file.\r\nIgnore this if you are "
                                                       "entering your\r\nfirst course.",
                                                       "Loading...", Icon::exclamation}}));
    EXPECT_EQ(loadcourses(*g, dir.path(), CourseLoad::editing).messages[0].text,
              "No courses have been saved.\r\nOther possible causes - Working Directory not\r\n"
              "specified properly in program manager or\r\nlauncher.  Check Doc file for "
              "placement of\r\nFiles");

    std::string lines;
    for (int n = 0; n < (maxcourses + 1) * courselines; ++n) lines += "x\r\n";
    for (const std::string& bytes :
         {" 201 \r\n" + lines, std::string(" -1 \r\n"), " 2 \r\n" + std::string(31, 'x')}) {
        writebytes(dir.path() / "course.dat", bytes);
        EXPECT_FALSE(loadcourses(*g, dir.path()));
        EXPECT_EQ(std::tuple(g->coursecount, g->coursedata[1][1]), std::tuple(1, "Old Course"));
    }
    writebytes(dir.path() / "course.dat", " 200 \r\n" + lines);
    EXPECT_TRUE(loadcourses(*g, dir.path()));
    EXPECT_EQ(g->coursedata[200][30], "x");
}

TEST_F(Files, settingsOfFiveAndFourItems_andDefaultsWhenMissing) {
    const std::string sys = dir.path().string() + "/";
    writebytes(dir.path() / "gfd32.ini", golden("gfd32-5.ini"));
    readsettings(*g, sys);
    EXPECT_EQ(g->inipath, sys + "gfd32.ini");
    ASSERT_TRUE(savesettings(*g, sys));
    EXPECT_EQ(readbytes(dir.path() / "gfd32.ini"), golden("gfd32-5.ini"));

    writebytes(dir.path() / "gfd32.ini", golden("gfd32-4.ini"));
    readsettings(*g, sys);
    EXPECT_EQ(settingsbytes(*g), " 5 \r\n .25 \r\n-.5 \r\n 1.1 \r\n 0 \r\n");

    for (const char* bytes : {" 5 \r\n .25 \r\n", " x \r\n", ""}) {
        g->escflag = 5;
        g->averageflag = 1;
        if (*bytes)
            writebytes(dir.path() / "gfd32.ini", bytes);
        else
            fs::remove(dir.path() / "gfd32.ini");
        readsettings(*g, sys);
        EXPECT_EQ(settingsbytes(*g), " 0 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n");
    }

    EXPECT_TRUE(savesettings(*g, sys + "deeper/"));
    EXPECT_TRUE(fs::exists(dir.path() / "deeper" / "gfd32.ini"));
}

TEST_F(Files, recordsWithNoneAndTwoLeaguesRoundTrip_factorAndFontDefaults_unreadableKeepsAll) {
    for (const char* name : {"latest-0.DAT", "latest-2.DAT"}) {
        std::istringstream in(golden(name));
        ASSERT_TRUE(readlatest(in, *g)) << name;
        EXPECT_EQ(latestbytes(*g), golden(name)) << name;
    }
    // A factor below .5 reads as .96, no font as Courier New; the font is a delimited field.
    std::istringstream low(" 0 \r\n .3 \r\n\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n");
    ASSERT_TRUE(readlatest(low, *g));
    EXPECT_EQ(std::tuple(g->hcpfactor, g->printfont), std::tuple(0.96f, "Courier New"));
    std::istringstream comma(" 0 \r\n 1 \r\n \"Lucida, Sans\" \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n");
    ASSERT_TRUE(readlatest(comma, *g));
    EXPECT_EQ(g->printfont, "Lucida");

    // An unreadable record changes nothing.
    g->leaguecount = 1;
    g->leaguelist[1] = "Kept";
    for (const char* bytes : {" 16 \r\n", " 1 \r\nA\r\n .96 \r\n",
                              " 0 \r\n .96 \r\nArial\r\n x \r\n 0 \r\n 0 \r\n 0 \r\n"}) {
        writebytes(dir.path() / "GrnFld.DAT", bytes);
        Outcome out = loadlatest(*g, dir.path());
        EXPECT_FALSE(out);
        EXPECT_EQ(out.messages, (std::vector<Message>{{"Cannot Load GrnFld.DAT, Please check your "
                                                       "working\r\ndirectory or Launchers startup "
                                                       "directory setting.",
                                                       "Greenfold", Icon::none}}));
        EXPECT_EQ(g->leaguelist[1], "Kept");
    }
}
