// The schedule (R7; example 10.8): the circle method, weeks, dates, nines, rained-off
// weeks, swaps and a schedule made again.
#include "matchplay/schedule.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

using namespace greenfold;
using namespace greenfold::matchplay;

namespace {

const std::vector<std::string> four = {"1", "2", "3", "4"};

std::string pairstext(const Week& w) {
    std::string out;
    for (const Pair& p : w.pairs)
        out += (out.empty() ? "" : ", ") + (p.bye() ? "bye " + p.side1 : p.side1 + " v " + p.side2);
    return out;
}

std::string datestext(const Schedule& s) {
    std::string out;
    for (const Week& w : s.weeks) out += (out.empty() ? "" : " ") + nighttext(w.date);
    return out;
}

// Four sides, five weeks from 05/05/26, 05/19/26 no play, week 2 a position week.
Schedule fourweeks() {
    return makeschedule(four, {5, {5, 5, 26}, {{5, 19, 26}}, {2}}, MatchSettings{});
}

} // namespace

TEST(Schedule, theCircleMethodGivesThePublishedTableForFiveSides) {
    const std::vector<Round> rounds = circlerounds(5);
    const std::vector<Round> table = {{{2, 5}, {3, 4}, {1, 0}},
                                      {{1, 5}, {2, 3}, {0, 4}},
                                      {{1, 4}, {5, 3}, {0, 2}},
                                      {{1, 3}, {4, 2}, {5, 0}},
                                      {{1, 2}, {4, 5}, {3, 0}}};
    EXPECT_EQ(rounds, table);
    const Schedule s = makeschedule({"1", "2", "3", "4", "5"}, {0, {5, 5, 26}, {}, {}}, {});
    ASSERT_EQ(s.weeks.size(), 5u); // one cycle for an odd number of sides
    EXPECT_EQ(pairstext(s.weeks[2]), "1 v 4, 5 v 3, bye 2");
    EXPECT_TRUE(circlerounds(1).empty());
}

TEST(Schedule, fourSidesWithAPositionWeekANoPlayDateAndASecondCycle) {
    const Schedule s = fourweeks();
    ASSERT_EQ(s.weeks.size(), 5u);
    EXPECT_EQ(datestext(s), "05/05/26 05/12/26 05/26/26 06/02/26 06/09/26");
    EXPECT_EQ(pairstext(s.weeks[0]), "1 v 4, 2 v 3");
    EXPECT_TRUE(s.weeks[1].position);
    EXPECT_FALSE(s.weeks[1].paired);
    EXPECT_TRUE(s.weeks[1].pairs.empty());
    EXPECT_EQ(pairstext(s.weeks[2]), "1 v 3, 4 v 2");
    EXPECT_EQ(pairstext(s.weeks[3]), "1 v 2, 3 v 4");
    EXPECT_EQ(pairstext(s.weeks[4]), "1 v 4, 2 v 3");
    std::string nines;
    for (const Week& w : s.weeks) nines += w.nine == Nine::front ? 'F' : 'B';
    EXPECT_EQ(nines, "FBFBF");
    MatchSettings eighteen;
    eighteen.holes = 18;
    EXPECT_EQ(weeknine(eighteen, 3), Nine::all);
    MatchSettings back;
    back.nines = Nines::back;
    EXPECT_EQ(weeknine(back, 1), Nine::back);
    // Across a year's end, and no weeks without a first date.
    EXPECT_EQ(adddays({12, 29, 26}, 7), (NightDate{1, 5, 27}));
    EXPECT_EQ(adddays({2, 24, 28}, 7), (NightDate{3, 2, 28}));
    EXPECT_TRUE(makeschedule(four, {3, {}, {}, {}}, {}).weeks.empty());
}

TEST(Schedule, everyPairMeetsOnceACycleAndEveryOddSideHasOneByeInRandomLeagues) {
    std::mt19937 rng(7);
    for (int n = 2; n <= 25; ++n) { // two cycles fit a season of at most 52 weeks
        std::vector<std::string> sides;
        for (int k = 1; k <= n; ++k) sides.push_back("side " + std::to_string(k));
        const int cycle = defaultweeks(n);
        const int positions = int(rng() % 3);
        SchedulePlan plan{2 * cycle + positions, {3, 3, 26}, {}, {}};
        std::set<int> weeks;
        while (int(weeks.size()) < positions) weeks.insert(1 + int(rng() % plan.weeks));
        plan.positions.assign(weeks.begin(), weeks.end());
        const Schedule s = makeschedule(sides, plan, {});
        std::map<std::pair<std::string, std::string>, int> met;
        std::map<std::string, int> byes;
        int regular = 0;
        for (const Week& w : s.weeks) {
            if (w.position) continue;
            std::map<std::string, int> seen;
            for (const Pair& p : w.pairs) {
                ++seen[p.side1];
                if (p.bye()) {
                    ++byes[p.side1];
                    continue;
                }
                ++seen[p.side2];
                ++met[std::minmax(p.side1, p.side2)];
            }
            ASSERT_EQ(int(seen.size()), n) << n; // everyone once a week
            for (const auto& [side, k] : seen) ASSERT_EQ(k, 1) << n;
            ++regular;
            if (regular % cycle) continue;
            // A cycle done: every pair has met regular / cycle times, every side as many byes.
            ASSERT_EQ(int(met.size()), n * (n - 1) / 2) << n;
            for (const auto& [pair, k] : met) ASSERT_EQ(k, regular / cycle) << n;
            for (const auto& [side, k] : byes) ASSERT_EQ(k, regular / cycle) << n;
            ASSERT_EQ(int(byes.size()), n % 2 ? n : 0) << n;
        }
        ASSERT_EQ(regular, 2 * cycle) << n;
    }
}

TEST(Schedule, aRainedOffWeekIsPostponedOrCancelled) {
    Schedule s = fourweeks();
    const Nights played = {{5, 5, 26}};
    // Postponed: week 2 and every later week to its next free date; 05/19 is no play.
    ASSERT_TRUE(postpone(s, 2, played));
    EXPECT_EQ(datestext(s), "05/05/26 05/26/26 06/02/26 06/09/26 06/16/26");
    EXPECT_TRUE(s.weeks[1].position);
    EXPECT_EQ(s.weeks[1].nine, Nine::back); // the nine goes with the week's number
    // Cancelled: its matches not played, the later weeks keep their dates.
    ASSERT_TRUE(cancel(s, 3, played));
    EXPECT_TRUE(s.weeks[2].cancelled);
    EXPECT_EQ(datestext(s), "05/05/26 05/26/26 06/02/26 06/09/26 06/16/26");
    // Refused: a played week, a cancelled one, a week the schedule does not have.
    EXPECT_FALSE(postpone(s, 1, played));
    EXPECT_FALSE(cancel(s, 3, played));
    EXPECT_FALSE(postpone(s, 9, played));
}

TEST(Schedule, sidesSwappedInAWeekByHand) {
    Schedule s = makeschedule({"1", "2", "3", "4", "5"}, {0, {5, 5, 26}, {}, {}}, {});
    ASSERT_TRUE(swapsides(s, 1, "2", "3", {}));
    EXPECT_EQ(pairstext(s.weeks[0]), "3 v 5, 2 v 4, bye 1");
    ASSERT_TRUE(swapsides(s, 1, "1", "4", {}));
    EXPECT_EQ(pairstext(s.weeks[0]), "3 v 5, 2 v 1, bye 4");
    EXPECT_FALSE(swapsides(s, 1, "1", "9", {}));
    EXPECT_FALSE(swapsides(s, 2, "1", "2", {{5, 12, 26}}));
    Schedule pos = fourweeks();
    EXPECT_FALSE(swapsides(pos, 2, "1", "2", {}));
}

TEST(Schedule, aScheduleMadeAgainKeepsThePlayedWeeksOnlyWhenForced) {
    Schedule s = fourweeks();
    const Nights played = {{5, 5, 26}};
    ASSERT_TRUE(cancel(s, 3, played));
    const Schedule made = makeschedule({"1", "2", "3", "4", "5"}, {6, {6, 2, 26}, {}, {}}, {});
    Schedule kept = s;
    EXPECT_FALSE(replaceschedule(kept, made, played, false));
    EXPECT_EQ(kept, s);
    ASSERT_TRUE(replaceschedule(kept, made, played, true));
    ASSERT_EQ(kept.weeks.size(), 6u);
    EXPECT_EQ(kept.weeks[0], s.weeks[0]); // played
    EXPECT_EQ(kept.weeks[2], s.weeks[2]); // cancelled
    EXPECT_EQ(kept.weeks[1], made.weeks[1]);
    EXPECT_EQ(kept.plan, made.plan);
    // A change of format clears the weeks not played.
    Schedule cleared = s;
    clearunplayed(cleared, played);
    ASSERT_EQ(cleared.weeks.size(), 2u);
    EXPECT_EQ(std::pair(cleared.weeks[0].number, cleared.weeks[1].number), std::pair(1, 3));
    MatchSettings before, after;
    after.holes = 18;
    EXPECT_TRUE(reshapes(before, after));
    after = before;
    after.holepoints = 3;
    EXPECT_FALSE(reshapes(before, after));
    // Without a played week nothing stands in the way.
    Schedule fresh = fourweeks();
    EXPECT_TRUE(replaceschedule(fresh, made, {}, false));
    EXPECT_EQ(fresh, made);
}

TEST(Schedule, positionPairsGoFromTheTableWithTheByeToTheLowestWithFewestByes) {
    EXPECT_EQ(positionpairs({{"1", 0}, {"4", 0}, {"2", 0}, {"3", 0}}),
              (std::vector<Pair>{{"1", "4"}, {"2", "3"}}));
    EXPECT_EQ(positionpairs({{"2", 0}, {"3", 0}, {"1", 1}}),
              (std::vector<Pair>{{"2", "1"}, {"3", ""}}));
    EXPECT_EQ(positionpairs({{"2", 1}, {"3", 1}, {"1", 1}}),
              (std::vector<Pair>{{"2", "3"}, {"1", ""}}));
}
