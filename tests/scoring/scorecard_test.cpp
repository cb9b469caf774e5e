#include "scoring/scorecard.h"

#include <gtest/gtest.h>

#include <memory>

using namespace greenfold;

namespace {

constexpr int pars[19] = {0, 4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};

// One player on course 1 with ESC on, whose latest round has course handicap ch.
std::unique_ptr<GOLF1> leaguewith(float ch, int rounds = 3) {
    auto g = std::make_unique<GOLF1>();
    g->coursecount = 1;
    for (int h = 1; h <= 18; ++h) g->coursedata[1][courseline_par0 + h] = std::to_string(pars[h]);
    g->playercount = 1;
    g->playerno = 1;
    g->coursenum = 1;
    g->escflag = 5;
    g->ninehole = 2;
    g->roundcount[1] = int16_t(rounds);
    if (rounds > 0) g->coursehcp[1][rounds] = ch;
    g->coursehcp[1][1] = 99; // an older round's handicap plays no part
    if (rounds == 1) g->coursehcp[1][1] = ch;
    return g;
}

// Every hole scored the same; front nine only for a nine-hole round.
DisplayedRound allholes(int score, bool ninehole = false) {
    DisplayedRound d;
    d.tee = tee_mens;
    for (int h = 1; h <= 18; ++h) d.holes[h] = (ninehole && h > 9) ? "" : std::to_string(score);
    d.out = outtotal(d.holes);
    d.in = intotal(d.holes);
    return d;
}

} // namespace

TEST(Totals, sumOfEachNineAfterTwoSpaces) {
    HoleTexts holes{};
    holes[1] = " 4";
    holes[2] = "10";
    holes[9] = "x"; // not a number: 0
    holes[10] = "5";
    EXPECT_EQ(outtotal(holes), "  14");
    EXPECT_EQ(intotal(holes), "  5");
    EXPECT_EQ(intotal(HoleTexts{}), "  0");
}

TEST(StrokeControl, lowHandicap_doubleBogeyPerHole) {
    auto g = leaguewith(9);
    auto d = EQadjust(*g, allholes(8));
    for (int h = 1; h <= 18; ++h) EXPECT_EQ(d.holes[h], std::to_string(pars[h] + 2)) << h;
    EXPECT_EQ(d.out, "  54");
    EXPECT_EQ(d.in, "  54");
}

TEST(StrokeControl, eighteenHoleBands) {
    struct Case {
        float ch;
        const char* limit;
    } cases[] = {{10, "7"}, {19, "7"}, {19.5f, "8"}, {20, "8"}, {29, "8"},
                 {30, "9"}, {39, "9"}, {40, "10"},   {54, "10"}};
    for (const auto& c : cases) {
        auto g = leaguewith(c.ch);
        auto d = EQadjust(*g, allholes(12));
        EXPECT_EQ(d.holes[1], c.limit) << c.ch;
        EXPECT_EQ(d.holes[18], c.limit) << c.ch;
    }
}

TEST(StrokeControl, scoresAtOrBelowTheLimitStay) {
    auto g = leaguewith(15);
    auto round = allholes(7);
    round.holes[4] = " 3";
    round.out = "  61"; // typed by hand: no hole changes, so it stays
    auto d = EQadjust(*g, round);
    EXPECT_EQ(d.holes[1], "7");
    EXPECT_EQ(d.holes[4], " 3");
    EXPECT_EQ(d.out, "  61");
}

TEST(StrokeControl, onlyTheChangedNineIsRecomputed) {
    auto g = leaguewith(8);
    auto round = allholes(4);
    round.holes[2] = "12";
    round.out = "  99";
    round.in = "  77";
    auto d = EQadjust(*g, round);
    EXPECT_EQ(d.holes[2], "6");
    EXPECT_EQ(d.out, "  38");
    EXPECT_EQ(d.in, "  77");
}

TEST(StrokeControl, nineHoleDoubled_handicapHalved) {
    auto g = leaguewith(19);
    g->ninehole = 1;
    auto d = EQadjust(*g, allholes(12, true));
    EXPECT_EQ(d.holes[1], "8"); // 19 -> 9.5, limit 8
    EXPECT_EQ(d.out, "  72");
    EXPECT_EQ(d.in, "  0");
    g->coursehcp[1][3] = 9; // 9 -> 4.5: double bogey
    EXPECT_EQ(EQadjust(*g, allholes(12, true)).holes[3], "5");
}

TEST(StrokeControl, nineHoleBandsWithoutHalving) {
    auto g = leaguewith(19);
    EXPECT_EQ(EQadjust(*g, allholes(12, true)).holes[1], "9");
    g->coursehcp[1][3] = 12;
    EXPECT_EQ(EQadjust(*g, allholes(12, true)).holes[1], "8");
    g->coursehcp[1][3] = 20;
    EXPECT_EQ(EQadjust(*g, allholes(12, true)).holes[1], "10");
    g->coursehcp[1][3] = 4;
    EXPECT_EQ(EQadjust(*g, allholes(12, true)).holes[1], "6");
}

TEST(StrokeControl, firstRound_tenPerHole) {
    auto g = leaguewith(0, 0);
    auto d = EQadjust(*g, allholes(12));
    EXPECT_EQ(d.holes[3], "10");
    EXPECT_EQ(d.out, "  90");
    EXPECT_EQ(EQadjust(*g, allholes(10)).holes[3], "10");
}

TEST(StrokeControl, notWhileEditingOrSwitchedOff) {
    auto g = leaguewith(9);
    g->editslot = 2;
    EXPECT_EQ(EQadjust(*g, allholes(12)).holes[1], "12");
    g->editslot = 0;
    g->escflag = 0;
    EXPECT_EQ(EQadjust(*g, allholes(12)).holes[1], "12");
    g->escflag = 5;
    g->playerno = 0;
    EXPECT_EQ(EQadjust(*g, allholes(12)).holes[1], "12");
}
