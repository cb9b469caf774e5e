// A team match (R5; examples 10.5, 10.6): the lineup, the singles and the team parts.
#include "example.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::matchplay;
using namespace greenfold::matchplay::testing;

namespace {

// Eagles (Bill, Carl) v Hawks (Ed, Dan), back nine of week 2.
MatchResult eagles(const MatchSettings& s, int dan = 10) {
    const Week w = week(2, Nine::back, {{"Eagles", "Hawks"}});
    const NightInput n = examplenight({card("Bill", billback, 7), card("Carl", carlback, 15),
                                       card("Ed", edback, 12), card("Dan", danback, dan)});
    return firstmatch(w, eagleshawks, n, s);
}

const TeamPart& part(const MatchResult& m, TeamPartKind kind) {
    for (const TeamPart& p : m.teamparts)
        if (p.kind == kind) return p;
    throw std::logic_error("no such part");
}

} // namespace

TEST(TeamMatch, eaglesBeatHawksFourteenToNineWithTheDefaults) {
    const MatchSettings s = teamsettings();
    const MatchResult m = eagles(s);
    ASSERT_EQ(m.status, Status::played) << m.reason;
    ASSERT_EQ(m.singles.size(), 2u);
    // The lineup by playing MH: Bill and Dan are the A players, Carl and Ed the B.
    const SinglePart& a = m.singles[0];
    const SinglePart& b = m.singles[1];
    EXPECT_EQ(std::tuple(a.slot1.player, a.slot2.player, b.slot1.player, b.slot2.player),
              std::tuple("Bill", "Dan", "Carl", "Ed"));
    EXPECT_EQ(std::pair(a.play->received1, a.play->received2), std::pair(0, 3));
    EXPECT_EQ(a.play->strokes2, back({0, 0, 1, 0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(a.play->net2, back({5, 5, 3, 5, 4, 5, 2, 4, 6}));
    EXPECT_EQ(b.play->net1, back({5, 6, 3, 6, 4, 5, 2, 4, 6}));
    EXPECT_EQ(std::pair(a.play->holes1, a.play->holes2), std::pair(2, 2));
    EXPECT_EQ(std::pair(b.play->holes1, b.play->holes2), std::pair(4, 2));
    EXPECT_EQ(points(a), std::pair(5.5, 5.5));
    EXPECT_EQ(points(b), std::pair(7.5, 3.5));
    ASSERT_EQ(m.teamparts.size(), 1u);
    const TeamPart& net = part(m, TeamPartKind::net);
    EXPECT_EQ(std::pair(net.total1, net.total2), std::pair(62, 65));
    EXPECT_EQ(points(net), std::pair(1.0, 0.0));
    EXPECT_EQ(points(m), std::pair(14.0, 9.0));
    EXPECT_EQ(teamstake(s), Points::whole(23));
}

TEST(TeamMatch, bestBallAndTeamAggregateAHole) {
    MatchSettings s = teamsettings();
    s.bestballpoints = 1;
    EXPECT_EQ(points(part(eagles(s), TeamPartKind::bestball)), std::pair(5.0, 4.0));
    EXPECT_EQ(part(eagles(s), TeamPartKind::bestball).total1, 1); // hole 17 only

    s = teamsettings();
    s.teamaggregatepoints = 1;
    const TeamPart agg = part(eagles(s), TeamPartKind::aggregate);
    EXPECT_EQ(std::pair(agg.total1, agg.total2), std::pair(4, 2));
    EXPECT_EQ(points(agg), std::pair(5.5, 3.5));
    // Dan at 13: team handicaps 22 and 25, the Hawks receive 3 (holes 12, 14, 16).
    EXPECT_EQ(points(part(eagles(s, 13), TeamPartKind::aggregate)), std::pair(4.5, 4.5));
    EXPECT_EQ(teamstake(s), Points::whole(32));

    // Two points an individual match and one for the team net total.
    s = teamsettings();
    s.holepoints = 0;
    EXPECT_EQ(points(eagles(s)), std::pair(4.0, 1.0));
}

TEST(TeamMatch, equalHandicapsLineUpInRosterOrderAndTheTeamPartsCountOnlyWhenSet) {
    MatchSettings s = teamsettings();
    s.teamnetpoints = 0;
    const Week w = week(1, Nine::front, {{"Eagles", "Hawks"}});
    // Ed and Dan both at 12: Ed is first on the Hawks' roster, so he is their A.
    const NightInput n = examplenight({card("Bill", billfront, 7), card("Carl", edfront, 15),
                                       card("Ed", edfront, 12), card("Dan", billfront, 12)});
    const MatchResult m = firstmatch(w, eagleshawks, n, s);
    EXPECT_EQ(m.singles[0].slot2.player, "Ed");
    EXPECT_EQ(m.singles[1].slot2.player, "Dan");
    EXPECT_TRUE(m.teamparts.empty());
    EXPECT_EQ(m.points1 + m.points2, Points::whole(22));
}
