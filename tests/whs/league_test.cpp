// The WHS method on a league, against figures worked out by hand. On course 1 Mens, 72.0 / 113,
// a differential is the adjusted gross less 72 and a course handicap the index.
#include "cli/roundexport.h"
#include "lists/roundlines.h"
#include "model/historyfile.h"
#include "model/leaguefile.h"
#include "players/roster.h"
#include "results/nightrecord.h"
#include "scoring/methodswitch.h"
#include "scoring/replay.h"
#include "scoring/roundslots.h"
#include "support/testfiles.h"
#include "whs/differential.h"
#include "whs/leaguerecord.h"
#include "whs/roundfigures.h"
#include "whsround.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <tuple>

using namespace greenfold;
using namespace greenfold::whs;
using greenfold::whs::testing::card;

namespace {

constexpr int par9[9] = {4, 4, 3, 5, 4, 4, 3, 5, 4};

// A course of par 72 with the ratings and slopes of tees 1..3 and line 30.
void addcourse(ProgramState& g, std::array<const char*, 3> ratings,
               std::array<const char*, 3> slopes, const std::string& line30) {
    auto& lines = g.coursedata[++g.coursecount];
    lines[courseline_name] = "Course " + std::to_string(g.coursecount);
    for (int h = 1; h <= 18; ++h) lines[courseline_par0 + h] = std::to_string(par9[(h - 1) % 9]);
    for (int t = 1; t <= 3; ++t) {
        lines[courseline_rating0 + t] = ratings[std::size_t(t - 1)];
        lines[courseline_slope0 + t] = slopes[std::size_t(t - 1)];
    }
    lines[courseline_strokeindex] = line30;
}

} // namespace

TEST(LeagueTee, ratingsParsAndStrokeIndexes_whatCannotBeRatedHasNoSlope) {
    auto g = std::make_unique<ProgramState>();
    addcourse(*g, {" 69.85", " 72.8", " 99999"}, {" 121", "125.5", " 131"}, strokeindexline(card));
    addcourse(*g, {" 35.2", "", ""}, {" 118", "", ""}, "SI 1 2 3");
    const Tee ladies = leaguetee(*g, 1, tee_ladies); // 69.85 rounds up
    EXPECT_EQ(std::tuple(ladies.rating, ladies.slope, ladies.par[3], ladies.strokeindex),
              std::tuple(Tenths{699}, 121, 5, std::optional(card)));
    EXPECT_EQ(leaguetee(*g, 1, tee_mens).slope, 126);
    EXPECT_EQ(leaguetee(*g, 2, tee_ladies).strokeindex, std::nullopt);
    for (auto [course, tee] : {std::pair{1, tee_pro}, {2, tee_mens}, {3, tee_mens}, {1, 4}})
        EXPECT_EQ(leaguetee(*g, course, tee).slope, 0) << course << " " << tee;
    // A nine's ratings: course 2's 35.2 is a nine's own; course 1's 69.9 gives the nine's par
    // and half of what it is over par. The classic nine-hole option changes neither.
    LeagueScores nine{};
    nine[19] = 40;
    for (int option : {1, 2, 3}) {
        g->ninehole = int16_t(option);
        EXPECT_EQ(ratingplayed(leagueround(*g, nine, 2, tee_ladies, {})).cr, Fraction(352, 10));
        EXPECT_EQ(ratingplayed(leagueround(*g, nine, 1, tee_ladies, {})).cr, Fraction(3495, 100));
    }
}

TEST(LeagueTee, singlesAreTheTenthsTheyStandFor_plusHandicapsListedWithAPlus) {
    // 22.05f is 22.0499..., a half as written; halves go up.
    EXPECT_EQ(
        std::tuple(tenthsnear(28.1f), tenthsnear(22.05f), tenthsnear(-1.55f), tenthsnear(1e30)),
        std::tuple(Tenths{281}, Tenths{221}, Tenths{-15}, Tenths{0}));
    auto g = std::make_unique<ProgramState>();
    g->hcpindex[1][1] = -1.5f;
    g->coursehcp[1][1] = -2.0f;
    std::string plus = roundtext(*g, 1, 1, std::nullopt);
    plus.replace(plus.find("-1.5"), 4, "+1.5").replace(plus.find("-2"), 2, "+2");
    g->method = HandicapMethod::whs;
    EXPECT_EQ(roundtext(*g, 1, 1, std::nullopt), plus);
}

TEST(NoIndexYet, storedFiguresShow_zeroesAskForAnIndexIssuedOnOrBeforeTheRound) {
    auto g = std::make_unique<ProgramState>();
    g->rmonth[1][2] = 12, g->rday[1][2] = 31, g->ryear[1][2] = 99; // 31 December 1999
    EXPECT_TRUE(noindexyet(*g, 1, 2));                             // 0 and 0, no history
    g->history[1].issued = {{2000, 1, 1, 0}, {2000, 1, 2, -3}};    // first issued the day after
    EXPECT_TRUE(noindexyet(*g, 1, 2));
    g->history[1].issued.insert(g->history[1].issued.begin(), {1999, 12, 31, 0}); // that day
    EXPECT_FALSE(noindexyet(*g, 1, 2)); // a real 0.0 index
    // Any stored figure but 0 was stored with an index, history or not.
    g->coursehcp[2][1] = 2.0f;
    EXPECT_FALSE(noindexyet(*g, 2, 1));
    for (auto [p, r] : {std::pair(1, 0), std::pair(0, 1), std::pair(1, maxrounds + 1),
                        std::pair(maxplayers + 1, 1)})
        EXPECT_TRUE(noindexyet(*g, p, r)) << p << " " << r;
    // A damaged figure shows as it is, never as 0.0.
    EXPECT_EQ(std::tuple(indexfigure(-10.4f), handicapfigure(-12.0f), indexfigure(1e9f)),
              std::tuple("+10.4", "+12", "1E+09"));
}

namespace {

enum { ann = 1, bo, cyd, dee };
enum { oak = 1, briar };

std::unique_ptr<ProgramState> season(HandicapMethod method) {
    auto g = std::make_unique<ProgramState>();
    g->method = method;
    g->escflag = 5; // stroke control on: the WHS method leaves it aside
    g->ninehole = 2;
    g->leaguefile = "Season.LGE";
    addcourse(*g, {" 70.0", " 72.0", " 74.0"}, {" 120", " 113", " 130"}, strokeindexline(card));
    addcourse(*g, {" 70.0", " 70.0", " 70.0"}, {" 113", " 113", " 113"}, ""); // no stroke indexes
    for (const char* name : {"Ann Ace", "Bo Birdie", "Cyd Nines"}) addplayer(*g, name, tee_mens);
    addplayer(*g, "Dee Totals", tee_ladies);
    return g;
}

// The boxes of holes first + 1 .. first + count, over strokes over par spread a stroke a hole
// from the first; the other holes not played.
DisplayedRound holes(int first, int count, int over) {
    DisplayedRound d{tee_mens, {}, "", ""};
    for (int k = 0; k < count; ++k)
        d.holes[std::size_t(first + k + 1)] =
            std::to_string(par9[(first + k) % 9] + over / count + (k < over % count));
    d.out = outtotal(d.holes);
    d.in = intotal(d.holes);
    return d;
}

// Who plays what on night n, a week apart from 2 April 2024 (night 6 is 7 May).
std::vector<RoundEntry> nightof(int n) {
    using namespace std::chrono;
    const year_month_day d{sys_days{2024y / April / 2} + days{7 * (n - 1)}};
    std::vector<RoundEntry> out;
    auto add = [&](int p, int course, const DisplayedRound& r) {
        out.push_back({p, 0, course, int(unsigned(d.month())), int(unsigned(d.day())), 24, r});
    };
    add(ann, oak, holes(0, 18, n <= 5 ? 5 : 18));            // five 77s, then 90s
    if (n <= 8) add(bo, oak, holes(0, 18, n == 7 ? 9 : 20)); // 92s, an 81 on night 7
    const DisplayedRound cyds[] = {holes(0, 9, 9), holes(0, 18, 20), holes(9, 9, 11),
                                   holes(0, 18, 18)}; // a front 45, a 92, a back 47, a 90
    if (n <= 4) add(cyd, oak, cyds[n - 1]);
    DisplayedRound ten = holes(0, 18, 17); // and a 94 with a 10 on the first
    ten.holes[1] = "10";
    ten.out = outtotal(ten.holes);
    if (n == 5) add(cyd, briar, ten);
    if (n <= 3) add(dee, oak, {tee_ladies, {}, "45", "47"}); // totals only
    return out;
}

// Records the nights as the score window does; the last calculation panel of each player.
std::map<int, std::string> play(ProgramState& g, int from, int to) {
    std::map<int, std::string> panel;
    for (int n = from; n <= to; ++n)
        for (RoundEntry e : nightof(n)) {
            EXPECT_TRUE(checkround(g, e));
            e.round = EQadjust(g, e);
            const RecordResult r = recordround(g, e);
            EXPECT_TRUE(r.stored);
            panel[e.player].clear();
            for (const std::string& line : r.panel) panel[e.player] += line + "\n";
        }
    return panel;
}

// Slot r of player p as export writes it: differential|index|course handicap|tee|flags.
std::string slot(const ProgramState& g, int p, int r) {
    const auto cells = roundcells(g, p, r);
    std::string text = cells.at(25);
    for (std::size_t k = 26; k < cells.size(); ++k) text += "|" + cells[k];
    return text;
}

} // namespace

TEST(Season, keyNightsWorkedOutByHand) {
    auto g = season(HandicapMethod::whs);
    std::map<int, std::string> panel = play(*g, 1, 3);
    EXPECT_EQ(slot(*g, ann, 3), "5.0|3.0|3|Mens|");        // three 77s: 5.0 - 2.0
    EXPECT_EQ(slot(*g, cyd, 3), "0.0|0.0|0|Mens|waiting"); // nines wait for 54 holes
    // Dee's totals: 113 / 120 x (92 - 70.0) = 20.7, - 2.0 = 18.7; x 120 / 113 - 2.0 = 17.86.
    EXPECT_EQ(slot(*g, dee, 3), "20.7|18.7|18|Ladies|totals");
    EXPECT_EQ(panel[cyd],
              "No index yet\nHole limits: par + 5, no index yet\nGross 47, adjusted gross "
              "score 47\nNine-hole differential = 113 / 113 x (47 - 36.0) = 11.0\nWaits "
              "for 54 holes to count (36 so far)\nNo index yet: 1 differentials, 3 "
              "needed\nIndex 0, course handicap 0\n");

    panel = play(*g, 4, 4);
    // Cyd's 54th hole: 20.0, 18.0, 9.0 + 11.0 start him at 16.0, expecting 9.0 a nine.
    EXPECT_NE(panel[cyd].find("54 holes: starting index 16.0 from 3 scores, the waiting nines "
                              "two by two\n  nine of 04-02-2024: 9.0 + 9.0 = 18.0\n  nine of "
                              "04-16-2024: 11.0 + 9.0 = 20.0\n"),
              std::string::npos)
        << panel[cyd];
    EXPECT_EQ(slot(*g, cyd, 1) + " " + slot(*g, cyd, 3) + " " + slot(*g, cyd, 4),
              "18.0|0.0|0|Mens| 20.0|0.0|0|Mens| 18.0|17.0|17|Mens|");

    play(*g, 5, 5);
    // No stroke indexes: course handicap 15 counts the 10 as par + 3: 94 - 3 - 70.0 = 21.0.
    EXPECT_EQ(slot(*g, cyd, 5), "21.0|18.0|16|Mens|estimated");
    EXPECT_EQ(g->holescore[cyd][5][1], 10);

    play(*g, 6, 8);
    // Bo's 81 is 10.0 better than his 19.0: all seven lose 2.0; 7.0 and 18.0 average 12.5.
    EXPECT_EQ(slot(*g, bo, 1) + " " + slot(*g, bo, 7) + " " + slot(*g, bo, 8),
              "18.0|0.0|0|Mens|reduced 7.0|12.5|13|Mens|reduced 20.0|12.5|13|Mens|");

    panel = play(*g, 9, 20);
    // Ann's lowest eight, five 5.0s and three 18.0s, give 9.9 against the Low index of night 3.
    EXPECT_NE(panel[ann].find("Low index 3.0 (the 365 days to 08-06-2024)\nSoft cap: 3.0 + 3.0 "
                              "+ (9.9 - 3.0 - 3.0) / 2 = 7.95 -> 8.0\n"),
              std::string::npos)
        << panel[ann];
    EXPECT_EQ(slot(*g, ann, 20), "18.0|8.0|8|Mens|");

    panel = play(*g, 21, 25);
    // The oldest round drops each night; on night 25 all twenty are 18.0s, held at 3.0 + 5.0.
    EXPECT_EQ(g->rday[ann][1], 7); // night 6
    EXPECT_NE(panel[ann].find("Hard cap: 3.0 + 5.0 = 8.0\n"), std::string::npos) << panel[ann];
    EXPECT_EQ(slot(*g, ann, 20), "18.0|8.0|8|Mens|");
    EXPECT_EQ(g->history[ann].issued.size(), 23u);
}

TEST(Season, aReplayAgreesWithTheNights_anEditOrADeletionReplaysThePlayer) {
    auto g = season(HandicapMethod::whs);
    play(*g, 1, 8);
    auto again = std::make_unique<ProgramState>(*g);
    replayleague(*again, HandicapMethod::whs);
    EXPECT_EQ(leaguebytes(*again), leaguebytes(*g));
    EXPECT_EQ(historybytes(*again), historybytes(*g));

    // Bo's night 7 was a 92 after all: no exceptional score, eight 20.0s give 20.0.
    const RecordResult edit = recordround(*g, {bo, 7, oak, 5, 14, 24, holes(0, 18, 20)});
    ASSERT_TRUE(edit.stored);
    EXPECT_EQ(edit.panel.front(), "Index in effect 19.0");
    EXPECT_EQ(slot(*g, bo, 1) + " " + slot(*g, bo, 8), "20.0|0.0|0|Mens| 20.0|20.0|20|Mens|");
    // Without his first round the indexes are issued again: the first on night 4, 20.0 - 2.0.
    EXPECT_TRUE(deleteround(*g, bo, 1, true, tee_mens).recalculated);
    EXPECT_EQ(slot(*g, bo, 7), "20.0|20.0|20|Mens|");
    EXPECT_EQ(g->history[bo].issued.front(), (IssuedIndex{2024, 4, 23, 180}));
}

TEST(Season, classicReplayGivesTheClassicLeagueBack_alsoAfterAWhsReplay) {
    auto g = season(HandicapMethod::classic);
    play(*g, 1, 20);
    const std::string classic = leaguebytes(*g);
    const auto lines = replayleague(*g, HandicapMethod::whs);
    EXPECT_EQ(lines[ann - 1].after, Tenths{80}); // as on the 20th night above
    EXPECT_EQ(lines[dee - 1].count.defaulttee, 3);
    EXPECT_NE(leaguebytes(*g), classic);
    replayleague(*g, HandicapMethod::classic);
    EXPECT_EQ(leaguebytes(*g), classic);
}

TEST(Season, aSwitchOfMethodShowsItsTableBeforeWriting_andASwitchBackReadsTheHistory) {
    using greenfold::testing::readbytes;
    greenfold::testing::TempDir dir;
    auto g = season(HandicapMethod::whs);
    EXPECT_FALSE(leaguehasrounds(*g));
    play(*g, 1, 3);
    EXPECT_TRUE(leaguehasrounds(*g));
    ASSERT_TRUE(saveleague(*g, dir.path()));
    const std::string league = readbytes(dir.path() / "Season.LGE");
    const std::string history = readbytes(dir.path() / "Season.HIX");

    SettingsChoice choice = currentsettings(*g);
    choice.method = HandicapMethod::classic;
    ReplayPreview preview = previewreplay(*g, choice, dir.path());
    EXPECT_EQ(g->method, HandicapMethod::whs); // nothing changed before the answer
    const Message question = replayquestion(*g, preview);
    EXPECT_EQ(question.title, "Handicap Method");
    // After three nights Cyd has played 36 holes (two nines and an 18): no index yet under
    // this method, a blank; the classic method gives him one.
    const std::string table = question.details;
    EXPECT_TRUE(table.starts_with("Player                   Rounds Index now   New index\r\n"));
    EXPECT_NE(table.find("\r\nCyd Nines                     3                   8.6\r\n"),
              std::string::npos)
        << table;
    EXPECT_NE(question.text.find("is kept beside it as Season.LGE.before-replay.\r\n"),
              std::string::npos);
    ASSERT_TRUE(writereplayed(*preview.after, dir.path()).outcome);
    *g = std::move(*preview.after);
    EXPECT_EQ(g->method, HandicapMethod::classic);
    EXPECT_EQ(readbytes(dir.path() / "Season.LGE.before-replay"), league);
    EXPECT_EQ(readbytes(dir.path() / "Season.HIX.before-replay"), history);

    // Back without working the rounds out again: the history on disk comes back with the
    // method, so the next save does not write an empty one over it.
    g->history = {};
    choice.method = HandicapMethod::whs;
    EXPECT_TRUE(takesettings(*g, choice, dir.path()));
    EXPECT_EQ(historybytes(*g), history);
}

// What the table does not show is said above it: the rounds worked out from the default tee
// (a classic league keeps no tees) and, for the World Handicap System, the courses of the
// kept rounds without stroke indexes, whose hole limits are estimated.
TEST(Season, theMethodQuestionNamesTheDefaultTeesAndTheCoursesWithoutStrokeIndexes) {
    greenfold::testing::TempDir dir;
    auto g = season(HandicapMethod::classic);
    play(*g, 1, 5);
    EXPECT_EQ(unindexedcourses(*g), (std::vector<UnindexedCourse>{{"Course 2", 1}}));
    SettingsChoice choice = currentsettings(*g);
    choice.method = HandicapMethod::whs;
    ReplayPreview preview = previewreplay(*g, choice, dir.path());
    std::string text = replayquestion(*g, preview).text;
    EXPECT_NE(text.find("now?\r\n\r\nNo round's tee is known: every round is worked out "
                        "from its player's default tee (his tee on the roster).\r\n"
                        "No stroke indexes for Course 2, 1 round: the hole limits"),
              std::string::npos)
        << text;
    // The last player's rounds count too; a round its tee cannot rate is told under the table.
    auto other = std::make_unique<ProgramState>(*g);
    other->roundcourse[dee][1] = briar;
    EXPECT_EQ(unindexedcourses(*other), (std::vector<UnindexedCourse>{{"Course 2", 2}}));
    other->coursedata[briar][courseline_slope0 + tee_mens] = "";
    EXPECT_NE(
        replayquestion(*other, previewreplay(*other, choice, dir.path()))
            .details.find("\r\n1 round cannot be rated on its tee and keeps its figures.\r\n"),
        std::string::npos);

    // Back to the classic method from a league that knows the tees of all its rounds but
    // one: that one is counted, and the courses are nothing to that method.
    *g = std::move(*preview.after);
    for (int p = ann; p <= dee; ++p)
        for (int r = 1; r <= g->roundcount[p]; ++r) g->history[p].rounds[r].tee = g->playertee[p];
    g->history[ann].rounds[1].tee = 0;
    choice.method = HandicapMethod::classic;
    preview = previewreplay(*g, choice, dir.path());
    text = replayquestion(*g, preview).text;
    EXPECT_NE(text.find("now?\r\n\r\nThe tee of 1 of the 18 rounds is not known"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("stroke indexes"), std::string::npos);
}
