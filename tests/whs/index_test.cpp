#include "whs/index.h"
#include "whsround.h"

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
    // 22.05 is 22.1, less 1.0; lowest eight of twenty 21.5625; a 21st, older, no longer counts.
    EXPECT_EQ(indexof({251, 209, 262, 232, 244, 270}), Tenths{211});
    EXPECT_EQ(indexof({209, 232, 251, 185, 262, 244, 270, 186, 255, 240, 299, 233}), Tenths{203});
    std::vector<int> twenty = {230, 205, 250, 212, 241, 260, 210, 222, 275, 220,
                               233, 215, 290, 223, 248, 218, 239, 266, 252, 243};
    EXPECT_EQ(indexof(twenty), Tenths{216});
    twenty.insert(twenty.begin(), 10);
    EXPECT_EQ(indexof(twenty), Tenths{216});
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

TEST(Caps, publishedSoftAndHardCaps_neverLoweringAnIndex) {
    // {calculated, low, index, cap}: published soft caps 10.6 (10.55), 13.2, 16.6, 18.8 and
    // hard caps 18.1 and 15.2 (inputs ours); 3.0 above is not more than 3.0; 13.05 is 13.1.
    const std::tuple<int, int, int, Cap> cases[] = {
        {116, 65, 106, Cap::soft},  {134, 100, 132, Cap::soft}, {171, 131, 166, Cap::soft},
        {197, 148, 188, Cap::soft}, {300, 131, 181, Cap::hard}, {180, 102, 152, Cap::hard},
        {90, 100, 90, Cap::none},   {130, 100, 130, Cap::none}, {131, 100, 131, Cap::soft}};
    for (const auto& [calculated, low, index, cap] : cases) {
        const Capped c = applycaps({calculated}, {low});
        EXPECT_EQ(c.index, Tenths{index}) << calculated << " against " << low;
        EXPECT_EQ(c.cap, cap) << calculated << " against " << low;
    }
    EXPECT_EQ(applycaps({116}, {65}).softcapped, Fraction(1055, 100));
    std::vector<int> diffs(20, 200); // caps apply with twenty differentials only
    EXPECT_EQ(indexof(diffs, Tenths{140}), Tenths{185});
    diffs.pop_back();
    EXPECT_EQ(indexof(diffs, Tenths{140}), Tenths{200});
}

TEST(LowIndex, the365DaysUpToThePreviousScore) {
    // Both ends of the 365 days up to the previous score count.
    const std::vector<Revision> history = {
        {{2019, 12, 1}, {98}}, {{2020, 3, 1}, {106}}, {{2020, 9, 1}, {112}}, {{2021, 1, 2}, {95}}};
    EXPECT_EQ(lowindex(history, {2021, 1, 1}), Tenths{106});
    EXPECT_EQ(lowindex(history, {2021, 3, 1}), Tenths{95});
    EXPECT_EQ(lowindex(history, {2020, 11, 30}), Tenths{98});
    EXPECT_EQ(lowindex(history, {2020, 12, 1}), Tenths{106});
    EXPECT_EQ(lowindex(history, {2023, 1, 1}), std::nullopt);
}

TEST(ExceptionalScore, gapOfTheUnroundedDifferential) {
    // Against 14.8, 7.84 rounds to 7.8, 7.0 better, but unrounded is 6.96.
    const std::tuple<int, Fraction, int> cases[] = {
        {148, Tenths{68}, -10},           {148, Tenths{78}, -10},       {148, Tenths{48}, -20},
        {148, Fraction(4801, 1000), -10}, {148, Fraction(784, 100), 0}, {-20, Tenths{-100}, -10}};
    for (const auto& [index, sd, reduction] : cases)
        EXPECT_EQ(exceptionalreduction({index}, sd), Tenths{reduction}) << fractiontext(sd);
}
