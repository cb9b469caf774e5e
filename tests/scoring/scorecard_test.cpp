#include "scoring/scorecard.h"
#include "scoring/scoreentry.h"

#include <gtest/gtest.h>

#include <memory>

using namespace greenfold;

namespace {

// Hole 1 is a par 4, hole 3 a par 3, hole 4 a par 5.
constexpr int pars[19] = {0, 4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};

// One player on course 1 with ESC on, whose latest of three rounds has course handicap
// ch; with no rounds, the player's first round is being entered.
// Player 1's new round on course 1.
ScoreSession playerone() {
    ScoreSession at;
    at.player = at.course = 1;
    return at;
}

std::unique_ptr<GOLF1> leaguewith(float ch, int rounds = 3, int ninehole = 2) {
    auto g = std::make_unique<GOLF1>();
    g->coursecount = 1;
    for (int h = 1; h <= 18; ++h) g->coursedata[1][courseline_par0 + h] = std::to_string(pars[h]);
    g->playercount = 1;
    g->escflag = 5;
    g->ninehole = int16_t(ninehole);
    g->roundcount[1] = int16_t(rounds);
    g->coursehcp[1][1] = 99; // an older round's handicap plays no part
    if (rounds > 0) g->coursehcp[1][rounds] = ch;
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

TEST(StrokeControl, limitPerHoleByCourseHandicap_totalsFollow) {
    struct Case {
        float ch;
        int rounds, ninehole;
        bool nine;
        int score;
        const char* par4;
        const char* par3;
        const char* par5;
    } cases[] = {
        // Eighteen holes: double bogey below 10, then 7, 8, 9 and 10 from 40.
        {9, 3, 2, false, 8, "6", "5", "7"},
        {10, 3, 2, false, 12, "7", "7", "7"},
        {19, 3, 2, false, 12, "7", "7", "7"},
        {19.5f, 3, 2, false, 12, "8", "8", "8"},
        {20, 3, 2, false, 12, "8", "8", "8"},
        {29, 3, 2, false, 12, "8", "8", "8"},
        {30, 3, 2, false, 12, "9", "9", "9"},
        {39, 3, 2, false, 12, "9", "9", "9"},
        {40, 3, 2, false, 12, "10", "10", "10"},
        {54, 3, 2, false, 12, "10", "10", "10"},
        // Nine holes doubled (option 1): the stored handicap is halved, 19 -> 9.5.
        {19, 3, 1, true, 12, "8", "8", "8"},
        {9, 3, 1, true, 12, "6", "5", "7"},
        // Other nine-hole options: the nine-hole bands on the handicap as it is.
        {4, 3, 2, true, 12, "6", "5", "7"},
        {12, 3, 2, true, 12, "8", "8", "8"},
        {19, 3, 2, true, 12, "9", "9", "9"},
        {20, 3, 2, true, 12, "10", "10", "10"},
        // A first round has no handicap yet: 10 on every hole.
        {0, 0, 2, false, 12, "10", "10", "10"},
        {0, 0, 2, false, 10, "10", "10", "10"},
    };
    for (const Case& c : cases) {
        auto g = leaguewith(c.ch, c.rounds, c.ninehole);
        ScoreSession at = playerone();
        const DisplayedRound d = EQadjust(*g, at.entry(allholes(c.score, c.nine)));
        const std::string what = std::to_string(c.ch) + (c.nine ? " nine, option " : " option ") +
                               std::to_string(c.ninehole) + ", rounds " + std::to_string(c.rounds);
        EXPECT_EQ(d.holes[1], c.par4) << what;
        EXPECT_EQ(d.holes[3], c.par3) << what;
        EXPECT_EQ(d.holes[4], c.par5) << what;
        EXPECT_EQ(d.holes[18], c.nine ? "" : c.par4) << what;
        EXPECT_EQ(d.out, outtotal(d.holes)) << what;
        EXPECT_EQ(d.in, intotal(d.holes)) << what;
    }
}

TEST(StrokeControl, scoresAtTheLimitStay_onlyAChangedNineIsRecomputed) {
    auto g = leaguewith(8); // double bogey
    ScoreSession at = playerone();
    auto round = allholes(4);
    round.holes[1] = "6";
    round.holes[2] = "12";
    round.holes[4] = " 3";
    round.holes[10] = "6";
    round.out = "  99";
    round.in = "  77"; // typed by hand: no back-nine hole changes, so it stays
    auto d = EQadjust(*g, at.entry(round));
    EXPECT_EQ(d.holes[1], "6");
    EXPECT_EQ(d.holes[2], "6");
    EXPECT_EQ(d.holes[4], " 3");
    EXPECT_EQ(d.holes[10], "6");
    EXPECT_EQ(d.out, "  39");
    EXPECT_EQ(d.in, "  77");
}

TEST(StrokeControl, notWhileEditingSwitchedOffOrWithoutAPlayer) {
    for (int k = 0; k < 3; ++k) {
        auto g = leaguewith(9);
        ScoreSession at = playerone();
        if (k == 0) at.editslot = 2;
        if (k == 1) g->escflag = 0;
        if (k == 2) at.player = 0;
        EXPECT_EQ(EQadjust(*g, at.entry(allholes(12))).holes[1], "12") << k;
    }
}
