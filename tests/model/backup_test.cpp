#include "model/backup.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

class Backup : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(data);
        fs::create_directories(disk);
        writebytes(data / "GrnFld.DAT", "record");
        writebytes(data / "course.dat", "courses");
    }
    void know(const std::string& name, bool teams) {
        g->leaguelist[++g->leaguecount] = name;
        writebytes(data / (name + ".LGE"), name + " league");
        if (teams) writebytes(data / (name + ".tea"), name + " teams");
    }
    long diskfiles() { return std::distance(fs::directory_iterator(disk), {}); }

    TempDir root;
    fs::path data = root.path() / "data", disk = root.path() / "disk";
    std::unique_ptr<ProgramState> g = std::make_unique<ProgramState>();
};

} // namespace

TEST_F(Backup, leagueWithoutTeams_getsNoPairEverythingRestoresWhole_aMissingFileStopsIt) {
    know("Fall", false); // first, so its missing team file is the first one looked for
    know("Spring", true);
    writebytes(data / "Spring.HIX", "Spring history");
    writebytes(data / "Spring.res", "Spring results");
    fs::rename(data / "Fall.LGE", root.path() / "Fall.LGE");
    Outcome out = backup(*g, data, disk);
    ASSERT_FALSE(out);
    EXPECT_EQ(out.messages, (std::vector<Message>{{"Could not write back-up files\n\r\n\rPlease "
                                                   "check Disk Drive",
                                                   "Greenfold", Icon::none}}));
    EXPECT_EQ(diskfiles(), 0);
    fs::rename(root.path() / "Fall.LGE", data / "Fall.LGE");
    EXPECT_FALSE(backup(*g, data, root.path() / "no such disk"));

    ASSERT_TRUE(backup(*g, data, disk));
    // Pairs of copy and source: two leagues, record, courses, Spring's teams, index history and
    // results.
    std::istringstream list(readbytes(disk / "restore.dat"));
    const auto pairs = readrestorelist(list);
    ASSERT_EQ(pairs.size(), 7u);
    EXPECT_EQ(pairs[2].copy, (disk / "GrnFld.DAT").string());
    EXPECT_EQ(pairs[3].source, (data / "course.dat").string());
    EXPECT_EQ(pairs[4].source, (data / "Spring.tea").string());
    writebytes(data / "Spring.LGE", "changed since");
    for (const char* name : {"Fall.LGE", "Spring.HIX", "Spring.res"}) fs::remove(data / name);

    out = restore(disk);
    ASSERT_TRUE(out);
    EXPECT_EQ(out.messages, std::vector{restoredone()});
    EXPECT_EQ(readbytes(data / "Spring.LGE"), "Spring league");
    EXPECT_EQ(readbytes(data / "Fall.LGE"), "Fall league");
    EXPECT_EQ(readbytes(data / "Spring.HIX"), "Spring history");
    EXPECT_EQ(readbytes(data / "Spring.res"), "Spring results");
}

TEST_F(Backup, copiesReachTheDisk_aFailingCopyKeepsThePreviousSet_aMovedProgramStopsTheRestore) {
    know("Spring", true);
    int files = 0;
    watchsyncs([&](const fs::path&, bool folder) { files += folder ? 0 : 1; });
    ASSERT_TRUE(backup(*g, data, disk));
    EXPECT_EQ(files, 5); // four copies and the list
    const std::string list = readbytes(disk / "restore.dat");
    // The league file would copy, then the team file (copied last) cannot be read.
    writebytes(data / "Spring.LGE", "newer league");
    fs::remove(data / "Spring.tea");
    fs::create_directory(data / "Spring.tea");
    ASSERT_FALSE(backup(*g, data, disk));
    EXPECT_EQ(readbytes(disk / "restore.dat"), list);
    EXPECT_EQ(readbytes(disk / "Spring.LGE"), "Spring league");
    EXPECT_EQ(diskfiles(), 5);

    fs::remove(data / "Spring.tea");
    files = 0;
    ASSERT_TRUE(restore(disk));
    watchsyncs({});
    EXPECT_EQ(files, 5); // four files, and the record of the league's two written together
    EXPECT_EQ(readbytes(data / "Spring.LGE"), "Spring league");
    EXPECT_EQ(readbytes(data / "Spring.tea"), "Spring teams");

    // The program has moved: the list's last pair points into a folder that is gone.
    writebytes(disk / "restore.dat", list + (disk / "Spring.tea").string() + "\r\n" +
                                         (root.path() / "gone" / "Spring.tea").string() + "\r\n");
    std::vector<std::string> restored;
    Outcome out = restore(disk, &restored);
    ASSERT_FALSE(out);
    EXPECT_EQ(out.messages[0].title, "Restore Utility");
    EXPECT_EQ(out.messages[0].text.rfind("All data files could not be restored.\r\n", 0), 0u);
    EXPECT_EQ(restored.size(), 4u);
    EXPECT_NE(out.messages[0].text.find((data / "Spring.LGE").string()), std::string::npos);
}

TEST_F(Backup, restoreList_cannotWriteOutsideTheDataFiles_andIsReadInWholeLines) {
    const fs::path victim = root.path() / "victim";
    writebytes(victim, "precious");
    for (const char* name : {"passwd", "a.lge", "notes.txt", ".profile"})
        writebytes(disk / name, "evil");
    for (const std::string& list :
         {"A:\\passwd\r\n" + victim.string() + "\r\n", "A:\\a.lge\r\n" + victim.string() + "\r\n",
          std::string("notes.txt\r\nnotes.txt\r\n"), std::string(".profile\r\n.profile\r\n"),
          (disk / "a.lge").string() + "\r\n" + (root.path() / "b.lge").string() + "\r\n"}) {
        writebytes(disk / "restore.dat", list);
        std::vector<std::string> restored;
        EXPECT_FALSE(restore(disk, &restored)) << list;
        EXPECT_TRUE(restored.empty()) << list;
        EXPECT_EQ(readbytes(victim), "precious");
        EXPECT_FALSE(fs::exists(root.path() / "b.lge"));
    }
    EXPECT_FALSE(restore(root.path() / "no such disk"));

    // The list is read in whole lines, as many as a backup of 15 leagues writes (77 files),
    // without an odd one out.
    std::istringstream commas(
        "\"A:\\Smith, Jones.lge\" \r\n\tC:\\GFD\\Smith, Jones.lge \r\nodd\r\n"); // quoted, padded
    auto pairs = readrestorelist(commas);
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0].copy + "|" + pairs[0].source,
              "A:\\Smith, Jones.lge|C:\\GFD\\Smith, Jones.lge");
    std::string many;
    for (int i = 0; i < 160; ++i) many += "line" + std::to_string(i) + "\r\n";
    std::istringstream big(many);
    EXPECT_EQ(readrestorelist(big).size(), 77u);
}
