// What the command line shows: the schedule, a week's matches and the standings, as CSV
// cells and as text.
#include "example.h"
#include "matchplay/matchtext.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::matchplay;
using namespace greenfold::matchplay::testing;

namespace {

std::vector<std::string> joined(const Cells& rows) {
    std::vector<std::string> out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t k = 0; k < row.size(); ++k) line += (k ? "," : "") + row[k];
        out.push_back(line);
    }
    return out;
}

} // namespace

TEST(Text, theScheduleAsCsvAndText) {
    MatchSettings s;
    Schedule sched = makeschedule({"Eagles", "Hawks", "Owls"}, {4, {5, 5, 26}, {}, {2}}, s);
    ASSERT_TRUE(cancel(sched, 3, {}));
    EXPECT_EQ(scheduleheading().size(), 6u);
    EXPECT_EQ(joined(schedulecells(sched)),
              (std::vector<std::string>{
                  "1,05/05/26,front,Hawks,Owls,no", "1,05/05/26,front,Eagles,bye,no",
                  "2,05/12/26,back,,,yes", "3,05/19/26,cancelled,Eagles,Owls,no",
                  "3,05/19/26,cancelled,Hawks,bye,no", "4,05/26/26,back,Eagles,Hawks,no",
                  "4,05/26/26,back,Owls,bye,no"}));
    const auto lines = schedulelines("Spring", sched);
    EXPECT_EQ(lines[0], "Spring Match Schedule");
    EXPECT_EQ(lines[3], "   1  05/05/26  front      Hawks                  v Owls");
    EXPECT_EQ(lines[4], "                           Eagles                   bye");
    EXPECT_EQ(lines[5], "   2  05/12/26  back       position week, paired from the standings");
}

TEST(Text, aTeamWeekAsCsvRowsAPartAndAsText) {
    MatchSettings s = teamsettings();
    s.bestballpoints = 1;
    const Week w = week(2, Nine::back, {{"Eagles", "Hawks"}, {"Owls", ""}});
    const NightInput n = examplenight({card("Bill", billback, 7), card("Carl", carlback, 15),
                                       card("Ed", edback, 12), card("Dan", danback, 10)});
    const WeekResult r = workoutweek(w, nullptr, threeteams, n, s);
    EXPECT_EQ(matchesheading().size(), 18u);
    EXPECT_EQ(joined(matchescells(r, s)),
              (std::vector<std::string>{
                  "2,05/02/26,Eagles,Hawks,A,Bill,played,,7,0,Dan,played,,10,3,5.5,5.5,played",
                  "2,05/02/26,Eagles,Hawks,B,Carl,played,,15,3,Ed,played,,12,0,7.5,3.5,played",
                  "2,05/02/26,Eagles,Hawks,team net,,,,,,,,,,,1,0,played",
                  "2,05/02/26,Eagles,Hawks,best ball,,,,,,,,,,,5,4,played",
                  "2,05/02/26,Owls,bye,bye,,,,,,,,,,,0,,played"}));
    const auto text = matcheslines("Spring", r, s);
    EXPECT_EQ(text[0], "Spring Matches, Week 2, 05/02/26, back nine");
    const std::vector<std::string> expected = {
        "",
        "Eagles v Hawks                                    Eagles 19, Hawks 13",
        "  A  Bill (7) v Dan (10): Dan receives 3",
        "     Hole           10   11   12   13   14   15   16   17   18   Total",
        "     Par             4    4    3    5    4    4    3    4    5      36",
        "     1 Bill          4    5    3    6    4    4    4    4    6      40",
        "       net           4    5    3    6    4    4    4    4    6      40",
        "     2 Dan           5    5    4*   5    5*   5    3*   4    6      42",
        "       net           5    5    3    5    4    5    2    4    6      39",
        "     Won by          1    =    =    2    =    1    2    =    =",
        "     Bill 5.5 (holes 4.5, match 1), Dan 5.5 (holes 4.5, match 1)"};
    for (std::size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(text.at(k + 1), expected[k]);
    EXPECT_EQ(text.at(20), "     Carl 7.5 (holes 5.5, match 2), Ed 3.5 (holes 3.5, match 0)");
    EXPECT_EQ(text.at(21), "  Team net total 62 v 65: Eagles 1, Hawks 0");
    EXPECT_EQ(text.at(22), "  Best ball, holes won 1 v 0: Eagles 5, Hawks 4");
    EXPECT_EQ(text.back(), "Owls has the bye: 0 points");
}

TEST(Text, standInCardsForfeitsAndWaitingMatchesInTheCsv) {
    MatchSettings s = teamsettings();
    s.phantomcard = PhantomCard::draw;
    // Carl has no round: Sam's card, the only one outside the match, is drawn for him and
    // plays with Sam's 9. Dan forfeits his single match: no handicaps or strokes shown.
    const Week w = week(1, Nine::front, {{"Eagles", "Hawks"}});
    const NightInput n = examplenight({card("Bill", billfront, 7), card("Ed", edfront, 12),
                                       card("Dan", edfront, 10), card("Sam", billfront, 9)});
    const auto forfeit = [](WeekSheet& sh, auto& c) { ASSERT_TRUE(setforfeit(sh, c, "Dan")); };
    const WeekResult played{w, {play(w, eagleshawks, n, s, forfeit).match}};
    const auto rows = joined(matchescells(played, s));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], "1,05/01/26,Eagles,Hawks,A,Bill,played,,,,Dan,forfeit,,,,11,0,played");
    EXPECT_EQ(rows[1].rfind("1,05/01/26,Eagles,Hawks,B,Carl,draw,Sam,9,0,Ed,played,,12,3,", 0), 0u)
        << rows[1];
    // Without a sheet: the week's cells from the night's rounds alone.
    const auto cells = [&](const Week& week, const NightInput& night) {
        return joined(matchescells(workoutweek(week, nullptr, eagleshawks, night, s), s));
    };
    // With the teammate's card and both Eagles absent, each falls back to a par card.
    s.phantomcard = PhantomCard::teammate;
    const auto mates =
        cells(w, examplenight({card("Ed", edfront, 12), card("Dan", billfront, 10)}));
    EXPECT_EQ(mates[0].rfind("1,05/01/26,Eagles,Hawks,A,Bill,teammate,,7,0,Dan,played,,10,3,", 0),
              0u)
        << mates[0];
    // A card without scores holds up the whole team match, every part listed.
    const auto held = cells(w, examplenight(danbackcards));
    EXPECT_EQ(held, (std::vector<std::string>{
                        "1,05/01/26,Eagles,Hawks,A,Bill,played,,7,,Dan,played,,10,,,,waiting: "
                        "Dan has no score on hole 1",
                        "1,05/01/26,Eagles,Hawks,B,Carl,played,,15,,Ed,played,,12,,,,waiting: "
                        "Dan has no score on hole 1",
                        "1,05/01/26,Eagles,Hawks,team net,,,,,,,,,,,,,waiting: Dan has no "
                        "score on hole 1"}));
    // Nobody there: not played, 0 - 0; a week not yet paired: one row without sides.
    const auto none = cells(w, examplenight({card("Sam", billfront, 9)}));
    EXPECT_EQ(none[0],
              "1,05/01/26,Eagles,Hawks,A,Bill,teammate,,7,,Dan,teammate,,10,,0,0,not played");
    EXPECT_EQ(none[2], "1,05/01/26,Eagles,Hawks,team net,,,,,,,,,,,0,0,not played");
    Week unpaired = week(2, Nine::back, {});
    unpaired.position = true;
    unpaired.paired = false;
    EXPECT_EQ(cells(unpaired, n),
              (std::vector<std::string>{
                  "2,05/02/26,,,,,,,,,,,,,,,,waiting: a position week, paired once week 1 has "
                  "its rounds"}));
}

TEST(Text, theStandingsAsCsvAndText) {
    std::vector<TableRow> table(2);
    table[0] = {"Eagles", 1, 1, 3, 2, 1, 0, 1, Points{69}};
    table[1] = {"Hawks", 2, 2, 3, 1, 2, 0, 0, Points{46}};
    EXPECT_EQ(standingsheading(), (std::vector<std::string>{"place", "side", "played", "won",
                                                            "lost", "halved", "byes", "points"}));
    EXPECT_EQ(joined(standingscells(table)),
              (std::vector<std::string>{"1,Eagles,3,2,1,0,1,34.5", "2,Hawks,3,1,2,0,0,23"}));
    const auto lines = standingslines("Spring", table);
    EXPECT_EQ(lines[2], "Place  Side                   Played  Won  Lost  Halved  Byes   Points");
    EXPECT_EQ(lines[3], "    1  Eagles                      3    2     1       0     1     34.5");
    EXPECT_EQ(pointstext(Points{-3}), "-1.5");
}

TEST(Text, threeStrokesOrMoreOnAHoleAreWrittenAsANumber) {
    const MatchSettings s = individualsettings();
    const NightInput n = examplenight({card("Bill", billfront, 0), card("Ed", edfront, 30)});
    const WeekResult r =
        workoutweek(week(1, Nine::front, {{"Bill", "Ed"}}), nullptr, players({"Bill", "Ed"}), n, s);
    EXPECT_EQ(matcheslines("Spring", r, s).at(8),
              "     2 Ed            63*  63*  44*  53*  54*  43*  44*  53*  53*    44");
}
