#include "scoring/roundslots.h"

#include "scoring/handicap.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

using namespace greenfold;

namespace {

// Course 1: Ladies 72.0/120, Mens 70.5/125, Pro 73.2/135.
std::unique_ptr<ProgramState> league() {
    auto g = std::make_unique<ProgramState>();
    g->coursecount = 1;
    for (auto [t, rating, slope] :
         {std::tuple{1, "72.0", "120"}, {2, "70.5", "125"}, {3, "73.2", "135"}}) {
        g->coursedata[1][courseline_rating0 + t] = rating;
        g->coursedata[1][courseline_slope0 + t] = slope;
    }
    g->playercount = 1;
    g->playertee[1] = tee_mens;
    g->ninehole = 2;
    return g;
}

// Player 1's round on course 1, June `day` 2026, into `slot` (0: a new round).
RoundEntry entry(const DisplayedRound& d, int day = 1, int slot = 0) {
    return {1, slot, 1, 6, day, 26, d};
}

// Everything a slot of player 1 holds but the single holes.
struct Slot {
    float differential, index, coursehcp;
    int month, day, year, course, out, in;
    bool operator==(const Slot&) const = default;
};
Slot slot(const ProgramState& g, int r) {
    return {g.differential[1][r], g.hcpindex[1][r],      g.coursehcp[1][r],
            g.rmonth[1][r],       g.rday[1][r],          g.ryear[1][r],
            g.roundcourse[1][r],  g.holescore[1][r][19], g.holescore[1][r][20]};
}

// A round of 45 out and 47 in, hole texts as typed.
DisplayedRound ninetytwo(int tee = tee_mens) {
    DisplayedRound d{tee, {}, "  45", "  47"};
    for (int h = 1; h <= 18; ++h) d.holes[h] = h >= 17 ? " 6" : " 5";
    return d;
}

// A round whose total is 72 + extra, recorded on day `day`.
void recordday(ProgramState& g, int day, int extra, int tee = tee_mens) {
    ASSERT_TRUE(recordround(g, entry({tee, {}, std::to_string(36 + extra), "36"}, day)).stored);
}

} // namespace

TEST(RecordRound, workedExample_storesScoresDateCourseAndAllThreeNumbers) {
    auto g = league();
    auto d = ninetytwo();
    d.holes[1] = "4.5"; // hole texts round halves to even; only the totals count
    d.holes[2] = "5.5";
    d.holes[3] = "";
    d.holes[4] = "7x";
    auto result = recordround(*g, entry(d));
    ASSERT_TRUE(result.stored && result.outcome.messages.empty());
    EXPECT_EQ(g->roundcount[1], 1);
    // 19.4 x .96 = 18.624; 18.6 x 125 / 113 = 20.58.
    EXPECT_EQ(slot(*g, 1), (Slot{19.4f, 18.6f, 21.0f, 6, 1, 26, 1, 45, 47}));
    const int holes[][2] = {{1, 4}, {2, 6}, {3, 0}, {4, 7}, {17, 6}};
    for (const auto& [box, score] : holes) EXPECT_EQ(g->holescore[1][1][box], score) << box;
    EXPECT_EQ(
        std::tuple(result.work.slot, result.work.rating, result.work.slope, result.panel.back()),
        std::tuple(1, 70.5f, 125.0f, "Hcp index = 18.6"));

    d.out = "  0"; // both totals zero: nothing stored and no message
    d.in = "";
    result = recordround(*g, entry(d));
    EXPECT_TRUE(!result.stored && result.outcome.ok && result.outcome.messages.empty());
    EXPECT_EQ(g->roundcount[1], 1);
}

TEST(RoundSlots, editing_recomputesOnlyItsSlot) {
    auto g = league();
    for (int day = 1; day <= 3; ++day) recordday(*g, day, 10 + day);
    const Slot later = slot(*g, 3);
    auto d = ninetytwo();
    d.holes[1] = "1"; // totals are what count
    auto result = recordround(*g, entry(d, 9, 2));
    ASSERT_TRUE(result.stored);
    EXPECT_EQ(std::tuple(result.work.slot, g->roundcount[1], g->holescore[1][2][1]),
              std::tuple(2, 3, 1));
    // The index of slots 1..2 is the lowest, 11.3 x .96; 10.8 x 125 / 113 = 11.9.
    EXPECT_EQ(slot(*g, 2), (Slot{19.4f, 10.8f, 12.0f, 6, 9, 26, 1, 45, 47}));
    EXPECT_EQ(slot(*g, 3), later);
}

TEST(RecordRound, refusals_storeNothing) {
    auto g = league();
    g->coursedata[2] = g->coursedata[1]; // rated, but a stale number past the course count
    auto huge = ninetytwo(), longhole = ninetytwo();
    huge.out = "99999";
    longhole.holes[3] = "123456789012345678901234567890";
    std::vector<RoundEntry> refused{entry(ninetytwo(), 1, 1), // no round 1 to edit yet
                                    entry(huge),
                                    entry(longhole),
                                    {0, 0, 1, 6, 1, 26, ninetytwo()}};
    for (int course : {0, 2, 500, -3}) refused.push_back({1, 0, course, 6, 1, 26, ninetytwo()});
    for (int tee : {0, 4, -1}) refused.push_back(entry(ninetytwo(tee)));
    for (const RoundEntry& e : refused)
        EXPECT_FALSE(recordround(*g, e).outcome.ok)
            << e.player << " " << e.course << " " << e.round.tee;
    // A tee without a usable slope: one message, which checkround gives before recording.
    for (const char* slope : {"0", "", "flat", "1e99", " -0"}) {
        g->coursedata[1][courseline_slope0 + tee_mens] = slope;
        auto result = recordround(*g, entry(ninetytwo()));
        EXPECT_FALSE(result.stored || result.outcome.ok) << slope;
        ASSERT_EQ(result.outcome.messages.size(), 1u) << slope;
        EXPECT_NE(result.outcome.messages[0].text.find("slope"), std::string::npos);
        EXPECT_EQ(result.outcome.messages, checkround(*g, entry(ninetytwo())).messages);
    }
    EXPECT_EQ(g->roundcount[1], 0);
}

TEST(DeleteRound, askedFirst_laterMoveDown_lastRecalculatedOnDefaultTee) {
    auto g = league();
    const Message q = deleteroundquestion(*g);
    EXPECT_EQ(std::tuple(q.text.substr(0, 44), q.title, q.icon),
              std::tuple("Are You sure you want to Delete this round?\r", "GFD", Icon::question));
    g->playertee[1] = tee_pro;
    for (int day = 1; day <= 4; ++day) recordday(*g, day, 20 - day, tee_mens);
    const Slot first = slot(*g, 1), moved = slot(*g, 3);
    EXPECT_FALSE(deleteround(*g, 1, 2, false, tee_mens).deleted); // answered No
    EXPECT_TRUE(deleteround(*g, 1, 2, true, tee_mens).recalculated);
    EXPECT_EQ(g->roundcount[1], 3);
    EXPECT_EQ(slot(*g, 1), first);
    EXPECT_EQ(slot(*g, 2), moved); // 89 on the Mens tee, untouched
    // The last round (88) again on the Pro tee 73.2/135: 14.8 x 113 / 135 = 12.39; its
    // index 12.4 x .96 = 11.904; 11.9 x 135 / 113 = 14.2.
    EXPECT_EQ(slot(*g, 3), (Slot{12.4f, 11.9f, 14.0f, 6, 4, 26, 1, 52, 36}));

    // The only round left goes without a recalculation or a message.
    for (int left = 2; left >= 1; --left) deleteround(*g, 1, 1, true, tee_mens);
    auto result = deleteround(*g, 1, 1, true, tee_mens);
    EXPECT_TRUE(result.deleted && !result.recalculated && result.outcome.messages.empty());
    EXPECT_TRUE(g->roundcount[1] == 0 && slot(*g, 1) == Slot{});
}

TEST(DeleteRound, defaultTeeWithoutSlopeOrNoDefaultTee_keepsLastNumbers) {
    for (int tee : {tee_mens, 0}) {
        auto g = league();
        for (int day = 1; day <= 2; ++day) recordday(*g, day, day);
        const Slot last = slot(*g, 2);
        g->coursedata[1][courseline_slope0 + tee_mens] = "0";
        g->playertee[1] = int16_t(tee);
        auto result = deleteround(*g, 1, 1, true, tee_mens);
        EXPECT_TRUE(result.deleted && !result.recalculated && result.outcome.messages.size() == 1u)
            << tee;
        EXPECT_EQ(g->roundcount[1], 1);
        EXPECT_EQ(slot(*g, 1), last);
    }
}
