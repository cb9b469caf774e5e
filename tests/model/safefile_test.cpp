#include "model/coursefile.h"
#include "model/latestfile.h"
#include "model/leaguefile.h"
#include "model/safefile.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

std::vector<fs::path> keptcopies(const fs::path& dir, const std::string& stem) {
    std::vector<fs::path> out;
    for (auto& e : fs::directory_iterator(dir))
        if (e.path().filename().string().rfind(stem + ".damaged-", 0) == 0) out.push_back(e.path());
    return out;
}

} // namespace

TEST(SafeFile, saveThatFailsPartWay_leavesTheOldFileWhole) {
    TempDir dir;
    auto g = std::make_unique<ProgramState>();
    g->leaguefile = "two.LGE";
    writebytes(dir.path() / "two.LGE", golden("two.LGE"));
    ASSERT_TRUE(loadleague(*g, dir.path()));
    g->playername[1] = "Changed";
    for (std::size_t n : {0u, 100u, 5000u}) {
        EXPECT_EQ(saveleague(*g, dir.path(), failafter(n)).messages,
                  (std::vector<Message>{
                      {"Error Creating League Record File", "Greenfold", Icon::exclamation}}));
        EXPECT_EQ(readbytes(dir.path() / "two.LGE"), golden("two.LGE"));
    }
    // No temporary file is left; beside the league only its lock file.
    std::vector<std::string> files;
    for (auto& e : fs::directory_iterator(dir.path()))
        files.push_back(e.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"two.LGE", "two.lock"}));

    EXPECT_EQ(savecourses(*g, dir.path(), failafter(3)).messages,
              (std::vector<Message>{
                  {"Unable to save settings to disk", "Course Setup", Icon::exclamation}}));
    EXPECT_EQ(savelatest(*g, dir.path(), failafter(3)).messages,
              (std::vector<Message>{
                  {"Cannot Write GrnFld.DAT, Please check disk write protect.", "Greenfold"}}));
}

TEST(SafeFile, newBytesReachTheDiskBeforeTheRenameAndTheFolderAfter) {
    TempDir dir;
    const fs::path target = dir.path() / "club.LGE";
    writebytes(target, "old");
    std::vector<std::string> syncs; // what was synced, and the target's bytes then
    watchsyncs([&](const fs::path& p, bool folder) {
        syncs.push_back((folder ? p.string() : readbytes(p)) + "|" + readbytes(target));
    });
    const bool written = atomicwrite(target, "new bytes");
    watchsyncs({});
    ASSERT_TRUE(written);
    EXPECT_EQ(syncs,
              (std::vector<std::string>{"new bytes|old", dir.path().string() + "|new bytes"}));
}

TEST(SafeFile, damagedFiles_keptBeforeOverwriteAndToldOnce) {
    TempDir dir;
    auto g = std::make_unique<ProgramState>();
    g->leaguefile = "club.LGE";
    const std::string damaged = " 3 \r\nOnly one name\r\n";
    writebytes(dir.path() / "club.LGE", damaged);
    writebytes(dir.path() / "COURSE.DAT", " 1 \r\nShort\r\n");
    writebytes(dir.path() / "GrnFld.DAT", "garbage");
    ASSERT_FALSE(loadleague(*g, dir.path()) || loadcourses(*g, dir.path()) ||
                 loadlatest(*g, dir.path()));

    Outcome first = saveleague(*g, dir.path());
    ASSERT_TRUE(first);
    ASSERT_EQ(first.messages.size(), 1u);
    auto copies = keptcopies(dir.path(), "club.LGE");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(readbytes(copies[0]), damaged);
    EXPECT_NE(first.messages[0].text.find(copies[0].string()), std::string::npos);
    EXPECT_EQ(readbytes(dir.path() / "club.LGE"), " 0 \r\n");
    EXPECT_EQ(savecourses(*g, dir.path()).messages.size(), 1u);
    EXPECT_EQ(savelatest(*g, dir.path()).messages.size(), 1u);

    EXPECT_TRUE(saveleague(*g, dir.path()).messages.empty());
    for (const char* name : {"club.LGE", "COURSE.DAT", "GrnFld.DAT"})
        EXPECT_EQ(keptcopies(dir.path(), name).size(), 1u) << name;
    // A missing file is not damaged: nothing to keep.
    g->leaguefile = "new.LGE";
    EXPECT_FALSE(loadleague(*g, dir.path()));
    EXPECT_TRUE(saveleague(*g, dir.path()).messages.empty());
}
