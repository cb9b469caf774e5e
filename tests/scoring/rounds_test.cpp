#include "scoring/roundslots.h"

#include "scoring/handicap.h"
#include "scoring/scoreentry.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

using namespace greenfold;

namespace {

// Course 1: Ladies 72.0/120, Mens 70.5/125, Pro 73.2/135, par 4 everywhere.
std::unique_ptr<GOLF1> league() {
    auto g = std::make_unique<GOLF1>();
    g->coursecount = 1;
    for (int h = 1; h <= 18; ++h) g->coursedata[1][courseline_par0 + h] = "4";
    const char* ratings[] = {"", "72.0", "70.5", "73.2"};
    const char* slopes[] = {"", "120", "125", "135"};
    for (int t = 1; t <= 3; ++t) {
        g->coursedata[1][courseline_rating0 + t] = ratings[t];
        g->coursedata[1][courseline_slope0 + t] = slopes[t];
    }
    g->playercount = 1;
    g->playername[1] = "Pat Green";
    g->playertee[1] = tee_mens;
    g->ninehole = 2;
    return g;
}

// Player 1 on course 1, June 1st 2026.
ScoreSession night() {
    ScoreSession at;
    at.player = at.course = 1;
    at.month = 6;
    at.day = 1;
    at.year = 26;
    return at;
}

// Everything a slot of player 1 holds but the single holes.
struct Slot {
    float differential, index, coursehcp;
    int month, day, year, course, out, in;
    bool operator==(const Slot&) const = default;
};
std::ostream& operator<<(std::ostream& o, const Slot& s) {
    return o << s.differential << " " << s.index << " " << s.coursehcp << " on " << s.month << "/"
             << s.day << "/" << s.year << " at " << s.course << ": " << s.out << "+" << s.in;
}
Slot slot(const GOLF1& g, int r) {
    return {g.differential[1][r], g.hcpindex[1][r],      g.coursehcp[1][r],
            g.rmonth[1][r],       g.rday[1][r],          g.ryear[1][r],
            g.roundcourse[1][r],  g.holescore[1][r][19], g.holescore[1][r][20]};
}

// A round of 45 out and 47 in, hole texts as typed.
DisplayedRound ninetytwo(int tee = tee_mens) {
    DisplayedRound d;
    d.tee = tee;
    for (int h = 1; h <= 18; ++h) d.holes[h] = h >= 17 ? " 6" : " 5";
    d.out = "  45";
    d.in = "  47";
    return d;
}

// A round whose total is 72 + extra, recorded on day `day`.
void recordday(GOLF1& g, int day, int extra, int tee = tee_mens) {
    DisplayedRound d;
    d.tee = tee;
    d.out = std::to_string(36 + extra);
    d.in = "36";
    ScoreSession at = night();
    at.day = day;
    ASSERT_TRUE(recordround(g, at.entry(d)).stored);
}

} // namespace

TEST(RecordRound, workedExample_storesScoresDateCourseAndAllThreeNumbers) {
    auto g = league();
    ScoreSession at = night();
    auto result = recordround(*g, at.entry(ninetytwo()));
    ASSERT_TRUE(result.stored);
    EXPECT_TRUE(result.outcome.messages.empty());
    EXPECT_EQ(g->roundcount[1], 1);
    // 19.4 x .96 = 18.624; 18.6 x 125 / 113 = 20.58.
    EXPECT_EQ(slot(*g, 1), (Slot{19.4f, 18.6f, 21.0f, 6, 1, 26, 1, 45, 47}));
    EXPECT_EQ(g->holescore[1][1][17], 6);
    EXPECT_EQ(result.work.slot, 1);
    EXPECT_EQ(result.work.rating, 70.5f);
    EXPECT_EQ(result.work.slope, 125.0f);
    EXPECT_EQ(result.panel.back(), "Hcp index = 18.6");
}

TEST(RecordRound, holeTextsRoundHalvesToEven) {
    auto g = league();
    ScoreSession at = night();
    auto d = ninetytwo();
    d.holes[1] = "4.5";
    d.holes[2] = "5.5";
    d.holes[3] = "";
    d.holes[4] = "7x";
    d.in = " 46.5";
    ASSERT_TRUE(recordround(*g, at.entry(d)).stored);
    const int expected[][2] = {{1, 4}, {2, 6}, {3, 0}, {4, 7}, {20, 46}};
    for (const auto& [box, score] : expected) EXPECT_EQ(g->holescore[1][1][box], score) << box;
}

TEST(RecordRound, bothTotalsZero_nothingStoredNoMessage) {
    auto g = league();
    ScoreSession at = night();
    auto d = ninetytwo();
    d.out = "  0";
    d.in = "";
    auto result = recordround(*g, at.entry(d));
    EXPECT_FALSE(result.stored);
    EXPECT_TRUE(result.outcome.ok);
    EXPECT_TRUE(result.outcome.messages.empty());
    EXPECT_EQ(g->roundcount[1], 0);
}

TEST(RoundSlots, twentyFirstRound_dropsTheOldestAndMovesEveryValueDown) {
    auto g = league();
    for (int day = 1; day <= 20; ++day) recordday(*g, day, 25 - day); // each index lower
    const Slot second = slot(*g, 2), last = slot(*g, 20);
    ASSERT_NE(second, slot(*g, 1));
    recordday(*g, 21, 30);
    EXPECT_EQ(g->roundcount[1], 20);
    EXPECT_EQ(slot(*g, 1), second);
    EXPECT_EQ(slot(*g, 19), last);
    EXPECT_EQ(slot(*g, 20).day, 21);
    EXPECT_EQ(slot(*g, 20).out, 36 + 30);
    // The new round's index counts the 20 kept rounds only: below the new 102 comes 95
    // (22.1), not the dropped 96 (23.1).
    auto panel = calchcpindex(*g, 1, 20, tee_mens);
    EXPECT_EQ(panel[panel.size() - 6], "22.1");
}

TEST(RoundSlots, editing_recomputesOnlyItsSlotWithoutStrokeControl) {
    auto g = league();
    ScoreSession at = night();
    for (int day = 1; day <= 3; ++day) recordday(*g, day, 10 + day);
    const Slot later = slot(*g, 3);
    at.editslot = 2;
    g->escflag = 5;
    at.day = 9;
    auto d = ninetytwo();
    d.holes[1] = "1"; // totals are what count
    auto result = recordround(*g, at.entry(d));
    ASSERT_TRUE(result.stored);
    EXPECT_EQ(result.work.slot, 2);
    EXPECT_EQ(g->roundcount[1], 3);
    EXPECT_EQ(g->holescore[1][2][1], 1);
    // The index of slots 1..2 is the lowest, 11.3 x .96; 10.8 x 125 / 113 = 11.9.
    EXPECT_EQ(slot(*g, 2), (Slot{19.4f, 10.8f, 12.0f, 6, 9, 26, 1, 45, 47}));
    EXPECT_EQ(slot(*g, 3), later);
}

TEST(RecordRound, slopeZeroOrText_refusedWithAMessageNothingStored) {
    for (const char* slope : {"0", "", "flat", "1e99", " -0"}) {
        auto g = league();
        ScoreSession at = night();
        recordday(*g, 1, 5);
        g->coursedata[1][courseline_slope0 + tee_mens] = slope;
        auto result = recordround(*g, at.entry(ninetytwo()));
        EXPECT_FALSE(result.stored) << slope;
        ASSERT_FALSE(result.outcome.ok) << slope;
        ASSERT_EQ(result.outcome.messages.size(), 1u);
        EXPECT_EQ(result.outcome.messages[0].icon, Icon::exclamation);
        EXPECT_NE(result.outcome.messages[0].text.find("slope"), std::string::npos);
        EXPECT_EQ(g->roundcount[1], 1);
        EXPECT_EQ(slot(*g, 2), Slot{});
        EXPECT_EQ(result.outcome.messages, checkround(*g, at.entry(ninetytwo())).messages);
    }
}

TEST(RecordRound, outOfRangeInputs_refused) {
    auto g = league();
    ScoreSession at = night();
    // Course 2 has ratings but lies beyond the course count: a stale course number.
    g->coursedata[2] = g->coursedata[1];
    for (int course : {0, 2, 500, -3}) {
        at.course = course;
        EXPECT_FALSE(recordround(*g, at.entry(ninetytwo())).outcome.ok) << course;
    }
    at.course = 1;
    for (int tee : {0, 4, -1})
        EXPECT_FALSE(recordround(*g, at.entry(ninetytwo(tee))).outcome.ok) << tee;
    at.editslot = 1; // no round 1 yet
    EXPECT_FALSE(recordround(*g, at.entry(ninetytwo())).outcome.ok);
    at.editslot = 0;
    auto huge = ninetytwo();
    huge.out = "99999";
    EXPECT_FALSE(recordround(*g, at.entry(huge)).outcome.ok);
    huge.out = "  45";
    huge.holes[3] = "123456789012345678901234567890";
    EXPECT_FALSE(recordround(*g, at.entry(huge)).outcome.ok);
    at.player = 0;
    EXPECT_FALSE(recordround(*g, at.entry(ninetytwo())).outcome.ok);
    EXPECT_EQ(g->roundcount[1], 0);
}

TEST(DeleteRound, onlyRound_askedFirstThenLeavesNoneAndRecalculatesNothing) {
    const Message q = deleteroundquestion();
    EXPECT_EQ(q.text.substr(0, 44), "Are You sure you want to Delete this round?\r");
    EXPECT_EQ(q.title, "GFD");
    EXPECT_EQ(q.icon, Icon::question);
    auto g = league();
    ScoreSession at = night();
    recordday(*g, 7, 5);
    at.editslot = 1;
    EXPECT_FALSE(deleteround(*g, at.player, at.editslot, false, tee_mens).deleted); // answered No
    EXPECT_EQ(g->roundcount[1], 1);
    EXPECT_EQ(g->rday[1][1], 7);
    auto result = deleteround(*g, at.player, at.editslot, true, tee_mens);
    EXPECT_TRUE(result.deleted);
    EXPECT_FALSE(result.recalculated);
    EXPECT_TRUE(result.outcome.messages.empty());
    EXPECT_EQ(g->roundcount[1], 0);
    EXPECT_EQ(slot(*g, 1), Slot{});
}

TEST(DeleteRound, middleRound_laterMoveDownLastRecalculatedOnDefaultTee) {
    auto g = league();
    g->playertee[1] = tee_pro;
    for (int day = 1; day <= 4; ++day) recordday(*g, day, 20 - day, tee_mens);
    const Slot first = slot(*g, 1), moved = slot(*g, 3);
    auto result = deleteround(*g, 1, 2, true, tee_mens);
    EXPECT_TRUE(result.recalculated);
    EXPECT_EQ(g->roundcount[1], 3);
    EXPECT_EQ(slot(*g, 1), first);
    EXPECT_EQ(slot(*g, 2), moved); // 89 on the Mens tee, untouched
    // The last round (88) again on the Pro tee 73.2/135: 14.8 x 113 / 135 = 12.39; its
    // index 12.4 x .96 = 11.904; 11.9 x 135 / 113 = 14.2.
    EXPECT_EQ(slot(*g, 3), (Slot{12.4f, 11.9f, 14.0f, 6, 4, 26, 1, 52, 36}));
}

TEST(DeleteRound, defaultTeeWithoutSlopeOrNoDefaultTee_keepsLastNumbers) {
    for (int tee : {tee_mens, 0}) {
        auto g = league();
        ScoreSession at = night();
        for (int day = 1; day <= 2; ++day) recordday(*g, day, day);
        const Slot last = slot(*g, 2);
        g->coursedata[1][courseline_slope0 + tee_mens] = "0";
        g->playertee[1] = int16_t(tee);
        at.editslot = 1;
        auto result = deleteround(*g, at.player, at.editslot, true, tee_mens);
        EXPECT_TRUE(result.deleted) << tee;
        EXPECT_FALSE(result.recalculated) << tee;
        EXPECT_EQ(result.outcome.messages.size(), 1u) << tee;
        EXPECT_EQ(g->roundcount[1], 1);
        EXPECT_EQ(slot(*g, 1), last);
    }
}
