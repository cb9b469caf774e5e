#include "whs/posting.h"
#include "whsround.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace greenfold::whs;
using namespace greenfold::whs::testing;

namespace {

// The gross spread a stroke a hole from the first over 18 holes or over nine 0 or 1.
Round withgross(const Tee& t, int gross, Date date, int nine = -1) {
    const int first = nine < 0 ? 0 : 9 * nine, count = nine < 0 ? 18 : 9;
    std::array<int, 18> h{};
    for (int i = first; i < first + count; ++i) gross -= h[i] = t.par[i];
    for (int k = 0; k < std::abs(gross); ++k) h[first + k % count] += gross > 0 ? 1 : -1;
    return played(t, h, date);
}

// A record of kept differentials dated from 1 January 2024 on, with the index in effect.
PlayerRecord recordof(const std::vector<int>& diffs, Tenths ineffect) {
    PlayerRecord r;
    int day = 1;
    for (int d : diffs) r.rounds.push_back({withgross(tee(720, 113), 90, {2024, 1, day++}), {{d}}});
    r.history.push_back({{2024, 1, day - 1}, ineffect});
    return r;
}

// Posts and keeps the round, as the league will.
Posting post(PlayerRecord& record, const Round& round, int allowance = 100) {
    const auto p = recordround(record, round, Options{allowance});
    if (!p) ADD_FAILURE() << "not posted";
    if (p) keep(record, round, *p);
    return p.value_or(Posting{});
}

std::string lines(const Posting& p) {
    std::string all;
    for (const auto& l : accountlines(p.account)) all += l + "\n";
    return all;
}

} // namespace

TEST(ExceptionalScore, publishedReductionOnTheLastTwenty) {
    // Index 14.8 and a differential of 6.8, 8.0 better: 13.5 becomes 12.5; the oldest drops.
    PlayerRecord record = recordof({172, 140, 142, 144, 146, 146, 147, 147, 180, 181,
                                    182, 183, 184, 185, 186, 187, 188, 189, 190, 191},
                                   {148});
    const Posting p = post(record, withgross(tee(712, 113), 78, {2024, 2, 1}));
    EXPECT_NE(lines(p).find("Score differential = 113 / 113 x (78 - 71.2) = 6.8\nExceptional "
                            "score: 14.8 - differential = 8.0 better, -1.0 on 20 differentials\n"),
              std::string::npos)
        << lines(p);
    EXPECT_EQ(p.index, Tenths{125});
}

TEST(NineHoles, expectedDifferentialAddedBeforeTheOnlyRounding) {
    // A +1.0 on a nine rated 36.05: 34 - 36.05 = -2.05, plus 0.5 expected: -1.55 is -1.5.
    PlayerRecord record = recordof({0, 10, 20}, {-10});
    const Posting p = post(record, withgross(tee(721, 113), 34, {2024, 2, 1}, 0));
    EXPECT_EQ(std::tuple(p.account.differential.unrounded, p.account.differential.rounded, p.index),
              std::tuple(Fraction(-155, 100), Tenths{-15}, Tenths{-25}));
    EXPECT_EQ(handicaptext(p.coursehcp), "+1");
    EXPECT_EQ(lines(p).find('%'), std::string::npos); // no allowance of 100% to show
    EXPECT_EQ(recordround(record, withgross(tee(721, 0), 34, {2024, 3, 1}, 0), {}), std::nullopt);
    // A course kept with its nine's own rating: the panel says which figure it took.
    EXPECT_NE(lines(post(record, withgross(tee(338, 112), 40, {2024, 3, 2}, 0)))
                  .find("Nine-hole rating 33.8, par 36\n"
                        "Nine-hole differential = 113 / 112 x (40 - 33.8) = "),
              std::string::npos);
}

TEST(NineHoles, calculationLinesWithAnAllowance) {
    Tee t = tee(715, 125, par71);
    t.strokeindex = card;
    PlayerRecord record = recordof({160, 180, 190}, {148});
    EXPECT_EQ(lines(post(record, withgross(t, 45, {2024, 2, 1}, 1), 95)),
              "Index in effect 14.8\n"
              "Hole limits: net double bogey, course handicap 8\n"
              "Gross 45, adjusted gross score 45\n"
              "Nine-hole differential = 113 / 125 x (45 - 35.25) = 8.814\n"
              "Expected nine-hole differential = 14.8 / 2 + 1.0 = 8.4\n"
              "Score differential = 8.814 + 8.4 = 17.214 -> 17.2\n"
              "Differentials 4, lowest 1 used: 16.0\n"
              "Average 16.0, adjustment -1.0: 15.0\n"
              "Handicap index 15.0\n"
              "Nine holes: 15.0 / 2 = 7.5\n"
              "Nine-hole course handicap = 7.5 x 125 / 113 + (35.25 - 35) = 8.5464... x 95% = "
              "8.1191... -> 8\n");
}

TEST(NewPlayer, anOddNineLeftOverIsCompletedWithThePairs) {
    // Nines of 9.0, 11.0, 9.0, 11.0, 10.0 and an 18 of 20.0: the first four make two 20.0s,
    // so 20.0 - 2.0 from three scores; each nine then adds 18.0 / 2 + 1.0.
    PlayerRecord record;
    for (int i = 0; i < 5; ++i)
        post(record, withgross(tee(720, 113),
                               46 + (i % 2    ? 1
                                     : i == 4 ? 0
                                              : -1),
                               {2024, 6, 1 + i}, 1));
    const Posting p = post(record, withgross(tee(720, 113), 92, {2024, 6, 10}));
    ASSERT_TRUE(p.account.firstindex);
    EXPECT_EQ(
        std::tuple(p.account.firstindex->starting.count, p.account.firstindex->starting.index),
        std::tuple(3, Tenths{180}));
    const std::vector<std::optional<Tenths>> expected = {Tenths{190}, Tenths{210}, Tenths{190},
                                                         Tenths{210}, Tenths{200}, Tenths{200}};
    EXPECT_EQ(p.differentials, expected);
    EXPECT_EQ(p.index, Tenths{180});
}
