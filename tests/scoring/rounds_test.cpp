#include "scoring/roundslots.h"

#include "scoring/handicap.h"

#include <gtest/gtest.h>

#include <memory>

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
    g->playerno = 1;
    g->coursenum = 1;
    g->ninehole = 2;
    g->curmonth = 6;
    g->curday = 1;
    g->curyear = 26;
    return g;
}

// A round of 45 out and 47 in, hole texts as typed.
DisplayedRound ninetytwo(int tee = tee_mens) {
    DisplayedRound d;
    d.tee = tee;
    const char* holes[] = {"",   " 5", " 5", " 5", " 5", " 5", " 5", " 5", " 5", " 5",
                           " 5", " 5", " 5", " 5", " 5", " 5", " 5", " 6", " 6"};
    for (int h = 1; h <= 18; ++h) d.holes[h] = holes[h];
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
    g.curday = int16_t(day);
    ASSERT_TRUE(recordround(g, d).stored);
}

} // namespace

TEST(RecordRound, workedExample_storesAllThreeNumbers) {
    auto g = league();
    auto result = recordround(*g, ninetytwo());
    ASSERT_TRUE(result.stored);
    EXPECT_TRUE(result.outcome.messages.empty());
    EXPECT_EQ(g->roundcount[1], 1);
    EXPECT_EQ(g->differential[1][1], 19.4f);
    EXPECT_EQ(g->hcpindex[1][1], 18.6f);  // 19.4 x .96 = 18.624
    EXPECT_EQ(g->coursehcp[1][1], 21.0f); // 18.6 x 125 / 113 = 20.58
    EXPECT_EQ(g->holescore[1][1][17], 6);
    EXPECT_EQ(g->holescore[1][1][19], 45);
    EXPECT_EQ(g->holescore[1][1][20], 47);
    EXPECT_EQ(g->rmonth[1][1], 6);
    EXPECT_EQ(g->ryear[1][1], 26);
    EXPECT_EQ(g->roundcourse[1][1], 1);
    EXPECT_EQ(result.work.slot, 1);
    EXPECT_EQ(result.work.rating, 70.5f);
    EXPECT_EQ(result.work.slope, 125.0f);
    EXPECT_EQ(result.panel.back(), "Hcp index = 18.6");
}

TEST(RecordRound, holeTextsRoundHalvesToEven) {
    auto g = league();
    auto d = ninetytwo();
    d.holes[1] = "4.5";
    d.holes[2] = "5.5";
    d.holes[3] = "";
    d.holes[4] = "7x";
    d.in = " 46.5";
    ASSERT_TRUE(recordround(*g, d).stored);
    EXPECT_EQ(g->holescore[1][1][1], 4);
    EXPECT_EQ(g->holescore[1][1][2], 6);
    EXPECT_EQ(g->holescore[1][1][3], 0);
    EXPECT_EQ(g->holescore[1][1][4], 7);
    EXPECT_EQ(g->holescore[1][1][20], 46);
}

TEST(RecordRound, bothTotalsZero_nothingStored) {
    auto g = league();
    auto d = ninetytwo();
    d.out = "  0";
    d.in = "";
    auto result = recordround(*g, d);
    EXPECT_FALSE(result.stored);
    EXPECT_TRUE(result.outcome.ok);
    EXPECT_TRUE(result.outcome.messages.empty());
    EXPECT_EQ(g->roundcount[1], 0);
}

TEST(RecordRound, selectedTeeGivesRatingAndLimit) {
    auto g = league();
    g->hcplimit = 1;
    g->hcpfactor = 1.0f;
    DisplayedRound d;
    d.out = "75"; // 150 on 72.0/120 (Ladies): 73.45 -> 73.5
    d.in = "75";
    d.tee = tee_ladies;
    ASSERT_TRUE(recordround(*g, d).stored);
    EXPECT_EQ(g->differential[1][1], 73.5f);
    EXPECT_EQ(g->hcpindex[1][1], 40.4f);
    EXPECT_EQ(g->coursehcp[1][1], 43.0f); // 40.4 x 120 / 113 = 42.9
    d.tee = tee_pro;
    ASSERT_TRUE(recordround(*g, d).stored);
    EXPECT_EQ(g->hcpindex[1][2], 64.3f); // 150 on 73.2/135 is 64.3, lower, and unlimited
}

TEST(RoundSlots, twentyFirstRound_dropsTheOldest) {
    auto g = league();
    for (int day = 1; day <= 21; ++day) recordday(*g, day, day);
    EXPECT_EQ(g->roundcount[1], 20);
    EXPECT_EQ(g->rday[1][1], 2);
    EXPECT_EQ(g->rday[1][20], 21);
    EXPECT_EQ(g->holescore[1][20][19], 36 + 21);
    EXPECT_EQ(g->holescore[1][1][19], 36 + 2);
    // The index of the new round counts the 20 kept rounds only.
    auto panel = calchcpindex(*g, 1, 20, tee_mens);
    EXPECT_EQ(panel[2], "3.2"); // the dropped 73 (2.3) is gone; 74 gives 3.164
}

TEST(RoundSlots, shiftKeepsEveryValueOfAMovedRound) {
    auto g = league();
    for (int day = 1; day <= 20; ++day) recordday(*g, day, 25 - day); // each index lower
    ASSERT_NE(g->hcpindex[1][4], g->hcpindex[1][5]);
    const float index = g->hcpindex[1][5], chcp = g->coursehcp[1][5], diff = g->differential[1][5];
    shiftrounds(*g, 1);
    EXPECT_EQ(g->hcpindex[1][4], index);
    EXPECT_EQ(g->coursehcp[1][4], chcp);
    EXPECT_EQ(g->differential[1][4], diff);
    EXPECT_EQ(g->rday[1][4], 5);
    EXPECT_EQ(g->rday[1][20], 20); // until a new round overwrites it
}

TEST(RoundSlots, editing_recomputesOnlyItsSlot) {
    auto g = league();
    for (int day = 1; day <= 3; ++day) recordday(*g, day, 10 + day);
    const float laterindex = g->hcpindex[1][3], laterchcp = g->coursehcp[1][3];
    g->editslot = 2;
    g->escflag = 5; // no stroke control while editing
    g->curday = 9;
    auto d = ninetytwo();
    d.holes[1] = "1"; // totals are what count
    auto result = recordround(*g, d);
    ASSERT_TRUE(result.stored);
    EXPECT_EQ(result.work.slot, 2);
    EXPECT_EQ(g->roundcount[1], 3);
    EXPECT_EQ(g->rday[1][2], 9);
    EXPECT_EQ(g->differential[1][2], 19.4f);
    EXPECT_EQ(g->hcpindex[1][2], 10.8f); // lowest of slots 1..2: 11.3 x .96
    EXPECT_EQ(g->hcpindex[1][3], laterindex);
    EXPECT_EQ(g->coursehcp[1][3], laterchcp);
}

TEST(RecordRound, slopeZeroOrText_refusedNothingStored) {
    for (const char* slope : {"0", "", "flat", "1e99", " -0"}) {
        auto g = league();
        recordday(*g, 1, 5);
        g->coursedata[1][courseline_slope0 + tee_mens] = slope;
        auto result = recordround(*g, ninetytwo());
        EXPECT_FALSE(result.stored) << slope;
        EXPECT_FALSE(result.outcome.ok) << slope;
        ASSERT_EQ(result.outcome.messages.size(), 1u);
        EXPECT_EQ(result.outcome.messages[0].title, "Greenfold");
        EXPECT_EQ(result.outcome.messages[0].icon, Icon::exclamation);
        EXPECT_NE(result.outcome.messages[0].text.find("slope"), std::string::npos);
        EXPECT_EQ(g->roundcount[1], 1);
        EXPECT_EQ(g->holescore[1][2][19], 0);
        EXPECT_EQ(result.outcome.messages, checkround(*g, ninetytwo()).messages);
    }
}

TEST(RecordRound, outOfRangeInputs_refused) {
    auto g = league();
    for (int course : {0, 2, 500, -3}) {
        g->coursenum = int16_t(course);
        EXPECT_FALSE(recordround(*g, ninetytwo()).outcome.ok) << course;
    }
    g->coursenum = 1;
    for (int tee : {0, 4, -1}) EXPECT_FALSE(recordround(*g, ninetytwo(tee)).outcome.ok) << tee;
    g->editslot = 1; // no round 1 yet
    EXPECT_FALSE(recordround(*g, ninetytwo()).outcome.ok);
    g->editslot = 0;
    auto huge = ninetytwo();
    huge.out = "99999";
    EXPECT_FALSE(recordround(*g, huge).outcome.ok);
    huge.out = "  45";
    huge.holes[3] = "123456789012345678901234567890";
    EXPECT_FALSE(recordround(*g, huge).outcome.ok);
    g->playerno = 0;
    EXPECT_FALSE(recordround(*g, ninetytwo()).outcome.ok);
    EXPECT_EQ(g->roundcount[1], 0);
}

TEST(DeleteRound, questionTextAndTitle) {
    const Message q = deleteroundquestion();
    EXPECT_EQ(q.text, "Are You sure you want to Delete this round?\r\n\r\n"
                      "After the round is deleted, the Hcp\r\n"
                      "index will be recalculated for the last round\r\n"
                      "entered for this player using their default tee.");
    EXPECT_EQ(q.title, "GFD");
    EXPECT_EQ(q.icon, Icon::question);
}

TEST(DeleteRound, answeredNo_changesNothing) {
    auto g = league();
    recordday(*g, 1, 5);
    g->editslot = 1;
    EXPECT_FALSE(deleteround(*g, false, tee_mens).deleted);
    EXPECT_EQ(g->roundcount[1], 1);
    EXPECT_EQ(g->rday[1][1], 1);
}

TEST(DeleteRound, onlyRound_leavesNone) {
    auto g = league();
    recordday(*g, 7, 5);
    g->editslot = 1;
    auto result = deleteround(*g, true, tee_mens);
    EXPECT_TRUE(result.deleted);
    EXPECT_FALSE(result.recalculated);
    EXPECT_TRUE(result.outcome.messages.empty());
    EXPECT_EQ(g->roundcount[1], 0);
    EXPECT_EQ(g->rday[1][1], 0);
    EXPECT_EQ(g->holescore[1][1][19], 0);
    EXPECT_EQ(g->differential[1][1], 0.0f);
}

TEST(DeleteRound, middleRound_laterMoveDownLastRecalculated) {
    auto g = league();
    g->playertee[1] = tee_pro;
    for (int day = 1; day <= 4; ++day) recordday(*g, day, 20 - day, tee_mens);
    const float firstindex = g->hcpindex[1][1];
    g->editslot = 2;
    g->coursenum = 0;
    auto result = deleteround(*g, true, tee_mens);
    EXPECT_TRUE(result.recalculated);
    EXPECT_EQ(g->roundcount[1], 3);
    EXPECT_EQ(g->rday[1][2], 3);
    EXPECT_EQ(g->rday[1][3], 4);
    EXPECT_EQ(g->hcpindex[1][1], firstindex);
    EXPECT_EQ(g->coursenum, 1);
    // Slot 3 (88) again, now on the Pro tee 73.2/135: 14.8 x 113 / 135 = 12.39.
    EXPECT_EQ(g->differential[1][3], 12.4f);
    EXPECT_EQ(g->hcpindex[1][3], 11.9f);  // 12.4 x .96 = 11.904
    EXPECT_EQ(g->coursehcp[1][3], 14.0f); // 11.9 x 135 / 113 = 14.2
    // Slot 2 moved down untouched: 89 on the Mens tee.
    EXPECT_EQ(g->differential[1][2], 16.7f);
}

TEST(DeleteRound, defaultTeeWithoutSlope_keepsLastNumbers) {
    auto g = league();
    for (int day = 1; day <= 2; ++day) recordday(*g, day, day);
    const float diff = g->differential[1][2], index = g->hcpindex[1][2];
    g->coursedata[1][courseline_slope0 + tee_mens] = "0";
    g->editslot = 1;
    auto result = deleteround(*g, true, tee_mens);
    EXPECT_TRUE(result.deleted);
    EXPECT_FALSE(result.recalculated);
    EXPECT_EQ(result.outcome.messages.size(), 1u);
    EXPECT_EQ(g->roundcount[1], 1);
    EXPECT_EQ(g->differential[1][1], diff);
    EXPECT_EQ(g->hcpindex[1][1], index);
}
