#include "scoring/scorecard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <tuple>

using namespace greenfold;

namespace {

// Hole 1 is a par 4, hole 3 a par 3, hole 4 a par 5.
constexpr int pars[19] = {0, 4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};

// One player on course 1 with ESC on, whose latest round has course handicap ch.
std::unique_ptr<ProgramState> leaguewith(float ch, int rounds = 3, int ninehole = 2) {
    auto g = std::make_unique<ProgramState>();
    g->coursecount = 1;
    for (int h = 1; h <= 18; ++h) g->coursedata[1][courseline_par0 + h] = std::to_string(pars[h]);
    g->playercount = 1;
    g->escflag = 5;
    g->ninehole = int16_t(ninehole);
    g->roundcount[1] = int16_t(rounds);
    g->coursehcp[1][1] = 99; // an older round's handicap is not used
    if (rounds > 0) g->coursehcp[1][rounds] = ch;
    return g;
}

// Player 1's new round on course 1, every hole (of the front nine) scored the same.
RoundEntry allholes(int score, bool ninehole = false) {
    DisplayedRound d{tee_mens, {}, "", ""};
    for (int h = 1; h <= 18; ++h) d.holes[h] = (ninehole && h > 9) ? "" : std::to_string(score);
    d.out = outtotal(d.holes);
    d.in = intotal(d.holes);
    return {1, 0, 1, 6, 1, 26, d};
}

} // namespace

TEST(Totals, sumOfEachNineAfterTwoSpaces) {
    const HoleTexts holes{"", " 4", "10", "", "", "", "", "", "", "x", "5"}; // hole 9 counts 0
    EXPECT_EQ(outtotal(holes) + "|" + intotal(holes) + "|" + intotal(HoleTexts{}), "  14|  5|  0");
}

TEST(StrokeControl, limitPerHoleByCourseHandicap_totalsFollow) {
    // Nine holes doubled (option 1) halve the stored handicap; other options use nine-hole bands.
    const std::tuple<float, int, int, bool, const char*> cases[] = {
        {9, 3, 2, false, "6 5 7"},     {10, 3, 2, false, "7 7 7"},    {19, 3, 2, false, "7 7 7"},
        {19.5f, 3, 2, false, "8 8 8"}, {20, 3, 2, false, "8 8 8"},    {29, 3, 2, false, "8 8 8"},
        {30, 3, 2, false, "9 9 9"},    {39, 3, 2, false, "9 9 9"},    {40, 3, 2, false, "10 10 10"},
        {19, 3, 1, true, "8 8 8"},     {9, 3, 1, true, "6 5 7"},      {4, 3, 2, true, "6 5 7"},
        {12, 3, 2, true, "8 8 8"},     {19, 3, 2, true, "9 9 9"},     {20, 3, 2, true, "10 10 10"},
        {0, 0, 2, false, "10 10 10"},  {NAN, 3, 2, false, "10 10 10"}};
    for (const auto& [ch, rounds, ninehole, nine, par435] : cases) {
        auto g = leaguewith(ch, rounds, ninehole);
        const DisplayedRound d = EQadjust(*g, allholes(12, nine));
        EXPECT_EQ(d.holes[1] + " " + d.holes[3] + " " + d.holes[4], par435)
            << ch << (nine ? " nine, option " : " option ") << ninehole;
        EXPECT_EQ(d.holes[18], nine ? "" : d.holes[1]);
        EXPECT_EQ(d.out + "|" + d.in, outtotal(d.holes) + "|" + intotal(d.holes));
    }
}

TEST(StrokeControl, scoresAtTheLimitStay_onlyAChangedNineIsRecomputed) {
    auto g = leaguewith(8); // double bogey
    auto round = allholes(4);
    round.round.holes[1] = "6";
    round.round.holes[2] = "12";
    round.round.holes[4] = " 3";
    round.round.holes[10] = "6";
    round.round.out = "  99";
    round.round.in = "  77"; // typed by hand: no back-nine hole changes, so it stays
    auto d = EQadjust(*g, round);
    EXPECT_EQ(d.holes[1] + d.holes[2] + d.holes[4] + d.holes[10], "66 36");
    EXPECT_EQ(d.out + "|" + d.in, "  39|  77");
    // The ninth hole is the front nine's: lowered, it changes the out total alone.
    round = allholes(4);
    round.round.holes[9] = "12";
    round.round.in = "  77";
    d = EQadjust(*g, round);
    EXPECT_EQ(d.out + "|" + d.in, "  38|  77");
}

TEST(StrokeControl, notWhileEditingSwitchedOffOrWithoutAPlayer) {
    for (int k = 0; k < 3; ++k) {
        auto g = leaguewith(9);
        auto at = allholes(12);
        if (k == 0) at.slot = 2;
        if (k == 1) g->escflag = 0;
        if (k == 2) at.player = 0;
        EXPECT_EQ(EQadjust(*g, at).holes[1], "12") << k;
    }
}
