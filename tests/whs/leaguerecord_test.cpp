#include "whs/differential.h"
#include "whs/leaguerecord.h"
#include "whsleague.h"
#include "whsround.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::whs;
using namespace greenfold::whs::testing;

TEST(LeagueTee, ratingsParsAndStrokeIndexes_whatCannotBeRatedHasNoSlope) {
    auto g = std::make_unique<GOLF1>();
    addcourse(*g, "Oak Hill", {" 69.85", " 72.8", " 99999"}, {" 121", "125.5", " 131"},
              strokeindexline(cardsi));
    addcourse(*g, "Briar", {"70", "70", "70"}, {"113", "113", "113"}, "SI 1 2 3");
    const Tee mens = leaguetee(*g, 1, tee_ladies);
    EXPECT_EQ(mens.rating, Tenths{699}); // 69.85 rounds up
    EXPECT_EQ(mens.slope, 121);
    EXPECT_EQ(mens.par[3], 5);
    EXPECT_EQ(mens.strokeindex, cardsi);
    EXPECT_EQ(leaguetee(*g, 1, tee_mens).slope, 126);
    EXPECT_EQ(leaguetee(*g, 2, tee_mens).strokeindex, std::nullopt);
    for (auto [course, tee] : {std::pair{1, tee_pro}, {3, tee_mens}, {0, tee_mens}, {1, 4}})
        EXPECT_EQ(leaguetee(*g, course, tee).slope, 0) << course << " " << tee;
}

TEST(LeagueTee, singlesOfTheLeagueAreTheTenthsTheyStandFor) {
    EXPECT_EQ(tenthsnear(28.1f), Tenths{281});
    EXPECT_EQ(tenthsnear(22.05f), Tenths{221}); // 22.0499..., a half as written
    EXPECT_EQ(tenthsnear(-1.55f), Tenths{-15}); // halves go up
    EXPECT_EQ(tenthsnear(1e30), Tenths{0});
}

namespace {

// Pat Green (Mens by default) with three kept rounds on Oak Hill (Mens 72.0/113, par 72):
// 18 holes kept at 18.0 from the Ladies tee, a front nine of 45 waiting for 54 holes from a
// tee not known, 18 holes kept at 20.0.
std::unique_ptr<GOLF1> patgreen() {
    auto g = std::make_unique<GOLF1>();
    addcourse(*g, "Oak Hill", {" 70.0", " 72.0", " 74.2"}, {" 120", " 113", " 130"},
              strokeindexline(cardsi));
    addcourse(*g, "Willow (9)", {" 35.2", " 35.2", " 35.2"}, {" 118", " 118", " 118"}, "");
    g->playercount = 1;
    g->playername[1] = "Pat Green";
    g->playertee[1] = tee_mens;
    g->roundcount[1] = 3;
    const float kept[] = {18.0f, 0.0f, 20.0f};
    for (int r = 1; r <= 3; ++r) {
        g->rmonth[1][r] = 5;
        g->rday[1][r] = int16_t(7 * r - 6);
        g->ryear[1][r] = 24;
        g->roundcourse[1][r] = 1;
        g->differential[1][r] = kept[r - 1];
        for (int h = 1; h <= (r == 2 ? 9 : 18); ++h) g->holescore[1][r][h] = 5;
        g->holescore[1][r][19] = 45;
        g->holescore[1][r][20] = r == 2 ? 0 : 45;
    }
    g->history[1].rounds[1].tee = tee_ladies;
    g->history[1].rounds[2].flags = roundflag_waiting;
    return g;
}

} // namespace

TEST(LeagueRecord, theRecordFromTheLeagueAndItsHistory) {
    auto g = patgreen();
    const PlayerRecord record = playerrecord(*g, 1);
    ASSERT_EQ(record.rounds.size(), 3u);
    EXPECT_EQ(record.rounds[0].round.tee.slope, 120); // the noted tee
    EXPECT_EQ(keptroundtee(*g, 1, 2).known, false);
    EXPECT_EQ(record.rounds[1].round.tee.slope, 113); // the default tee
    EXPECT_TRUE(isnine(record.rounds[1].round));
    EXPECT_EQ(record.rounds[0].differential, Tenths{180});
    EXPECT_EQ(record.rounds[1].differential, std::nullopt);
    EXPECT_EQ(record.rounds[2].round.date, (Date{2024, 5, 15}));
    // A nine of a nine-hole course: its ratings are the nine's with option 3, else the
    // 18-hole ratings of which the nine takes its par and half the rest.
    LeagueScores nine{};
    nine[19] = 40;
    g->ninehole = 3;
    EXPECT_EQ(ratingplayed(leagueround(*g, nine, 2, tee_mens, {})).cr, Fraction(352, 10));
    g->ninehole = 2;
    EXPECT_EQ(ratingplayed(leagueround(*g, nine, 2, tee_mens, {})).cr, Fraction(176, 10));
}

TEST(LeagueRecord, aPostingBackIntoTheLeague) {
    // The 63rd hole: 18.0, 20.0 and the new 113 / 113 x (94 - 72.0) = 22.0 give a starting
    // 18.0 - 2.0 = 16.0; the waiting nine (45 - 36.0 = 9.0) + 16.0 / 2 + 1.0 counts 18.0;
    // four differentials: 18.0 - 1.0 = 17.0, course handicap 17.
    auto g = patgreen();
    const Tee mens = leaguetee(*g, 1, tee_mens);
    const Round round = played(
        mens, overpar(mens, {1, 1, 1, 1, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}), {2024, 5, 22});
    const auto posting = recordround(playerrecord(*g, 1), round, {});
    ASSERT_TRUE(posting);
    g->roundcount[1] = 4;
    applyposting(*g, 1, 4, *posting);
    EXPECT_EQ(g->differential[1][2], 18.0f);
    EXPECT_EQ(g->history[1].rounds[2].flags, 0);
    EXPECT_EQ(g->differential[1][4], 22.0f);
    EXPECT_EQ(g->hcpindex[1][4], 17.0f);
    EXPECT_EQ(g->coursehcp[1][4], 17.0f);
    EXPECT_EQ(g->history[1].issued, (std::vector<IssuedIndex>{{2024, 5, 22, 170}}));
}
