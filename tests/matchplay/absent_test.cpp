// Absent players (R6; example 10.7; settled questions 1, 5, 7, 8, 12) and what a match waits
// for (R9).
#include "example.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::matchplay;
using namespace greenfold::matchplay::testing;

namespace {

const Week week1 = week(1, Nine::front, {{"Eagles", "Hawks"}});

MatchResult eaglesfront(const MatchSettings& s, std::vector<Card> cards) {
    return firstmatch(week1, eagleshawks, examplenight(std::move(cards)), s);
}

} // namespace

TEST(Absent, aPhantomPlaysAParCardOfHandicapAndPenalty) {
    MatchSettings s = teamsettings();
    // Dan has no round: his phantom is the Hawks' A (10 against Ed's 12) and plays Bill.
    const MatchResult m = eaglesfront(s, frontcards);
    ASSERT_EQ(m.status, Status::played) << m.reason;
    const SinglePart& a = m.singles[0];
    EXPECT_EQ(std::tuple(a.slot2.kind, a.slot2.player, a.slot2.mh),
              std::tuple(Kind::phantom, "Dan", 10));
    EXPECT_EQ(a.slot2.gross, front({5, 6, 5, 5, 6, 5, 5, 6, 5}));
    EXPECT_EQ(a.play->net2, front({5, 6, 4, 5, 5, 5, 4, 6, 5}));
    EXPECT_EQ(points(a), std::pair(9.0, 2.0));
    // Its points are lost with "are lost", not given to Bill; the team parts still play.
    s.phantompoints = PhantomPoints::lost;
    const MatchResult lost = eaglesfront(s, frontcards);
    EXPECT_EQ(points(lost.singles[0]), std::pair(9.0, 0.0));
    EXPECT_EQ(lost.points1 + lost.points2 + Points::whole(2), teamstake(s));
}

TEST(Absent, aSubstitutePlaysHisOwnCardAndHandicapUpToTheCap) {
    MatchSettings s = individualsettings();
    s.substitutecap = Points{11};
    const Week w = week(1, Nine::front, {{"Bill", "Ed"}});
    const NightInput n = examplenight({card("Bill", billfront, 7), card("Sam", edfront, 12)});
    const Played p = play(w, players({"Bill", "Ed"}), n, s, [](WeekSheet& sh, auto& c) {
        EXPECT_TRUE(setsubstitute(sh, c, "Ed", "Sam"));
    });
    const SinglePart& single = p.match.singles[0];
    EXPECT_EQ(std::tuple(single.slot2.player, single.slot2.kind, single.slot2.mh),
              std::tuple("Sam", Kind::substitute, 12));
    EXPECT_EQ(single.play->points2, Points::whole(7));
    EXPECT_EQ(points(p.match), std::pair(4.0, 5.5));
}

TEST(Absent, aBlindDrawPlaysTheDrawnCardWithItsOwnersHandicap) {
    MatchSettings s = individualsettings();
    s.phantomcard = PhantomCard::draw;
    // Bill v Dan and Ed v Al; Dan has no round and Al, marked absent, has one: only Ed's
    // card can be drawn (settled questions 3 and 12).
    const Week w = week(1, Nine::front, {{"Bill", "Dan"}, {"Ed", "Al"}});
    const NightInput n = examplenight(
        {card("Bill", billfront, 7), card("Ed", edfront, 12), card("Al", billfront, 9)});
    const auto sides = players({"Bill", "Dan", "Ed", "Al"});
    const Played p =
        play(w, sides, n, s, [](WeekSheet& sh, auto& c) { EXPECT_TRUE(markabsent(sh, c, "Al")); });
    EXPECT_EQ(p.sheet.entry("Dan")->drawn, "Ed");
    const SinglePart& single = p.match.singles[0];
    EXPECT_EQ(
        std::tuple(single.slot2.player, single.slot2.kind, single.slot2.card, single.slot2.mh),
        std::tuple("Dan", Kind::draw, "Ed", 12));
    EXPECT_EQ(points(p.match), std::pair(4.0, 7.0));
    // Al is absent though he has a round; Bill, in another match, is the card drawn for him.
    const SlotPlay al = workoutweek(w, &p.sheet, sides, n, s).matches.at(1).singles[0].slot2;
    EXPECT_EQ(std::tuple(al.kind, al.card, al.mh), std::tuple(Kind::draw, "Bill", 7));
}

TEST(Absent, anAbsentPlayerWithARoundPlaysAPhantomOffHisDefaultTee) {
    const MatchSettings s = individualsettings();
    const Week w = week(1, Nine::front, {{"Ed", "Al"}});
    // Al's round was from a tee that gave him 20; his default tee gives him 9.
    const NightInput n = examplenight({card("Ed", edfront, 12), card("Al", billfront, 20)});
    const Played p = play(w, players({"Ed", "Al"}), n, s,
                          [](WeekSheet& sh, auto& c) { EXPECT_TRUE(markabsent(sh, c, "Al")); });
    const SlotPlay& al = p.match.singles[0].slot2;
    EXPECT_EQ(std::tuple(al.kind, al.card, al.mh), std::tuple(Kind::phantom, "", 9));
    EXPECT_EQ(al.gross, front({5, 6, 5, 5, 6, 5, 4, 6, 5})); // 9 + 2: two on holes 3 and 5
}

TEST(Absent, aForfeitGivesThePresentSideEverythingAndTwoAbsentPlayersNoMatch) {
    MatchSettings s = individualsettings();
    s.absent = AbsentFill::forfeit;
    const Week w = week(1, Nine::front, {{"Bill", "Dan"}, {"Al", "Ed"}});
    const NightInput n = examplenight({card("Bill", billfront, 7), card("Ed", edfront, 12)});
    const WeekResult r = workoutweek(w, nullptr, players({"Bill", "Dan", "Al", "Ed"}), n, s);
    EXPECT_EQ(r.matches[0].singles[0].slot2.kind, Kind::forfeit);
    EXPECT_EQ(points(r.matches[0]), std::pair(11.0, 0.0));
    EXPECT_EQ(r.matches[0].status, Status::played);
    EXPECT_EQ(points(r.matches[1]), std::pair(0.0, 11.0));
    // Dan and Al both absent: not played, whatever fills their slots.
    const MatchResult none =
        firstmatch(week(1, Nine::front, {{"Dan", "Al"}}), players({"Dan", "Al"}), n, s);
    EXPECT_EQ(none.status, Status::notplayed);
}

TEST(Absent, aForfeitedTeamSlotPlaysTheTeamPartsWithItsParCard) {
    // Dan forfeits his single match only (settled question 6); Bill takes its 11, and the
    // team net total counts Dan's par card, net 36 + 2 (settled question 5).
    const MatchSettings s = teamsettings();
    const Played p = play(week1, eagleshawks, examplenight(danbackcards), s,
                          [](WeekSheet& sh, auto& c) { EXPECT_TRUE(setforfeit(sh, c, "Dan")); });
    ASSERT_EQ(p.match.status, Status::played) << p.match.reason;
    const SinglePart& a = p.match.singles[0];
    EXPECT_EQ(std::tuple(a.slot2.player, a.slot2.kind), std::tuple("Dan", Kind::forfeit));
    EXPECT_FALSE(a.play.has_value());
    EXPECT_EQ(points(a), std::pair(11.0, 0.0));
    // Eagles (40 - 7) + (45 - 15) = 63; Hawks 38 + (44 - 12) = 70.
    EXPECT_EQ(std::pair(p.match.teamparts[0].total1, p.match.teamparts[0].total2),
              std::pair(63, 70));
}

TEST(Absent, theTeammatesCardIsPlayedTwiceAndAParCardWhenHeIsAbsentToo) {
    MatchSettings s = teamsettings();
    s.phantomcard = PhantomCard::teammate;
    const MatchResult m = eaglesfront(s, frontcards);
    // Ed (12) and his card standing in for Dan (12): equal, Ed first on the roster is A.
    EXPECT_EQ(std::tuple(m.singles[0].slot2.player, m.singles[0].slot2.kind),
              std::tuple("Ed", Kind::played));
    const SlotPlay& dan = m.singles[1].slot2;
    EXPECT_EQ(std::tuple(dan.player, dan.kind, dan.card, dan.mh),
              std::tuple("Dan", Kind::teammate, "Ed", 12));
    EXPECT_EQ(dan.gross, edfront);
    // Both Hawks absent: each keeps its kind with a par card of his own handicap.
    const MatchResult both =
        eaglesfront(s, {card("Bill", billfront, 7), card("Carl", carlfront, 15)});
    for (const SinglePart& part : both.singles) {
        EXPECT_EQ(std::tuple(part.slot2.kind, part.slot2.card), std::tuple(Kind::teammate, ""));
        EXPECT_NE(part.slot2.gross, Holes{});
    }
}

TEST(Absent, twoPhantomsTakeEverythingOrWithLostPointsNothing_fourAbsentIsNotPlayed) {
    // Back nine; Bill and Carl, without an index, play off 0 typed for the night and take 9
    // on every hole; Dan and Ed are absent.
    MatchSettings s = teamsettings();
    s.allowance = 50; // a typed handicap is the match handicap itself
    const Week w = week(2, Nine::back, {{"Eagles", "Hawks"}});
    Holes nines = back({9, 9, 9, 9, 9, 9, 9, 9, 9});
    const NightInput n =
        examplenight({{"Bill", 1, nines, std::nullopt}, {"Carl", 1, nines, std::nullopt}});
    auto typed = [](WeekSheet& sh, auto& c) {
        EXPECT_TRUE(typehandicap(sh, c, "Bill", 0));
        EXPECT_TRUE(typehandicap(sh, c, "Carl", 0));
    };
    const Played count = play(w, eagleshawks, n, s, typed);
    ASSERT_EQ(count.match.status, Status::played) << count.match.reason;
    EXPECT_EQ(points(count.match), std::pair(0.0, 23.0));
    EXPECT_EQ(count.match.teamparts[0].total2, 76); // two phantoms at net 38
    s.phantompoints = PhantomPoints::lost;
    EXPECT_EQ(points(play(w, eagleshawks, n, s, typed).match), std::pair(0.0, 0.0));
    // All four absent: not played, the teams still in their lineup.
    const MatchResult none = eaglesfront(teamsettings(), {card("Sam", billfront, 12)});
    EXPECT_EQ(none.status, Status::notplayed);
    EXPECT_EQ(none.singles.size(), 2u);
}

TEST(Waiting, theFirstReasonInTheOrderOfTheRules) {
    const MatchSettings s = individualsettings();
    const Week w = week(1, Nine::front, {{"Bill", "Ed"}});
    const auto sides = players({"Bill", "Ed"});
    auto reason = [&](NightInput n) {
        const MatchResult m = firstmatch(w, sides, n, s);
        if (m.status != Status::waiting) return std::string("not waiting");
        EXPECT_EQ(m.points1 + m.points2, Points{});
        return m.reason;
    };
    Holes nohole4 = billfront;
    nohole4[3] = 0;
    const Card noindex{"Ed", 1, edfront, std::nullopt};
    EXPECT_EQ(reason(night({card("Bill", nohole4, 7), noindex})), "Bill has no score on hole 4");
    EXPECT_EQ(reason(night({card("Bill", billfront, 7), noindex})), "no match handicap for Ed");
    NightInput nosi = night({card("Bill", nohole4, 7), noindex});
    nosi.courses[1].strokeindex.reset();
    EXPECT_EQ(reason(nosi), "Hillcrest has no stroke indexes");
    EXPECT_EQ(reason(night({card("Bill", Holes{}, 7), card("Ed", edfront, 12)})),
              "Bill's round has no hole scores");
    NightInput course2 = night({card("Bill", billfront, 7), card("Ed", edfront, 12)});
    course2.cards[1].course = 2;
    course2.courses[2] = examplecourse();
    EXPECT_EQ(reason(course2), "Ed played another course");
    // A nine of the other nine has no score on the week's first hole; a whole round plays
    // as the week's nine (settled question 2).
    EXPECT_EQ(reason(night({card("Bill", billback, 7), card("Ed", edfront, 12)})),
              "Bill has no score on hole 1");
    Holes eighteen = billfront;
    for (std::size_t h = 9; h < 18; ++h) eighteen[h] = 4;
    EXPECT_EQ(reason(night({card("Bill", eighteen, 7), card("Ed", edfront, 12)})), "not waiting");
    EXPECT_EQ(reason(night({})), "no rounds that night");
    // A handicap typed for a player without an index is his match handicap as it is.
    MatchSettings half = s;
    half.allowance = 50;
    const auto typed = [](WeekSheet& sh, auto& c) { ASSERT_TRUE(typehandicap(sh, c, "Ed", 12)); };
    const MatchResult m =
        play(w, sides, night({card("Bill", billfront, 14), noindex}), half, typed).match;
    EXPECT_EQ(std::pair(*m.singles[0].slot1.mh, *m.singles[0].slot2.mh), std::pair(7, 12));
    // A player marked present without a round waits for it.
    const auto present = [](WeekSheet& sh, auto& c) { EXPECT_TRUE(setpresent(sh, c, "Ed")); };
    const NightInput n = night({card("Bill", billfront, 7), card("Sam", billfront, 7)});
    EXPECT_EQ(play(w, sides, n, s, present).match.reason, "no round for Ed");
}

TEST(Waiting, aWaitingCardHoldsUpEveryPartOfItsTeamMatch) {
    MatchSettings s = teamsettings();
    s.bestballpoints = 1;
    const NightInput n = examplenight(danbackcards);
    const MatchResult m = firstmatch(week1, eagleshawks, n, s);
    EXPECT_EQ(m.status, Status::waiting);
    EXPECT_EQ(m.reason, "Dan has no score on hole 1");
    ASSERT_EQ(m.singles.size(), 2u);
    for (const SinglePart& p : m.singles) EXPECT_EQ(p.status, Status::waiting);
    EXPECT_TRUE(m.teamparts.empty());
    // A team short of players waits before anything else.
    const std::vector<Side> short1 = {{"Eagles", {"Bill"}, {}}, eagleshawks[1]};
    EXPECT_EQ(firstmatch(week1, short1, n, s).reason, "Eagles has fewer than two players");
}
