// The match file beside its league: renamed players and teams followed, a new season's
// file, deleted, backed up and restored with the league, a damaged one kept before it is
// saved over.
#include "matchplay/matchstore.h"
#include "model/backup.h"
#include "model/leaguefile.h"
#include "model/leaguelist.h"
#include "model/matchname.h"
#include "support/testfiles.h"
#include "teams/teamfile.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace greenfold;
using namespace greenfold::matchplay;
using namespace greenfold::testing;

namespace {

class Store : public ::testing::Test {
  protected:
    void SetUp() override {
        g->leaguefile = "Spring.LGE";
        g->leaguelist[++g->leaguecount] = "Spring";
        g->playercount = 4;
        for (int p = 1; p <= 4; ++p) g->playername[p] = std::string(1, char('A' + p - 1)) + "nn";
    }
    // A schedule of the four players (individual) or two teams.
    void write(Format format) {
        MatchFile f;
        f.settings = defaultsettings(format == Format::teams);
        f.settings.on = true;
        f.substituteonly = {"Dnn"};
        const std::vector<std::string> sides = format == Format::teams
                                                   ? std::vector<std::string>{"Eagles", "Hawks"}
                                                   : std::vector<std::string>{"Ann", "Bnn", "Cnn"};
        f.schedule = makeschedule(sides, {2, {5, 5, 26}, {}, {}}, f.settings);
        LeagueCommit c(dir.path(), g->leaguefile);
        stagematches(*g, f, c);
        ASSERT_TRUE(c.run(g->damagedfiles));
    }
    MatchFile reread() {
        std::ifstream in(dir.path() / "Spring.mat", std::ios::binary);
        return readmatch(in).value_or(MatchFile{});
    }
    Outcome commit(const CommitExtra& stage) {
        LeagueCommit c(dir.path(), g->leaguefile);
        Outcome out = stage(c);
        return out.merge(c.run(g->damagedfiles));
    }

    TempDir dir;
    std::unique_ptr<ProgramState> g = std::make_unique<ProgramState>();
};

} // namespace

TEST_F(Store, renamedPlayersAndTeamsAreFollowed_aNewSeasonKeepsTheSettingsOnly) {
    write(Format::individual);
    ASSERT_TRUE(commit([&](LeagueCommit& c) {
        return stagerenames(*g, {{"Ann", "Anne"}, {"Dnn", "Dee"}}, c, dir.path());
    }));
    MatchFile f = reread();
    EXPECT_EQ(f.schedule.weeks.at(0).pairs.back().side1, "Anne"); // the bye, listed last
    EXPECT_EQ(f.substituteonly, std::vector<std::string>{"Dee"});

    write(Format::teams);
    ASSERT_TRUE(commit([&](LeagueCommit& c) {
        return stageteamrenames(*g, {"Eagles", "Hawks"}, {"Falcons", "Hawks"}, c, dir.path());
    }));
    f = reread();
    EXPECT_EQ(f.schedule.weeks.at(0).pairs.at(0).side1, "Falcons");

    ASSERT_TRUE(commit([&](LeagueCommit& c) { return stagenewseason(*g, c, dir.path()); }));
    const MatchFile fresh = reread();
    EXPECT_TRUE(fresh.settings == f.settings && fresh.substituteonly == f.substituteonly);
    EXPECT_TRUE(fresh.schedule.weeks.empty());
}

TEST_F(Store, goesWithItsLeague_aDamagedFileIsKeptBeforeItIsSavedOver) {
    write(Format::individual);
    const std::string bytes = readbytes(dir.path() / "Spring.mat");
    ASSERT_TRUE(saveleague(*g, dir.path()));
    writebytes(dir.path() / "GrnFld.DAT", "record");
    writebytes(dir.path() / "course.dat", "courses");
    TempDir disk;
    ASSERT_TRUE(backup(*g, dir.path(), disk.path()));
    EXPECT_EQ(readbytes(disk.path() / "Spring.mat"), bytes);
    ASSERT_TRUE(deleteleague(*g, "Spring", true, false, dir.path()).outcome);
    EXPECT_FALSE(fs::exists(dir.path() / "Spring.mat"));
    ASSERT_TRUE(restore(disk.path()));
    EXPECT_EQ(readbytes(dir.path() / "Spring.mat"), bytes);

    g->leaguefile = "Spring.LGE";
    writebytes(dir.path() / "Spring.mat", bytes.substr(0, bytes.size() / 2));
    const MatchSeason s = openseason(*g, dir.path());
    EXPECT_TRUE(s.damaged && s.read.messages.size() == 1u);
    EXPECT_TRUE(s.file.schedule.weeks.empty()); // the defaults
    const Outcome saved = commit([&](LeagueCommit& c) {
        stagematches(*g, s.file, c);
        return Outcome{};
    });
    ASSERT_TRUE(saved);
    EXPECT_NE(saved.messages.at(0).text.find("The damaged file has been kept"), std::string::npos);
}
