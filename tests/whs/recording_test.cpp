// Recording, editing and deleting rounds under the WHS method through the RoundEntry the
// score window and the import hand over.
#include "scoring/roundslots.h"
#include "whsleague.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::whs::testing;

namespace {

// Oak Hill, Mens 72.0 / 113 on par 72: a differential is the adjusted gross score less 72.
// Pat Green plays from the Mens tee.
std::unique_ptr<GOLF1> league() {
    auto g = std::make_unique<GOLF1>();
    g->method = HandicapMethod::whs;
    addcourse(*g, "Oak Hill", {" 70.0", " 72.0", " 74.2"}, {" 120", " 113", " 0"},
              whs::strokeindexline(cardsi));
    g->playercount = 1;
    g->playername[1] = "Pat Green";
    g->playertee[1] = tee_mens;
    return g;
}

// Gross 72 + over, spread one stroke a hole from the first hole on (at most two a hole).
DisplayedRound gross(int over, int tee = tee_mens) {
    std::array<int, 18> h{};
    for (int i = 0; i < over; ++i) ++h[std::size_t(i % 18)];
    return overpar72(h, tee);
}

void record(GOLF1& g, const RoundEntry& e) {
    ASSERT_TRUE(checkround(g, e));
    const RecordResult r = recordround(g, e);
    ASSERT_TRUE(r.stored) << (r.outcome.messages.empty() ? "" : r.outcome.messages[0].text);
}

} // namespace

TEST(WhsRecording, strokeControlStandsAside_thePanelShowsTheMethodsSteps) {
    auto g = league();
    g->escflag = 5;
    std::array<int, 18> over{};
    over[0] = 6; // a 10 on a par 4: par + 5 counts 9 before the player has an index
    const RoundEntry e = night(1, 1, 5, 1, overpar72(over));
    EXPECT_EQ(EQadjust(*g, e).holes, e.round.holes);
    const RecordResult r = recordround(*g, e);
    ASSERT_TRUE(r.stored);
    EXPECT_EQ(r.panel[0], "No index yet");
    EXPECT_EQ(r.panel[3], "Gross 78, adjusted gross score 77");
    EXPECT_EQ(g->holescore[1][1][1], 10);
    EXPECT_EQ(g->differential[1][1], 5.0f);
    EXPECT_EQ(g->history[1].rounds[1], (RoundNote{tee_mens, 0}));
}

TEST(WhsRecording, anEditOrADeletionWorksThePlayerOutAgain) {
    auto g = league();
    // 18.0, 20.0, 22.0: 18.0 - 2.0 = 16.0; then 14.0: four differentials, 14.0 - 1.0 = 13.0.
    for (auto [day, over] : {std::pair{1, 18}, {8, 20}, {15, 22}, {22, 14}})
        record(*g, night(1, 1, 5, day, gross(over)));
    EXPECT_EQ(g->hcpindex[1][3], 16.0f);
    EXPECT_EQ(g->hcpindex[1][4], 13.0f);
    // The first round was an 80: 8.0, 20.0, 22.0 give 6.0 and 6.0 then 8.0 - 1.0 = 7.0 (the
    // 86 is a 14.0 under the limits of course handicap 6 too).
    record(*g, night(1, 1, 5, 1, gross(8), 1));
    EXPECT_EQ(g->differential[1][1], 8.0f);
    EXPECT_EQ(g->hcpindex[1][2], 0.0f);
    EXPECT_EQ(g->hcpindex[1][3], 6.0f);
    EXPECT_EQ(g->hcpindex[1][4], 7.0f);
    EXPECT_EQ(g->coursehcp[1][4], 7.0f);
    ASSERT_EQ(g->history[1].issued.size(), 2u);
    // Without it the indexes issued from 8 May on are issued again: 20.0, 22.0 and 14.0 with
    // par + 5 limits give 14.0 - 2.0 = 12.0.
    const DeleteResult d = deleteround(*g, 1, 1, true, tee_mens);
    EXPECT_TRUE(d.recalculated);
    EXPECT_EQ(g->roundcount[1], 3);
    EXPECT_EQ(g->hcpindex[1][3], 12.0f);
    EXPECT_EQ(g->history[1].issued, (std::vector<IssuedIndex>{{2024, 5, 22, 120}}));
}

TEST(WhsRecording, aTeeThatCannotBeRatedIsRefusedBeforeAnythingChanges) {
    auto g = league();
    Outcome out = checkround(*g, night(1, 1, 5, 1, gross(10, tee_pro)));
    ASSERT_FALSE(out);
    EXPECT_NE(out.messages[0].text.find("no slope rating"), std::string::npos);
    g->coursedata[1][courseline_rating0 + tee_mens] = "99999";
    EXPECT_FALSE(recordround(*g, night(1, 1, 5, 1, gross(10))).stored);
    EXPECT_EQ(g->roundcount[1], 0);
}
