#include "model/golf1.h"
#include "players/ordering.h"

#include <gtest/gtest.h>

#include <memory>

using namespace greenfold;

namespace {

// Player p carries p in his tee, team, a round value and a hole score.
std::unique_ptr<GOLF1> league(std::initializer_list<const char*> names) {
    auto g = std::make_unique<GOLF1>();
    for (const char* name : names) {
        const int p = ++g->playercount;
        g->playername[p] = name;
        g->playertee[p] = g->playerteam[p] = g->roundcourse[p][4] = int16_t(p);
        g->differential[p][3] = float(p);
        g->holescore[p][5][18] = int16_t(p);
    }
    return g;
}

// The players by their own number, in roster order.
std::vector<int> order(const GOLF1& g) {
    std::vector<int> out;
    for (int s = 1; s <= g.playercount; ++s) {
        const int p = g.playertee[s];
        EXPECT_EQ(g.playerteam[s], p);
        EXPECT_EQ(g.roundcourse[s][4], p);
        EXPECT_EQ(g.differential[s][3], float(p));
        EXPECT_EQ(g.holescore[s][5][18], p);
        out.push_back(p);
    }
    return out;
}

} // namespace

TEST(Ordering, movesCarryEveryValueAndLeaveSlotZeroEmpty) {
    auto g = league({"Ann", "Bob", "Cy"});
    ASSERT_TRUE(moveplayer(*g, 1, 3));
    EXPECT_EQ(order(*g), (std::vector{2, 3, 1}));
    EXPECT_EQ(g->playername[3], "Ann");

    auto h = league({"Ann", "Bob", "Cy"});
    ASSERT_TRUE(moveplayer(*h, 3, 1));
    EXPECT_EQ(order(*h), (std::vector{3, 1, 2}));
    EXPECT_EQ(h->playername[0], "");
    EXPECT_EQ(h->holescore[0][5][18], 0);

    auto five = league({"A", "B", "C", "D", "E"});
    ASSERT_TRUE(moveplayer(*five, 2, 4));
    EXPECT_EQ(order(*five), (std::vector{1, 3, 4, 2, 5}));
}

TEST(Ordering, movesThatAreNotMovesChangeNothing) {
    auto g = league({"Ann", "Bob"});
    EXPECT_FALSE(moveplayer(*g, 2, 2));
    EXPECT_FALSE(moveplayer(*g, 0, 1));
    EXPECT_FALSE(moveplayer(*g, 1, 3));
    EXPECT_EQ(order(*g), (std::vector{1, 2}));
}

TEST(Ordering, listLinesKeepRosterPositionsPastANamelessPlayer) {
    auto g = league({"Ann", "", "Cy"});
    auto lines = orderlines(*g);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].text, "  3  Cy");
    EXPECT_EQ(lines[1].slot, 3);
    EXPECT_EQ(ordername(lines[1].text), "Cy");
    EXPECT_EQ(orderline(12, "Bob"), " 12  Bob");
    EXPECT_EQ(orderline(100, "Cy"), "100  Cy");
    EXPECT_EQ(clampposition(*g, -4), 1);
    EXPECT_EQ(clampposition(*g, 9), 3);
}
