// Properties of whole matches over many random leagues, nights and sheets: the points at
// stake are shared out (less what caps, lost phantom points and matches not played take),
// and swapping the two sides swaps their points.
#include "example.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace greenfold;
using namespace greenfold::matchplay;
using namespace greenfold::matchplay::testing;

namespace {

class RandomLeague {
  public:
    explicit RandomLeague(unsigned seed) : rng_(seed) {}

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    MatchSettings settings() {
        MatchSettings s;
        s.format = pick(0, 1) ? Format::teams : Format::individual;
        s.holes = pick(0, 3) ? 9 : 18;
        s.allowance = pick(50, 100);
        s.bestballallowance = pick(50, 100);
        s.strokes = pick(0, 3) ? Strokes::difference : Strokes::full;
        s.maxstrokes = pick(0, 1) * pick(1, 9);
        s.holepoints = pick(0, 2);
        s.halved = pick(0, 1) ? Halved::carry : Halved::split;
        s.nineholespoints = pick(0, 2);
        s.ninenetpoints = pick(0, 2);
        s.matchholespoints = pick(0, 3);
        s.matchnetpoints = pick(0, 2);
        s.teamnetpoints = pick(0, 2);
        s.teamaggregatepoints = pick(0, 1);
        s.bestballpoints = pick(0, 1);
        s.absent = pick(0, 3) ? AbsentFill::phantom : AbsentFill::forfeit;
        s.phantomcard = PhantomCard(pick(0, 2));
        s.penalty = pick(0, 4);
        s.phantompoints = pick(0, 3) ? PhantomPoints::count : PhantomPoints::lost;
        if (pick(0, 3) == 0) s.substitutecap = Points{pick(1, 20)};
        return s;
    }

    // Two sides of the format, a few players on no side, and who has a round.
    std::vector<Side> sides(Format f) {
        if (f == Format::individual) return players({"P1", "P2"});
        return {{"T1", {"P1", "P2"}, {}}, {"T2", {"P3", "P4"}, {}}};
    }

    NightInput rounds(const std::vector<std::string>& names, Nine nine) {
        std::vector<Card> cards;
        for (const std::string& n : names) {
            if (pick(0, 4) == 0) continue; // no round
            Holes h{};
            for (int k = nine == Nine::back ? 9 : 0; k < (nine == Nine::front ? 9 : 18); ++k)
                h[std::size_t(k)] = pick(2, 9);
            cards.push_back(card(n, h, pick(-4, 36)));
        }
        NightInput out = night(std::move(cards));
        for (const std::string& n : names) out.absenthcp[n] = whs::Fraction(pick(-4, 36));
        return out;
    }

    void change(WeekSheet& sheet, const SheetContext& c, const std::string& player) {
        // Three times in eight the sheet is left as filled.
        const int k = pick(0, 7);
        if (k == 0) markabsent(sheet, c, player);
        if (k == 1) setforfeit(sheet, c, player);
        if (k == 2) setdraw(sheet, c, player, std::nullopt);
        if (k == 3) setteammate(sheet, c, player);
        if (k == 4) setsubstitute(sheet, c, player, "S" + std::to_string(pick(1, 3)));
    }

  private:
    std::mt19937 rng_;
};

Points notplayedstake(const MatchResult& m, const MatchSettings& s) {
    Points out;
    for (const SinglePart& p : m.singles)
        if (p.status == Status::notplayed) out += singlestake(s);
    return out;
}

} // namespace

TEST(RandomMatches, pointsAreSharedOutAndSwappingTheSidesSwapsThem) {
    RandomLeague league(20260505);
    const std::vector<std::string> names = {"P1", "P2", "P3", "P4", "S1", "S2", "S3"};
    int played = 0;
    for (int round = 0; round < 3000; ++round) {
        const MatchSettings s = league.settings();
        const auto sides = league.sides(s.format);
        const Nine nine = s.holes == 18 ? Nine::all : league.pick(0, 1) ? Nine::front : Nine::back;
        const Week w = week(1, nine, {{sides[0].name, sides[1].name}});
        const NightInput n = league.rounds(names, nine);
        WeekSheet sheet;
        const Names rounds = namesof(n);
        const SheetContext c{w, s, rounds, names, [&](int k) { return league.pick(0, k - 1); }};
        fillsheet(sheet, w, sides, rounds, s, c.draw);
        for (const Side& side : sides)
            for (const std::string& p : side.regulars) league.change(sheet, c, p);
        const MatchResult m = workoutpair(w, w.pairs[0], sheet, n, s);
        const MatchResult swapped = workoutpair(w, {sides[1].name, sides[0].name}, sheet, n, s);
        ASSERT_EQ(m.status, swapped.status) << round;
        ASSERT_EQ(std::pair(m.points1, m.points2), std::pair(swapped.points2, swapped.points1))
            << round;
        if (m.status != Status::played) {
            ASSERT_EQ(m.points1 + m.points2, Points{}) << round;
            continue;
        }
        ++played;
        const Points stake =
            (s.format == Format::teams ? teamstake(s) : singlestake(s)) - notplayedstake(m, s);
        // A team whose two slots are both forfeited wins no team part.
        const auto forfeited = [&](auto slot) {
            return s.format == Format::teams &&
                   std::all_of(m.singles.begin(), m.singles.end(), [&](const SinglePart& p) {
                       return (p.*slot).kind == Kind::forfeit;
                   });
        };
        const bool maylose = s.substitutecap || s.phantompoints == PhantomPoints::lost ||
                             forfeited(&SinglePart::slot1) || forfeited(&SinglePart::slot2);
        if (maylose)
            ASSERT_LE(m.points1 + m.points2, stake) << round;
        else
            ASSERT_EQ(m.points1 + m.points2, stake) << round;
    }
    EXPECT_GT(played, 1000);
}
