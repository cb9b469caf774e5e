// Skins of one night on lines made by hand: outright wins, ties, carries, net strokes and
// the pot.
#include "resultlines.h"
#include "results/skins.h"
#include "results/skinstext.h"
#include "whs/strokeindex.h"

#include <gtest/gtest.h>

#include <memory>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

using Holes = std::array<int16_t, 18>;
const whs::StrokeIndexes si = {7, 15, 1, 11, 3, 17, 5, 13, 9, 8, 16, 2, 12, 4, 18, 6, 14, 10};

// Fours everywhere but the holes given (1-based).
Holes fours(std::initializer_list<std::pair<int, int>> other, int16_t base = 4) {
    Holes h;
    h.fill(base);
    for (auto [hole, score] : other) h[std::size_t(hole - 1)] = int16_t(score);
    return h;
}

using Won = std::vector<std::tuple<int, std::string, int, int, int>>; // hole, player, score,
                                                                      // carried, cents
Won wins(const SkinsGame& g) {
    Won out;
    for (const SkinWin& w : g.wins) out.emplace_back(w.hole, w.player, w.score, w.carried, w.cents);
    return out;
}

NightSkins play(std::vector<ResultLine> lines, SkinsSettings s, const CourseIndexes& c = {}) {
    ResultsFile f;
    f.settings.skins = s;
    f.lines = std::move(lines);
    return nightskins(f, {6, 1, 26}, drawflights(f, {6, 1, 26}), c);
}

// Ann wins the 1st, Bob the 3rd, Cy the 10th; every other hole is tied, the last eight too.
std::vector<ResultLine> threeoutright() {
    return {resultline("Ann", fours({{1, 3}}), 10), resultline("Bob", fours({{3, 3}}), 10),
            resultline("Cy", fours({{10, 3}}), 10), totalsline("Ed", 36, 36, 10)};
}

} // namespace

TEST(Skins, aSingleLowestScoreWinsAndATieWinsNothingOrCarriesOn) {
    // Without carry-over: stake 1.01 by three players (Ed's totals play no hole), 3.03 over 3
    // skins, 1.01 each.
    const SkinsGame g = play(threeoutright(), {SkinsMode::gross, false, false, 101}).games[0];
    EXPECT_EQ(wins(g), (Won{{1, "Ann", 3, 0, 101}, {3, "Bob", 3, 0, 101}, {10, "Cy", 3, 0, 101}}));
    EXPECT_EQ(std::tuple(g.players, g.carriedpast, g.remaindercents), std::tuple(3, 0, 0));
    // The 2nd carries to Bob's 3rd, the 4th to 9th to Cy's 10th: 1 + 2 + 7 = 10 skins won,
    // 303 / 10 = 30 cents a skin, 3 left over; the 11th to 18th are carried past and lost.
    const SkinsGame lost = play(threeoutright(), {SkinsMode::gross, true, false, 101}).games[0];
    EXPECT_EQ(wins(lost), (Won{{1, "Ann", 3, 0, 30}, {3, "Bob", 3, 1, 60}, {10, "Cy", 3, 6, 210}}));
    EXPECT_EQ(std::tuple(lost.carriedpast, lost.split, lost.skinswon, lost.remaindercents),
              std::tuple(8, false, 10, 3));
    // Split: the 8 count as won, 303 / 18 = 16 cents a skin; the winners share 8 x 16 = 128
    // equally, 42 each; 303 - 16 - 32 - 112 - 3 x 42 leaves 17.
    const SkinsGame split = play(threeoutright(), {SkinsMode::gross, true, true, 101}).games[0];
    EXPECT_EQ(wins(split), (Won{{1, "Ann", 3, 0, 16},
                                {3, "Bob", 3, 1, 32},
                                {10, "Cy", 3, 6, 112},
                                {0, "Ann", 0, 8, 42},
                                {0, "Bob", 0, 8, 42},
                                {0, "Cy", 0, 8, 42}}));
    EXPECT_EQ(std::tuple(split.skinswon, split.remaindercents), std::tuple(18, 17));
}

TEST(NetSkins, aNineTakesStrokesOnItsOwnNineAndNoHandicapNone) {
    // A back nine with its own 5: the nine's five hardest, SI 2, 4, 6, 8, 10.
    const ResultLine back = resultline(
        "A", fours({{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}, {9, 0}}), 5);
    EXPECT_EQ(*holestrokes(back, si),
              (std::array<int, 18>{0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1}));
    EXPECT_FALSE(holestrokes(resultline("A", fours({}), std::nullopt), si));
}

TEST(NetSkins, onlyPlayersWithAHandicapAndOnlyOnCoursesWithStrokeIndexes) {
    // Net: Bob (20) gets two on SI 1 and 2, so his fives are 3 on holes 3 and 12 and 4 on
    // the rest; Cy (plus 2) gives one back on SI 18 and 17, so his 3 on the 15th nets 4 but
    // his 3 on the 1st stays 3. Di has no handicap and plays gross only.
    const std::vector<ResultLine> lines = {resultline("Ann", fours({}), 0),
                                           resultline("Bob", fours({}, 5), 20),
                                           resultline("Cy", fours({{1, 3}, {15, 3}}), -2),
                                           resultline("Di", fours({{18, 3}}), std::nullopt)};
    const SkinsSettings both{SkinsMode::both, false, false, 100};
    const NightSkins n = play(lines, both, {{1, si}});
    ASSERT_EQ(n.games.size(), 2u);
    EXPECT_EQ(n.games[1].kind, SkinKind::net);
    EXPECT_EQ(n.games[1].players, 3);
    EXPECT_EQ(wins(n.games[1]),
              (Won{{1, "Cy", 3, 0, 100}, {3, "Bob", 3, 0, 100}, {12, "Bob", 3, 0, 100}}));
    // Gross, all four: Cy's two 3s and Di's share 4.00, 1.33 a skin and 1 cent left.
    EXPECT_EQ(wins(n.games[0]),
              (Won{{1, "Cy", 3, 0, 133}, {15, "Cy", 3, 0, 133}, {18, "Di", 3, 0, 133}}));
    EXPECT_EQ(n.games[0].remaindercents, 1);
    // Course 1 without stroke indexes: the gross game alone, and why.
    const NightSkins without = play(lines, both);
    EXPECT_EQ(without.games.size(), 1u);
    EXPECT_EQ(without.nonet, "No net skins this night: course 1 has no stroke indexes.");
    // The league's courses give theirs, the last one too.
    auto g = std::make_unique<ProgramState>();
    g->coursecount = 2;
    g->coursedata[2][courseline_strokeindex] = whs::strokeindexline(si);
    const CourseIndexes read = courseindexes(*g);
    EXPECT_EQ(std::tuple(read.size(), read.count(2)), std::tuple(1u, 1u));
}

TEST(Skins, oneSkinWonTakesThePot_aCarryOfOnePastTheEndIsOnTheSheet) {
    // Ann's 3 on the 1st is the only skin: it pays the whole pot of 2 x 1.00.
    const SkinsGame one =
        play({resultline("Ann", fours({{1, 3}}), 10), resultline("Bob", fours({}), 10)},
             {SkinsMode::gross, false, false, 100})
            .games[0];
    EXPECT_EQ(wins(one), (Won{{1, "Ann", 3, 0, 200}}));
    EXPECT_EQ(one.remaindercents, 0);
    // Carried: the 17th takes 16 skins with it, the tied 18th one past the end, which is lost.
    const NightSkins night =
        play({resultline("Ann", fours({{17, 3}}), 10), resultline("Bob", fours({}), 10)},
             {SkinsMode::gross, true, false, 100});
    ASSERT_EQ(night.games[0].carriedpast, 1);
    const std::vector<std::string> sheet = skinslines("League", night);
    EXPECT_NE(std::find(sheet.begin(), sheet.end(),
                        "   17  Ann                        3      16     1.87"),
              sheet.end());
    EXPECT_NE(std::find(sheet.begin(), sheet.end(), "1 skin carried past the last hole: lost"),
              sheet.end());
}
