// The season table (R8; example 10.9) and the season as a whole: position weeks paired from
// the table, sheets filled and drawn, the players' own points.
#include "example.h"
#include "matchplay/season.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::matchplay;
using namespace greenfold::matchplay::testing;

namespace {

MatchResult result(int weekno, const std::string& a, const std::string& b, double pa, double pb,
                   Status status = Status::played) {
    MatchResult m;
    m.week = weekno;
    m.pair = {a, b};
    m.status = status;
    m.points1 = Points{int(pa * 2)};
    m.points2 = Points{int(pb * 2)};
    return m;
}

std::vector<WeekResult> example109() {
    return {
        {week(1, Nine::front, {}), {result(1, "1", "4", 14, 9), result(1, "2", "3", 11.5, 11.5)}},
        {week(2, Nine::back, {}), {result(2, "1", "3", 10, 13), result(2, "4", "2", 12, 11)}},
        {week(3, Nine::front, {}), {result(3, "1", "2", 11, 12), result(3, "3", "4", 9, 14)}}};
}

// place side played-won-lost-halved byes points
std::vector<std::string> rows(const std::vector<TableRow>& table) {
    std::vector<std::string> out;
    for (const TableRow& r : table)
        out.push_back(std::to_string(r.place) + " " + r.side + " " + std::to_string(r.played) +
                      "-" + std::to_string(r.won) + "-" + std::to_string(r.lost) + "-" +
                      std::to_string(r.halved) + " " + std::to_string(r.byes) + " " +
                      pointstext(r.points));
    return out;
}

} // namespace

TEST(Standings, headToHeadThenWinsThenSharedPlaces) {
    const std::vector<std::string> sides = {"1", "2", "3", "4"};
    MatchSettings s;
    EXPECT_EQ(rows(seasontable(sides, example109(), s)),
              (std::vector<std::string>{"1 1 3-1-2-0 0 35", "2 4 3-2-1-0 0 35",
                                        "3 2 3-1-1-1 0 34.5", "4 3 3-1-1-1 0 33.5"}));
    s.tiebreaks = false;
    EXPECT_EQ(rows(seasontable(sides, example109(), s)),
              (std::vector<std::string>{"1 1 3-1-2-0 0 35", "1 4 3-2-1-0 0 35",
                                        "3 2 3-1-1-1 0 34.5", "4 3 3-1-1-1 0 33.5"}));
    // Three level on points: head to head over the matches among all three, then wins,
    // then a shared place listed by side number.
    const std::vector<WeekResult> three = {
        {week(1, Nine::front, {}), {result(1, "A", "B", 6, 5), result(1, "C", "D", 11, 0)}},
        {week(2, Nine::back, {}), {result(2, "B", "C", 6, 5), result(2, "A", "D", 0, 11)}},
        {week(3, Nine::front, {}), {result(3, "C", "A", 6, 5), result(3, "B", "D", 11, 0)}}};
    s.tiebreaks = true;
    EXPECT_EQ(rows(seasontable({"A", "B", "C", "D"}, three, s)),
              (std::vector<std::string>{"1 B 3-2-1-0 0 22", "2 C 3-2-1-0 0 22", "3 D 3-1-2-0 0 11",
                                        "4 A 3-1-2-0 0 11"}));
    // Level on points, on head to head and on wins: a shared place.
    const std::vector<WeekResult> halved = {
        {week(1, Nine::front, {}), {result(1, "D", "C", 5.5, 5.5), result(1, "B", "A", 5.5, 5.5)}}};
    EXPECT_EQ(rows(seasontable({"A", "B", "C", "D"}, halved, s)),
              (std::vector<std::string>{"1 A 1-0-0-1 0 5.5", "1 B 1-0-0-1 0 5.5",
                                        "1 C 1-0-0-1 0 5.5", "1 D 1-0-0-1 0 5.5"}));
}

TEST(Standings, byesCountTheirPointsButNotAsPlayed) {
    MatchSettings s;
    s.byepoints = 3;
    const std::vector<WeekResult> weeks = {
        {week(1, Nine::front, {}), {result(1, "2", "3", 6, 5), result(1, "1", "", 3, 0)}}};
    EXPECT_EQ(rows(seasontable({"1", "2", "3"}, weeks, s)),
              (std::vector<std::string>{"1 2 1-1-0-0 0 6", "2 3 1-0-1-0 0 5", "3 1 0-0-0-0 1 3"}));
    // Matches not worked out count for nothing; a side named only in the weeks comes last.
    const std::vector<WeekResult> others = {
        {week(2, Nine::back, {}),
         {result(2, "1", "2", 11, 0, Status::waiting), result(2, "3", "9", 0, 0, Status::notplayed),
          result(2, "1", "3", 0, 0, Status::cancelled),
          result(2, "2", "", 3, 0, Status::waiting)}}};
    EXPECT_EQ(rows(seasontable({"1", "2", "3"}, others, s)),
              (std::vector<std::string>{"1 1 0-0-0-0 0 0", "1 2 0-0-0-0 0 0", "1 3 0-0-0-0 0 0",
                                        "1 9 0-0-0-0 0 0"}));
}

TEST(Standings, aWeekPostedToTheTeamsGivesEachSideItsPoints) {
    WeekResult w{week(3, Nine::front, {}),
                 {result(3, "Eagles", "Hawks", 14, 9), result(3, "Owls", "", 2, 0),
                  result(3, "Larks", "Doves", 0, 0, Status::waiting)}};
    EXPECT_EQ(weekposts(w), (std::vector<WeekPost>{{"Eagles", "Week 3 v Hawks", Points::whole(14)},
                                                   {"Hawks", "Week 3 v Eagles", Points::whole(9)},
                                                   {"Owls", "Week 3 bye", Points::whole(2)}}));
}

TEST(Season, aPositionWeekIsPairedOnceTheWeekBeforeHasItsRounds) {
    MatchFile f;
    f.settings = individualsettings();
    const auto sides = players({"Bill", "Dan", "Ed", "Al"});
    f.schedule = makeschedule({"Bill", "Dan", "Ed", "Al"}, {3, {5, 5, 26}, {}, {2}}, f.settings);
    SeasonNights nights;
    EXPECT_FALSE(pairpositionweeks(f, sides, nights));
    // Week 1: Bill v Al, Dan v Ed. Al takes 9 everywhere, Dan has no round.
    nights[1] = examplenight({card("Bill", billfront, 7), card("Ed", edfront, 12),
                              card("Al", front({9, 9, 9, 9, 9, 9, 9, 9, 9}), 9)});
    ASSERT_TRUE(pairpositionweeks(f, sides, nights));
    const Week& w2 = f.schedule.weeks[1];
    EXPECT_TRUE(w2.paired);
    // Bill 11 (beat Al outright), Ed 8.5 against Dan's phantom (Ed wins 5 holes, it 1).
    EXPECT_EQ(rows(standings(f, sides, nights)),
              (std::vector<std::string>{"1 Bill 1-1-0-0 0 11", "2 Ed 1-1-0-0 0 8.5",
                                        "3 Dan 1-0-1-0 0 2.5", "4 Al 1-0-1-0 0 0"}));
    EXPECT_EQ(w2.pairs, (std::vector<Pair>{{"Bill", "Ed"}, {"Dan", "Al"}}));
    EXPECT_FALSE(pairpositionweeks(f, sides, nights)); // stored: never paired again
    EXPECT_EQ(newestweek(f.schedule, nights), 1);
    EXPECT_EQ(playednights(f.schedule, nights), (Nights{{5, 5, 26}}));
    // Two sides meet again by position too.
    MatchFile two;
    two.settings = f.settings;
    two.schedule = makeschedule({"Bill", "Ed"}, {2, {5, 5, 26}, {}, {2}}, two.settings);
    ASSERT_TRUE(pairpositionweeks(two, players({"Bill", "Ed"}), nights));
    EXPECT_EQ(two.schedule.weeks[1].pairs, (std::vector<Pair>{{"Ed", "Bill"}})); // the leader first
}

TEST(Season, aScheduleIsMadeOnlyForSidesThatCanHaveOne) {
    MatchFile f;
    const Sides shortteam{{{"Eagles", {"Bill"}, {}}, {"Hawks", {"Ed", "Dan"}, {}}},
                          {"Team Eagles has fewer than two players."}};
    const Outcome refused = newschedule(f, shortteam, {2, {5, 5, 26}, {}, {}}, {}, false);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.messages.at(0).text,
              "No schedule can be made: Team Eagles has fewer than two players.");
    EXPECT_TRUE(f.schedule.weeks.empty());
    const Sides sides{eagleshawks, {}};
    ASSERT_TRUE(newschedule(f, sides, {2, {5, 5, 26}, {}, {}}, {}, false));
    EXPECT_EQ(f.schedule.weeks.at(1).pairs, (std::vector<Pair>{{"Eagles", "Hawks"}}));
    EXPECT_FALSE(newschedule(f, sides, {3, {5, 5, 26}, {}, {}}, {{5, 5, 26}}, false));
    EXPECT_TRUE(newschedule(f, sides, {3, {5, 5, 26}, {}, {}}, {{5, 5, 26}}, true));
    EXPECT_EQ(f.schedule.weeks.size(), 3u);
}

TEST(Season, sheetsAreFilledForNightsWithRoundsAndTheDrawnCardStays) {
    MatchFile f;
    f.settings = individualsettings();
    f.settings.phantomcard = PhantomCard::draw;
    const auto sides = players({"Bill", "Dan", "Ed", "Al"});
    f.schedule = makeschedule({"Bill", "Dan", "Ed", "Al"}, {3, {5, 5, 26}, {}, {}}, f.settings);
    SeasonNights nights;
    nights[1] = examplenight(
        {card("Bill", billfront, 7), card("Ed", edfront, 12), card("Al", billfront, 9)});
    int draws = 0;
    const Draw last = [&](int count) {
        ++draws;
        return count - 1;
    };
    ASSERT_TRUE(fillsheets(f, sides, nights, last));
    ASSERT_EQ(f.sheets.size(), 1u);
    // Week 1: Bill v Al, Dan v Ed; Dan's card drawn among Al and Bill: the last, Bill.
    EXPECT_EQ(f.sheet(1)->entry("Dan")->drawn, "Bill");
    EXPECT_FALSE(fillsheets(f, sides, nights, last));
    EXPECT_EQ(draws, 1);
    const auto weeks = workoutseason(f, sides, nights);
    EXPECT_EQ(weeks[0].matches[1].singles[0].slot1.card, "Bill");
    EXPECT_EQ(weeks[1].matches[0].reason, "no rounds that night");
}

TEST(Season, playersPointsAreTheirOwnSingleMatchPoints) {
    MatchSettings s = teamsettings();
    const Week w = week(2, Nine::back, {{"Eagles", "Hawks"}});
    // Sam stands in for Carl with Carl's card; Dan is absent.
    const NightInput n = examplenight(
        {card("Bill", billback, 7), card("Sam", carlback, 15), card("Ed", edback, 12)});
    const auto sam = [](WeekSheet& sh, auto& c) {
        ASSERT_TRUE(setsubstitute(sh, c, "Carl", "Sam"));
    };
    const MatchResult m = play(w, eagleshawks, n, s, sam).match;
    const auto pp = playerpoints({{w, {m}}});
    ASSERT_EQ(pp.size(), 3u); // Bill, Sam, Ed: no phantom
    Points sum;
    for (const PlayerPoints& p : pp) sum += p.points;
    EXPECT_EQ(sum + m.singles[0].points2,
              m.points1 + m.points2 - m.teamparts[0].points1 - m.teamparts[0].points2);
    EXPECT_EQ(pp[0].matches, 1);
}
