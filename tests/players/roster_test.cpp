// The roster: adding, removing, renaming and ordering players, and what closing saves.
#include "model/leaguefile.h"
#include "model/programstate.h"
#include "players/ordering.h"
#include "players/roster.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

// Player p has p rounds, team p and p in every round value, so a test sees whose data is where.
std::unique_ptr<ProgramState> league(const std::vector<std::string>& names) {
    auto g = std::make_unique<ProgramState>();
    g->leaguefile = "Test.LGE";
    for (const auto& name : names) {
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

// Slot s holds player p's values in every table (0: an empty slot).
void expectplayer(const ProgramState& g, int s, int p) {
    bool all = g.playertee[s] == p && g.roundcount[s] == p && g.playerteam[s] == p;
    for (int r = 1; r <= maxrounds; ++r) {
        for (float v : {g.differential[s][r], g.hcpindex[s][r], g.coursehcp[s][r]})
            all &= v == float(p);
        for (int v : {g.rmonth[s][r], g.rday[s][r], g.ryear[s][r], g.roundcourse[s][r]})
            all &= v == p;
        for (int k = 1; k <= maxholes; ++k) all &= g.holescore[s][r][k] == p;
    }
    EXPECT_TRUE(all) << "slot " << s << " does not hold player " << p;
}

// The roster by each player's own number, checking that all his values moved with him.
std::vector<int> order(const ProgramState& g) {
    std::vector<int> out;
    for (int s = 1; s <= g.playercount; ++s) out.push_back(g.roundcount[s]);
    for (int s = 1; s <= g.playercount; ++s) expectplayer(g, s, out[std::size_t(s - 1)]);
    return out;
}

} // namespace

TEST(Roster, addChecksLengthCaseBlindDuplicatesQuotesAndAFullRoster) {
    auto g = league({"Ann Lee"});
    EXPECT_EQ(addplayer(*g, "Al", tee_mens), AddResult::rejected);
    EXPECT_EQ(addplayer(*g, "\xc3\xa9\xc3\xa9", tee_mens), AddResult::rejected); // 2 characters
    EXPECT_EQ(addplayer(*g, "ANN LEE", tee_mens), AddResult::duplicate);
    EXPECT_EQ(addplayer(*g, "Bo ", tee_pro), AddResult::added); // not trimmed: 3 characters
    EXPECT_EQ(addplayer(*g, "Bill \"Ace\" Ray", tee_ladies), AddResult::added);
    EXPECT_EQ(std::pair(int(g->playertee[2]), g->playername[3]),
              std::pair(int(tee_pro), std::string("Bill 'Ace' Ray")));
    for (int p = 4; p <= maxplayers; ++p)
        ASSERT_EQ(addplayer(*g, "Player " + std::to_string(p), tee_mens), AddResult::added);
    EXPECT_EQ(addplayer(*g, "One Too Many", tee_mens), AddResult::rejected);
    EXPECT_EQ(g->playercount, maxplayers);
}

TEST(Roster, removeMovesTheOthersDownWithEverything_ofTwoSameNamesTheLater) {
    auto g = league({"Ann", "Bob", "Cy"});
    ASSERT_TRUE(removeplayer(*g, "Ann"));
    EXPECT_EQ(order(*g), (std::vector{2, 3}));
    expectplayer(*g, 3, 0); // the freed slot holds nothing
    EXPECT_FALSE(removeplayer(*g, "Nobody") || removeplayer(*g, "")); // "" is no selection
    g = league({"Bob", "Ann", "Bob"});
    ASSERT_TRUE(removeplayer(*g, "Bob"));
    EXPECT_EQ(order(*g), (std::vector{1, 2}));
    EXPECT_EQ(g->playername[1], "Bob");
    g = league({"Ann", "Bob", "Cy"});
    g->playercount = 2; // Cy's values left behind in slot 3 are not the new player's
    ASSERT_EQ(addplayer(*g, "Dee", tee_ladies), AddResult::added);
    EXPECT_EQ(g->playertee[3], tee_ladies);
    g->playertee[3] = 0;
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

    // The save cannot be written: the league file's name is taken by a folder.
    fs::remove(dir.path() / "Test.LGE");
    fs::create_directory(dir.path() / "Test.LGE");
    Outcome out = saveroster(*g, nullptr, dir.path());
    EXPECT_TRUE(!out.ok && out.messages == std::vector<Message>{leaguesavefailure()});
}

TEST(Ordering, movesCarryEveryValueAndLeaveSlotZeroEmpty) {
    // Players, from, to, the order after; the last three are no moves.
    const std::tuple<std::size_t, int, int, std::vector<int>> moves[] = {
        {3, 1, 3, {2, 3, 1}}, {3, 3, 1, {3, 1, 2}}, {5, 2, 4, {1, 3, 4, 2, 5}},
        {2, 2, 2, {1, 2}},    {2, 0, 1, {1, 2}},    {2, 1, 3, {1, 2}}};
    for (const auto& [players, from, to, after] : moves) {
        std::vector<std::string> names{"Ann", "Bob", "Cy", "Dee", "Eve"};
        names.resize(players);
        auto g = league(names);
        EXPECT_EQ(moveplayer(*g, from, to), (after != std::vector<int>{1, 2})) << from << to;
        EXPECT_EQ(order(*g), after);
        for (std::size_t s = 1; s <= players; ++s)
            EXPECT_EQ(g->playername[s], names[std::size_t(after[s - 1] - 1)]);
        EXPECT_EQ(g->playername[0], "");
        expectplayer(*g, 0, 0);
    }
}

TEST(Ordering, listLinesKeepRosterPositionsPastANamelessPlayer) {
    auto g = league({"Ann", "", "Cy"});
    auto lines = orderlines(*g);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(std::pair(lines[1].text, lines[1].slot), std::pair(std::string("  3  Cy"), 3));
    EXPECT_EQ(ordername(lines[1].text), "Cy");
    EXPECT_EQ(orderline(12, "Bob") + "|" + orderline(100, "Cy"), " 12  Bob|100  Cy");
    EXPECT_EQ(std::pair(clampposition(*g, -4), clampposition(*g, 9)), std::pair(1, 3));
}
