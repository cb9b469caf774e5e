// A single match (R4; examples 10.3, 10.4); random_test.cpp checks its properties over many
// random matches.
#include "example.h"
#include "matchplay/single.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::matchplay;
using namespace greenfold::matchplay::testing;

namespace {

// Bill (7) v Ed (12) on the front nine, worked out through a week in the individual format.
MatchResult billed(const MatchSettings& s) {
    const Week w = week(1, Nine::front, {{"Bill", "Ed"}});
    const NightInput n = examplenight({card("Bill", billfront, 7), card("Ed", edfront, 12)});
    return firstmatch(w, players({"Bill", "Ed"}), n, s);
}

std::string winners(const SingleMatch& m, const MatchHoles& holes) {
    std::string out;
    for (int h : holes.holes) out += char('0' + m.won[std::size_t(h)]);
    return out;
}

} // namespace

TEST(SingleMatch, billAndEdOnTheFrontNineWithTheDefaults) {
    const MatchResult m = billed(individualsettings());
    ASSERT_EQ(m.status, Status::played);
    ASSERT_EQ(m.singles.size(), 1u);
    const SingleMatch& g = *m.singles[0].play;
    EXPECT_EQ(std::pair(g.received1, g.received2), std::pair(0, 5));
    EXPECT_EQ(g.strokes2, front({1, 0, 1, 0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(g.net2, front({5, 6, 3, 5, 4, 4, 3, 5, 4}));
    EXPECT_EQ(winners(g, m.holes), "012120020"); // 1 Bill, 2 Ed, 0 halved
    EXPECT_EQ(std::pair(g.holes1, g.holes2), std::pair(2, 3));
    EXPECT_EQ(points(m), std::pair(4.0, 7.0));
}

TEST(SingleMatch, carriedHolesFullHandicapsAndTheLowerNetTotal) {
    MatchSettings carry = individualsettings();
    carry.halved = Halved::carry;
    const SingleMatch c = *billed(carry).singles[0].play;
    EXPECT_EQ(std::pair(c.holepoints1.halves, c.holepoints2.halves), std::pair(7, 11));
    EXPECT_EQ(points(billed(carry)), std::pair(3.5, 7.5));

    MatchSettings full = individualsettings();
    full.strokes = Strokes::full;
    const MatchResult f = billed(full);
    const SingleMatch& g = *f.singles[0].play;
    EXPECT_EQ(std::pair(g.received1, g.received2), std::pair(7, 12));
    EXPECT_EQ(g.net1, front({4, 5, 3, 3, 4, 4, 2, 5, 3}));
    EXPECT_EQ(g.net2, front({5, 5, 2, 4, 3, 3, 2, 4, 4}));
    EXPECT_EQ(winners(g, f.holes), "102122021");
    EXPECT_EQ(points(f), std::pair(4.0, 7.0));

    MatchSettings net = individualsettings();
    net.matchholespoints = 0;
    net.matchnetpoints = 2;
    const MatchResult n = billed(net);
    EXPECT_EQ(std::pair(n.singles[0].play->nettotal1, n.singles[0].play->nettotal2),
              std::pair(40, 39));
    EXPECT_EQ(points(n), std::pair(4.0, 7.0));
}

TEST(SingleMatch, eighteenHolesScoreEachNineApart) {
    MatchSettings s = individualsettings();
    s.holes = 18;
    s.nineholespoints = 1;
    s.ninenetpoints = 1;
    // Bill's 10.3 front and 10.5 back; Ed's the same; Ed receives 5 over 18: holes 3, 5,
    // 7, 12, 14 (indexes 1 to 5).
    Holes bill = billfront, ed = edfront;
    for (std::size_t h = 9; h < 18; ++h) {
        bill[h] = billback[h];
        ed[h] = edback[h];
    }
    const MatchHoles all = matchholes(examplesi, Nine::all);
    const SingleMatch g = playsingle(bill, 7, ed, 12, all, s);
    EXPECT_EQ(g.strokes2, (Holes{0, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0}));
    // Front: Bill wins 1, 2, 4, 9, Ed 3, 5, 8; net 40 v 41. Back: Bill wins 10, 14, 17, the
    // rest halved; net 40 v 43. Bill takes both points of both nines.
    EXPECT_EQ(winners(g, all), "112120021"
                               "100010010");
    EXPECT_EQ(g.ninepoints1, Points::whole(4));
    EXPECT_EQ(g.ninepoints2, Points{});
    EXPECT_EQ(points(g), std::pair(17.0, 7.0)); // holes 11 v 7, the match 2, the nines 4
    EXPECT_EQ(singlestake(s), Points::whole(18 + 2 + 4));
}
