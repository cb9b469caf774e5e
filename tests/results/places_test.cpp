// Places, points, countback and flights of one night, on lines made by hand.
#include "resultlines.h"
#include "results/flights.h"
#include "results/night.h"
#include "results/ranking.h"
#include "results/standings.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

// Front 42, back 38 (the last six 26, last three 14, the 18th 4).
constexpr std::array<int16_t, 18> eighty = {5, 5, 5, 5, 5, 5, 4, 4, 4, 4, 4, 4, 4, 4, 4, 5, 5, 4};
// Front 42, back 40 (last six 28, last three 14, the 18th 5).
constexpr std::array<int16_t, 18> eightytwo = {5, 5, 5, 5, 5, 5, 4, 4, 4,
                                               4, 4, 4, 4, 5, 5, 4, 5, 5};

ResultsFile night(std::vector<ResultLine> lines, TieRule ties = TieRule::share) {
    ResultsFile f;
    f.settings.points = {10, 8, 6, 5};
    f.settings.ties = ties;
    f.lines = std::move(lines);
    return f;
}

// name -> (place, points) of the night's only flight.
std::map<std::string, std::pair<int, double>> placings(const ResultsFile& f) {
    std::map<std::string, std::pair<int, double>> out;
    for (const FlightNight& fn : nightresults(f, {6, 1, 26}).flights)
        for (const NightRow& r : fn.rows) out[r.name] = {r.place, r.points};
    return out;
}

using Placings = std::map<std::string, std::pair<int, double>>;

} // namespace

TEST(Ties, shareThePlaceAndSplitThePointsOfThePlacesTheyCover) {
    // Two at net 70 take 1st and 2nd's 10 and 8 between them; the next is 3rd.
    EXPECT_EQ(placings(night({resultline("Ann", eighty, 10), resultline("Bob", eightytwo, 12),
                              resultline("Cy", eightytwo, 10)})),
              (Placings{{"Ann", {1, 9}}, {"Bob", {1, 9}}, {"Cy", {3, 6}}}));
    // Three level share 10 + 8 + 6; the fourth takes 4th's 5, and a fifth place beyond the
    // table takes nothing.
    EXPECT_EQ(
        placings(night({resultline("Ann", eighty, 10), resultline("Bob", eightytwo, 12),
                        resultline("Cy", eighty, 10), resultline("Di", eighty, 8),
                        resultline("Ed", eighty, 2)})),
        (Placings{
            {"Ann", {1, 8}}, {"Bob", {1, 8}}, {"Cy", {1, 8}}, {"Di", {4, 5}}, {"Ed", {5, 0}}}));
    EXPECT_DOUBLE_EQ(sharedpoints({10, 8, 5}, 1, 3), 23.0 / 3);
}

TEST(Ties, countbackOnTheLastHolesLessTheirShareOfTheHandicap) {
    // Both net 70. Last nine: Ann 38 - 10/2 = 33, Bob 40 - 12/2 = 34: Ann wins it.
    const auto won = placings(night(
        {resultline("Bob", eightytwo, 12), resultline("Ann", eighty, 10)}, TieRule::countback));
    EXPECT_EQ(won, (Placings{{"Ann", {1, 10}}, {"Bob", {2, 8}}}));
    // Last nine 38 - 10/2 against 41 - 16/2 (33 both), last six 26 - 10/3 against 28 - 16/3
    // (22.67 both), last three 14 - 10/6 = 12.33 against 14 - 16/6 = 11.33: Cy wins.
    constexpr std::array<int16_t, 18> cy = {5, 5, 5, 5, 5, 5, 5, 5, 5, 4, 4, 5, 5, 5, 4, 5, 5, 4};
    ASSERT_EQ(contender(resultline("Cy", cy, 16), true).score, 70);
    EXPECT_EQ(placings(night({resultline("Ann", eighty, 10), resultline("Cy", cy, 16)},
                             TieRule::countback)),
              (Placings{{"Cy", {1, 10}}, {"Ann", {2, 8}}}));
    // The same holes and handicap cannot be told apart; nor can a round of totals alone.
    EXPECT_EQ(placings(night({resultline("Ann", eighty, 10), resultline("Di", eighty, 10),
                              totalsline("Ed", 40, 40, 10)},
                             TieRule::countback)),
              (Placings{{"Ann", {1, 8}}, {"Di", {1, 8}}, {"Ed", {1, 8}}}));
}

TEST(Night, aPlayerWithoutHandicapHasGrossOnlyAndComesLast) {
    ResultsFile f =
        night({resultline("Ann", eighty, std::nullopt), resultline("Bob", eightytwo, 6)});
    f.settings.participation = 2;
    const NightResults n = nightresults(f, {6, 1, 26});
    const NightRow &bob = n.flights[0].rows[0], &ann = n.flights[0].rows[1];
    EXPECT_EQ(std::tie(bob.name, bob.place, bob.netplace, bob.grossplace, bob.points),
              std::tuple("Bob", 1, 1, 2, 12.0));
    EXPECT_EQ(std::tie(ann.name, ann.place, ann.netplace, ann.grossplace, ann.points),
              std::tuple("Ann", 0, 0, 1, 2.0));
    EXPECT_FALSE(ann.net.has_value());
    // Scored on gross she wins the night.
    f.settings.scoring = Scoring::gross;
    EXPECT_EQ(placings(f), (Placings{{"Ann", {1, 12}}, {"Bob", {2, 10}}}));
}

TEST(Flights, byHandAndByHandicapWithAnOddCount) {
    ResultsFile f;
    f.settings.flights = FlightMode::byhand;
    f.settings.assigned = {{"Ann", "Gold"}, {"Bob", "Blue"}};
    for (const char* n : {"Ann", "Bob", "Cy"}) f.lines.push_back(resultline(n, eighty, 10));
    Flights hand = drawflights(f, {6, 1, 26});
    EXPECT_EQ(hand.names, (std::vector<std::string>{"Blue", "Gold"}));
    EXPECT_EQ(hand.flightof("Bob"), 0);
    EXPECT_EQ(hand.flightof("Cy"), 1); // not given one: the last flight

    // Five handicapped into two: 3 and 2, lowest first; no handicap goes last. Drawn at
    // the first night, Ed stays in A though his index rose on night 2.
    f.settings = {};
    f.settings.flights = FlightMode::byhandicap;
    f.lines = {resultline("Ann", eighty, 20),  resultline("Bob", eighty, 5),
               resultline("Cy", eighty, 25),   resultline("Di", eighty, 15),
               resultline("Ed", eighty, 10),   resultline("Flo", eighty, std::nullopt),
               resultline("Ed", eighty, 30, 8)};
    EXPECT_EQ(flightsizes(5, 2), (std::vector<int>{3, 2}));
    const Flights first = drawflights(f, {6, 8, 26});
    const std::map<std::string, int> want = {{"Bob", 0}, {"Ed", 0}, {"Di", 0},
                                             {"Ann", 1}, {"Cy", 1}, {"Flo", 1}};
    EXPECT_EQ(first.of, want);
    f.settings.draw = FlightDraw::everynight;
    EXPECT_EQ(drawflights(f, {6, 8, 26}).of, (std::map<std::string, int>{{"Ed", 0}}));
}

TEST(Standings, bestNightsOfTheSeasonAndAverageNet) {
    EXPECT_EQ(bestof({10, 6, 8}, 2), 18);
    EXPECT_EQ(bestof({10, 6, 8}, 0), 24);
    EXPECT_EQ(bestof({10, 6}, 5), 16);
    // Ann wins nights 1 and 3 (10 each), Bob night 2 (10); Bob is 2nd twice (8 each).
    ResultsFile f = night({resultline("Ann", eighty, 10, 1), resultline("Bob", eighty, 9, 1),
                           resultline("Ann", eighty, 8, 2), resultline("Bob", eighty, 11, 2),
                           resultline("Ann", eighty, 10, 3), resultline("Bob", eighty, 9, 3)});
    auto table = standings(f);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].rows[0].name, "Ann");
    EXPECT_EQ(table[0].rows[0].points, 28);
    EXPECT_NEAR(*table[0].rows[0].averagenet, (70 + 72 + 70) / 3.0, 1e-9);
    EXPECT_EQ(table[0].rows[1].points, 26);
    f.settings.bestnights = 2;
    table = standings(f);
    EXPECT_EQ(std::tie(table[0].rows[0].points, table[0].rows[0].nights), std::tuple(20.0, 3));
    EXPECT_EQ(std::tie(table[0].rows[1].points, table[0].rows[1].place), std::tuple(18.0, 2));
}
