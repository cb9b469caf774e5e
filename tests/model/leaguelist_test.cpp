#include "model/coursefile.h"
#include "model/latestfile.h"
#include "model/leaguefile.h"
#include "model/leaguelist.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <memory>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

using Strings = std::vector<std::string>;

class Leagues : public ::testing::Test {
  protected:
    // Known leagues, each with a league file copied from the golden two-player league.
    void know(const Strings& names) {
        for (const auto& name : names) {
            g->leaguelist[++g->leaguecount] = name;
            writebytes(dir.path() / (name + ".LGE"), golden("two.LGE"));
        }
    }
    std::unique_ptr<ProgramState> record() {
        auto r = std::make_unique<ProgramState>();
        EXPECT_TRUE(loadlatest(*r, dir.path()));
        return r;
    }
    bool exists(const std::string& name) { return fs::exists(dir.path() / name); }
    Strings menu() { return leaguemenucaptions(*g); }

    TempDir dir;
    std::unique_ptr<ProgramState> g = std::make_unique<ProgramState>();
};

std::vector<Message> exclamation(const std::string& text) {
    return {{text, "Greenfold", Icon::exclamation}};
}

} // namespace

TEST(LeagueKeys, onlyBackspaceSpaceAndFromDigitsUpPass) {
    for (int code : std::initializer_list<int>{8, 32, '0', '9', 'A', 'z', ':', '\\', 200})
        EXPECT_TRUE(acceptkey(code)) << code;
    for (int code : std::initializer_list<int>{'.', '-', '/', '!', ',', 13, 9, 0, 47})
        EXPECT_FALSE(acceptkey(code)) << code;
}

TEST_F(Leagues, newName_emptyBeepsDuplicateTestIsExactIllegalCharactersAndLengthRefused) {
    know({"Spring"});
    const LeagueStep dup = checkleaguename(*g, "Spring");
    EXPECT_EQ(dup.outcome.messages, exclamation("That name is already in use."));
    EXPECT_TRUE(dup.cleartext);
    EXPECT_TRUE(checkleaguename(*g, "SPRING").outcome);
    EXPECT_TRUE(createleague(*g, "", dir.path()).beep);

    for (const std::string& name : Strings{"a:b", "a;b", "a\\b", "a/b", "a.b", "a-b", "a,b", "a?b",
                                           "a|b", "tab\tbed", "   ", std::string(31, 'x')}) {
        const LeagueStep s = createleague(*g, name, dir.path());
        EXPECT_EQ(s.outcome.messages, exclamation("Illegal Name for file")) << name;
        EXPECT_TRUE(s.cleartext) << name;
    }
    EXPECT_EQ(menu(), Strings{"Spring"});
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
    EXPECT_TRUE(legalleaguename(std::string(30, 'x')));
    EXPECT_TRUE(legalleaguename("Gr\xC3\xBCn " + std::string(25, 'x'))); // 30 letters, 31 bytes
}

TEST_F(Leagues, create_writesEmptyLeagueAndRecord_nothingChangesWhenAWriteFailsOrItIsRefused) {
    know({"Spring"});
    ASSERT_TRUE(openleague(*g, 0, dir.path()).outcome);
    // Nothing gets written; then the league file (5 bytes) gets through, the record does not.
    for (auto [bytes, failure] : {std::pair(0, leaguesavefailure()), {10, latestsavefailure()}}) {
        EXPECT_EQ(createleague(*g, "Fall", dir.path(), failafter(bytes)).outcome.messages,
                  std::vector{failure});
        EXPECT_FALSE(exists("Fall.LGE")) << bytes;
    }
    EXPECT_EQ(g->leaguefile, "Spring.LGE");
    EXPECT_EQ(menu(), Strings{"Spring"});

    const LeagueStep s = createleague(*g, "Fall", dir.path());
    ASSERT_TRUE(s.outcome);
    EXPECT_EQ(readbytes(dir.path() / "Fall.LGE"), golden("empty.LGE"));
    EXPECT_EQ(std::tuple(s.status, g->leaguefile, g->playercount, g->playername[1]),
              std::tuple("Open a League file to begin", "Fall.LGE", 0, ""));
    EXPECT_EQ(menu(), (Strings{"Spring", "Fall"}));
    EXPECT_EQ(leaguemenucaptions(*record()), (Strings{"Spring", "Fall"}));

    // A file of the name in any letter case is some league's data: never emptied.
    EXPECT_EQ(createleague(*g, "SPRING", dir.path()).outcome.messages,
              exclamation("A league file named SPRING.LGE is already in the folder. Choose "
                          "another name."));
    EXPECT_EQ(readbytes(dir.path() / "Spring.LGE"), golden("two.LGE"));
    for (int n = 3; n <= maxleagues; ++n) know({"L" + std::to_string(n)});
    EXPECT_EQ(createleague(*g, "One more", dir.path()).outcome.messages,
              exclamation("Greenfold keeps at most 15 league files. Delete one before creating "
                          "another."));
    EXPECT_EQ(g->leaguecount, 15);
    EXPECT_FALSE(exists("One more.LGE"));
}

TEST_F(Leagues, delete_refusedOrUnsavedKeepsAll_doneMovesTheListUpAndTakesTeamsWhenDefined) {
    know({"Spring", "Fall", "Winter"});
    LeagueStep s = checkdelete(*g, "Summer");
    EXPECT_EQ(std::pair(s.outcome.messages, s.cleartext),
              std::pair(exclamation("That name is not on the active list."), true));
    EXPECT_TRUE(checkdelete(*g, "").beep);

    const Question q = deletequestion();
    EXPECT_EQ(q.message, (Message{"Are you sure you want to Delete the selected\r\n\r\nLeague "
                                  "File and it's Team point data file?\r\n\r\n    CONTINUE?    "
                                  "Select 'NO' to Exit",
                                  "Greenfold", Icon::stop}));
    EXPECT_TRUE(q.defaultno);

    // Answered No, or the record cannot be written: the list and the files stay.
    const Outcome no = deleteleague(*g, "spring", false, true, dir.path()).outcome;
    EXPECT_TRUE(!no && no.messages.empty());
    g->leagueindex = 1;
    EXPECT_EQ(deleteleague(*g, "Spring", true, false, dir.path(), failafter(3)).outcome.messages,
              std::vector{latestsavefailure()});
    EXPECT_EQ(menu(), (Strings{"Spring", "Fall", "Winter"}));
    EXPECT_EQ(g->leagueindex, 1);
    EXPECT_TRUE(exists("Spring.LGE"));

    writebytes(dir.path() / "spring.tea", "teams");
    writebytes(dir.path() / "Winter.tea", "teams");
    for (const char* name : {"Spring.HIX", "Spring.res"}) writebytes(dir.path() / name, "kept");
    g->leaguefile = "Fall.LGE";
    s = deleteleague(*g, "SPRING", true, false, dir.path());
    ASSERT_TRUE(s.outcome);
    EXPECT_EQ(s.status, "Open a League file to begin");
    EXPECT_EQ(menu(), (Strings{"Fall", "Winter"}));
    EXPECT_EQ(leaguemenucaptions(*record()), (Strings{"Fall", "Winter"}));
    EXPECT_FALSE(exists("Spring.LGE") || exists("Spring.HIX") || exists("Spring.res"));
    EXPECT_TRUE(exists("spring.tea"));
    EXPECT_TRUE(g->leaguefile.empty());

    ASSERT_TRUE(deleteleague(*g, "Winter", true, true, dir.path()).outcome);
    EXPECT_FALSE(exists("Winter.tea"));
    fs::remove(dir.path() / "Fall.LGE");
    EXPECT_TRUE(deleteleague(*g, "Fall", true, true, dir.path()).outcome); // nothing to delete
    EXPECT_EQ(menu(), Strings{"No Entries"});
}

TEST_F(Leagues, deleteKeepsLeagueIndexOnTheSameLeague) {
    know({"A", "B", "C", "D"});
    g->leagueindex = 2; // C
    ASSERT_TRUE(deleteleague(*g, "a", true, false, dir.path()).outcome);
    EXPECT_EQ(g->leaguelist[g->leagueindex + 1], "C");
    ASSERT_TRUE(deleteleague(*g, "d", true, false, dir.path()).outcome);
    EXPECT_EQ(g->leaguelist[g->leagueindex + 1], "C");
    EXPECT_EQ(record()->leagueindex, 1);
    ASSERT_TRUE(deleteleague(*g, "c", true, false, dir.path()).outcome);
    EXPECT_EQ(g->leagueindex, 0); // its league is gone: back to the first entry
}

TEST_F(Leagues, open_loadsLeagueAndCoursesAndRemembersEntry_orBeepsAtNoEntry) {
    know({"Spring", "Fall", "Broken"});
    const std::string broken = " 5 \r\nhalf a league\r\n";
    writebytes(dir.path() / "Broken.LGE", broken);
    EXPECT_TRUE(openleague(*g, 3, dir.path()).beep);
    EXPECT_TRUE(openleague(*g, -1, dir.path()).beep);
    // A missing course table is reported, but the league opens.
    LeagueStep s = openleague(*g, 0, dir.path());
    EXPECT_TRUE(s.outcome);
    EXPECT_EQ(s.outcome.messages, std::vector{courseloadfailure(CourseLoad::other)});
    EXPECT_EQ(std::tuple(s.status, g->playercount), std::tuple("Current League - Spring", 2));

    writebytes(dir.path() / "course.dat", golden("course.dat"));
    s = openleague(*g, 1, dir.path());
    ASSERT_TRUE(s.outcome && s.outcome.messages.empty());
    EXPECT_GT(g->coursecount, 0);
    EXPECT_EQ(std::tuple(s.status, g->leagueindex, record()->leagueindex),
              std::tuple("Current League - Fall", 1, 1));
    g->leaguelist[1].clear();
    EXPECT_TRUE(openleague(*g, 0, dir.path()).beep);

    // A league that cannot be read: the open league and its file name stay, and a save
    // writes it to its own file, not over the broken one.
    g->playername[1] = "Renamed";
    s = openleague(*g, 2, dir.path());
    EXPECT_FALSE(s.outcome);
    EXPECT_EQ(s.outcome.messages, std::vector{leagueloadfailure()});
    EXPECT_EQ(std::tuple(s.status, g->leaguefile, g->playername[1], g->leagueindex),
              std::tuple("", "Fall.LGE", "Renamed", 1));
    ASSERT_TRUE(saveleague(*g, dir.path()));
    EXPECT_EQ(readbytes(dir.path() / "Broken.LGE"), broken);
    EXPECT_NE(readbytes(dir.path() / "Fall.LGE").find("Renamed"), std::string::npos);
}
