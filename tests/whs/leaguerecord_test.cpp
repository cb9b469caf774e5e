#include "whs/leaguerecord.h"
#include "whsleague.h"
#include "whsprint.h"

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
