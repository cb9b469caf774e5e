#include "whs/posting.h"
#include "whsround.h"

#include <gtest/gtest.h>

using namespace greenfold::whs;
using namespace greenfold::whs::testing;

namespace {

// Holes of a nine or of 18 spread over par: every hole the strokes all share, and one
// more on the first holes for the rest.
Round withgross(const Tee& t, int gross, Date date, int nine = -1) {
    std::array<int, 18> h{};
    const int first = nine < 0 ? 0 : 9 * nine, count = nine < 0 ? 18 : 9;
    int over = gross;
    for (int i = first; i < first + count; ++i) over -= t.par[i];
    const int shared = over >= 0 ? over / count : -((count - 1 - over) / count);
    for (int i = first; i < first + count; ++i) h[i] = t.par[i] + shared;
    for (int i = first; i < first + over - shared * count; ++i) ++h[i];
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

std::string joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& l : lines) all += l + "\n";
    return all;
}

// Posts and keeps the round, as the league will.
Posting post(PlayerRecord& record, const Round& round, int allowance = 100) {
    const auto p = recordround(record, round, Options{allowance});
    if (!p) ADD_FAILURE() << "not posted";
    if (p) keep(record, round, *p);
    return p.value_or(Posting{});
}

const StrokeIndexes card = {7, 15, 1, 11, 3, 17, 5, 13, 9, 8, 16, 2, 12, 4, 18, 6, 14, 10};

} // namespace

TEST(Posting, eighteenHoles_publishedDifferentialThenIndexAndCourseHandicap) {
    const PlayerRecord record = recordof({210, 220, 230}, {200});
    const auto p = recordround(record, withgross(tee(730, 125), 94, {2024, 2, 1}), {});
    ASSERT_TRUE(p);
    EXPECT_EQ(p->account.adjustment.coursehcp, 23); // 20.0 x 125 / 113 + 1.0 = 23.1
    EXPECT_EQ(p->account.differential.rounded, Tenths{190});
    EXPECT_FALSE(p->account.reduction);
    EXPECT_EQ(p->index, Tenths{180}); // four differentials: 19.0 - 1.0
    EXPECT_EQ(p->coursehcp, 21);      // 18.0 x 125 / 113 + 1.0 = 20.91
    EXPECT_EQ(p->revision->date, (Date{2024, 2, 1}));
    EXPECT_EQ(recordround(record, withgross(tee(730, 0), 94, {2024, 2, 1}), {}), std::nullopt);
}

TEST(ExceptionalScore, publishedReductionOnTheLastTwenty) {
    // Index 14.8, a differential of 6.8: 8.0 better. The index would have been 13.5 and
    // is 12.5. The record is ours, built to those figures; its oldest 17.2 drops out.
    PlayerRecord record = recordof({172, 140, 142, 144, 146, 146, 147, 147, 180, 181,
                                    182, 183, 184, 185, 186, 187, 188, 189, 190, 191},
                                   {148});
    const Posting p = post(record, withgross(tee(712, 113), 78, {2024, 2, 1}));
    EXPECT_NE(joined(accountlines(p.account))
                  .find("Score differential = 113 / 113 x (78 - 71.2) = 6.8\nExceptional score: "
                        "14.8 - differential = 8.0 better, -1.0 on 20 differentials\n"),
              std::string::npos)
        << joined(accountlines(p.account));
    EXPECT_EQ(p.index, Tenths{125});
    EXPECT_EQ(p.differentials.front(), Tenths{172});
    ASSERT_EQ(record.rounds.size(), 20u);
    EXPECT_EQ(record.rounds.front().differential, Tenths{130});
    EXPECT_EQ(record.rounds.back().differential, Tenths{58});
}

TEST(NineHoles, expectedDifferentialAddedBeforeTheOnlyRounding) {
    // A +1.0 on a nine rated 36.05: 34 - 36.05 = -2.05, and +1.0 expects 0.5: -1.55 is
    // -1.5. The index becomes +2.5, whose nine-hole course handicap is +1.
    PlayerRecord record = recordof({0, 10, 20}, {-10});
    const Posting p = post(record, withgross(tee(721, 113), 34, {2024, 2, 1}, 0));
    EXPECT_EQ(p.account.differential.unrounded, Fraction(-155, 100));
    EXPECT_EQ(p.account.differential.rounded, Tenths{-15});
    EXPECT_EQ(p.index, Tenths{-25});
    EXPECT_EQ(handicaptext(p.coursehcp), "+1");
}

TEST(NineHoles, calculationLinesWithAnAllowance) {
    Tee t = tee(715, 125, par71);
    t.strokeindex = card;
    PlayerRecord record = recordof({160, 180, 190}, {148});
    const Posting p = post(record, withgross(t, 45, {2024, 2, 1}, 1), 95);
    EXPECT_EQ(joined(accountlines(p.account)),
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

TEST(NewPlayer, ninesWaitForFiftyFourHolesThenCountWithTheStartingIndex) {
    const Tee t = tee(720, 113);
    PlayerRecord record;
    const Posting a = post(record, withgross(t, 45, {2024, 5, 1}, 0));
    EXPECT_EQ(joined(accountlines(a.account)), "No index yet\n"
                                               "Hole limits: par + 5, no index yet\n"
                                               "Gross 45, adjusted gross score 45\n"
                                               "Nine-hole differential = 113 / 113 x (45 - "
                                               "36.0) = 9.0\n"
                                               "Waits for 54 holes to count (9 so far)\n"
                                               "No index yet: 0 differentials, 3 needed\n"
                                               "Index 0, course handicap 0\n");
    post(record, withgross(t, 92, {2024, 5, 8}));
    const Posting c = post(record, withgross(t, 47, {2024, 5, 15}, 0));
    EXPECT_EQ(c.index, std::nullopt);
    EXPECT_EQ(c.coursehcp, 0);
    // The 54th hole: 20.0, 18.0 and the nines 9.0 + 11.0 give a starting 18.0 - 2.0 = 16.0,
    // which expects 9.0 a nine; then 18.0 - 1.0 from four differentials.
    const Posting d = post(record, withgross(t, 90, {2024, 5, 22}));
    ASSERT_TRUE(d.account.firstindex);
    EXPECT_EQ(d.account.firstindex->starting.index, Tenths{160});
    EXPECT_EQ(d.differentials, (std::vector<std::optional<Tenths>>{Tenths{180}, Tenths{200},
                                                                   Tenths{200}, Tenths{180}}));
    EXPECT_EQ(d.index, Tenths{170});
    EXPECT_EQ(d.coursehcp, 17);
    const std::string lines = joined(accountlines(d.account));
    EXPECT_NE(lines.find("54 holes: starting index 16.0 from 3 scores, the waiting nines two by "
                         "two\n  nine of 05-01-2024: 9.0 + 9.0 = 18.0\n  nine of 05-15-2024: "
                         "11.0 + 9.0 = 20.0\n"),
              std::string::npos)
        << lines;
    // From now on a nine counts with the index in effect: a 8.5 nine-hole handicap is 9.
    const Posting e = post(record, withgross(t, 45, {2024, 5, 29}, 0));
    EXPECT_EQ(e.account.adjustment.coursehcp, 9);
    EXPECT_EQ(e.account.differential.rounded, Tenths{185});
    EXPECT_EQ(e.index, Tenths{180});
}

TEST(NewPlayer, anOddNineLeftOverIsCompletedWithThePairs) {
    // Five nines of 10.0 and an 18 of 20.0, 63 holes: the starting index is 20.0 - 2.0 from
    // three scores (the fifth nine has no partner), so every nine counts 10.0 + 10.0.
    PlayerRecord record;
    for (int i = 0; i < 5; ++i) post(record, withgross(tee(720, 113), 46, {2024, 6, 1 + i}, 1));
    const Posting p = post(record, withgross(tee(720, 113), 92, {2024, 6, 10}));
    ASSERT_TRUE(p.account.firstindex);
    EXPECT_EQ(p.account.firstindex->starting.count, 3);
    EXPECT_EQ(p.differentials, std::vector<std::optional<Tenths>>(6, Tenths{200}));
    EXPECT_EQ(p.index, Tenths{190});
}

TEST(Caps, lowIndexFromTheHistoryOnceTwentyDifferentialsCount) {
    PlayerRecord record = recordof(std::vector<int>(19, 200), {160});
    // 10.0 was issued before the 365 days to 19 January 2024; 14.0 within them.
    record.history.insert(record.history.begin(), {{{2023, 1, 18}, {100}}, {{2023, 6, 1}, {140}}});
    const Posting p = post(record, withgross(tee(720, 113), 92, {2024, 2, 1}));
    EXPECT_EQ(p.index, Tenths{185});
    const std::string lines = joined(accountlines(p.account));
    EXPECT_NE(lines.find("Low index 14.0 (the 365 days to 01-19-2024)\n"
                         "Soft cap: 14.0 + 3.0 + (20.0 - 14.0 - 3.0) / 2 = 18.5\n"),
              std::string::npos)
        << lines;
}
