#include "whs/index.h"
#include "whsprint.h"

#include <gtest/gtest.h>

using namespace greenfold::whs;

namespace {

Tenths indexof(std::vector<int> diffs, std::optional<Tenths> low = std::nullopt) {
    std::vector<Tenths> t;
    for (int d : diffs) t.push_back({d});
    const auto c = calculateindex(t, low);
    return c ? c->index : Tenths{-9999};
}

} // namespace

TEST(Index, publishedExamples) {
    EXPECT_EQ(indexof({153, 152, 166}), Tenths{132});
    EXPECT_EQ(indexof({407, 424, 361}), Tenths{341});
    EXPECT_EQ(indexof({407, 424, 361, 459, 436, 450}), Tenths{374});
    // Six scores, lowest 20.9 and 23.2: 22.05 is 22.1, less 1.0.
    EXPECT_EQ(indexof({251, 209, 262, 232, 244, 270}), Tenths{211});
    // Twelve whose lowest four average 20.3, and twenty whose lowest eight total 172.5,
    // 21.5625 (the other values are ours); a 21st, older and lower, no longer counts.
    EXPECT_EQ(indexof({209, 232, 251, 185, 262, 244, 270, 186, 255, 240, 299, 233}), Tenths{203});
    const std::vector<int> twenty = {230, 205, 250, 212, 241, 260, 210, 222, 275, 220,
                                     233, 215, 290, 223, 248, 218, 239, 266, 252, 243};
    EXPECT_EQ(indexof(twenty), Tenths{216});
    std::vector<int> older = twenty;
    older.insert(older.begin(), 10);
    EXPECT_EQ(indexof(older), Tenths{216});
    EXPECT_EQ(calculateindex({Tenths{153}, Tenths{152}}, std::nullopt), std::nullopt);
    EXPECT_EQ(indexof({600, 610, 620}), Tenths{540}); // 58.0, held at 54.0
}

TEST(Index, tableRowAtEachCount) {
    // Differentials 1.0, 2.0, ... n: the lowest k average (k + 1) / 2, plus the adjustment.
    const int expected[] = {-10, 0, 10, 5, 15, 15, 20, 20, 20, 25, 25, 25, 30, 30, 35, 35, 40, 45};
    for (int n = 3; n <= 20; ++n) {
        std::vector<int> diffs;
        for (int i = n; i >= 1; --i) diffs.push_back(10 * i);
        EXPECT_EQ(indexof(diffs), Tenths{expected[n - 3]}) << n << " differentials";
    }
}

TEST(Caps, publishedSoftAndHardCaps) {
    // 11.6 with Low 6.5: 11.6 - 1.05 = 10.55, which is 10.6.
    const Capped a = applycaps({116}, {65});
    EXPECT_EQ(a.softcapped, Fraction(1055, 100));
    EXPECT_EQ(a.index, Tenths{106});
    EXPECT_EQ(applycaps({134}, {100}).index, Tenths{132});
    EXPECT_EQ(applycaps({171}, {131}).index, Tenths{166});
    EXPECT_EQ(applycaps({197}, {148}).index, Tenths{188});
    // The most 13.1 can reach is 18.1; 18.0 against 10.2 is held at 15.2 (input ours).
    EXPECT_EQ(applycaps({300}, {131}).index, Tenths{181});
    EXPECT_EQ(applycaps({180}, {102}).index, Tenths{152});
    EXPECT_EQ(applycaps({180}, {102}).cap, Cap::hard);
}

TEST(Caps, neverLowerAnIndexAndOnlyWithTwentyDifferentials) {
    EXPECT_EQ(applycaps({90}, {100}).cap, Cap::none);
    EXPECT_EQ(applycaps({130}, {100}).cap, Cap::none);     // 3.0 above is not more than 3.0
    EXPECT_EQ(applycaps({131}, {100}).index, Tenths{131}); // 13.05 is 13.1
    std::vector<int> diffs(20, 200);
    EXPECT_EQ(indexof(diffs, Tenths{140}), Tenths{185});
    diffs.pop_back();
    EXPECT_EQ(indexof(diffs, Tenths{140}), Tenths{200});
}

TEST(LowIndex, the365DaysUpToThePreviousScore) {
    // 10.6 issued on 1 March 2020 still counts for a score of 1 April 2021 when the
    // previous score was played on 1 January 2021. Both ends of the 365 days count.
    const std::vector<Revision> history = {
        {{2019, 12, 1}, {98}}, {{2020, 3, 1}, {106}}, {{2020, 9, 1}, {112}}, {{2021, 1, 2}, {95}}};
    EXPECT_EQ(lowindex(history, {2021, 1, 1}), Tenths{106});
    EXPECT_EQ(lowindex(history, {2021, 3, 1}), Tenths{95});
    EXPECT_EQ(lowindex(history, {2020, 11, 30}), Tenths{98});
    EXPECT_EQ(lowindex(history, {2020, 12, 1}), Tenths{106});
    EXPECT_EQ(lowindex(history, {2023, 1, 1}), std::nullopt);
}

TEST(ExceptionalScore, gapOfTheUnroundedDifferential) {
    EXPECT_EQ(exceptionalreduction({148}, Tenths{68}), Tenths{-10});           // 8.0 better
    EXPECT_EQ(exceptionalreduction({148}, Tenths{78}), Tenths{-10});           // 7.0
    EXPECT_EQ(exceptionalreduction({148}, Tenths{48}), Tenths{-20});           // 10.0
    EXPECT_EQ(exceptionalreduction({148}, Fraction(4801, 1000)), Tenths{-10}); // 9.999
    // 7.84 would round to 7.8, exactly 7.0 better; unrounded it is 6.96.
    EXPECT_EQ(exceptionalreduction({148}, Fraction(784, 100)), Tenths{0});
    EXPECT_EQ(exceptionalreduction({-20}, Tenths{-100}), Tenths{-10}); // +2.0 and -10.0
}
