#include "model/golf1.h"
#include "model/leaguefile.h"
#include "players/roster.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <memory>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

// Players whose every table holds values of their own, so a test sees whose data
// landed in which slot: player p has p rounds, team p, and p in every round value.
std::unique_ptr<GOLF1> league(std::initializer_list<const char*> names) {
    auto g = std::make_unique<GOLF1>();
    g->leaguefile = "Test.LGE";
    for (const char* name : names) {
        const int p = ++g->playercount;
        g->playername[p] = name;
        g->playertee[p] = g->roundcount[p] = g->playerteam[p] = int16_t(p);
        for (int r = 1; r <= maxrounds; ++r) {
            g->differential[p][r] = g->hcpindex[p][r] = g->coursehcp[p][r] = float(p);
            g->rmonth[p][r] = g->rday[p][r] = g->ryear[p][r] = g->roundcourse[p][r] = int16_t(p);
            g->holescore[p][r].fill(int16_t(p));
        }
    }
    return g;
}

// Slot `slot` holds all of player p's values (0: an empty slot).
void expectplayer(const GOLF1& g, int slot, int p) {
    EXPECT_EQ(g.roundcount[slot], p);
    EXPECT_EQ(g.playerteam[slot], p);
    for (int r = 1; r <= maxrounds; ++r) {
        EXPECT_EQ(g.differential[slot][r] + g.hcpindex[slot][r] + g.coursehcp[slot][r], 3 * p);
        EXPECT_EQ(g.rmonth[slot][r] + g.rday[slot][r] + g.ryear[slot][r], 3 * p);
        EXPECT_EQ(g.roundcourse[slot][r], p);
        for (int k = 1; k <= maxholes; ++k) EXPECT_EQ(g.holescore[slot][r][k], p);
    }
}

} // namespace

TEST(Roster, addChecksLengthCaseBlindDuplicatesAndQuotes) {
    auto g = league({"Ann Lee"});
    EXPECT_EQ(addplayer(*g, "Al", tee_mens), AddResult::rejected);
    EXPECT_EQ(addplayer(*g, "\xc3\xa9\xc3\xa9", tee_mens), AddResult::rejected); // 2 characters
    EXPECT_EQ(addplayer(*g, "ANN LEE", tee_mens), AddResult::duplicate);
    EXPECT_EQ(addplayer(*g, "Bo ", tee_pro), AddResult::added); // not trimmed: 3 characters
    EXPECT_EQ(addplayer(*g, "Bill \"Ace\" Ray", tee_ladies), AddResult::added);
    EXPECT_EQ(g->playercount, 3);
    EXPECT_EQ(g->playerno, 3);
    EXPECT_EQ(g->playertee[2], tee_pro);
    EXPECT_EQ(g->playername[3], "Bill 'Ace' Ray");
}

TEST(Roster, fullRosterRejectsEvenANewName) {
    auto g = league({});
    for (int p = 1; p <= maxplayers; ++p)
        ASSERT_EQ(addplayer(*g, "Player " + std::to_string(p), tee_mens), AddResult::added);
    EXPECT_EQ(addplayer(*g, "One Too Many", tee_mens), AddResult::rejected);
    EXPECT_EQ(g->playercount, maxplayers);
}

TEST(Roster, removeFirstOfThree_movesTheOthersDownWithEverything) {
    auto g = league({"Ann", "Bob", "Cy"});
    ASSERT_TRUE(removeplayer(*g, "Ann"));
    EXPECT_EQ(g->playercount, 2);
    expectplayer(*g, 1, 2);
    expectplayer(*g, 2, 3);
    expectplayer(*g, 3, 0); // the freed slot holds nothing
    EXPECT_FALSE(removeplayer(*g, "Nobody"));
    EXPECT_FALSE(removeplayer(*g, "")); // no selection is never a nameless player
}

TEST(Roster, removeWithARepeatedName_takesOnlyTheLaterPlayer) {
    auto g = league({"Bob", "Ann", "Bob"});
    ASSERT_TRUE(removeplayer(*g, "Bob"));
    EXPECT_EQ(g->playercount, 2);
    EXPECT_EQ(g->playername[1], "Bob");
    expectplayer(*g, 1, 1);
}

TEST(Roster, playerAddedIntoAFreedSlot_startsEmpty) {
    auto g = league({"Ann", "Bob", "Cy"});
    g->playercount = 2; // Cy's values stay behind in slot 3, as a removal leaves them
    ASSERT_EQ(addplayer(*g, "Dee", tee_ladies), AddResult::added);
    expectplayer(*g, 3, 0);
}

TEST(Roster, renameComparesLetterCaseAndNeedsFourCharacters) {
    auto g = league({"Ann Lee", "Bob Ray"});
    EXPECT_EQ(renameplayer(*g, "Bob Ray", "Bob"), RenameResult::rejected);
    EXPECT_EQ(renameplayer(*g, "", "Bobby Ray"), RenameResult::rejected);
    EXPECT_EQ(renameplayer(*g, "Bob Ray", "Ann Lee"), RenameResult::duplicate);
    EXPECT_EQ(renameplayer(*g, "Bob Ray", "Bob Ray"), RenameResult::duplicate); // his own
    EXPECT_EQ(checkrename(*g, "Bob Ray", "ANN LEE"), RenameResult::changed);
    EXPECT_EQ(g->playername[2], "Bob Ray"); // the check alone changes nothing
    EXPECT_EQ(renameplayer(*g, "Bob Ray", "Rob \"Red\" Ray"), RenameResult::changed);
    EXPECT_EQ(g->playername[2], "Rob 'Red' Ray");
    expectplayer(*g, 2, 2);
}

TEST(Roster, removeQuestionText) {
    EXPECT_EQ(removequestion("Bob").text,
              "Are you sure you want to remove the player\r\nBob  from your League?\r\n\r\n"
              "     CONTINUE?          Select 'NO' to cancel");
}

TEST(Roster, saveWritesBothFiles_andReportsAFailedLeagueSave) {
    TempDir dir;
    auto g = league({"Ann", "Bob"});
    auto teams = std::make_unique<Teamdata>();
    teams->teamcount = 2;
    EXPECT_FALSE(addkeepsteams(*g, dir.path()));
    ASSERT_TRUE(saveroster(*g, teams.get(), dir.path()));
    EXPECT_EQ(readbytes(dir.path() / "Test.tea"), " 2 \r\n\r\n\r\n 1 \r\n 2 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(readbytes(dir.path() / "Test.LGE"), leaguebytes(*g));
    EXPECT_TRUE(addkeepsteams(*g, dir.path())); // a team file must follow the roster

    fs::create_directory(dir.path() / "Test.LGE.saving~"); // the save cannot be written
    Outcome out = saveroster(*g, nullptr, dir.path());
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.messages, std::vector<Message>{leaguesavefailure()});
}
